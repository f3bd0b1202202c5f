#include "core/intconv.h"
#include "core/numberlist.h"
#include "core/usererror.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

using namespace corvel;

namespace {

NumberList range(int from, int count) {
    NumberList list;
    for (int v = from; v < from + count; ++v) list.push_back(numberFromValue(v % 1000));
    return list;
}

std::string messageOf(const std::function<void()> &f) {
    try {
        f();
    } catch (const UserError &e) {
        return e.what();
    }
    return "(no error)";
}

} // namespace

TEST(NumberText, EveryValueIsThreeDigitsAndRoundTrips) {
    EXPECT_EQ(numberText({0, 0, 7}), "007");
    for (int v = 0; v < 1000; ++v) {
        char expected[8];
        std::snprintf(expected, sizeof expected, "%.3d", v);
        ASSERT_EQ(numberText(numberFromValue(v)), expected);
        ASSERT_EQ(numberValue(numberFromValue(v)), v);
    }
    EXPECT_EQ(betKindName(BetKind::Group3), "组选3");
    EXPECT_EQ(betKindName(BetKind::AllGroup), "全组选");
}

// Every number of 000..999 fits a kind exactly as its digit pattern says; the numbers
// that fit make up each kind's limit.
TEST(BetKinds, FormsAndLimitsAgree) {
    const BetKind kinds[] = {BetKind::Direct, BetKind::AllGroup, BetKind::Group3, BetKind::Group6};
    for (BetKind kind : kinds) {
        int fitting = 0;
        for (int v = 0; v < 1000; ++v) fitting += fitsBetKind(kind, numberFromValue(v));
        EXPECT_EQ(fitting, betKindLimit(kind)) << betKindName(kind);
    }
    EXPECT_TRUE(fitsBetKind(BetKind::Direct, {9, 1, 1}));
    EXPECT_FALSE(fitsBetKind(BetKind::AllGroup, {9, 1, 1})); // group numbers ascend
    EXPECT_TRUE(fitsBetKind(BetKind::AllGroup, {1, 1, 9}));
    EXPECT_FALSE(fitsBetKind(BetKind::AllGroup, {5, 5, 5})); // no leopards in a group
    EXPECT_TRUE(fitsBetKind(BetKind::Group3, {1, 9, 9}));
    EXPECT_FALSE(fitsBetKind(BetKind::Group3, {1, 2, 9}));
    EXPECT_FALSE(fitsBetKind(BetKind::Group3, {0, 0, 0}));
    EXPECT_TRUE(fitsBetKind(BetKind::Group6, {0, 4, 7}));
    EXPECT_FALSE(fitsBetKind(BetKind::Group6, {0, 0, 7}));
}

TEST(WrittenForms, GridListBreaksAfterEveryTenthAndAfterTheLast) {
    const auto ten = writeGridList(range(0, 10));
    ASSERT_EQ(ten.size(), 1u);
    EXPECT_EQ(ten[0], "000 001 002 003 004 005 006 007 008 009 ");

    const auto eleven = writeGridList(range(0, 11));
    ASSERT_EQ(eleven.size(), 2u);
    EXPECT_EQ(eleven[1], "010 ");

    const auto twelve = writeGridList(range(0, 12));
    ASSERT_EQ(twelve.size(), 2u);
    EXPECT_EQ(twelve[0], ten[0]);
    EXPECT_EQ(twelve[1], "010 011 ");

    EXPECT_TRUE(writeGridList({}).empty());
    EXPECT_EQ(writeGridList(range(0, 100)).size(), 10u);
}

TEST(WrittenForms, PlainListKindHeadedAndInvestmentLayouts) {
    const NumberList list{{0, 0, 7}, {1, 2, 0}, {5, 5, 5}};
    EXPECT_EQ(writePlainList(list), std::vector<std::string>{"007 120 555 "});
    EXPECT_EQ(writePlainList(list, 2), (std::vector<std::string>{"007 120 ", "555 "}));
    EXPECT_TRUE(writePlainList({}).empty());

    const auto headed = writeKindHeadedList("直选", range(0, 12));
    ASSERT_EQ(headed.size(), 3u);
    EXPECT_EQ(headed[0], "直选共12注");
    EXPECT_EQ(headed[2], "010 011 ");
    EXPECT_EQ(writeKindHeadedList("组选6", {}), std::vector<std::string>{"组选6共0注"});

    EXPECT_EQ(writeInvestmentList(1, {{0, 1, 7}, {3, 3, 9}}), (std::vector<std::string>{"1", "2", "017", "339"}));
    EXPECT_EQ(writeInvestmentList(0, {}), (std::vector<std::string>{"0", "0"}));
}

