// Reading the two download sources and picking the draws to append.

#include "core/drawparse.h"
#include "core/usererror.h"
#include "store/appdir.h"
#include "store/database.h"
#include "store/download.h"
#include "store/drawtable.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace corvel;

namespace {

// A chart page with the given draws ("2007120 456"), laid out as the chart site does.
std::string chartPage(const QStringList &draws) {
    std::string page =
        "<html>\r\n<head><title>排列3走势</title></head>\r\n<body>\r\n"
        "<table><tr><td height=\"20\">00001</td>\r\n<td>1</td>\r\n<td>2</td>\r\n<td>3</td></tr></table>\r\n"
        "<table id=\"cpdata\" class=\"zs\">\r\n";
    for (const QString &draw : draws) {
        page += "  <tr><td height=\"22\" class=\"qh\">" + draw.mid(2, 5).toStdString() + "</td>\r\n";
        for (int c = 0; c < 3; ++c) page += "    <td class=\"b\">" + draw.mid(8 + c, 1).toStdString() + "</td>\r\n";
        page += "  </tr>\r\n";
    }
    page += "  <tr><td height=\"22\">合计</td></tr>\r\n</table>\r\n</body>\r\n</html>\r\n";
    return page;
}

std::string errorOf(auto parse, const std::string &text) {
    try {
        parse(text);
    } catch (const UserError &e) {
        return e.what();
    }
    return {};
}

QStringList texts(const std::vector<ParsedDraw> &draws) {
    QStringList out;
    for (const ParsedDraw &d : draws)
        out << QString::fromStdString(d.issue) + QLatin1Char(' ') +
                   QString::number(d.digits[0] * 100 + d.digits[1] * 10 + d.digits[2])
                       .rightJustified(3, QLatin1Char('0'));
    return out;
}

const QString Fc3d = QStringLiteral("中国福彩3D");

} // namespace

TEST(DrawFile, ItemsAreSplitAtBlanksAndCommas) {
    const auto draws =
        parseDrawFile("2007120 1 2 3\r\n2007121,4,5,6\n  2007122 , 7 ,8, 9  \n\n2007123\t0\t0\t7 extra\n");
    EXPECT_EQ(texts(draws), (QStringList{QStringLiteral("2007120 123"), QStringLiteral("2007121 456"),
                                         QStringLiteral("2007122 789"), QStringLiteral("2007123 007")}));
}

TEST(DrawFile, AnythingButDrawsIsRefusedWithTheLine) {
    const struct {
        std::string text, expected;
    } cases[] = {
        {"", "空"},
        {"\r\n  \r\n", "空"},
        {"<html><body><h1>404 Not Found</h1></body></html>", "第1行"},
        {"2007120 1 2 3\r\n2007121 4", "第2行"},         // cut off in the middle of a line
        {"2007120 1 2 3\r\n2007121 4 5 x\r\n", "第2行"}, // a digit that is no digit
        {"2007120 1 2 3\r\n2007121 4 5 10\r\n", "第2行"},
        {"20071210 4 5 6\r\n", "第1行"}, // an issue too long for the table
    };
    for (const auto &c : cases) {
        const std::string message = errorOf(parseDrawFile, c.text);
        EXPECT_NE(message.find(c.expected), std::string::npos) << c.text << " -> " << message;
    }
}

TEST(ChartPage, ReadsTheDrawsAfterTheDataTable) {
    const QStringList draws{QStringLiteral("2007120 456"), QStringLiteral("2007121 012"),
                            QStringLiteral("2007122 999")};
    EXPECT_EQ(texts(parseChartPage(chartPage(draws))), draws); // the line before "cpdata" is no draw
}

