#include "enginesupport.h"
#include "filters/omissionsearch.h"
#include "randomhistory.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

using namespace corvel;
using test::userErrorOf;

namespace {

const std::vector<SearchItem> &items() { return searchCatalogue(); }

int indexOf(const std::string &name) {
    for (size_t i = 0; i < items().size(); ++i)
        if (items()[i].name == name) return int(i);
    return -1;
}

// ---- An independent reference: every item tested on every draw through the names ----

const char *const Pos[3] = {"百", "十", "个"};

std::string digitChar(int d) { return std::string(1, char('0' + d)); }

int circular(int a, int b) {
    const int d = std::abs(a - b);
    return d > 5 ? 10 - d : d;
}

std::string countsLabel(int a, const char *ca, int b, const char *cb) {
    if (a == 3) return std::string("全") + ca;
    if (b == 3) return std::string("全") + cb;
    return std::to_string(a) + ca + std::to_string(b) + cb;
}

// The names of the items a draw shows (without the set groups), or nothing when a group
// needs previous draws that are missing.
std::set<std::string> drawNames(const DrawTable &h, size_t i) {
    const int d[3] = {h[i][1], h[i][2], h[i][3]};
    std::set<std::string> names;
    std::string bs, oe, res;
    int sum = 0, ones = 0, twos = 0, small = 0, even = 0;
    for (int x : d) {
        bs += x >= 5 ? "大" : "小";
        oe += x % 2 ? "奇" : "偶";
        res += digitChar(x % 3);
        sum += x;
        ones += x % 3 == 1;
        twos += x % 3 == 2;
        small += x < 5;
        even += x % 2 == 0;
    }
    names.insert(bs);
    names.insert("奇偶" + oe);
    names.insert("和值" + std::to_string(sum));
    names.insert("和尾" + std::to_string(sum % 10));
    names.insert("跨度" + std::to_string(std::max({d[0], d[1], d[2]}) - std::min({d[0], d[1], d[2]})));
    names.insert("201路" + res);
    const int zeros = 3 - ones - twos;
    std::string comp;
    const char *words[4] = {"", "一", "两", "全"};
    if (zeros == 3 || ones == 3 || twos == 3) {
        comp = std::string("全") + (zeros == 3 ? "0" : ones == 3 ? "1" : "2");
    } else {
        if (zeros) comp += std::string(words[zeros]) + "0";
        if (ones) comp += std::string(words[ones]) + "1";
        if (twos) comp += std::string(words[twos]) + "2";
    }
    names.insert("组选201路" + comp);
    names.insert("组选大小" + countsLabel(3 - small, "大", small, "小"));
    names.insert("组选奇偶" + countsLabel(3 - even, "奇", even, "偶"));
    const int pairs[3][2] = {{0, 1}, {1, 2}, {2, 0}};
    for (const auto &p : pairs) {
        const std::string pq = std::string(Pos[p[0]]) + Pos[p[1]];
        names.insert(pq + "位位和" + std::to_string(d[p[0]] + d[p[1]]));
        names.insert(pq + "位位差" + std::to_string(std::abs(d[p[0]] - d[p[1]])));
    }
    if (i >= 1) {
        std::string rel;
        for (int p = 0; p < 3; ++p) {
            const int dist = circular(d[p], h[i - 1][size_t(p + 1)]);
            names.insert(std::string(Pos[p]) + "位距离" + std::to_string(dist));
            rel += dist == 0 ? "传" : dist == 1 ? "邻" : "孤";
        }
        names.insert("传邻孤" + rel);
    }
    if (i >= 2) {
        std::string rel;
        for (int p = 0; p < 3; ++p)
            rel += d[p] == h[i - 1][size_t(p + 1)] ? "复" : d[p] == h[i - 2][size_t(p + 1)] ? "隔" : "中";
        names.insert("复隔中" + rel);
    }
    return names;
}

bool occurs(const SearchItem &item, const DrawTable &h, size_t i, const std::set<std::string> &names) {
    const std::string &n = item.name;
    if (n.find("位胆") != std::string::npos) {
        const std::string set = n.substr(n.find("位胆") + std::string("位胆").size());
        return set.find(char('0' + h[i][size_t(item.position + 1)])) != std::string::npos;
    }
    if (n.rfind("三位复式", 0) == 0) {
        const std::string set = n.substr(std::string("三位复式").size());
        for (int p = 1; p <= 3; ++p)
            if (set.find(char('0' + h[i][size_t(p)])) == std::string::npos) return false;
        return true;
    }
    return names.count(n) > 0;
}

int firstTested(const std::string &name) {
    if (name.rfind("复隔中", 0) == 0) return 2;
    if (name.rfind("传邻孤", 0) == 0 || name.find("位距离") != std::string::npos) return 1;
    return 0;
}

DrawTable randomHistory(int count, unsigned seed) { return test::randomHistory(count, seed, 2000); }

} // namespace

