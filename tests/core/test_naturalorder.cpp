#include "core/naturalorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using namespace corvel;

namespace {

std::vector<std::string> sortedNaturally(std::vector<std::string> names) {
    std::sort(names.begin(), names.end(), naturalLess);
    return names;
}

// Every order of `expected` sorts back to it.
void expectSortsTo(const std::vector<std::string> &expected) {
    std::vector<std::string> shuffled = expected;
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        EXPECT_EQ(sortedNaturally(shuffled), expected);
    }
}

} // namespace

TEST(NaturalOrder, NumbersCountUpInsteadOfByTheirFirstDigit) {
    expectSortsTo({"1.txt", "2.txt", "9.txt", "10.txt", "11.txt", "99.txt", "100.txt", "1000.txt"});
    expectSortsTo({"自动大底1.txt", "自动大底2.txt", "自动大底10.txt", "自动大底100.txt"});
    // Several runs in one name: the first that differs decides.
    expectSortsTo({"v2-9.txt", "v2-10.txt", "v10-1.txt"});
    // Runs far longer than any machine integer still compare by value.
    EXPECT_LT(naturalCompare("a99999999999999999999999", "a100000000000000000000000"), 0);
    EXPECT_GT(naturalCompare("a100000000000000000000001", "a100000000000000000000000"), 0);
}

TEST(NaturalOrder, ChineseNamesAndEqualPrefixes) {
    // A name comes before the longer names it begins.
    expectSortsTo({"大底", "大底1", "大底1a", "大底2"});
    expectSortsTo({"a", "a.txt", "a1.txt", "ab.txt"});
    // Characters outside the digits keep code point order: digits before letters before CJK.
    expectSortsTo({"1大底", "a大底", "冷码2.txt", "冷码10.txt", "自动大底2.txt"});
    EXPECT_LT(naturalCompare("第2组.txt", "第10组.txt"), 0);
    EXPECT_EQ(naturalCompare("大底10.txt", "大底10.txt"), 0);
    EXPECT_EQ(naturalCompare("", ""), 0);
    EXPECT_LT(naturalCompare("", "0"), 0);
}

TEST(NaturalOrder, LeadingZerosAndCaseOnlyBreakTies) {
    // 007 is seven: it sorts among the small numbers, not before them all.
    expectSortsTo({"1.txt", "007.txt", "8.txt", "010.txt", "11.txt"});
    // Equal values: fewer zeros first, and the tie is broken only when nothing else differs.
    expectSortsTo({"7", "07", "007"});
    EXPECT_LT(naturalCompare("07b", "7c"), 0);
    EXPECT_LT(naturalCompare("0", "00"), 0);
    // Letters compare without case; the upper-case one first when that is all.
    EXPECT_LT(naturalCompare("a2", "B1"), 0);
    expectSortsTo({"List.txt", "list.txt", "list2.txt"});
    // Zero only for equal texts, so sorting is a strict order: no two different names tie.
    EXPECT_NE(naturalCompare("a01b", "a1b"), 0);
    EXPECT_EQ(naturalCompare("a01b", "a1b"), -naturalCompare("a1b", "a01b"));
}
