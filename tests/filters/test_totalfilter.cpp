#include "core/u_public.h"
#include "core/usererror.h"
#include "enginesupport.h"
#include "filters/totalfilter.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace corvel;
using test::userErrorOf;

namespace {

std::vector<int> run(const TotalFilterSettings &s, bool loadedOnly = false) {
    DirectNumberTable numbers = buildDirectNumbers();
    return runTotalFilter(numbers, s, loadedOnly);
}

bool contains(const std::vector<int> &list, int n) { return std::find(list.begin(), list.end(), n) != list.end(); }

std::vector<int> range(int from, int to) {
    std::vector<int> v;
    for (int n = from; n <= to; ++n) v.push_back(n);
    return v;
}

} // namespace

TEST(TotalFilter, ToleranceRangeDecidesWhatIsKept) {
    TotalFilterSettings s;
    EXPECT_EQ(run(s).size(), 1000u); // nothing active, tolerance 0 to 0
    s.lowText = "1";
    EXPECT_TRUE(run(s).empty()); // low above high
    EXPECT_EQ(resultLabel(run(s).size()), "缩水结果：0注");

    // Tolerance 1 to 1 keeps exactly the numbers failing one of the two active conditions.
    s.sums[10] = true;
    s.leopard = true;
    s.highText = "1";
    const std::array<int, 1000> failures = totalFilterFailures(s);
    std::vector<int> expected;
    for (int n = 0; n < 1000; ++n)
        if (failures[size_t(n)] == 1) expected.push_back(n);
    EXPECT_EQ(run(s), expected);
    EXPECT_TRUE(contains(run(s), 111)); // a leopard of sum 3: fails the sum only
    EXPECT_EQ(failures[111], 1);
    EXPECT_EQ(failures[123], 2);
    EXPECT_EQ(failures[118], 1); // sum 10, not a leopard
    s.highText = "0";
    EXPECT_TRUE(run(s).empty()); // no leopard has the sum 10
}

TEST(TotalFilter, SelectionConditions) {
    TotalFilterSettings s;
    s.sums[10] = true;
    EXPECT_EQ(run(s).size(), 63u);
    s.sumKeep = Delete;
    EXPECT_EQ(run(s).size(), 937u);

    TotalFilterSettings tiles;
    tiles.tiles[1].fill(true);
    EXPECT_EQ(run(tiles).size(), 1000u);
    tiles.positionKeep = Delete;
    EXPECT_TRUE(run(tiles).empty());
    // The three rows are three conditions with one shared choice.
    TotalFilterSettings rows;
    rows.tiles[0][1] = rows.tiles[1][2] = rows.tiles[2][3] = true;
    EXPECT_EQ(run(rows), std::vector<int>{123});
    EXPECT_EQ(totalFilterFailures(rows)[456], 3);

    TotalFilterSettings patterns;
    patterns.bigSmall[0] = true; // 大大大
    patterns.oddEven[7] = true;  // 偶偶偶
    EXPECT_EQ(run(patterns), (std::vector<int>{666, 668, 686, 688, 866, 868, 886, 888}));
    TotalFilterSettings residue;
    residue.residues[5] = true; // 012
    const std::vector<int> kept = run(residue);
    EXPECT_EQ(kept.size(), 36u);
    EXPECT_TRUE(contains(kept, 312) && contains(kept, 345) && !contains(kept, 210));

    TotalFilterSettings spanTail;
    spanTail.spans[0] = true;
    EXPECT_EQ(run(spanTail).size(), 10u);
    spanTail.sumTails[7] = true;
    spanTail.sumTailKeep = Delete;
    EXPECT_EQ(run(spanTail).size(), 9u); // 999 has tail 7

    TotalFilterSettings types;
    types.group6 = true;
    EXPECT_EQ(run(types).size(), 720u);
    types.group6 = false;
    types.group3 = true;
    EXPECT_EQ(run(types).size(), 270u);
    types.leopard = true;
    EXPECT_EQ(run(types).size(), 280u);
}

