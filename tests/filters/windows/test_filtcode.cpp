#include "core/intconv.h"
#include "core/u_public.h"
#include "core/usererror.h"
#include "filters/windows/u_filtcode.h"
#include "store/textfile.h"
#include "testsupport.h"
#include "ui/gridmodel.h"
#include "ui/printing.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTimer>

using namespace corvel;

namespace {

int digitSum(int v) { return v / 100 + v / 10 % 10 + v % 10; }

// Candidates of a sum window: numbers whose digit sum is `sum` pass.
CandidateList sumCandidates(int sum) {
    CandidateList list = candidatesFromDirectNumbers(buildDirectNumbers(), 1);
    for (int v = 0; v < 1000; ++v)
        if (digitSum(v) == sum) list[v][3] = 0;
    return list;
}

// The first `count` direct numbers pass.
CandidateList firstCandidates(int count) {
    CandidateList list = candidatesFromDirectNumbers(buildDirectNumbers(), 1);
    for (int v = 0; v < count; ++v) list[v][3] = 0;
    return list;
}

FiltCodeSource source(int tab, const CandidateList &candidates, const std::string &description) {
    return {tab, [candidates] { return candidates; }, [description] { return description; }};
}

struct ViewFixture : ::testing::Test {
    test::TempAppDir dir;
    test::MessageLog log;
    std::string oldName = LotteryName;
    QString proposed;
    QString chosen;

    ViewFixture() {
        LotteryName = "中国福彩3D";
        ui::dialogHooks().saveFile = [this](const QString &, const QString &initial) {
            proposed = initial;
            return chosen;
        };
    }
    ~ViewFixture() override { LotteryName = oldName; }

    QStringList saveView(Tfrmfiltcode &view, const QString &name) {
        chosen = dir.path() + name;
        view.btnsave->click();
        return readTextLines(chosen);
    }
};

} // namespace

TEST_F(ViewFixture, GridAndLabelListThePassingNumbersInOrder) {
    Tfrmfiltcode view(source(5, sumCandidates(10), "和值组合10"));
    view.show();
    QAbstractItemModelTester tester(view.grdfiltcode->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);

    EXPECT_EQ(view.windowTitle(), QStringLiteral("过滤号码"));
    EXPECT_TRUE(view.windowFlags() & Qt::WindowStaysOnTopHint);
    const QAbstractItemModel *model = view.grdfiltcode->model();
    ASSERT_EQ(model->rowCount(), 63);
    ASSERT_EQ(model->columnCount(), 4);
    const QStringList headings{QStringLiteral("序号"), QStringLiteral("号码1"), QStringLiteral("号码2"),
                               QStringLiteral("号码3")};
    for (int c = 0; c < 4; ++c) EXPECT_EQ(model->headerData(c, Qt::Horizontal).toString(), headings[c]);

    int previous = -1;
    for (int r = 0; r < 63; ++r) {
        EXPECT_EQ(model->index(r, 0).data().toString(), QString::number(r + 1));
        const int value = model->index(r, 1).data().toInt() * 100 + model->index(r, 2).data().toInt() * 10 +
                          model->index(r, 3).data().toInt();
        EXPECT_EQ(digitSum(value), 10);
        EXPECT_GT(value, previous);
        previous = value;
    }
    EXPECT_EQ(model->index(0, 1).data().toString(), QStringLiteral("0")); // 019: one digit a cell
    EXPECT_EQ(view.labelText(), QStringLiteral("和值组合10共 63 注"));
    EXPECT_EQ(view.lbljushu->text(), QStringLiteral("和值组合10共 63 注  126 元"));
    EXPECT_EQ(view.numbers().size(), 63u);
}

TEST_F(ViewFixture, ColumnsShareTheGridWidthAndFollowResizing) {
    Tfrmfiltcode view(source(3, firstCandidates(200), "大小组合小小小"));
    view.show();
    for (int width : {420, 700}) {
        view.resize(width, 500);
        QApplication::processEvents();
        const int expected = (view.grdfiltcode->viewport()->width() - 30) / 4;
        for (int c = 0; c < 4; ++c) EXPECT_EQ(view.grdfiltcode->columnWidth(c), expected) << width;
    }
}

TEST_F(ViewFixture, ListIsRebuiltFromTheSourceOnEveryShowing) {
    int passing = 3;
    std::string description = "跨度组合1";
    FiltCodeSource live{7, [&] { return firstCandidates(passing); }, [&] { return description; }};
    Tfrmfiltcode view(live);
    view.show();
    EXPECT_EQ(view.grdfiltcode->model()->rowCount(), 3);
    view.hide();
    passing = 12;
    description = "跨度组合2";
    view.show();
    EXPECT_EQ(view.grdfiltcode->model()->rowCount(), 12);
    EXPECT_EQ(view.labelText(), QStringLiteral("跨度组合2共 12 注"));
}