TEST(SearchCatalogue, ItemsNamesAndCounts) {
    ASSERT_EQ(items().size(), size_t(SearchItemCount));
    std::set<std::string> names;
    for (const SearchItem &item : items()) names.insert(item.name);
    EXPECT_EQ(names.size(), items().size()); // every name is unique
    EXPECT_EQ(items()[0].name, "百位胆0");
    EXPECT_EQ(items()[10].name, "十位胆0");
    EXPECT_EQ(items()[30].name, "百位胆01");
    EXPECT_EQ(items()[524].name, "个位胆789");
    EXPECT_EQ(items()[525].name, "三位复式0");
    EXPECT_EQ(items()[1161].name, "三位复式56789");
    EXPECT_EQ(items()[1162].name, "小小小");
    EXPECT_EQ(items()[1164].name, "小大小");
    EXPECT_EQ(items()[1170].name, "奇偶偶偶偶");
    EXPECT_EQ(items()[1170].reboundName, "偶偶偶");
    EXPECT_EQ(items()[1177].reboundName, "奇奇奇");
    EXPECT_EQ(items()[1178].name, "和值0");
    EXPECT_EQ(items().back().name, "组选奇偶全偶");
    EXPECT_EQ(items()[size_t(indexOf("201路100"))].value, 1);
    EXPECT_EQ(items()[size_t(indexOf("201路102"))].value, 19);
    EXPECT_EQ(items()[size_t(indexOf("201路000"))].count, 64);
    EXPECT_EQ(items()[size_t(indexOf("传邻孤邻传传"))].value, 1);
    EXPECT_EQ(items()[size_t(indexOf("传邻孤孤孤孤"))].count, 343);
    EXPECT_EQ(items()[size_t(indexOf("复隔中中中中"))].count, 512);
    EXPECT_EQ(items()[size_t(indexOf("个百位位和9"))].count, 100);
    EXPECT_EQ(items()[size_t(indexOf("组选201路一0一1一2"))].count, 216);
    EXPECT_EQ(items()[size_t(indexOf("和值10"))].count, 63);

    // Expected periods: halves go to the even neighbour.
    EXPECT_EQ(expectedPeriod(80), 12);
    EXPECT_EQ(items()[size_t(indexOf("百十位位和7"))].expected, 12);
    EXPECT_EQ(expectedPeriod(400), 2); // 2.5
    EXPECT_EQ(items()[size_t(indexOf("三位复式0"))].expected, 1000);
    EXPECT_EQ(items()[size_t(indexOf("跨度5"))].expected, 7); // 6.67

    // Every value group (one position or pair at a time) covers the 1000 numbers once.
    std::map<std::pair<int, int>, int> totals;
    for (const SearchItem &item : items())
        if (item.group != ItemGroup::PositionDanma && item.group != ItemGroup::Compound)
            totals[{int(item.group), item.position}] += item.count;
    for (const auto &[key, total] : totals) EXPECT_EQ(total, 1000) << key.first << '/' << key.second;
}

TEST(OmissionSearch, OnePassAgreesWithAWalkPerItem) {
    for (const int count : {0, 1, 2, 3, 40, 700}) {
        const DrawTable h = randomHistory(count, unsigned(count) + 7);
        std::vector<std::set<std::string>> names;
        for (size_t i = 0; i < h.size(); ++i) names.push_back(drawNames(h, i));
        const std::vector<DeviationRow> deviation = deviationSearch(h);
        const std::vector<ReboundRow> rebound = reboundSearch(h);
        ASSERT_EQ(deviation.size(), items().size());
        for (size_t k = 0; k < items().size(); ++k) {
            const SearchItem &item = items()[k];
            int first = -1, second = -1;
            for (int i = count - 1; i >= firstTested(item.name) && second < 0; --i)
                if (occurs(item, h, size_t(i), names[size_t(i)])) (first < 0 ? first : second) = i;
            const int untested = std::max(0, count - firstTested(item.name));
            const int omission = first < 0 ? untested : count - 1 - first;
            const int previous = second >= 0 ? first - second : first >= 0 ? first + 1 : count;
            ASSERT_EQ(deviation[k].omission, omission) << item.name << " draws " << count;
            ASSERT_EQ(deviation[k].multiple, omission / item.expected) << item.name;
            ASSERT_EQ(rebound[k].omission, omission) << item.name;
            ASSERT_EQ(rebound[k].previous, previous) << item.name << " draws " << count;
            ASSERT_EQ(rebound[k].multiple, omission + previous >= count ? 0 : previous / item.expected) << item.name;
        }
    }
}

