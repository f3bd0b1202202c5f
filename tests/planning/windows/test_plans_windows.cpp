// The three plan windows, offscreen: commands, messages, files, printing and the
// button states of the variable plan.

#include "planning/planfiles.h"
#include "planning/windows/u_gudingjihua.h"
#include "planning/windows/u_jieduanjihua.h"
#include "planning/windows/u_keibianjihua.h"
#include "shell/windowregistry.h"
#include "store/textfile.h"
#include "testsupport.h"
#include "ui/gridmodel.h"
#include "ui/printing.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

namespace corvel {
namespace {

using test::MessageLog;
using test::TempAppDir;

QString u(const char *text) { return QString::fromUtf8(text); }

// Answers the next save and open dialogs with `path` and remembers the proposed names.
struct FileAnswers {
    QString path;
    QString proposed;
    explicit FileAnswers(const QString &p) : path(p) {
        ui::dialogHooks().saveFile = [this](const QString &, const QString &initial) {
            proposed = initial;
            return path;
        };
        ui::dialogHooks().openFile = ui::dialogHooks().saveFile;
    }
};

QStringList column(const ui::GridModel *m, int c) {
    QStringList texts;
    for (int r = 0; r < m->rowCount(); ++r) texts << m->cellText(r, c);
    return texts;
}

TEST(FixedPlanWindow, GenerateFillsTheGridAndReportsTheAverage) {
    TempAppDir dir;
    MessageLog log;
    Tfrmgudingjihua w;
    QAbstractItemModelTester tester(w.gridModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(w.windowTitle(), u("固定计划投资"));
    EXPECT_TRUE(w.btnala->isDefault());
    w.btnala->click();
    EXPECT_EQ(log.lastText(), u("平均每期净利润为:551"));
    const ui::GridModel *m = w.gridModel();
    ASSERT_EQ(m->rowCount(), 80);
    EXPECT_EQ(m->headings(), QStringList({u("投注期号"), u("投注倍数"), u("当期投注"), u("当期总投入"), u("当期中奖"),
                                          u("当期净利润"), u("当期利润率(%)")}));
    EXPECT_EQ(m->cellText(60, 1), QStringLiteral("1"));
    EXPECT_EQ(m->cellText(61, 1), QStringLiteral("2"));
    EXPECT_EQ(m->cellText(79, 3), QStringLiteral("1584"));

    // Failures leave the plan on show.
    w.edtinofsin->setText(QStringLiteral("1000"));
    w.btnala->click();
    EXPECT_EQ(log.lastText(), u("所需倍数太大，无法投注！"));
    w.edtinofsin->setText(QStringLiteral("16"));
    w.edtlirun->setText(QStringLiteral("ten"));
    w.btnala->click();
    EXPECT_EQ(log.lastText(), u("'ten' 不是一个有效的整形值"));
    w.edtlirun->setText(QStringLiteral("10"));
    w.edtdays->setText(QStringLiteral("0"));
    w.btnala->click();
    EXPECT_EQ(log.lastText(), u("投注期数必须大于0！"));
    EXPECT_EQ(m->rowCount(), 80);
    EXPECT_EQ(m->cellText(79, 3), QStringLiteral("1584"));

    w.edtdays->setText(QStringLiteral("30"));
    w.edtprekui->setText(QStringLiteral("1000"));
    w.btnala->click();
    EXPECT_EQ(m->rowCount(), 30);
    EXPECT_EQ(m->cellText(0, 1), QStringLiteral("2"));
}

TEST(FixedPlanWindow, SaveAndLoadRoundTrip) {
    TempAppDir dir;
    MessageLog log;
    const QString path = dir.path() + u("附属/计划.txt");
    FileAnswers files(path);
    Tfrmgudingjihua w;
    w.btnsave->click();
    EXPECT_EQ(log.lastText(), u("请先生成表格！"));
    EXPECT_FALSE(QFile::exists(path));

    w.btnala->click();
    const std::vector<PlanRow> plan = w.planRows();
    w.edtdays->setText(QStringLiteral("5")); // edited after generating: the file still describes the plan
    w.btnsave->click();
    EXPECT_EQ(log.lastText(), u("成功保存！"));
    EXPECT_EQ(files.proposed, dir.path() + u("附属/固定投资计划表.txt"));
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_TRUE(raw.readAll().startsWith("0\r\n10\r\n16\r\n1000\r\n80\r\n1\r\n"));

    w.edtprekui->setText(QStringLiteral("1000"));
    w.btnala->click();
    w.btnload->click();
    EXPECT_EQ(log.lastText(), u("平均每期中奖金额为:551"));
    EXPECT_EQ(w.edtprekui->text(), QStringLiteral("0"));
    EXPECT_EQ(w.edtdays->text(), QStringLiteral("80"));
    EXPECT_EQ(w.planRows(), plan);
    EXPECT_EQ(w.gridModel()->headings()[0], u("投注时间"));
    EXPECT_EQ(w.gridModel()->headings()[1], u("投注倍数"));
    EXPECT_EQ(w.gridModel()->cellText(61, 1), QStringLiteral("2"));
}

TEST(FixedPlanWindow, DamagedFileShowsTheRowsRead) {
    TempAppDir dir;
    MessageLog log;
    const QString path = dir.path() + u("附属/坏.txt");
    PlanInputs in;
    in.days = 6;
    QStringList lines;
    for (const std::string &l : fixedPlanLines(in, fixedPlan(in))) lines << QString::fromStdString(l);
    lines[5 + 2 * 7 + 1] = QStringLiteral("x");
    writeTextLines(path, lines);
    FileAnswers files(path);
    Tfrmgudingjihua w;
    w.btnload->click();
    ASSERT_GE(log.messages.size(), 2u);
    EXPECT_EQ(log.messages[log.messages.size() - 2].text, QStringLiteral("2"));
    const int64_t average = (fixedPlan(in)[0][5] + fixedPlan(in)[1][5]) / 6;
    EXPECT_EQ(log.lastText(), u("平均每期中奖金额为:") + QString::number(average));
    EXPECT_EQ(w.gridModel()->rowCount(), 6);
    EXPECT_EQ(column(w.gridModel(), 0), QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral(""),
                                                     QStringLiteral(""), QStringLiteral(""), QStringLiteral("")}));

