// Follow statistics, exclusions and lists of the group and direct follow selections.

#include "generators/follow.h"

#include "core/usererror.h"
#include "enginesupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace corvel {
namespace {

using test::userErrorOf;

// 99 filler draws (never scanned) followed by the given draws; issues from 1.
DrawTable drawsAfterFiller(const std::vector<std::string> &draws, const std::string &filler = "000") {
    DrawTable table;
    const auto add = [&](const std::string &d) {
        table.push_back({int(table.size()) + 1, d[0] - '0', d[1] - '0', d[2] - '0'});
    };
    for (int i = 0; i < 99; ++i) add(filler);
    for (const std::string &d : draws) add(d);
    return table;
}

std::vector<std::string> row(const FollowTable &t, size_t r) {
    std::vector<std::string> cells;
    for (int c = 0; c < 6; ++c) cells.push_back(followCell(t, r, c));
    return cells;
}

std::vector<std::string> column(const FollowTable &t, int c) {
    std::vector<std::string> cells;
    for (size_t r = 0; r < t.rows.size(); ++r) cells.push_back(followCell(t, r, c));
    return cells;
}

FollowSettings settings(int width, int position, int interval = 1, int follow = 2) {
    FollowSettings s;
    s.width = width;
    s.position = position;
    s.interval = interval;
    s.followCount = follow;
    return s;
}

std::set<std::string> texts(const NumberList &numbers) {
    std::set<std::string> out;
    for (const Number &n : numbers) out.insert(numberText(n));
    return out;
}

// Every scanned draw holds a 1, so with B = 1 each row's follow code is the next row's draw.
const std::vector<std::string> Chain{"100", "112", "211", "145", "154", "451", "199"};

TEST(FollowStatistics, OldNewDigitsHitsAndDistances) {
    const DrawTable h = drawsAfterFiller(Chain);
    const FollowTable t = followStatistics(FollowKind::Group, h, int(h.size()), settings(1, 1));
    EXPECT_EQ(t.reference, "199");
    EXPECT_EQ(t.pattern, "1");
    ASSERT_EQ(t.rows.size(), 7u);
    EXPECT_EQ(row(t, 0), (std::vector<std::string>{"100", "112", "", "", "", ""}));
    EXPECT_EQ(row(t, 1), (std::vector<std::string>{"112", "211", "", "", "", ""}));
    EXPECT_EQ(row(t, 2), (std::vector<std::string>{"211", "145", "12", "03456789", "1+2", "3"}));
    EXPECT_EQ(row(t, 3), (std::vector<std::string>{"145", "154", "1245", "036789", "3+0", "1"}));
    EXPECT_EQ(row(t, 4), (std::vector<std::string>{"154", "451", "145", "0236789", "3+0", "1"}));
    EXPECT_EQ(row(t, 5), (std::vector<std::string>{"451", "199", "145", "0236789", "1+1", "6"}));
    // The reference is the latest draw: its follow code is not drawn yet, its old and new
    // digits are what matters for the coming draw.
    EXPECT_EQ(row(t, 6), (std::vector<std::string>{"199", "下期开???", "1459", "023678", "???", "???"}));

    // The direct window compares codes unsorted: 154 differs from 145.
    const FollowTable d = followStatistics(FollowKind::Direct, h, int(h.size()), settings(1, 1));
    EXPECT_EQ(column(d, 0), (std::vector<std::string>{"100", "112", "145", "154", "199"}));
    EXPECT_EQ(column(d, 1), (std::vector<std::string>{"112", "211", "154", "451", "下期开???"}));
    EXPECT_EQ(followCell(d, 3, 5), "4"); // 451 never followed before: k + 1
}

TEST(FollowStatistics, FollowCountZeroAndBeyondTheTable) {
    const DrawTable h = drawsAfterFiller(Chain);
    const FollowTable zero = followStatistics(FollowKind::Group, h, int(h.size()), settings(1, 1, 1, 0));
    for (size_t r = 0; r < zero.rows.size(); ++r) {
        EXPECT_EQ(followCell(zero, r, 2), "");
        EXPECT_EQ(followCell(zero, r, 3), "0123456789");
    }
    EXPECT_EQ(followCell(zero, 0, 4), "0+2"); // 112: digits 1 and 2, both new
    EXPECT_EQ(followCell(zero, 0, 5), "1");   // nothing before row 0: k + 1

    const FollowTable many = followStatistics(FollowKind::Group, h, int(h.size()), settings(1, 1, 1, 7));
    for (size_t r = 0; r < many.rows.size(); ++r) EXPECT_EQ(row(many, r)[2] + row(many, r)[4], "");
}

TEST(FollowStatistics, IntervalMovesTheReferenceAndNoLaterDrawIsRead) {
    // B = 3: the reference is the third-latest draw; the two draws after it hold a 1
    // but lie beyond the scan.
    const DrawTable h = drawsAfterFiller({"123", "456", "178", "111", "911"});
    const FollowTable t = followStatistics(FollowKind::Group, h, int(h.size()), settings(1, 1, 3));
    EXPECT_EQ(t.reference, "178");
    EXPECT_EQ(column(t, 0), (std::vector<std::string>{"123", "178"}));
    EXPECT_EQ(column(t, 1), (std::vector<std::string>{"111", "下期开???"}));

    // Fewer than 99 + B draws: nothing is scanned.
    const DrawTable shortHistory(h.begin(), h.begin() + 101);
    EXPECT_TRUE(followStatistics(FollowKind::Group, shortHistory, 101, settings(1, 1, 3)).rows.empty());
    EXPECT_TRUE(followStatistics(FollowKind::Group, DrawTable{}, 0, settings(1, 1)).rows.empty());
}

TEST(FollowStatistics, TwoDigitGroupPatterns) {
    // Reference 135, position 3: the pattern is 15, not contiguous in 135.
    const DrawTable h = drawsAfterFiller({"501", "151", "515", "951", "315", "123", "513"});
    FollowSettings s = settings(2, 3);
    const FollowTable unordered = followStatistics(FollowKind::Group, h, int(h.size()), s);
    EXPECT_EQ(unordered.pattern, "15");
    EXPECT_EQ(column(unordered, 0), (std::vector<std::string>{"501", "151", "515", "951"}));
    // The reference itself is no occurrence here; the last row still gets "???".
    EXPECT_EQ(row(unordered, 3)[1], "315");
    EXPECT_EQ(row(unordered, 3)[4], "???");

    // "分次序": 15 is absent from 135, so every draw lacking it matches.
    s.ordered = true;
    const FollowTable ordered = followStatistics(FollowKind::Group, h, int(h.size()), s);
    EXPECT_EQ(column(ordered, 0), (std::vector<std::string>{"315", "123", "513"}));
    EXPECT_EQ(column(ordered, 1), (std::vector<std::string>{"123", "513", "开奖号???"}));

    // Position 1 of 135 is 13, first in the reference: 313 (sorted 133) holds it first too,
    // 113 and 013 hold it second.
    const DrawTable h2 = drawsAfterFiller({"113", "301", "313", "135"});
    const FollowTable first = followStatistics(FollowKind::Group, h2, int(h2.size()), settings(2, 1));
    EXPECT_EQ(column(first, 0), (std::vector<std::string>{"113", "301", "313", "135"}));
    FollowSettings byPosition = settings(2, 1);
    byPosition.ordered = true;
    EXPECT_EQ(column(followStatistics(FollowKind::Group, h2, int(h2.size()), byPosition), 0),
              (std::vector<std::string>{"313", "135"}));

    // Three digits: the same group in any order.
    const DrawTable h3 = drawsAfterFiller({"531", "153", "135", "136", "351"});
    EXPECT_EQ(column(followStatistics(FollowKind::Group, h3, int(h3.size()), settings(3, 1)), 0),
              (std::vector<std::string>{"531", "153", "135", "351"}));
}

TEST(FollowStatistics, DirectPatternsKeepDrawOrder) {
    // Position 3 of 135 pairs 个 with 百: 51.
    const DrawTable h = drawsAfterFiller({"105", "531", "195", "315", "135"});
    const FollowTable t = followStatistics(FollowKind::Direct, h, int(h.size()), settings(2, 3));
    EXPECT_EQ(t.pattern, "51");
    EXPECT_EQ(column(t, 0), (std::vector<std::string>{"105", "195", "135"}));
    EXPECT_EQ(column(t, 1).back(), "下期开???");
    // "分次序" has no effect in the direct window.
    FollowSettings s = settings(2, 3);
    s.ordered = true;
    EXPECT_EQ(column(followStatistics(FollowKind::Direct, h, int(h.size()), s), 0), column(t, 0));

    EXPECT_EQ(column(followStatistics(FollowKind::Direct, h, int(h.size()), settings(1, 2)), 0),
              (std::vector<std::string>{"531", "135"}));
    EXPECT_EQ(column(followStatistics(FollowKind::Direct, h, int(h.size()), settings(3, 1)), 0),
              (std::vector<std::string>{"135"}));
}

TEST(FollowExclusion, HistoryExclusionUsesTheRowsBeforeTheLast) {
    const DrawTable h = drawsAfterFiller(Chain);
    FollowSelection group(FollowKind::Group);
    group.statistics(h, int(h.size()), settings(1, 1));
    FilterSettings f;
    f.excludeCount = 20;
    group.filter(f);
    // Rows 1..5 follow with 211, 145, 154, 451, 199: the groups 112, 145 and 199.
    const FollowLists lists = group.lists();
    EXPECT_EQ(lists.combined.size(), 1000u - 3 - 6 - 3);
    const std::set<std::string> combined = texts(lists.combined);
    for (const char *gone : {"112", "121", "211", "145", "541", "199", "919"})
        EXPECT_FALSE(combined.count(gone)) << gone;
    EXPECT_EQ(lists.danma.size(), 1000u);

    // M = 2 reaches back to rows 5 and 4 only (199 and 451).
    f.excludeCount = 2;
    group.filter(f);
    EXPECT_EQ(group.lists().combined.size(), 1000u - 3 - 6);
    // M = 1 with the draws included: row 5's follow code 199 and its draw 451.
    f.excludeCount = 1;
    f.includeDraw = true;
    group.filter(f);
    EXPECT_EQ(texts(group.lists().history).count("145"), 0u);
    EXPECT_EQ(group.lists().history.size(), 1000u - 3 - 6);
    f.excludeCount = 0;
    group.filter(f);
    EXPECT_EQ(group.lists().combined.size(), 1000u);
}

TEST(FollowExclusion, LeopardsAreNeverExcludedInTheGroupWindow) {
    const DrawTable h = drawsAfterFiller({"111", "111", "111", "111", "111"});
    FollowSelection group(FollowKind::Group);
    group.statistics(h, int(h.size()), settings(1, 1));
    FilterSettings f;
    f.includeDraw = true;
    group.filter(f);
    EXPECT_EQ(group.lists().combined.size(), 1000u);

    // The direct window excludes a leopard follow code like any other number.
    FollowSelection direct(FollowKind::Direct);
    direct.statistics(h, int(h.size()), settings(1, 1));
    direct.filter(f);
    EXPECT_EQ(direct.lists().combined.size(), 999u);
    EXPECT_EQ(texts(direct.lists().combined).count("111"), 0u);
}

// The player's case: 新旧胆码 23578, 中 1 到 3. A leopard holding none of the digits (000)
// goes, one holding a danma digit (222: one hit, its digits counted once) stays, in both
// windows.
TEST(FollowExclusion, TheDanmaRangeAppliesToLeopardsInTheGroupWindow) {
    for (const FollowKind kind : {FollowKind::Group, FollowKind::Direct}) {
        ExclusionCounters c;
        danmaExclude(kind, "23578", 1, 3, c);
        const std::set<std::string> kept = texts(followLists(c).danma);
        EXPECT_EQ(kept.count("000"), 0u);
        EXPECT_EQ(kept.count("444"), 0u);
        EXPECT_EQ(kept.count("222"), 1u);
        EXPECT_EQ(kept.count("888"), 1u);
        // 1000 numbers less the 125 of the digits 0 1 4 6 9 alone; every number with a
        // danma digit has 1 to 3 hits.
        EXPECT_EQ(kept.size(), 875u);
    }
    // 中 2 到 3 drops 222 (one hit) and keeps 223 and 322 (two).
    ExclusionCounters c;
    danmaExclude(FollowKind::Group, "23578", 2, 3, c);
    const std::set<std::string> kept = texts(followLists(c).danma);
    EXPECT_EQ(kept.count("222"), 0u);
    EXPECT_EQ(kept.count("223"), 1u);
    EXPECT_EQ(kept.count("322"), 1u);
}

TEST(FollowExclusion, DirectFollowCode777IsExcluded) {
    const DrawTable h = drawsAfterFiller({"700", "712", "777", "172", "701"});
    FollowSelection direct(FollowKind::Direct);
    direct.statistics(h, int(h.size()), settings(1, 1));
    direct.filter(FilterSettings{});
    const std::set<std::string> combined = texts(direct.lists().combined);
    EXPECT_EQ(combined.count("777"), 0u);
    EXPECT_EQ(combined.count("172"), 0u);
    EXPECT_EQ(combined.count("712"), 1u); // the follow code of row 0, which is never used
    EXPECT_EQ(combined.size(), 998u);
}

TEST(FollowExclusion, DanmaCountsEveryCharacter) {
    ExclusionCounters c;
    danmaExclude(FollowKind::Group, "11", 2, 2, c);
    // Groups holding a 1 count two hits and stay, 111 among them; the other leopards
    // hold no 1 and go like any group without one.
    NumberList list = followLists(c).combined;
    EXPECT_EQ(list.size(), 271u);
    for (const Number &n : list) EXPECT_TRUE(std::count(n.begin(), n.end(), 1) > 0) << numberText(n);

    c.clear();
    danmaExclude(FollowKind::Group, "11", 1, 1, c);
    EXPECT_EQ(followLists(c).combined.size(), 0u);

    c.clear();
    danmaExclude(FollowKind::Group, "  \t ", 1, 1, c);
    EXPECT_EQ(followLists(c).combined.size(), 1000u);

    // Direct: 1 or 2 of the digits 1, 2, 3 — leopards take part.
    c.clear();
    danmaExclude(FollowKind::Direct, "123", 1, 2, c);
    const std::set<std::string> direct = texts(followLists(c).combined);
    EXPECT_TRUE(direct.count("111"));
    EXPECT_TRUE(direct.count("124"));
    EXPECT_FALSE(direct.count("123"));
    EXPECT_FALSE(direct.count("000"));
    EXPECT_EQ(followLists(c).history.size(), 1000u);
}

TEST(FollowExclusion, GroupFiltersStartFromZeroDirectFiltersAccumulate) {
    const DrawTable h = drawsAfterFiller(Chain);
    FilterSettings one;
    one.excludeCount = 0;
    one.danma = "1";
    FilterSettings two = one;
    two.danma = "2";
    const auto holdsAll = [](const NumberList &list, std::initializer_list<int> digits) {
        for (const Number &n : list)
            for (int d : digits)
                if (std::find(n.begin(), n.end(), d) == n.end()) return false;
        return true;
    };

    FollowSelection direct(FollowKind::Direct);
    direct.statistics(h, int(h.size()), settings(1, 1));
    direct.filter(one);
    direct.filter(two);
    EXPECT_TRUE(holdsAll(direct.lists().combined, {1, 2}));
    EXPECT_EQ(direct.lists().combined.size(), 1000u - 2 * 729 + 512);
    direct.clear();
    direct.filter(two);
    EXPECT_EQ(direct.lists().combined.size(), 271u);

    FollowSelection group(FollowKind::Group);
    group.statistics(h, int(h.size()), settings(1, 1));
    group.filter(one);
    group.filter(two);
    // Only "2" applies: the 271 numbers with a 2, the leopard 222 among them.
    EXPECT_EQ(group.lists().combined.size(), 271u);
}

TEST(FollowInputs, BadTextsAreRefusedWithAMessage) {
    EXPECT_EQ(userErrorOf([] { readFollowCount("abc"); }), "'abc' 不是一个有效的整形值");
    EXPECT_EQ(userErrorOf([] { readFollowCount("-1"); }), "跟随期数不能小于0！");
    EXPECT_EQ(userErrorOf([] { readFollowCount("99999999999"); }), "'99999999999' 不是一个有效的整形值");
    EXPECT_EQ(readFollowCount(" 5"), 5);
    EXPECT_EQ(userErrorOf([] { readFilterSettings("2x", "", "1", "3", false); }), "'2x' 不是一个有效的整形值");
    EXPECT_EQ(userErrorOf([] { readFilterSettings("-3", "", "1", "3", false); }), "排除期数不能小于0！");
    EXPECT_EQ(userErrorOf([] { readFilterSettings("20", "", "-1", "3", false); }), "胆码中出个数不能小于0！");
    EXPECT_EQ(userErrorOf([] { readFilterSettings("20", "", "1", "１", false); }), "'１' 不是一个有效的整形值");
    EXPECT_EQ(userErrorOf([] { readFilterSettings("20", "", "3", "1", false); }),
              "胆码中出个数的范围有误：“中”大于“到”！");
    const FilterSettings ok = readFilterSettings("20", "12", "0", "2000000000", true);
    EXPECT_EQ(ok.high, 2000000000);
    EXPECT_TRUE(ok.includeDraw);
}

// ---- The statistics against a plain reading of the rules, on random histories --------

std::string sortedText(const std::string &t) {
    std::string s = t;
    std::sort(s.begin(), s.end());
    return s;
}

struct PlainRow {
    std::string draw, follow;
};

// Steps 1–5 as the rules read, row by row with walks back.
std::vector<std::vector<std::string>> plainTable(FollowKind kind, const DrawTable &h, const FollowSettings &s,
                                                 std::set<int> *excluded, int M) {
    const auto text = [&](int i) { return numberText({h[i][1], h[i][2], h[i][3]}); };
    const int N = int(h.size()), ref = N - s.interval;
    std::vector<PlainRow> rows;
    const bool group = kind == FollowKind::Group;
    const std::string r = group ? sortedText(text(ref)) : text(ref);
    const int p = s.position - 1, q = s.position % 3;
    std::string pattern;
    if (group)
        pattern = s.width == 1   ? r.substr(p, 1)
                  : s.width == 3 ? r
                                 : std::string{r[p == 2 ? 0 : p], r[p == 2 ? 2 : p + 1]};
    else
        pattern = s.width == 1 ? r.substr(p, 1) : s.width == 3 ? r : std::string{r[p], r[q]};
    for (int i = 99; i <= ref; ++i) {
        const std::string d = text(i), sd = sortedText(d);
        bool match;
        if (!group)
            match = s.width == 1   ? d[p] == pattern[0]
                    : s.width == 2 ? (d[p] == pattern[0] && d[q] == pattern[1])
                                   : d == r;
        else if (s.width == 1)
            match = sd.find(pattern) != std::string::npos;
        else if (s.width == 3)
            match = sd == r;
        else if (s.ordered)
            match = (sd.find(pattern) == std::string::npos ? 0 : sd.find(pattern) + 1) ==
                    (r.find(pattern) == std::string::npos ? 0 : r.find(pattern) + 1);
        else
            match = sd.find(pattern) != std::string::npos;
        if (match) rows.push_back({d, i + s.interval < N ? text(i + s.interval) : std::string()});
    }
    const int R = int(rows.size()), F = s.followCount;
    const auto key = [&](const std::string &t) { return group ? sortedText(t) : t; };
    std::vector<std::vector<std::string>> out(size_t(R), std::vector<std::string>(4));
    for (int k = F; k < R; ++k) {
        std::string joined;
        for (int j = k - F; j < k; ++j) joined += rows[j].follow;
        std::string olds, news;
        for (char c = '0'; c <= '9'; ++c) (joined.find(c) != std::string::npos ? olds : news) += c;
        out[k][0] = olds;
        out[k][1] = news;
        if (k == R - 1) {
            out[k][2] = out[k][3] = "???";
            continue;
        }
        int a = 0, b = 0;
        for (char c : olds) a += rows[k].follow.find(c) != std::string::npos;
        for (char c : news) b += rows[k].follow.find(c) != std::string::npos;
        out[k][2] = std::to_string(a) + "+" + std::to_string(b);
        int j = k - 1;
        while (j >= 0 && key(rows[j].follow) != key(rows[k].follow) &&
               !(s.includeDraw && key(rows[j].draw) == key(rows[k].follow)))
            --j;
        out[k][3] = std::to_string(j >= 0 ? k - j : k + 1);
    }
    const int L = R - 1;
    for (int j = L - 1; j >= std::max(L - M, 1); --j)
        for (const std::string &code : {rows[j].follow, s.includeDraw ? rows[j].draw : std::string()}) {
            if (code.empty()) continue;
            std::string g = key(code);
            if (!group) {
                excluded->insert(std::stoi(g));
                continue;
            }
            if (g[0] == g[2]) continue;
            do excluded->insert(std::stoi(g));
            while (std::next_permutation(g.begin(), g.end()));
        }
    return out;
}

TEST(FollowStatistics, AgreesWithAPlainReadingOfTheRules) {
    std::mt19937 rng(7);
    DrawTable h;
    for (int i = 0; i < 700; ++i) h.push_back({i, int(rng() % 10), int(rng() % 10), int(rng() % 10)});
    int checked = 0;
    for (FollowKind kind : {FollowKind::Group, FollowKind::Direct})
        for (int width = 1; width <= 3; ++width)
            for (int position = 1; position <= 3; ++position)
                for (int variant = 0; variant < 4; ++variant) {
                    FollowSettings s = settings(width, position, 1 + variant * 7, variant);
                    s.ordered = variant % 2 == 1;
                    s.includeDraw = variant >= 2;
                    const int M = 5 + variant * 30;
                    std::set<int> excluded;
                    const auto plain = plainTable(kind, h, s, &excluded, M);
                    FollowSelection selection(kind);
                    selection.statistics(h, int(h.size()), s);
                    FilterSettings f;
                    f.excludeCount = M;
                    f.includeDraw = s.includeDraw;
                    selection.filter(f);
                    const FollowTable &t = selection.table();
                    ASSERT_EQ(t.rows.size(), plain.size());
                    for (size_t r = 0; r < plain.size(); ++r)
                        for (int c = 0; c < 4; ++c) ASSERT_EQ(followCell(t, r, c + 2), plain[r][size_t(c)]) << r;
                    ASSERT_EQ(selection.lists().history.size(), 1000u - excluded.size());
                    for (const Number &n : selection.lists().history) ASSERT_FALSE(excluded.count(numberValue(n)));
                    checked += int(plain.size());
                }
    EXPECT_GT(checked, 2000);
}

} // namespace
} // namespace corvel