TEST(PieceReader, ReadsPlainAndGridListsWithAnySeparators) {
    EXPECT_EQ(readPieceList({"007,120  555"}), (NumberList{{0, 0, 7}, {1, 2, 0}, {5, 5, 5}}));
    // Longer pieces keep their first three digits; a break between lines separates.
    EXPECT_EQ(readPieceList({"1234", "5678 ,, "}), (NumberList{{1, 2, 3}, {5, 6, 7}}));
    EXPECT_TRUE(readPieceList({}).empty());
    EXPECT_TRUE(readPieceList({"  ", ""}).empty());

    const NumberList many = range(995, 23); // wraps past 999 to 000..017
    EXPECT_EQ(readPieceList(writeGridList(many)), many);
    EXPECT_EQ(readPieceList(writePlainList(many)), many);
}

TEST(PieceReader, RefusesPiecesThatDoNotStartWithThreeDigits) {
    EXPECT_EQ(messageOf([] { readPieceList({"123 12"}); }), notAnIntegerMessage(""));
    EXPECT_EQ(messageOf([] { readPieceList({"123 1x3"}); }), notAnIntegerMessage("x"));
    EXPECT_EQ(messageOf([] { readPieceList({"-12"}); }), notAnIntegerMessage("-"));
    EXPECT_EQ(messageOf([] { readPieceList({"12号"}); }), notAnIntegerMessage("号"));
    // Both headed forms are refused: the kind-headed one at its first character, the
    // investment list at its one-character first line.
    EXPECT_EQ(messageOf([] { readPieceList(writeKindHeadedList("直选", range(0, 3))); }), notAnIntegerMessage("直"));
    EXPECT_EQ(messageOf([] { readPieceList(writeInvestmentList(0, range(0, 3))); }), notAnIntegerMessage(""));
    EXPECT_EQ(messageOf([] { readPieceList(writeInvestmentList(1, {})); }), notAnIntegerMessage(""));
}

TEST(KindHeadedReader, RoundTripsEveryKindAndCapsAtTheCount) {
    for (const char *kind : {"直选", "全组选", "组选3", "组选6"}) {
        const NumberList list = range(7, 23);
        const KindHeadedList read = readKindHeadedList(writeKindHeadedList(kind, list));
        EXPECT_EQ(read.kind, kind);
        EXPECT_EQ(read.count, 23);
        EXPECT_EQ(read.numbers, list);
    }
    const KindHeadedList capped = readKindHeadedList({"组选3共2注", "001 002 003 "});
    EXPECT_EQ(capped.numbers, (NumberList{{0, 0, 1}, {0, 0, 2}}));
    EXPECT_TRUE(capped.shortfall.empty());
    // An unknown kind counts as 组选6; a file holding fewer numbers than its heading says
    // gives what it holds, and says so.
    const KindHeadedList other = readKindHeadedList({"其他共5注", "012"});
    EXPECT_EQ(other.kind, "组选6");
    EXPECT_EQ(other.count, 1);
    EXPECT_EQ(other.numbers, (NumberList{{0, 1, 2}}));
    EXPECT_EQ(other.shortfall, "文件中只有1个号码，少于标题写的5注；只载入了文件中的这些号码。");
    const KindHeadedList empty = readKindHeadedList({"直选共0注"});
    EXPECT_EQ(empty.count, 0);
    EXPECT_TRUE(empty.shortfall.empty());
}

TEST(KindHeadedReader, RefusesBadCountsAndPieces) {
    EXPECT_EQ(messageOf([] { readKindHeadedList({"直选共x注", "001"}); }), notAnIntegerMessage("x"));
    // A file without the heading (a plain list of another window) is named as such.
    const std::string noHeading = "文件的第一行不是“直选共N注”这样的标题：这不是冷码搜索保存的号码文件。";
    EXPECT_EQ(messageOf([] { readKindHeadedList({"直选120", "001"}); }), noHeading);
    EXPECT_EQ(messageOf([] { readKindHeadedList({}); }), noHeading);
    EXPECT_EQ(messageOf([] { readKindHeadedList({"001 002 003 ", "004 "}); }), noHeading);
    EXPECT_EQ(messageOf([] { readKindHeadedList({"共3", "001"}); }), noHeading);
    EXPECT_EQ(messageOf([] { readKindHeadedList({"直选共3注", "001 0a2"}); }), notAnIntegerMessage("a"));
    EXPECT_NE(messageOf([] { readKindHeadedList({"直选共-1注"}); }), "(no error)");
    EXPECT_NE(messageOf([] { readKindHeadedList({"直选共1001注"}); }), "(no error)");
}