TEST(TotalFilter, DanmaRowsCountHitsByNumberOrByPosition) {
    TotalFilterSettings s;
    s.danma[0] = "5";
    s.danmaHits[0][1] = true;
    EXPECT_EQ(run(s).size(), 271u);
    s.danmaMode = ByPosition;
    EXPECT_EQ(run(s).size(), 243u);

    // "12" against 112: by number 2 hits, by position 3.
    TotalFilterSettings t;
    t.danma[1] = "12";
    t.danmaHits[1][2] = true;
    EXPECT_TRUE(contains(run(t), 112));
    t.danmaMode = ByPosition;
    EXPECT_FALSE(contains(run(t), 112));
    t.danmaHits[1] = {false, false, false, true};
    EXPECT_TRUE(contains(run(t), 112));
    // Repeated characters count again; four hits or more never pass.
    TotalFilterSettings u;
    u.danma[0] = "1111";
    u.danmaHits[0] = {true, true, true, true};
    EXPECT_FALSE(contains(run(u), 123));
    EXPECT_TRUE(contains(run(u), 234));
    // An empty edit or no ticked count leaves the row inactive.
    TotalFilterSettings v;
    v.danma[0] = "5";
    EXPECT_EQ(run(v).size(), 1000u);
}

TEST(TotalFilter, TwoCodeRowsSearchTheTextUnsplit) {
    TotalFilterSettings s;
    s.twoCodes[0] = "30 47";
    std::vector<int> expected = range(300, 309);
    for (int n : range(470, 479)) expected.push_back(n);
    EXPECT_EQ(run(s), expected);
    s.twoCodeMode[0] = EitherOrder;
    EXPECT_EQ(run(s).size(), 40u);
    EXPECT_TRUE(contains(run(s), 35) && contains(run(s), 745));
    s.twoCodeKeep[0] = Delete;
    EXPECT_EQ(run(s).size(), 960u);

    TotalFilterSettings joined;
    joined.twoCodes[1] = "3047"; // 30, 04 and 47 in 十个
    EXPECT_EQ(run(joined).size(), 30u);

    TotalFilterSettings anyPair;
    anyPair.twoCodes[3] = "12";
    const std::vector<int> kept = run(anyPair);
    EXPECT_TRUE(contains(kept, 312) && contains(kept, 152) && contains(kept, 120));
    EXPECT_FALSE(contains(kept, 213));
    TotalFilterSettings hundredsUnits;
    hundredsUnits.twoCodes[2] = "12";
    EXPECT_EQ(run(hundredsUnits).size(), 10u);
    EXPECT_TRUE(contains(run(hundredsUnits), 152));
}

TEST(TotalFilter, BadToleranceStopsAfterTheFailureCounts) {
    TotalFilterSettings s;
    s.sums[0] = true;
    s.highText = "abc";
    DirectNumberTable numbers = buildDirectNumbers();
    EXPECT_EQ(userErrorOf([&] { runTotalFilter(numbers, s, false); }), "'abc' 不是一个有效的整形值");
    EXPECT_EQ(numbers[0][3], 0);
    EXPECT_EQ(numbers[5][3], 1);
    for (const char *bad : {"", " ", "1.5", "99999999999", "１"}) {
        s.highText = bad;
        EXPECT_FALSE(userErrorOf([&] { run(s); }).empty()) << bad;
    }
}

TEST(TotalFilter, LoadedListRestrictsARun) {
    const std::vector<int> loaded = readLoadedList({"007,120  555", "007"});
    EXPECT_EQ(loaded, (std::vector<int>{7, 120, 555}));
    EXPECT_EQ(resultText(loaded), "007 120 555 ");
    DirectNumberTable numbers = buildDirectNumbers();
    markLoaded(numbers, loaded);
    EXPECT_EQ(numbers[7][4], 0);
    EXPECT_EQ(numbers[8][4], 1);
    TotalFilterSettings s;
    s.spans[0] = true;
    s.spanKeep = Delete;
    EXPECT_EQ(runTotalFilter(numbers, s, true), (std::vector<int>{7, 120}));
    EXPECT_EQ(runTotalFilter(numbers, s, false).size(), 990u);
    // Longer pieces give their first three characters.
    EXPECT_EQ(readLoadedList({"12345 678x"}), (std::vector<int>{123, 678}));
}

