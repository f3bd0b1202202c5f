#pragma once
// "多重大底交集": many saved base lists combined into one. Every candidate is counted in the
// lists whose text holds its digits anywhere (so a file holding 1234 counts 123 and 234),
// and survives when the lists it is missing from lie in the allowed range of its form.
// Also the counting that "次数提取工具" shares, and the two conversions of a result.

#include "core/numberlist.h"
#include "core/u_public.h"

#include <array>
#include <bitset>
#include <string>
#include <string_view>

namespace corvel {

constexpr int MaxListFiles = 2000;

// The three-digit texts that occur in a text: bit v is set when the digits of v ("%.3d")
// stand anywhere in it. Any character that is not a decimal digit separates, so the text
// of a file may be given as it is, line ends included.
using NumberSet = std::bitset<1000>;
NumberSet numbersInText(std::string_view text);

// Counts, for every three-digit text, the lists that hold it. Each list's text is scanned
// once, whatever the number of candidates.
class ListCounter {
public:
    void add(std::string_view listText);
    void clear();
    int lists() const { return lists_; }
    int count(int value) const { return counts_[size_t(value)]; }

private:
    std::array<int, 1000> counts_{};
    int lists_ = 0;
};

enum class ListKind { Direct, Group };

// The candidates of a kind in table order: the 1000 direct numbers, or the 210 group
// combinations without leopards (ascending digits), as numbers.
const NumberList &intersectCandidates(ListKind kind);

// For every candidate of the kind (indexed by its value): draws since it was last drawn
// before `index` (direct: digits in order; group: digits in any order), index + 1 when it
// never was.
std::array<int, 1000> candidateOmissions(const DrawTable &draws, int index, ListKind kind);

struct IntersectSettings {
    ListKind kind = ListKind::Direct;
    int sixLow = 0, sixHigh = 0;     // "组六容错": three different digits
    int threeLow = 0, threeHigh = 0; // "组三容错": a repeated digit
    bool excludeRecent = false;      // "排除最近开奖号码"
    int recent = 100;                // its "排除期数" Y
    int index = 0;                   // the danma window's issue u (DrawCount: the next issue)
};

// The survivors in table order. Throws UserError("请先导入大底文件！") without lists, and a
// message for a negative Y or an issue outside the history.
NumberList intersectLists(const ListCounter &counter, const DrawTable &draws, const IntersectSettings &settings);

// "直选转组": the non-leopard group combinations, in table order, of the pieces of a result
// text (each piece's first three characters, sorted).
NumberList directToGroup(std::string_view resultText);
// "组选转直": every direct number whose digits, sorted, stand in the result text.
NumberList groupToDirect(std::string_view resultText);
// The preview count of a file's text: its decimal digits divided by 3.
int previewCount(std::string_view text);

} // namespace corvel
