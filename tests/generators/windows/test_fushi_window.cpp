// "无穷跟随反转胆码选号" through its buttons, opened from the main window.

#include "generators/danma.h"
#include "generators/windows/u_fushi.h"
#include "generators/windows/u_jiaoqi.h"
#include "shell/u_main.h"
#include "store/u_datamod.h"

#include "generators2windows.h"

#include <QAbstractItemModel>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

using namespace corvel;

namespace {

std::vector<std::string> shownGroups(const Tfrmfushi &w) {
    std::vector<std::string> out;
    const QAbstractItemModel *m = w.grdfushi->model();
    for (int r = 0; r < m->rowCount(); ++r) out.push_back(m->index(r, 1).data().toString().toStdString());
    return out;
}

} // namespace

class FushiWindow : public test::GeneratorWindowTest {};

TEST_F(FushiWindow, PresetsGenerationBaseListSavesAndBatch) {
    Tdatamod data;
    Tfrmmain main;
    auto *w = qobject_cast<Tfrmfushi *>(main.showToolWindow(QStringLiteral("Tfrmfushi")));
    ASSERT_TRUE(w);
    // Creating it made the intersection window, hidden; opening that shows the same one.
    auto *jiaoqi = qobject_cast<Tfrmjiaoqi *>(main.toolWindow(QStringLiteral("Tfrmjiaoqi")));
    ASSERT_TRUE(jiaoqi);
    EXPECT_FALSE(jiaoqi->isVisible());
    EXPECT_EQ(main.showToolWindow(QStringLiteral("Tfrmjiaoqi")), jiaoqi);
    EXPECT_EQ(jiaoqi->danmaIndex(), 300);

    // Defaults: plan 1, next issue.
    EXPECT_EQ(w->windowTitle(), QStringLiteral("无穷跟随反转胆码选号"));
    EXPECT_EQ(w->comfangan->count(), 7);
    EXPECT_EQ(w->comcodenum->currentText(), QStringLiteral("3"));
    EXPECT_EQ(w->edtfushinum->text(), QStringLiteral("10"));
    EXPECT_EQ(w->comyanxunum->currentText(), QStringLiteral("1"));
    EXPECT_EQ(w->comcurqi->count(), 301);
    EXPECT_EQ(w->comcurqi->currentText(), QString::number(DrawHistory.back()[0] + 1));
    EXPECT_EQ(w->lblkaijiang->text(), QStringLiteral("目前开奖："));
    EXPECT_EQ(w->edtzhusanyongcuo2->text(), QStringLiteral("9"));
    EXPECT_EQ(w->edtdadinum->text(), QStringLiteral("1000"));
    EXPECT_EQ(w->opttype->checkedId(), 0);
    EXPECT_FALSE(w->btnstop->isVisibleTo(w));

    // Plan 2 fills this window and the intersection window's tolerances.
    w->opttype->button(1)->click();
    w->comfangan->setCurrentIndex(1);
    emit w->comfangan->activated(1);
    EXPECT_EQ(w->edtfushinum->text(), QStringLiteral("5"));
    EXPECT_EQ(w->edtdadinum->text(), QStringLiteral("500"));
    EXPECT_EQ(w->edtzhuliuyongcuo2->text(), QStringLiteral("4"));
    EXPECT_EQ(w->opttype->checkedId(), 0);
    EXPECT_EQ(jiaoqi->edtzhu6yongcuo2->text(), QStringLiteral("2"));
    EXPECT_EQ(jiaoqi->edtzhu3yongcuo1->text(), QStringLiteral("5"));
    EXPECT_EQ(jiaoqi->edtzhu3yongcuo2->text(), QStringLiteral("20"));

    // "过滤" before any group.
    w->btnfilt->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("请先生成胆码！"));

    // The next issue: no hit count.
    w->btngen->click();
    ASSERT_TRUE(waitIdle(w->runner()));
    EXPECT_EQ(shownGroups(*w).size(), 5u);
    EXPECT_EQ(w->lblresult->text(), QStringLiteral("中出情况："));

    // A past issue: its draw and how many groups share a digit with it.
    w->comcurqi->setCurrentIndex(250);
    EXPECT_EQ(w->currentIndex(), 250);
    const DrawRow &d = DrawHistory[250];
    EXPECT_EQ(w->lblkaijiang->text(), QStringLiteral("目前开奖：%1%2%3").arg(d[1]).arg(d[2]).arg(d[3]));
    EXPECT_EQ(jiaoqi->danmaIndex(), 250);
    w->btngen->click();
    ASSERT_TRUE(waitIdle(w->runner()));
    const std::vector<std::string> groups = shownGroups(*w);
    EXPECT_EQ(groups, w->groups());
    EXPECT_EQ(w->lblresult->text(), QStringLiteral("中出情况：5中%1").arg(danmaHits(DrawHistory, 250, groups)));

    w->btnfilt->click();
    const NumberList expected = danmaBaseList(groups, {0, 4, 1, 5});
    EXPECT_EQ(w->baseList(), expected);
    EXPECT_EQ(w->grdcode->model()->rowCount(), int(expected.size()));
    EXPECT_EQ(w->lbljushu->text(),
              QStringLiteral("号码注数：%1注  %2 元").arg(expected.size()).arg(expected.size() * 2));

    saveAs = home.filePath(QStringLiteral("danma.txt"));
    w->btnsave->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("成功保存！"));
    EXPECT_TRUE(read(saveAs).startsWith(QByteArray(QByteArray::fromStdString(groups[0]) + "=1-3\r\n")));
    EXPECT_EQ(read(saveAs).count("\r\n"), 5);
    saveAs = home.filePath(QStringLiteral("list.txt"));
    w->btnsave2->click();
    const QByteArray listFile = read(saveAs);
    EXPECT_EQ(listFile.count("\r\n"), int((expected.size() + 9) / 10));

    // Bad input leaves the groups as they were.
    w->edtfushinum->setText(QStringLiteral("1x"));
    w->btngen->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("'1x' 不是一个有效的整形值"));
    EXPECT_EQ(shownGroups(*w), groups);
    w->edtfushinum->setText(QStringLiteral("5"));

    // The batch: a stale list in the folder goes, the new files are whole grid lists.
    const QString folder = home.filePath(QStringLiteral("无穷胆码选号自动大底"));
    QDir().mkpath(folder);
    write(QStringLiteral("无穷胆码选号自动大底/自动大底9.txt"), "stale");
    write(QStringLiteral("无穷胆码选号自动大底/notes.doc"), "mine");
    w->edtdadinum->setText(QStringLiteral("3"));
    w->btnalldadi->click();
    EXPECT_TRUE(w->btnstop->isVisibleTo(w) || !w->runner()->busy());
    ASSERT_TRUE(waitIdle(w->runner()));
    EXPECT_EQ(
        QDir(folder).entryList(QDir::Files, QDir::Name),
        (QStringList{QStringLiteral("notes.doc"), QStringLiteral("自动大底-完成.log"), QStringLiteral("自动大底1.txt"),
                     QStringLiteral("自动大底2.txt"), QStringLiteral("自动大底3.txt")}));
    EXPECT_FALSE(w->btnstop->isVisibleTo(w));
    EXPECT_TRUE(w->btngen->isEnabled());

    w->btnclose->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(main.showToolWindow(QStringLiteral("Tfrmfushi")), w);
}

// "保存号码" refuses before any "过滤", and writes the empty base list a "过滤" kept.
TEST_F(FushiWindow, SavesAnEmptyBaseListButNothingBeforeAFilter) {
    Tfrmfushi w;
    w.show();
    saveAs = home.filePath(QStringLiteral("before.txt"));
    w.btnsave2->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("请先过滤号码！"));
    EXPECT_FALSE(QFile::exists(saveAs));

    w.btngen->click();
    ASSERT_TRUE(waitIdle(w.runner()));
    ASSERT_EQ(w.groups().size(), 10u);
    // Ten groups: no number misses eleven of them.
    for (QLineEdit *edit : {w.edtzhuliuyongcuo1, w.edtzhuliuyongcuo2, w.edtzhusanyongcuo1, w.edtzhusanyongcuo2})
        edit->setText(QStringLiteral("11"));
    w.btnfilt->click();
    EXPECT_EQ(w.lbljushu->text(), QStringLiteral("号码注数：0注  0 元"));
    saveAs = home.filePath(QStringLiteral("kept-none.txt"));
    w.btnsave2->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("成功保存！"));
    ASSERT_TRUE(QFile::exists(saveAs));
    EXPECT_TRUE(read(saveAs).isEmpty());
}