TEST_F(ViewFixture, SaveWritesAnInvestmentListReadBackByTheInvestmentReader) {
    Tfrmfiltcode view(source(5, sumCandidates(10), "和值组合10"));
    view.show();
    const QStringList lines = saveView(view, QStringLiteral("list.txt"));
    EXPECT_EQ(proposed, dir.path() + QStringLiteral("附属/中国福彩3D和值组合10投注号码.txt"));
    ASSERT_EQ(lines.size(), 65);
    EXPECT_EQ(lines[0], QStringLiteral("0"));
    EXPECT_EQ(lines[1], QStringLiteral("63"));
    EXPECT_EQ(lines[2], QStringLiteral("019"));
    EXPECT_EQ(log.lastText(), QStringLiteral("成功保存！"));

    std::vector<std::string> text;
    for (const QString &l : lines) text.push_back(l.toStdString());
    const InvestmentList read = readInvestmentList(text);
    EXPECT_EQ(read.kind, 0);
    EXPECT_EQ(read.numbers, view.numbers());
    // The total filter's reader refuses this form at its one-character first line.
    try {
        readPieceList(text);
        ADD_FAILURE() << "the piece reader accepted an investment list";
    } catch (const UserError &e) {
        EXPECT_EQ(std::string(e.what()), notAnIntegerMessage(""));
    }
}

TEST_F(ViewFixture, EmptyListsSaveKindAndZeroOnly) {
    for (const auto &[tab, kind] : {std::pair{1, "0"}, std::pair{14, "0"}, std::pair{15, "1"}, std::pair{19, "1"}}) {
        Tfrmfiltcode view(source(tab, firstCandidates(0), ""));
        view.show();
        EXPECT_EQ(view.labelText(), QStringLiteral("共 0 注"));
        EXPECT_EQ(saveView(view, QStringLiteral("empty%1.txt").arg(tab)),
                  (QStringList{QString::fromLatin1(kind), QStringLiteral("0")}))
            << tab;
    }
}

TEST_F(ViewFixture, CancelledSaveWritesNothingAndOddDescriptionsMakeValidNames) {
    Tfrmfiltcode view(source(8, firstCandidates(5), "百十位1/2"));
    view.show();
    chosen.clear();
    view.btnsave->click();
    EXPECT_TRUE(log.messages.empty());
    EXPECT_TRUE(proposed.endsWith(QStringLiteral("附属/中国福彩3D百十位1_2投注号码.txt"))) << proposed.toStdString();

    // A file that cannot be written is reported, not announced as saved.
    chosen = dir.path() + QStringLiteral("no-such-folder/list.txt");
    view.btnsave->click();
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_NE(log.lastText(), QStringLiteral("成功保存！"));
    EXPECT_FALSE(QFile::exists(chosen));
}

TEST_F(ViewFixture, PrintingEmptyFullAndFailing) {
    const QString pdf = dir.path() + QStringLiteral("list.pdf");
    ui::printHooks().pdfPath = pdf;
    {
        Tfrmfiltcode empty(source(5, firstCandidates(0), "和值组合0"));
        empty.show();
        empty.btnprint->click();
        EXPECT_EQ(log.lastText(), QStringLiteral("请先生成表格！"));
        EXPECT_FALSE(QFile::exists(pdf));
    }
    log.messages.clear();
    Tfrmfiltcode view(source(5, firstCandidates(76), "和值组合"));
    view.show();
    view.btnprint->click();
    EXPECT_TRUE(log.messages.empty()) << log.lastText().toStdString();
    EXPECT_EQ(test::pdfPageCount(pdf), 2);

    ui::printHooks().pdfPath = dir.path() + QStringLiteral("no-such-folder/list.pdf");
    const test::ExpectedWarning refused(QStringLiteral("QPainter::begin(): Returned false"));
    view.btnprint->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("请安装打印机！"));
}

TEST_F(ViewFixture, ShowFilteredCodesOpensTheViewModally) {
    bool modal = false;
    size_t listed = 0;
    QTimer::singleShot(0, [&] {
        modal = qobject_cast<Tfrmfiltcode *>(QApplication::activeModalWidget()) != nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *view = qobject_cast<Tfrmfiltcode *>(w); view && view->isVisible()) {
                listed = view->numbers().size();
                view->btnclose->click();
            }
    });
    QWidget parent;
    showFilteredCodes(&parent, source(2, firstCandidates(4), "总体位置号码组合0"));
    EXPECT_TRUE(modal);
    EXPECT_EQ(listed, 4u);
}
