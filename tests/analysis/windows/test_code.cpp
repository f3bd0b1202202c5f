// The draw trend: cell texts, bands and widths, and the window that reads the draw history.

#include "analysis/drawtrend.h"
#include "analysis/windows/u_code.h"
#include "analysis/windows/u_poscode.h"
#include "analysis/windows/u_totalcode.h"
#include "shell/u_main.h"
#include "shell/windowregistry.h"
#include "store/u_datamod.h"
#include "testsupport.h"
#include "ui/gridmodel.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QMdiArea>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

// Cells of one column band that are not empty in a trend row.
std::vector<int> markedColumns(const TrendRow &row, const TrendStyle &style) {
    std::vector<int> out;
    for (int c = 14; c < TrendColumns; ++c)
        if (!trendCellText(row, c, style).empty()) out.push_back(c);
    return out;
}

// Sets the data module's draw table and the lottery profile for a trend window.
struct TrendFixture {
    Tdatamod datamod;
    TrendFixture(const std::string &name, int columns, int positionStart, const QStringList &draws) {
        LotteryName = name;
        PositionStart = positionStart;
        datamod.t_caipiao.columnCount = columns;
        datamod.t_caipiao.rows.clear();
        for (const QString &line : draws) {
            const QStringList items = line.split(QLatin1Char(' '));
            RawDraw row;
            row.issue = items[0].toStdString();
            for (int c = 0; c < items[1].size(); ++c) row.digits[size_t(c)] = items[1][c].digitValue();
            datamod.t_caipiao.rows.push_back(row);
        }
        DrawCount = int(draws.size());
    }
    ~TrendFixture() {
        LotteryName.clear();
        PositionStart = 1;
        DrawCount = 0;
        DrawHistory.clear();
        TrendRows.clear();
    }
};

QString gridText(Tfrmcode &w, int row, int column) { return w.grdcode->model()->index(row, column).data().toString(); }

} // namespace

TEST(TrendCells, LeopardAndSeparators) {
    const TrendStyle style = trendStyle("中国福彩3D");
    const TrendRow leopard = makeTrendRow(2007002, 555, 5, 5, 5);
    EXPECT_EQ(trendCellText(leopard, 8, style), "3");
    EXPECT_EQ(trendCellText(leopard, 7, style), "");
    EXPECT_EQ(trendCellText(leopard, 2, style), "");
    EXPECT_EQ(markedColumns(leopard, style), (std::vector<int>{19, 29, 39}));
}

TEST(TrendCells, HeadersBandsSamplesAndStyles) {
    EXPECT_EQ(trendHeaderText(0), "记录期号");
    EXPECT_EQ(trendHeaderText(1), "开奖号码");
    EXPECT_EQ(trendHeaderText(2), "");
    EXPECT_EQ(trendHeaderText(13), "");
    EXPECT_EQ(trendHeaderText(12), "9");
    EXPECT_EQ(trendHeaderText(27), "3");
    EXPECT_EQ(trendHeaderText(43), "9");
    EXPECT_EQ(trendBand(2), TrendBand::Separator);
    EXPECT_EQ(trendBand(13), TrendBand::Separator);
    EXPECT_EQ(trendBand(12), TrendBand::Plain);
    EXPECT_EQ(trendBand(23), TrendBand::Hundreds);
    EXPECT_EQ(trendBand(24), TrendBand::Tens);
    EXPECT_EQ(trendBand(34), TrendBand::Units);

    const TrendStyle d3 = trendStyle("中国福彩3D"), sh = trendStyle("上海时时彩"), cq = trendStyle("重庆时时彩");
    EXPECT_TRUE(sh.threeDigitNumber);
    EXPECT_FALSE(sh.narrowIssue);
    EXPECT_FALSE(cq.threeDigitNumber);
    EXPECT_EQ(trendSampleText(false, 0, d3), "2001001");
    EXPECT_EQ(trendSampleText(false, 0, cq), "2001010101");
    EXPECT_EQ(trendSampleText(true, 0, cq), "记录期号");
    EXPECT_EQ(trendSampleText(false, 1, cq), "000");
    EXPECT_EQ(trendSampleText(true, 20, d3), "0");
    EXPECT_EQ(trendSampleText(false, 20, d3), "●");
    EXPECT_EQ(trendSampleText(false, 5, d3), "0");

    EXPECT_EQ(trendColumnWidth(0, 1000, d3), 50);
    EXPECT_EQ(trendColumnWidth(0, 1000, sh), 70);
    EXPECT_EQ(trendColumnWidth(1, 1000, cq), 50);
    EXPECT_EQ(trendColumnWidth(2, 1000, d3), 8);
    EXPECT_EQ(trendColumnWidth(13, 1000, d3), 8);
    EXPECT_EQ(trendColumnWidth(3, 1000, d3), (1000 - 140) / 42);
    EXPECT_EQ(trendColumnWidth(43, 100, d3, 12), 12);
}

