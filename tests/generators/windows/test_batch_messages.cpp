// The batches of base lists say what they do: how many old lists of their folder they
// delete (asked first, No by default) and, at the end, how many files they wrote where.

#include "generators/windows/u_dingweidan.h"

#include "generators2windows.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

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