// Each pattern box's caption names exactly the numbers that box keeps on its own.
TEST(TotalFilter, PatternCaptionsNameTheNumbersTheirBoxKeeps) {
    const auto digitsOf = [](int n) { return std::array<int, 3>{n / 100, n / 10 % 10, n % 10}; };
    for (int box = 0; box < 8; ++box) {
        TotalFilterSettings big, odd;
        big.bigSmall[size_t(box)] = true;
        odd.oddEven[size_t(box)] = true;
        const std::vector<int> keptBig = run(big), keptOdd = run(odd);
        EXPECT_EQ(keptBig.size(), 125u);
        EXPECT_EQ(keptOdd.size(), 125u);
        for (const int n : keptBig) {
            std::string caption;
            for (const int d : digitsOf(n)) caption += d >= 5 ? "大" : "小";
            EXPECT_EQ(caption, bigSmallCaptions()[size_t(box)]) << n;
        }
        for (const int n : keptOdd) {
            std::string caption;
            for (const int d : digitsOf(n)) caption += d % 2 ? "奇" : "偶";
            EXPECT_EQ(caption, oddEvenCaptions()[size_t(box)]) << n;
        }
    }
    for (int box = 0; box < 27; ++box) {
        TotalFilterSettings s;
        s.residues[size_t(box)] = true;
        for (const int n : run(s)) {
            std::string caption;
            for (const int d : digitsOf(n)) caption += std::to_string(d % 3);
            EXPECT_EQ(caption, residueCaptions()[size_t(box)]) << n;
        }
    }
}

TEST(TotalFilter, ClearingForgetsTheResultAndTheLoadedList) {
    DirectNumberTable numbers = buildDirectNumbers();
    markLoaded(numbers, {7, 120});
    for (DirectNumberRow &row : numbers) row[3] = 1;
    clearLoaded(numbers);
    for (const DirectNumberRow &row : numbers) {
        EXPECT_EQ(row[3], 0);
        EXPECT_EQ(row[4], 0);
    }
}

TEST(TotalFilter, LoadRefusesWhatIsNoPlainList) {
    // An investment list (a kind line) and a kind-headed list are refused as a whole.
    EXPECT_EQ(userErrorOf([] { readLoadedList({"0", "2", "123", "456"}); }), "'' 不是一个有效的整形值");
    EXPECT_EQ(userErrorOf([] { readLoadedList({"直选共2注", "123 456 "}); }), "'直' 不是一个有效的整形值");
    EXPECT_EQ(userErrorOf([] { readLoadedList({"123 4a5"}); }), "'a' 不是一个有效的整形值");
    EXPECT_EQ(userErrorOf([] { readLoadedList({}); }), "文件中没有号码！");
    EXPECT_EQ(userErrorOf([] { readLoadedList({" ", ",,"}); }), "文件中没有号码！");
    // Bytes a message cannot show read as U+FFFD: the message stays valid UTF-8.
    EXPECT_EQ(userErrorOf([] { readLoadedList({std::string("\x01\x02\x03\xff", 4)}); }).substr(0, 4), "'\xEF\xBF\xBD");
}

TEST(TotalFilter, DirectToGroup) {
    EXPECT_EQ(directToGroup("123 321 777 "), (NumberList{{1, 2, 3}}));
    EXPECT_EQ(directToGroup("910 019  100 001"), (NumberList{{0, 0, 1}, {0, 1, 9}}));
    EXPECT_TRUE(directToGroup("").empty());
    EXPECT_EQ(userErrorOf([] { directToGroup("123 12"); }), "'' 不是一个有效的整形值");
    EXPECT_EQ(directToGroup("321,456"), (NumberList{{1, 2, 3}})); // split at blanks only
}