TEST(TrendWindow, ShowsNewestDrawsOnTop) {
    test::TempAppDir dir;
    TrendFixture f("中国福彩3D", 3, 1, test::makeDraws(1500, 5));
    Tfrmcode w;
    QAbstractItemModelTester tester(w.grdcode->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("号码走势"));
    ASSERT_EQ(DrawHistory.size(), 1500u);
    ASSERT_EQ(w.grdcode->model()->rowCount(), 1000); // plus the header row
    EXPECT_EQ(w.grdcode->model()->columnCount(), 44);
    EXPECT_EQ(gridText(w, 0, 0).toInt(), DrawHistory[1499][0]);
    EXPECT_EQ(gridText(w, 999, 0).toInt(), DrawHistory[500][0]);
    const DrawRow &newest = DrawHistory.back();
    EXPECT_EQ(gridText(w, 0, 1), QStringLiteral("%1%2%3").arg(newest[1]).arg(newest[2]).arg(newest[3]));
    EXPECT_EQ(w.grdcode->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("记录期号"));
    EXPECT_EQ(w.grdcode->verticalHeader()->defaultSectionSize(), 24);
}

TEST(TrendWindow, Draw007AndEmptyHistory) {
    test::TempAppDir dir;
    {
        TrendFixture f("中国福彩3D", 3, 1, {QStringLiteral("2007001 007")});
        Tfrmcode w;
        ASSERT_EQ(w.grdcode->model()->rowCount(), 1);
        EXPECT_EQ(gridText(w, 0, 1), QStringLiteral("007"));
        EXPECT_EQ(gridText(w, 0, 3), QStringLiteral("2"));
        EXPECT_EQ(gridText(w, 0, 10), QStringLiteral("1"));
        for (int c : {14, 24, 41}) EXPECT_EQ(gridText(w, 0, c), QStringLiteral("●")) << c;
        EXPECT_EQ(gridText(w, 0, 15), QString());
    }
    TrendFixture empty("中国福彩3D", 3, 1, {});
    Tfrmcode w;
    EXPECT_EQ(w.grdcode->model()->rowCount(), 0);
    EXPECT_TRUE(DrawHistory.empty());
}

TEST(TrendWindow, FiveDigitDrawFromThirdDigit) {
    test::TempAppDir dir;
    TrendFixture f("重庆时时彩", 5, 3, {QStringLiteral("2007010112 12345")});
    Tfrmcode w;
    ASSERT_EQ(DrawHistory.size(), 1u);
    EXPECT_EQ(DrawHistory[0], (DrawRow{7010112, 3, 4, 5}));
    EXPECT_EQ(gridText(w, 0, 0), QStringLiteral("7010112"));
    EXPECT_EQ(gridText(w, 0, 1), QStringLiteral("12345"));
    for (int c : {6, 7, 8}) EXPECT_EQ(gridText(w, 0, c), QStringLiteral("1")) << c;
    EXPECT_EQ(gridText(w, 0, 4), QString());
    for (int c : {17, 28, 39}) EXPECT_EQ(gridText(w, 0, c), QStringLiteral("●")) << c;
    w.resize(1200, 600);
    w.show();
    w.activateWindow(); // activation sizes the columns
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_GE(w.grdcode->columnWidth(0), 70);
    // The five digits start where "000" would be centred and must end inside the column.
    const QFontMetrics fm(w.grdcode->font());
    const int width = w.grdcode->columnWidth(1);
    const int start = (width - fm.horizontalAdvance(QStringLiteral("000"))) / 2 + 1;
    EXPECT_LE(start + fm.horizontalAdvance(QStringLiteral("12345")), width - 1);
}

