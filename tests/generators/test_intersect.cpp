// The intersection of many lists, its omissions, conversions and preview, and the count
// extraction that shares its counting.

#include "generators/countextract.h"
#include "generators/intersect.h"

#include "enginesupport.h"
#include "randomhistory.h"

#include <gtest/gtest.h>

using namespace corvel;

namespace {

std::string text(const NumberList &list) {
    std::string out;
    for (const Number &n : list) out += numberText(n) + ' ';
    return out;
}

ListCounter counted(const std::vector<std::string> &texts) {
    ListCounter c;
    for (const std::string &t : texts) c.add(t);
    return c;
}

IntersectSettings direct(int index) {
    IntersectSettings s;
    s.index = index;
    return s;
}

} // namespace

TEST(Intersect, SubstringsCountOncePerList) {
    const NumberSet a = numbersInText("1234");
    EXPECT_EQ(a.count(), 2u);
    EXPECT_TRUE(a[123] && a[234]);
    // Separators of any kind end a run of digits; GBK text around the numbers does no harm.
    EXPECT_EQ(numbersInText("12 34\r\n5\t678,中文901").count(), 2u);
    EXPECT_TRUE(numbersInText("007\r\n").test(7));
    EXPECT_EQ(numbersInText("").count(), 0u);

    const ListCounter c = counted({"123 123 123 ", "1234", "\x01\xff binary 999"});
    EXPECT_EQ(c.lists(), 3);
    EXPECT_EQ(c.count(123), 2);
    EXPECT_EQ(c.count(234), 1);
    EXPECT_EQ(c.count(999), 1);
}

TEST(Intersect, ZeroTolerancesKeepWhatEveryListHolds) {
    const ListCounter c = counted({"012 123 455 777 ", "123 455 777\r\n888 ", "777 123 455 002 "});
    EXPECT_EQ(text(intersectLists(c, {}, direct(0))), "123 455 777 ");
    // Missing from two lists: 012 has three different digits, 002 and 888 a repeated one.
    IntersectSettings s = direct(0);
    s.sixLow = s.sixHigh = 2;
    EXPECT_EQ(text(intersectLists(c, {}, s)), "012 455 777 ");
    s.threeLow = s.threeHigh = 2;
    EXPECT_EQ(text(intersectLists(c, {}, s)), "002 012 888 ");
    EXPECT_EQ(test::userErrorOf([] { intersectLists(ListCounter{}, {}, direct(0)); }), "请先导入大底文件！");
}

TEST(Intersect, GroupKindHasNoLeopards) {
    EXPECT_EQ(intersectCandidates(ListKind::Group).size(), 210u);
    EXPECT_EQ(intersectCandidates(ListKind::Direct).size(), 1000u);
    const ListCounter c = counted({"012 111 113 ", "012 111 113 999 "});
    IntersectSettings s = direct(0);
    s.kind = ListKind::Group;
    EXPECT_EQ(text(intersectLists(c, {}, s)), "012 113 ");
}

TEST(Intersect, RecentDrawsAreMeasuredFromTheDanmaIssue) {
    const DrawTable draws = test::history({{1, 1, 2, 3}, {2, 4, 5, 6}, {3, 7, 8, 9}, {4, 3, 2, 1}});
    const auto om = candidateOmissions(draws, 3, ListKind::Direct);
    EXPECT_EQ(om[789], 1);
    EXPECT_EQ(om[456], 2);
    EXPECT_EQ(om[123], 3);
    EXPECT_EQ(om[321], 4); // drawn at index 3, not before u = 3
    EXPECT_EQ(candidateOmissions(draws, 4, ListKind::Group)[123], 1);

    const ListCounter c = counted({"123 321 456 789 "});
    IntersectSettings s = direct(3);
    s.excludeRecent = true;
    s.recent = 2;
    EXPECT_EQ(text(intersectLists(c, draws, s)), "123 321 ");
    s.recent = 0;
    EXPECT_EQ(text(intersectLists(c, draws, s)), "123 321 456 789 ");
    s.index = 4;
    s.recent = 1;
    EXPECT_EQ(text(intersectLists(c, draws, s)), "123 456 789 ");
    s.kind = ListKind::Group;
    s.recent = 4;
    EXPECT_EQ(text(intersectLists(counted({"123 456 789 019 "}), draws, s)), "019 ");
    s.recent = -1;
    EXPECT_EQ(test::userErrorOf([&] { intersectLists(c, draws, s); }), "排除期数不能小于0！");
    s.recent = 1;
    s.index = 5;
    EXPECT_EQ(test::userErrorOf([&] { intersectLists(c, draws, s); }), "目前投注期不在开奖号码之内！");
}

TEST(Intersect, ConversionsAndPreview) {
    EXPECT_EQ(text(directToGroup("321 213 000 999 ")), "123 ");
    EXPECT_EQ(text(directToGroup("000 111 222 ")), "");
    EXPECT_EQ(text(directToGroup("  9013\r\n100 ")), "001 019 ");
    EXPECT_EQ(text(groupToDirect("012 ")), "012 021 102 120 201 210 ");
    EXPECT_EQ(text(groupToDirect("112")), "112 121 211 ");
    EXPECT_EQ(previewCount("123 456 78"), 2);
    EXPECT_EQ(previewCount("共12注\r\n"), 0);
}

TEST(CountExtract, UnionIntersectionAndOncePerFile) {
    const ListCounter c = counted({"123 123 456 ", "123 789 ", "1234 "});
    EXPECT_EQ(text(extractByCount(c, 1, 40)), "123 234 456 789 "); // lo 1, hi ≥ K: the union
    EXPECT_EQ(text(extractByCount(c, 3, 3)), "123 ");              // lo = hi = K: the intersection
    EXPECT_EQ(text(extractByCount(c, 2, 2)), "");
    EXPECT_EQ(extractByCount(c, 0, 0).size(), 996u);
    EXPECT_EQ(text(extractByCount(c, 5, 1)), "");
    EXPECT_EQ(test::userErrorOf([] { extractByCount(ListCounter{}, 1, 40); }), "请先导入大底文件！");
}