TEST(OmissionSearch, DeviationEdgeCases) {
    const DrawTable one = test::history({{2024001, 1, 2, 3}});
    const std::vector<DeviationRow> rows = deviationSearch(one);
    EXPECT_EQ(rows[size_t(indexOf("百位胆1"))].omission, 0);
    EXPECT_EQ(rows[size_t(indexOf("百位胆0"))].omission, 1);
    EXPECT_EQ(rows[size_t(indexOf("百位胆0"))].multiple, 0);
    EXPECT_EQ(rows[size_t(indexOf("传邻孤传传传"))].omission, 0); // never tested
    EXPECT_TRUE(listedDeviation(rows, true, 5).empty());
    EXPECT_EQ(listedDeviation(rows, false, 5).size(), 1430u);

    for (const DeviationRow &row : deviationSearch({})) {
        EXPECT_EQ(row.omission, 0);
        EXPECT_EQ(row.multiple, 0);
    }
    // Threshold 1 lists every item absent for at least one period.
    const DrawTable h = randomHistory(200, 3);
    const std::vector<DeviationRow> all = deviationSearch(h);
    size_t absent = 0;
    for (const DeviationRow &row : all) absent += row.omission >= row.expected;
    EXPECT_EQ(listedDeviation(all, true, 1).size(), absent);
    EXPECT_GT(absent, 0u);
}

TEST(OmissionSearch, ReboundEdgeCases) {
    // 和值6 in the two newest draws: omission 0, previous 1, multiple 0.
    const DrawTable h = test::history({{1, 9, 9, 9}, {2, 1, 2, 3}, {3, 0, 0, 6}});
    const std::vector<ReboundRow> rows = reboundSearch(h);
    const ReboundRow &six = rows[size_t(indexOf("和值6"))];
    EXPECT_EQ(six.omission, 0);
    EXPECT_EQ(six.previous, 1);
    EXPECT_EQ(six.multiple, 0);
    // Seen once: previous = its index + 1, multiple 0, never listed.
    const ReboundRow &once = rows[size_t(indexOf("和值27"))];
    EXPECT_EQ(once.omission, 2);
    EXPECT_EQ(once.previous, 1);
    EXPECT_EQ(once.multiple, 0);
    // A long completed absence is listed; one seen once with the same gap is not.
    DrawTable longGap;
    for (int i = 0; i < 30; ++i) longGap.push_back({i, 5, 5, 5});
    longGap.front() = {0, 0, 0, 0};
    longGap.push_back({30, 0, 0, 0});
    const std::vector<ReboundRow> gap = reboundSearch(longGap);
    const ReboundRow &zero = gap[size_t(indexOf("百位胆0"))];
    EXPECT_EQ(zero.previous, 30);
    EXPECT_EQ(zero.multiple, 3);
    const std::vector<ReboundRow> listed = listedRebound(gap, 31, true, 3);
    EXPECT_TRUE(std::any_of(listed.begin(), listed.end(), [&](const ReboundRow &r) { return r.item == zero.item; }));
    for (const ReboundRow &row : listed) EXPECT_LT(row.omission + row.previous, 31);
    EXPECT_EQ(listedRebound(gap, 31, false, 3).size(), 1430u);
}

TEST(OmissionSearch, ThresholdAndMessages) {
    EXPECT_EQ(searchThreshold("10"), 10);
    EXPECT_EQ(userErrorOf([] { searchThreshold("1o"); }), "'1o' 不是一个有效的整形值");
    EXPECT_EQ(deviationMessage("5", 5), "以下偏态为系统搜索出的遗漏5周期以上偏态，请重点关注！");
    EXPECT_EQ(reboundMessage("5", 5), "以下偏态为系统搜索出的遗漏5周期以上偏态且最近一周期内中出，请重点关注！");
    EXPECT_EQ(deviationMessage("4", 4), "");
    EXPECT_EQ(reboundMessage("1", 1), "");
}