TEST(InvestmentReader, RoundTripAndShortOrLongFiles) {
    const NumberList list = range(990, 15);
    const InvestmentList read = readInvestmentList(writeInvestmentList(2, list));
    EXPECT_EQ(read.kind, 2);
    EXPECT_EQ(read.count, 15);
    EXPECT_EQ(read.numbers, list);

    // A file with fewer numbers than its count line gives the numbers present, never made-up
    // 000 entries, and says so; rows beyond the count are not read at all.
    const InvestmentList shortList = readInvestmentList({"2", "4", "112", "334"});
    EXPECT_EQ(shortList.numbers, (NumberList{{1, 1, 2}, {3, 3, 4}}));
    EXPECT_EQ(shortList.count, 2);
    EXPECT_EQ(shortList.shortfall, "文件中只有2个号码，少于第2行写的4注；只载入了文件中的这些号码。");
    EXPECT_TRUE(read.shortfall.empty());
    const InvestmentList longList = readInvestmentList({"3", "1", "1234", "xyz"});
    EXPECT_EQ(longList.numbers, (NumberList{{1, 2, 3}}));
    EXPECT_TRUE(readInvestmentList({"1", "0"}).numbers.empty());
}

TEST(InvestmentReader, RefusesBadHeaderAndNumberLines) {
    EXPECT_EQ(messageOf([] { readInvestmentList({"直选", "1", "123"}); }), notAnIntegerMessage("直选"));
    EXPECT_EQ(messageOf([] { readInvestmentList({"0", "两", "123"}); }), notAnIntegerMessage("两"));
    EXPECT_EQ(messageOf([] { readInvestmentList({}); }), notAnIntegerMessage(""));
    EXPECT_EQ(messageOf([] { readInvestmentList({"0", "2", "123", "12"}); }), notAnIntegerMessage(""));
    EXPECT_EQ(messageOf([] { readInvestmentList({"4", "0"}); }), listIndexMessage(4));
    // A huge count line must not make the reader fill millions of rows.
    EXPECT_NE(messageOf([] { readInvestmentList({"0", "2000000000"}); }), "(no error)");
    EXPECT_NE(messageOf([] { readInvestmentList({"0", "-3"}); }), "(no error)");
}

TEST(ListText, ContainsSearchesTheJoinedTextWithoutSplitting) {
    const std::string text = joinLines({"3047", "112"});
    EXPECT_EQ(text, "3047 112");
    EXPECT_TRUE(listTextContains(text, {3, 0, 4}));
    EXPECT_TRUE(listTextContains(text, {0, 4, 7}));
    EXPECT_TRUE(listTextContains(text, {1, 1, 2}));
    EXPECT_FALSE(listTextContains(text, {4, 7, 1})); // the blank separates lines
    EXPECT_FALSE(listTextContains("", {0, 0, 0}));
}

TEST(ListText, ClipboardTextEndsEveryTenthNumberWithCrLf) {
    EXPECT_EQ(clipboardText({}), "");
    EXPECT_EQ(clipboardText({{0, 0, 7}, {1, 2, 3}}), "007 123 ");
    const std::string ten = clipboardText(range(0, 10));
    EXPECT_EQ(ten, "000 001 002 003 004 005 006 007 008 009 \r\n");
    const std::string many = clipboardText(range(0, 25));
    size_t breaks = 0;
    for (size_t at = many.find("\r\n"); at != std::string::npos; at = many.find("\r\n", at + 1)) ++breaks;
    EXPECT_EQ(breaks, 2u);
    EXPECT_EQ(many.substr(many.size() - 4), "024 ");
}

namespace {

// A4 at 600 dpi, and a text width proportional to the byte count.
PageGeometry a4() {
    PageGeometry g;
    g.width = 4760;
    g.height = 7016;
    g.textWidth = [](PageFont f, const std::string &text) {
        return int(text.size()) * (f == PageFont::Title ? 60 : 30);
    };
    return g;
}

const PageText *findText(const Page &page, const std::string &text) {
    for (const PageText &t : page.texts)
        if (t.text == text) return &t;
    return nullptr;
}

std::vector<int> ruleYs(const Page &page) {
    std::vector<int> ys;
    for (const PageLine &l : page.lines)
        if (l.y1 == l.y2) ys.push_back(l.y1);
    std::sort(ys.begin(), ys.end());
    return ys;
}

std::vector<int> ruleXs(const Page &page) {
    std::vector<int> xs;
    for (const PageLine &l : page.lines)
        if (l.x1 == l.x2) xs.push_back(l.x1);
    std::sort(xs.begin(), xs.end());
    return xs;
}

} // namespace

