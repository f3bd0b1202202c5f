// What the list windows save and load when a result is empty or a file is of another
// kind: an empty list a run produced is written, a plain list is named as such, a short
// file loads what it holds with a warning.

#include "core/u_public.h"
#include "filters/windows/u_sujifilt.h"
#include "filters/windows/u_zhongpai.h"
#include "randomhistory.h"
#include "store/textfile.h"
#include "testsupport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

class ListResults : public ::testing::Test {
protected:
    test::TempAppDir app;
    test::MessageLog log;
    std::string oldName = LotteryName;
    QString chosen;

    ListResults() {
        LotteryName = "中国福彩3D";
        DrawHistory = test::randomHistory(300, 5);
        DrawCount = static_cast<int32_t>(DrawHistory.size());
        ui::dialogHooks().saveFile = [this](const QString &, const QString &) { return chosen; };
        ui::dialogHooks().openFile = [this](const QString &, const QString &) { return chosen; };
    }
    ~ListResults() override {
        LotteryName = oldName;
        DrawHistory.clear();
        DrawCount = 0;
    }
    QString file(const char *name, const QStringList &lines) {
        const QString path = app.path() + QString::fromLatin1(name);
        writeTextLines(path, lines);
        return path;
    }
};

} // namespace

TEST_F(ListResults, ColdSearchNamesAPlainListAndLoadsWhatAShortFileHolds) {
    Tfrmsujifilt w;
    w.show();
    chosen = app.path() + QStringLiteral("never.txt");
    w.btnsave->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("请先生成表格！"));
    EXPECT_FALSE(QFile::exists(chosen));

    // A plain list as 总体过滤 saves it: no heading.
    chosen = file("plain.txt", {QStringLiteral("001 002 003 004 005 006 007 008 009 010 "), QStringLiteral("011 ")});
    w.btnload->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("文件的第一行不是“直选共N注”这样的标题：这不是冷码搜索保存的号码文件。"));
    EXPECT_EQ(w.grdsuijicode->model()->rowCount(), 0);

    // The heading promises five, the file holds two: both are shown, and the count box
    // says two.
    chosen = file("short.txt", {QStringLiteral("组选6共5注"), QStringLiteral("123 456 ")});
    w.btnload->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("文件中只有2个号码，少于标题写的5注；只载入了文件中的这些号码。"));
    EXPECT_EQ(log.messages.back().kind, ui::MessageKind::Warning);
    EXPECT_EQ(w.grdsuijicode->model()->rowCount(), 2);
    EXPECT_EQ(w.edtjushu->text(), QStringLiteral("2"));
    EXPECT_EQ(w.optzhizhu->checkedId(), 3);

    // An empty list a load produced is saved as it stands.
    chosen = file("none.txt", {QStringLiteral("直选共0注")});
    w.btnload->click();
    EXPECT_EQ(w.grdsuijicode->model()->rowCount(), 0);
    chosen = app.path() + QStringLiteral("saved-empty.txt");
    w.btnsave->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("成功保存！"));
    EXPECT_EQ(readTextLines(chosen).value(0), QStringLiteral("直选共0注"));
}

TEST_F(ListResults, ExclusionSavesTheEmptyListARunKeptButNothingBeforeARun) {
    Tfrmzhongpai w;
    w.show();
    chosen = app.path() + QStringLiteral("before.txt");
    w.btnsave->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("请先生成表格！"));
    EXPECT_FALSE(QFile::exists(chosen));

    // Every hundreds digit excluded without tolerance: nothing is kept.
    w.chkbai->click();
    w.edtbai->setText(QStringLiteral("0123456789"));
    w.btnfilt->click();
    ASSERT_EQ(w.lbljushu->text(), QStringLiteral("0"));
    chosen = app.path() + QStringLiteral("kept-none.txt");
    w.btnsave->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("成功保存！"));
    EXPECT_TRUE(QFile::exists(chosen));
    EXPECT_TRUE(readTextLines(chosen).join(QString()).trimmed().isEmpty());

    // "清除" goes back to before any run.
    w.btnclear->click();
    chosen = app.path() + QStringLiteral("after-clear.txt");
    w.btnsave->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("请先生成表格！"));
    EXPECT_FALSE(QFile::exists(chosen));
}