TEST(TotalFilter, BackTestTellsWhichDrawsWouldHaveBeenKept) {
    const DrawTable history = test::history({{1, 1, 2, 3}, {2, 4, 5, 6}, {3, 0, 1, 9}, {4, 5, 5, 5}});
    TotalFilterSettings s;
    s.sums[6] = s.sums[10] = true;
    const BackTestResult r = backTest(history, s, 3);
    ASSERT_EQ(r.rows.size(), 3u);
    EXPECT_EQ(r.rows[0].issue, 2);
    EXPECT_EQ(r.rows[0].number, (Number{4, 5, 6}));
    EXPECT_FALSE(r.rows[0].kept);
    EXPECT_TRUE(r.rows[1].kept);
    EXPECT_FALSE(r.rows[2].kept);
    EXPECT_EQ(r.hits, 1);
    EXPECT_EQ(backTestSummary(r), "验证3期，保留1期（命中率33.3%）");
    EXPECT_EQ(backTest(history, s, 100).rows.size(), 4u);
    EXPECT_EQ(backTest({}, s, 100).rows.size(), 0u);
    EXPECT_FALSE(userErrorOf([&] { backTest(history, s, 0); }).empty());
    s.lowText = "x";
    EXPECT_EQ(userErrorOf([&] { backTest(history, s, 5); }), "'x' 不是一个有效的整形值");
}

TEST(TotalFilter, ConditionFileKeepsEverySetting) {
    TotalFilterSettings s;
    s.tiles[0][3] = s.tiles[2][9] = true;
    s.positionKeep = Delete;
    s.sums[0] = s.sums[27] = true;
    s.spans[4] = true;
    s.bigSmall[7] = true;
    s.oddEven[0] = true;
    s.sumTails[2] = true;
    s.sumTailKeep = Delete;
    s.danma = {" 12 ", "5"};
    s.danmaHits[0][0] = s.danmaHits[1][3] = true;
    s.danmaMode = ByPosition;
    s.residues[26] = true;
    s.residueKeep = Delete;
    s.twoCodes = {"30 47", "", "1=2", "09"};
    s.twoCodeMode = {1, 0, 1, 0};
    s.twoCodeKeep = {0, 1, 1, 0};
    s.group3 = s.leopard = true;
    s.lowText = "1";
    s.highText = " 2";
    const std::string text = writeTotalFilterConditions(s);
    EXPECT_NE(text.find("chkb=3\r\n"), std::string::npos);
    EXPECT_NE(text.find("chkhe=0 27\r\n"), std::string::npos);
    EXPECT_NE(text.find("edtdan1= 12 \r\n"), std::string::npos);
    EXPECT_EQ(readTotalFilterConditions(text), s);
    EXPECT_EQ(readTotalFilterConditions(writeTotalFilterConditions({})), TotalFilterSettings{});
    // Keys not given keep the defaults.
    const TotalFilterSettings partial = readTotalFilterConditions("# mine\nchkhe=10\noptds2=1\n");
    EXPECT_TRUE(partial.sums[10]);
    EXPECT_EQ(partial.sumKeep, Delete);
    EXPECT_EQ(partial.lowText, "0");
}

TEST(TotalFilter, ConditionFileRefusesFaultyValues) {
    EXPECT_EQ(userErrorOf([] { readTotalFilterConditions("chkhe=28\n"); }),
              "条件文件第1行：“chkhe”的值“28”不对，应为以空格分隔的0～27之间的序号！");
    EXPECT_EQ(userErrorOf([] { readTotalFilterConditions("\nopt7=2\n"); }),
              "条件文件第2行：“opt7”的值“2”不对，应为0～1之间的序号！");
    EXPECT_EQ(userErrorOf([] { readTotalFilterConditions("chkz1=4"); }),
              "条件文件第1行：“chkz1”的值“4”不对，应为以空格分隔的0～3之间的序号！");
    EXPECT_EQ(userErrorOf([] { readTotalFilterConditions("optds7=0"); }), "条件文件第1行：未知的条件名“optds7”！");
    EXPECT_EQ(userErrorOf([] { readTotalFilterConditions("chkbao=yes"); }),
              "条件文件第1行：“chkbao”的值“yes”不对，应为0或1！");
    EXPECT_EQ(userErrorOf([] { readTotalFilterConditions("chkdx=1\nchkdx=2"); }),
              "条件文件第2行：条件名“chkdx”重复（第1行已给出）！");
}