TEST(BetListPrintout, SeventySixNumbersMakeTwoPagesWithTheLastInRowOne) {
    const NumberList list = range(100, 76);
    const PrintDocument doc = layoutBetList(a4(), "测试彩票号码", list, "2009-1-5");
    ASSERT_EQ(doc.size(), 2u);
    EXPECT_NE(findText(doc[0], "共2页\\第1页"), nullptr);
    EXPECT_NE(findText(doc[1], "共2页\\第2页"), nullptr);
    EXPECT_NE(findText(doc[0], "共76注 打印日期:2009-1-5"), nullptr);

    // Page 2 holds entry 76 alone, where entry 1 stands on page 1.
    const PageText *serial76 = findText(doc[1], "76");
    const PageText *number76 = findText(doc[1], numberText(list[75]));
    const PageText *serial1 = findText(doc[0], "1");
    const PageText *number1 = findText(doc[0], numberText(list[0]));
    ASSERT_TRUE(serial76 && number76 && serial1 && number1);
    EXPECT_EQ(std::make_pair(serial76->x, serial76->y), std::make_pair(serial1->x, serial1->y));
    EXPECT_EQ(std::make_pair(number76->x, number76->y), std::make_pair(number1->x, number1->y));
    EXPECT_EQ(findText(doc[1], "75"), nullptr);
    EXPECT_EQ(findText(doc[1], "2"), nullptr);
    EXPECT_EQ(findText(doc[1], "测试彩票号码"), nullptr); // the title heads the first page only
}

TEST(BetListPrintout, PageCountsAndRulesOnEveryPage) {
    const PageGeometry g = a4();
    EXPECT_EQ(layoutBetList(g, "t", range(0, 1), "d").size(), 1u);
    EXPECT_EQ(layoutBetList(g, "t", range(0, 75), "d").size(), 1u);
    EXPECT_EQ(layoutBetList(g, "t", range(0, 150), "d").size(), 2u);
    const PrintDocument doc = layoutBetList(g, "t", range(0, 151), "d");
    ASSERT_EQ(doc.size(), 3u);
    for (const Page &page : doc) {
        EXPECT_EQ(ruleYs(page).size(), 27u);
        EXPECT_EQ(ruleXs(page).size(), 9u);
        EXPECT_NE(findText(page, "共3页\\第" + std::to_string(&page - doc.data() + 1) + "页"), nullptr);
        for (const PageText &t : page.texts) {
            EXPECT_GE(t.x, 0) << t.text;
            EXPECT_LT(t.x, g.width) << t.text;
            EXPECT_GE(t.y, 0) << t.text;
            EXPECT_LT(t.y, g.height) << t.text;
        }
    }
    EXPECT_EQ(
        std::count_if(doc[1].texts.begin(), doc[1].texts.end(), [](const PageText &t) { return t.text == "序号"; }), 3);
}

TEST(BetListPrintout, EveryEntrySitsInsideItsCell) {
    const PageGeometry g = a4();
    const NumberList list = range(0, 75);
    const Page page = layoutBetList(g, "t", list, "d").front();
    const std::vector<int> ys = ruleYs(page), xs = ruleXs(page);
    for (int k = 1; k <= 75; ++k) {
        const int row = (k - 1) % 25 + 1, pair = (k - 1) / 25;
        const PageText *serial = findText(page, std::to_string(k));
        const PageText *number = findText(page, numberText(list[k - 1]));
        ASSERT_TRUE(serial && number) << k;
        EXPECT_GT(serial->y, ys[row]) << k;
        EXPECT_LT(serial->y, ys[row + 1]) << k;
        EXPECT_EQ(number->y, serial->y);
        EXPECT_GT(serial->x, xs[3 * pair]) << k;
        EXPECT_LT(serial->x, xs[3 * pair + 1]) << k;
        EXPECT_GT(number->x, xs[3 * pair + 1]) << k;
        EXPECT_LT(number->x + g.textWidth(PageFont::Body, number->text), xs[3 * pair + 2]) << k;
    }
}

TEST(BetListPrintout, CentredTitleAndEmptyListRefused) {
    const PageGeometry g = a4();
    const PrintDocument doc = layoutBetList(g, "标题", range(0, 3), "d");
    const PageText *title = findText(doc[0], "标题");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font, PageFont::Title);
    const int width = g.textWidth(PageFont::Title, "标题");
    EXPECT_LE(std::abs(title->x - (g.width - title->x - width)), 1);
    EXPECT_EQ(messageOf([&] { layoutBetList(g, "t", {}, "d"); }), "请先生成表格！");
}