TEST(ChartPage, PagesThatDoNotFollowTheLayoutAreRefused) {
    EXPECT_NE(errorOf(parseChartPage, "<html><body>服务器忙，请稍后再试</body></html>").find("cpdata"),
              std::string::npos);
    EXPECT_NE(errorOf(parseChartPage, chartPage({})).find("没有开奖号码"), std::string::npos);
    EXPECT_NE(errorOf(parseChartPage, "").find("空"), std::string::npos);

    std::string page = chartPage({QStringLiteral("2007120 456"), QStringLiteral("2007121 012")});
    const std::string cut = page.substr(0, page.find("<td class=\"b\">1</td>"));
    EXPECT_NE(errorOf(parseChartPage, cut).find("不完整"), std::string::npos) << errorOf(parseChartPage, cut);

    const size_t digit = page.find(">5</td>");
    page.replace(digit, 7, ">-</td>");
    EXPECT_NE(errorOf(parseChartPage, page).find("第"), std::string::npos);
}

TEST(NewDraws, OnlyIssuesAboveTheLastAndNeverTwice) {
    std::vector<ParsedDraw> draws;
    for (int issue = 2007120; issue <= 2007125; ++issue) draws.push_back({std::to_string(issue), {1, 2, 3}});
    draws.push_back({"2007124", {9, 9, 9}}); // repeated further down
    const auto picked = selectNewDraws(draws, 2007122, {"2007120", "2007121", "2007122"});
    ASSERT_EQ(picked.size(), 3u);
    EXPECT_EQ(picked[0].issue, "2007123");
    EXPECT_EQ(picked[1].issue, "2007124");
    EXPECT_EQ(picked[1].digits, (std::array<int32_t, 3>{1, 2, 3})); // the first one counts
    EXPECT_EQ(picked[2].issue, "2007125");
    EXPECT_EQ(selectNewDraws(draws, 0, {}).size(), 6u);
    EXPECT_EQ(selectNewDraws(draws, 0, {"2007121"}).size(), 5u); // already stored
    EXPECT_TRUE(selectNewDraws(draws, 2007125, {}).empty());
}

TEST(AppendDownload, AppendsTheNewIssuesInOneGo) {
    test::TempAppDir dir;
    dir.createDatabase(
        {{Fc3d, {QStringLiteral("2007120 111"), QStringLiteral("2007121 222"), QStringLiteral("2007122 333")}}});
    Connection con(databasePath());
    const StoredIssues before = storedIssues(con.db(), Fc3d);
    EXPECT_EQ(before.last, 2007122);
    EXPECT_EQ(before.all.size(), 3u);
    const QByteArray body =
        "2007120 1 1 1\r\n2007121 2 2 2\r\n2007122 3 3 3\r\n2007123 4 5 6\r\n2007124,7,8,9\r\n2007125 0 1 2\r\n";
    EXPECT_EQ(appendDownload(con.db(), Fc3d, DrawSource::DrawFile, body, before), 3);
    std::vector<ParsedDraw> rows;
    for (const RawDraw &r : readDrawTable(con.db(), Fc3d).rows)
        rows.push_back({r.issue, {*r.digits[0], *r.digits[1], *r.digits[2]}});
    EXPECT_EQ(texts(rows), (QStringList{QStringLiteral("2007120 111"), QStringLiteral("2007121 222"),
                                        QStringLiteral("2007122 333"), QStringLiteral("2007123 456"),
                                        QStringLiteral("2007124 789"), QStringLiteral("2007125 012")}));
    // A body that cannot be read appends nothing, not even its good lines.
    const StoredIssues now = storedIssues(con.db(), Fc3d);
    EXPECT_THROW(appendDownload(con.db(), Fc3d, DrawSource::DrawFile, "2007126 1 2 3\r\n2007127 4 5", now), UserError);
    EXPECT_EQ(drawTableCount(con.db(), Fc3d), 6);
    EXPECT_EQ(storedIssues(con.db(), Fc3d).last, 2007125);
}

