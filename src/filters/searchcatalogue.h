#pragma once
// The 1430 indicator items shared by the deviation search "偏态搜索" and the rebound search
// "回补搜索": digit sets per position, compound sets, patterns, sums, spans, residues,
// relations to the previous draws, distances, pair sums and differences, compositions.
// For each item the catalogue knows its name, its theoretical count among the 1000 direct
// numbers and its expected period; one pass over a history finds the two newest draws in
// which every item occurred.

#include "core/u_public.h"

#include <string>
#include <vector>

namespace corvel {

// The sixteen groups, in catalogue order.
enum class ItemGroup {
    PositionDanma = 1,  // 位胆: the digit at a position is in a set
    Compound,           // 三位复式: all three digits are in a set
    BigSmall,           // 大小 pattern
    OddEven,            // 奇偶 pattern
    Sum,                // 和值
    SumTail,            // 和尾
    Span,               // 跨度
    Residue,            // 201路 pattern
    RepeatNeighbour,    // 传邻孤 pattern against the previous draw
    RepeatSkip,         // 复隔中 pattern against the two previous draws
    Distance,           // 位距离 against the previous draw
    PairSum,            // 位位和
    PairDifference,     // 位位差
    ResidueComposition, // 组选201路
    SmallCount,         // 组选大小
    EvenCount,          // 组选奇偶
};

constexpr int SearchItemCount = 1430;

struct SearchItem {
    ItemGroup group;
    int position = 0; // groups 位胆 and 位距离: 0 百, 1 十, 2 个; pair groups: 0 百十, 1 十个, 2 个百
    int digitSet = 0; // groups 位胆 and 三位复式: bit d set for digit d
    int value = 0;    // the item's value within its group (pattern code, sum, key, ...)
    int count = 0;    // how many of the 1000 direct numbers have the value
    int expected = 0; // expected period: 1000 / count, rounded half to even
    std::string name; // as the deviation search names it
    std::string reboundName; // as the rebound search names it (奇偶 patterns without the prefix)
};

// The catalogue, in table order.
const std::vector<SearchItem> &searchCatalogue();

// 1000 / count rounded to the nearest integer, halves to even (1000 / 80 gives 12).
int expectedPeriod(int count);

// The draws in which an item occurred: indexes into the history, −1 for none.
struct ItemOccurrence {
    int newest = -1;
    int second = -1;
};

// The two newest occurrences of every catalogue item, in catalogue order. Patterns against
// the previous draw are tested from draw 1 on (复隔中 from draw 2 on).
std::vector<ItemOccurrence> itemOccurrences(const DrawTable &history);

// The current omission of an item that never occurred: the number of draws it is tested
// on (the whole history, one less for the patterns against the previous draw, two less
// for 复隔中), never below 0.
int testedDraws(ItemGroup group, int drawCount);

// The current omission of an item: draws after its newest occurrence.
int currentOmission(const SearchItem &item, const ItemOccurrence &occurrence, int drawCount);

} // namespace corvel
