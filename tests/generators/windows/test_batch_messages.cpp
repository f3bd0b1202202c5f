// The batches of base lists say what they do: how many old lists of their folder they
// delete (asked first, No by default) and, at the end, how many files they wrote where.

#include "generators/windows/u_dingweidan.h"
#include "generators/windows/u_fushi.h"

#include "generators2windows.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace corvel;

class BatchMessages : public test::GeneratorWindowTest {};

TEST_F(BatchMessages, AskBeforeDeletingOldListsAndTellWhatWasWritten) {
    Tfrmdingweidan w;
    w.show();
    w.comcurqi->setCurrentIndex(300);
    w.edtallnum->setText(QStringLiteral("2"));
    const QString folder = home.filePath(QStringLiteral("临界选号自动大底"));
    QDir().mkpath(folder);
    write(QStringLiteral("临界选号自动大底/自动大底7.txt"), "old");
    write(QStringLiteral("临界选号自动大底/mine.TXT"), "old");
    write(QStringLiteral("临界选号自动大底/notes.doc"), "kept");

    // No: nothing runs, nothing goes.
    {
        test::MessageLog no(false);
        w.btnalldadi->click();
        ASSERT_TRUE(waitIdle(w.runner()));
        ASSERT_EQ(no.messages.size(), 1u);
        EXPECT_EQ(no.messages[0].kind, ui::MessageKind::Question);
        EXPECT_TRUE(no.messages[0].text.contains(QStringLiteral("已有 2 个 .txt 文件")));
        EXPECT_TRUE(no.messages[0].text.contains(QDir::toNativeSeparators(folder)));
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 3);

    // Yes: the batch runs and ends with its count, the folder and a button opening it.
    test::MessageLog yes(true);
    w.btnalldadi->click();
    ASSERT_TRUE(waitIdle(w.runner()));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("notes.doc"), QStringLiteral("自动大底-完成.log"),
                           QStringLiteral("自动大底1.txt"), QStringLiteral("自动大底2.txt")}));
    ASSERT_EQ(yes.messages.size(), 2u);
    const ui::Message &done = yes.messages[1];
    EXPECT_TRUE(done.text.startsWith(QStringLiteral("已生成 2 个大底文件"))) << done.text.toStdString();
    EXPECT_TRUE(done.text.contains(QDir::toNativeSeparators(folder)));
    EXPECT_EQ(done.action, QStringLiteral("打开文件夹"));
    EXPECT_EQ(yes.openedFolders, QStringList{folder});

    // A folder without lists is not asked about.
    yes.messages.clear();
    QDir(folder).remove(QStringLiteral("自动大底1.txt"));
    QDir(folder).remove(QStringLiteral("自动大底2.txt"));
    w.btnalldadi->click();
    ASSERT_TRUE(waitIdle(w.runner()));
    ASSERT_EQ(yes.messages.size(), 1u);
    EXPECT_TRUE(yes.messages[0].text.startsWith(QStringLiteral("已生成 2 个大底文件")));
}

// 一键全部大底 asks through the real question box, whose default is No: Enter keeps the old
// lists and starts nothing. Yes runs the batch, which ends with its count, its folder and
// a button opening it.
TEST_F(BatchMessages, DanmaBatchKeepsOldListsOnEnterAndTellsWhatWasWritten) {
    Tfrmfushi w;
    w.show();
    w.edtfushinum->setText(QStringLiteral("5"));
    w.edtdadinum->setText(QStringLiteral("3"));
    const QString folder = home.filePath(QStringLiteral("无穷胆码选号自动大底"));
    QDir().mkpath(folder);
    write(QStringLiteral("无穷胆码选号自动大底/自动大底5.txt"), "old");
    write(QStringLiteral("无穷胆码选号自动大底/other.txt"), "old");
    write(QStringLiteral("无穷胆码选号自动大底/notes.doc"), "kept");

    ui::dialogHooks().message = nullptr;
    QString asked;
    bool noIsDefault = false;
    QTimer::singleShot(0, &w, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) return;
        asked = box->text();
        noIsDefault = box->defaultButton() && box->defaultButton() == box->button(QMessageBox::No);
        QTest::keyClick(box, Qt::Key_Return);
        // Whatever Enter did, the box must not stay open.
        if (box->isVisible()) box->reject();
    });
    w.btnalldadi->click();
    EXPECT_TRUE(noIsDefault);
    EXPECT_TRUE(asked.contains(QStringLiteral("已有 2 个 .txt 文件"))) << asked.toStdString();
    EXPECT_TRUE(asked.contains(QDir::toNativeSeparators(folder)));
    EXPECT_FALSE(w.runner()->busy());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("notes.doc"), QStringLiteral("other.txt"), QStringLiteral("自动大底5.txt")}));

    test::MessageLog yes(true);
    w.btnalldadi->click();
    ASSERT_TRUE(waitIdle(w.runner()));
    EXPECT_EQ(QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("自动大底1.txt"), QStringLiteral("自动大底2.txt"),
                           QStringLiteral("自动大底3.txt")}));
    ASSERT_EQ(yes.messages.size(), 2u);
    EXPECT_EQ(yes.messages[0].kind, ui::MessageKind::Question);
    const ui::Message &done = yes.messages[1];
    EXPECT_TRUE(done.text.startsWith(QStringLiteral("已生成 3 个大底文件"))) << done.text.toStdString();
    EXPECT_TRUE(done.text.contains(QDir::toNativeSeparators(folder)));
    EXPECT_EQ(done.action, QStringLiteral("打开文件夹"));
    EXPECT_EQ(yes.openedFolders, QStringList{folder});
    // The window shows the last list of the batch.
    EXPECT_EQ(w.groups().size(), 5u);
    EXPECT_EQ(w.lbljushu->text(),
              QStringLiteral("号码注数：%1注  %2 元").arg(w.baseList().size()).arg(2 * w.baseList().size()));
}