    // A header that is not a plan changes nothing.
    writeTextLines(path, {QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("16")});
    w.btnload->click();
    EXPECT_EQ(log.lastText(), QString::fromStdString(incompletePlanFileMessage()));
    EXPECT_EQ(w.gridModel()->rowCount(), 6);
}

TEST(FixedPlanWindow, PrintsFourPagesToPdf) {
    TempAppDir dir;
    MessageLog log;
    Tfrmgudingjihua w;
    const QString pdf = dir.path() + QStringLiteral("plan.pdf");
    ui::printHooks().pdfPath = pdf;
    w.btnprint->click();
    EXPECT_EQ(log.lastText(), u("请先生成表格！"));
    EXPECT_FALSE(QFile::exists(pdf));
    w.btnala->click();
    w.btnprint->click();
    EXPECT_EQ(test::pdfPageCount(pdf), 4);
    EXPECT_EQ(log.lastText(), u("平均每期净利润为:551"));
}

TEST(StagePlanWindow, GenerateFailAndRefuseDamagedFile) {
    TempAppDir dir;
    MessageLog log;
    const QString path = dir.path() + u("附属/阶段.txt");
    FileAnswers files(path);
    Tfrmjieduanjihua w;
    EXPECT_EQ(w.windowTitle(), u("阶段计划投资"));
    ASSERT_NE(w.edtjieduan, nullptr);
    EXPECT_EQ(w.edtjieduan->text(), QStringLiteral("10"));
    w.btnala->click();
    EXPECT_EQ(log.lastText(), u("平均每期净利润为:592"));
    EXPECT_EQ(w.gridModel()->cellText(56, 1), QStringLiteral("2"));
    w.btnsave->click();
    EXPECT_EQ(files.proposed, dir.path() + u("附属/阶段投资计划表.txt"));

    w.edtjieduan->setText(QStringLiteral("1"));
    w.btnala->click();
    EXPECT_EQ(log.lastText(), u("所需倍数太大，无法投注！"));
    w.edtdays->setText(QStringLiteral("40"));
    w.edtjieduan->setText(QStringLiteral("1"));
    w.btnala->click();
    EXPECT_EQ(w.gridModel()->rowCount(), 40);
    EXPECT_EQ(w.gridModel()->cellText(39, 5), QStringLiteral("360"));

    w.btnload->click();
    EXPECT_EQ(log.lastText(), u("平均每期中奖金额为:592"));
    EXPECT_EQ(w.edtjieduan->text(), QStringLiteral("10"));
    EXPECT_EQ(w.gridModel()->rowCount(), 80);
    EXPECT_EQ(w.gridModel()->headings()[0], u("投注期号"));

    QStringList lines = readTextLines(path);
    lines[6 + 7 * 3] = QStringLiteral("1.5");
    writeTextLines(path, lines);
    w.edtdays->setText(QStringLiteral("40"));
    w.edtjieduan->setText(QStringLiteral("4"));
    w.btnala->click();
    w.btnload->click();
    EXPECT_EQ(log.lastText(), u("'1.5' 不是一个有效的整形值"));
    EXPECT_EQ(w.gridModel()->rowCount(), 40);
    EXPECT_EQ(w.edtjieduan->text(), QStringLiteral("4"));
}

TEST(VariablePlanWindow, ButtonStates) {
    TempAppDir dir;
    MessageLog log;
    FileAnswers files(dir.path() + u("附属/可变.txt"));
    Tfrmkeibianjihua w;
    EXPECT_EQ(w.windowTitle(), u("可变投资计划"));
    EXPECT_TRUE(w.btnload->isDefault());
    auto state = [&] {
        return QStringList{w.btnnew->text(), QString::number(w.btnjisuan->isEnabled()),
                           QString::number(w.btnload->isEnabled()), QString::number(w.btnprint->isEnabled()),
                           QString::number(w.btnclose->isEnabled())};
    };
    const QStringList idle{u("新建"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("1"),
                           QStringLiteral("1")};
    const QStringList planning{u("取消保存"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"),
                               QStringLiteral("0")};
    EXPECT_EQ(state(), idle);
    w.btnnew->click();
    EXPECT_EQ(state(), planning);
    w.btnjisuan->click();
    w.btnnew->click(); // 取消保存
    EXPECT_EQ(state(), idle);
    EXPECT_EQ(w.gridModel()->rowCount(), 0);
    EXPECT_EQ(w.gridModel()->columnCount(), 8);

    w.btnnew->click();
    w.btnjisuan->click();
    w.btnsave->click();
    EXPECT_EQ(log.lastText(), u("成功保存！"));
    EXPECT_EQ(files.proposed, dir.path() + u("附属/可变投资计划表.txt"));
    EXPECT_EQ(state(), (QStringList{u("新建"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"),
                                    QStringLiteral("1")}));
    w.btnload->click();
    EXPECT_EQ(state(), (QStringList{u("取消保存"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"),
                                    QStringLiteral("1")}));
}

TEST(VariablePlanWindow, AddingPeriods) {
    TempAppDir dir;
    MessageLog log;
    Tfrmkeibianjihua w;
    w.btnnew->click();
    w.edtinofsin->setText(QStringLiteral("not used"));
    for (const char *bets : {"8", "8", "20", "50"}) {
        w.edtjushu->setText(QString::fromLatin1(bets));
        w.btnjisuan->click();
    }
    EXPECT_EQ(log.lastText(), u("平均每期净利润为:927"));
    EXPECT_EQ(column(w.gridModel(), 4),
              QStringList({QStringLiteral("16"), QStringLiteral("32"), QStringLiteral("72"), QStringLiteral("172")}));
    w.edtinofsin->setText(QStringLiteral("16"));

    // A period without a usable multiple is not added and the next one still works.
    w.edtjushu->setText(QStringLiteral("500"));
    w.btnjisuan->click();
    EXPECT_EQ(log.lastText(), u("所需倍数太大，无法投注！"));
    EXPECT_EQ(w.gridModel()->rowCount(), 4);
    w.edtjushu->setText(QStringLiteral("8"));
    w.btnjisuan->click();
    EXPECT_EQ(w.gridModel()->cellText(4, 4), QStringLiteral("188"));

    w.edtdays->setText(QStringLiteral("3"));
    w.btnjisuan->click();
    EXPECT_EQ(log.lastText(), u("投注期数不能少于已添加的5期！"));
    w.btnsave->click();
    EXPECT_EQ(log.lastText(), u("投注期数不能少于已添加的5期！"));
    w.edtdays->setText(QStringLiteral("5"));
    w.btnjisuan->click();
    EXPECT_EQ(log.lastText(), u("投资期限已满5天!"));
    EXPECT_EQ(w.gridModel()->rowCount(), 5);
}

TEST(VariablePlanWindow, LoadedPlanContinuesAndPrints) {
    TempAppDir dir;
    MessageLog log;
    const QString path = dir.path() + u("附属/可变.txt");
    FileAnswers files(path);
    Tfrmkeibianjihua w;
    w.btnnew->click();
    for (const char *bets : {"8", "8", "20"}) {
        w.edtjushu->setText(QString::fromLatin1(bets));
        w.btnjisuan->click();
    }
    const std::vector<VariableRow> saved = w.planRows();
    w.btnsave->click();

    Tfrmkeibianjihua other;
    other.btnload->click();
    EXPECT_EQ(other.planRows(), saved);
    EXPECT_EQ(other.edtjushu->text(), QStringLiteral("20"));
    other.edtjushu->setText(QStringLiteral("50"));
    other.btnjisuan->click();
    EXPECT_EQ(log.lastText(), u("平均每期净利润为:927"));
    EXPECT_EQ(other.gridModel()->cellText(3, 4), QStringLiteral("172"));

    const QString pdf = dir.path() + QStringLiteral("variable.pdf");
    ui::printHooks().pdfPath = pdf;
    other.btnprint->click();
    EXPECT_EQ(test::pdfPageCount(pdf), 1);

    // A damaged file leaves the plan under way alone.
    QStringList lines = readTextLines(path);
    lines.last() = QStringLiteral("abc");
    writeTextLines(path, lines);
    other.btnload->click();
    EXPECT_EQ(log.lastText(), u("'abc' 不是一个有效的整形值"));
    EXPECT_EQ(other.planRows().size(), 4u);
}

TEST(PlanWindows, ToolWindowsOfTheMainWindow) {
    QWidget parent;
    for (const char *name : {"Tfrmgudingjihua", "Tfrmjieduanjihua", "Tfrmkeibianjihua"}) {
        const WindowFactory factory = toolWindowFactory(QString::fromLatin1(name));
        ASSERT_TRUE(factory) << name;
        QWidget *w = factory(&parent);
        EXPECT_EQ(QString::fromLatin1(w->metaObject()->className()),
                  QStringLiteral("corvel::") + QString::fromLatin1(name));
        EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_TRUE(w->isWindow());
        w->show();
        auto *close = w->findChild<QPushButton *>(QStringLiteral("btnclose"));
        ASSERT_NE(close, nullptr);
        close->click();
        EXPECT_FALSE(w->isVisible());
        EXPECT_NE(w->findChild<QTableView *>(QStringLiteral("grdjihua")), nullptr);
    }
}

} // namespace
} // namespace corvel