TEST(AppendDownload, AddressesMustBeHttp) {
    EXPECT_TRUE(sourceUrl(QStringLiteral("http://127.0.0.1:881/3d.txt")).isValid());
    EXPECT_EQ(sourceUrl(QStringLiteral("  example.com:881/3d.txt ")).scheme(), QStringLiteral("http"));
    EXPECT_FALSE(sourceUrl(QStringLiteral("")).isValid());
    EXPECT_FALSE(sourceUrl(QStringLiteral("ftp://example.com/3d.txt")).isValid());
    EXPECT_FALSE(sourceUrl(QStringLiteral("file:///etc/passwd")).isValid());
    // A server named alone gets the source's own port and resource; a full address stays as typed.
    const DownloadTarget &fc3d = downloadTargets().at(0), &pl3 = downloadTargets().at(1);
    EXPECT_EQ(targetUrl(fc3d, QStringLiteral("data.example")).toString(),
              QStringLiteral("http://data.example:881/3d.txt"));
    EXPECT_EQ(targetUrl(fc3d, QStringLiteral("data.example:8080/")).toString(),
              QStringLiteral("http://data.example:8080/3d.txt"));
    EXPECT_EQ(targetUrl(pl3, QStringLiteral("https://chart.example")).toString(),
              QStringLiteral("https://chart.example/Pls/ZongheZs-200.html"));
    EXPECT_EQ(targetUrl(fc3d, QStringLiteral("http://mirror.example/draws/3d.txt")).toString(),
              QStringLiteral("http://mirror.example/draws/3d.txt"));
    EXPECT_FALSE(targetUrl(pl3, QStringLiteral("ftp://chart.example")).isValid());
}

TEST(DrawFile, ABadLineAmongStoredIssuesBlocksNothing) {
    const std::string text = "2007120 1 2 x\r\n2007121 garbage\r\n2007122 4 5 6\r\n2007123,7,8,9\r\n";
    // Only the lines above the last stored issue would be appended, so only they are checked.
    EXPECT_EQ(texts(parseDrawFileAfter(text, 2007121)),
              (QStringList{QStringLiteral("2007122 456"), QStringLiteral("2007123 789")}));
    EXPECT_NE(errorOf(parseDrawFile, text).find("第1行"), std::string::npos);
    // A bad line that would be appended still stops the download, and so does a line without an issue.
    EXPECT_NE(errorOf([](std::string_view t) { return parseDrawFileAfter(t, 2007121); }, text + "2007124 1 2\r\n")
                  .find("第5行"),
              std::string::npos);
    EXPECT_NE(
        errorOf([](std::string_view t) { return parseDrawFileAfter(t, 2007121); }, "<html>\r\n" + text).find("第1行"),
        std::string::npos);
    // Everything stored already: nothing new, no error.
    EXPECT_TRUE(parseDrawFileAfter("2007120 1 2 3\r\n", 2007125).empty());
    // A line of separators alone has no issue to compare: it is refused, not read past its end.
    EXPECT_NE(errorOf([](std::string_view t) { return parseDrawFileAfter(t, 2007121); }, text + ",\r\n").find("第5行"),
              std::string::npos);
}

TEST(ChartPage, DamagedDigitsOfStoredIssuesBlockNothing) {
    std::string page =
        chartPage({QStringLiteral("2007120 456"), QStringLiteral("2007121 012"), QStringLiteral("2007122 999")});
    page.replace(page.find(">5</td>"), 7, ">-</td>"); // the damage is in 2007120
    EXPECT_EQ(texts(parseChartPageAfter(page, 2007120)),
              (QStringList{QStringLiteral("2007121 012"), QStringLiteral("2007122 999")}));
    EXPECT_TRUE(parseChartPageAfter(page, 2007122).empty());
    EXPECT_NE(errorOf(parseChartPage, page).find("第"), std::string::npos);
}

TEST(AppendDownload, AddressesAreRefusedNotRewritten) {
    EXPECT_FALSE(sourceUrl(QStringLiteral("http://[::1")).isValid());
    EXPECT_FALSE(targetUrl(downloadTargets().at(0), QStringLiteral("http://[::1")).isValid());
    EXPECT_EQ(sourceUrl(QStringLiteral("http://[::1]:881/3d.txt")).host(), QStringLiteral("::1"));
    EXPECT_EQ(sourceUrl(QStringLiteral("data.example")).toString(), QStringLiteral("http://data.example"));
}