TEST(TrendWindow, ConversionErrorIsShownAndWindowStillOpens) {
    test::TempAppDir dir;
    test::MessageLog log;
    TrendFixture f("中国福彩3D", 3, 1, {QStringLiteral("2007001 123"), QStringLiteral("20x7002 456")});
    Tfrmcode w;
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].kind, ui::MessageKind::Error);
    EXPECT_TRUE(log.contains(QStringLiteral("不是一个有效的整形值")));
    EXPECT_EQ(w.grdcode->model()->rowCount(), 2);
    EXPECT_EQ(gridText(w, 1, 1), QStringLiteral("123"));
}

TEST(TrendWindow, ColumnWidthsAndPaintedBands) {
    test::TempAppDir dir;
    TrendFixture f("中国福彩3D", 3, 1, test::makeDraws(30, 2));
    Tfrmcode w;
    w.resize(1400, 500);
    w.show();
    QApplication::processEvents();
    const int client = w.grdcode->viewport()->width();
    EXPECT_EQ(w.grdcode->columnWidth(2), 8);
    EXPECT_EQ(w.grdcode->columnWidth(13), 8);
    EXPECT_GE(w.grdcode->columnWidth(1), 50);
    for (int c : {3, 20, 43}) EXPECT_GE(w.grdcode->columnWidth(c), (client - 140) / 42) << c;
    EXPECT_EQ(w.grdcode->columnWidth(20), w.grdcode->columnWidth(30));

    // Each band is painted in its own colour.
    const QImage image = w.grdcode->viewport()->grab().toImage();
    const auto pixelIn = [&](int column) {
        const QRect r = w.grdcode->visualRect(w.grdcode->model()->index(0, column));
        return image.pixelColor(r.left() + 2, r.top() + 2);
    };
    for (int c : {2, 20, 30, 40}) {
        const Rgb rgb = trendBandColour(trendBand(c));
        EXPECT_EQ(pixelIn(c), QColor(rgb.red, rgb.green, rgb.blue)) << c;
    }
    EXPECT_EQ(pixelIn(5), QApplication::palette().color(QPalette::ToolTipBase));
}

TEST(TrendWindow, OpeningALotteryShowsTheTrendAndTheGroupTabs) {
    test::TempAppDir dir;
    dir.createDatabase({{QStringLiteral("中国福彩3D"), test::makeDraws(30, 9)}});
    Tdatamod datamod;
    Tfrmmain main;
    main.show();
    LotteryName = "中国福彩3D";
    LotteryKind = 1;
    NumberRange = 10;
    PickCount = 3;
    PositionStart = 1;
    LoadLottery();
    LotteryOpen = true;
    main.lotteryOpened();
    QApplication::processEvents();
    auto *trend = qobject_cast<Tfrmcode *>(main.activeAnalysisWindow());
    ASSERT_NE(trend, nullptr);
    EXPECT_EQ(DrawHistory.size(), 30u);
    EXPECT_EQ(trend->grdcode->model()->rowCount(), 30);

    main.command(analysisTabs()[1].menuName)->trigger();
    QApplication::processEvents();
    auto *pos = qobject_cast<Tfrmposcode *>(main.activeAnalysisWindow());
    ASSERT_NE(pos, nullptr);
    EXPECT_TRUE(pos->analysed());
    EXPECT_EQ(pos->occurrenceModel()->rowCount(), 30);
    EXPECT_GT(pos->grdaddposcode->width(), 100);

    main.command(analysisTabs()[2].menuName)->trigger();
    QApplication::processEvents();
    auto *total = qobject_cast<Tfrmtotalcode *>(main.activeAnalysisWindow());
    ASSERT_NE(total, nullptr);
    EXPECT_TRUE(total->analysed());
    EXPECT_EQ(main.mdiArea()->subWindowList().size(), 1);

    main.command(QStringLiteral("mnuclose"))->trigger();
    EXPECT_TRUE(main.mdiArea()->subWindowList().isEmpty());
    LotteryName.clear();
    DrawCount = 0;
}
