#pragma once
// The total filter "总体过滤": sixteen conditions on a number's digits cut the 1000 direct
// numbers down to a bet list. Every active condition a number fails adds one to its failure
// count; a number is kept when its count lies in the tolerance range. Also the list loader
// of "载入", "直转组", the back-test over the newest draws and the condition file of
// "保存条件" / "载入条件".

#include "core/numberlist.h"
#include "core/u_public.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace corvel {

// Item index of a keep/delete radio group: 0 "留", 1 "删".
enum KeepDelete { Keep = 0, Delete = 1 };
// Item index of a two-code row's mode: 0 "直选" (ordered), 1 "组选" (either order).
enum TwoCodeMode { Ordered = 0, EitherOrder = 1 };
// Item index of the danma counting mode opt7: 0 "按号码", 1 "按位置".
enum DanmaMode { ByNumber = 0, ByPosition = 1 };

// The window's controls as plain values; a default value is the window as it is created.
struct TotalFilterSettings {
    std::array<std::array<bool, 10>, 3> tiles{};    // 定位: chkb, chks, chkg (selected tiles)
    int positionKeep = Keep;                        // optds1, shared by the three rows
    std::array<bool, 28> sums{};                    // chkhe0..27
    int sumKeep = Keep;                             // optds2
    std::array<bool, 10> spans{};                   // chkka0..9
    int spanKeep = Keep;                            // optds3
    std::array<bool, 8> bigSmall{};                 // chkdx0 大大大 … chkdx7 小小小
    int bigSmallKeep = Keep;                        // optds4
    std::array<bool, 8> oddEven{};                  // chkjo0 奇奇奇 … chkjo7 偶偶偶
    int oddEvenKeep = Keep;                         // optds5
    std::array<bool, 10> sumTails{};                // chkhw0..9
    int sumTailKeep = Keep;                         // optds6
    std::array<std::string, 2> danma;               // edtdan1, edtdan2
    std::array<std::array<bool, 4>, 2> danmaHits{}; // chkz10..13, chkz20..23
    int danmaMode = ByNumber;                       // opt7
    std::array<bool, 27> residues{};                // chkxt0..26, N = 9·r1 + 3·r2 + r3
    int residueKeep = Keep;                         // optds8
    std::array<std::string, 4> twoCodes;            // edtreima1..4: 百十, 十个, 百个, 不定位
    std::array<int, 4> twoCodeMode{};               // opt9..12
    std::array<int, 4> twoCodeKeep{};               // optds9..12
    bool group6 = false;                            // chkzhu6 "组六"
    bool group3 = false;                            // chkzhu3 "组三"
    bool leopard = false;                           // chkbao "豹子"
    std::string lowText = "0";                      // edtnum1, tolerance low
    std::string highText = "0";                     // edtnum2, tolerance high

    bool operator==(const TotalFilterSettings &) const = default;
};

// The number of active conditions each number 000..999 fails (at most 16).
std::array<int, 1000> totalFilterFailures(const TotalFilterSettings &settings);

// One filter run on `numbers` (DirectNumbers): column 3 gets the failure counts, then the
// tolerance texts are read (UserError with the standard conversion message when one is not
// an integer; column 3 is already written then), and the candidates whose failure count
// lies in low..high are returned ascending. With `loadedOnly` only the rows whose column 4
// is 0 are candidates.
std::vector<int> runTotalFilter(DirectNumberTable &numbers, const TotalFilterSettings &settings, bool loadedOnly);

// "缩水结果：" + count + "注", or "缩水结果：" alone before any result.
std::string resultLabel(size_t count);
std::string resultLabel();
// The result box's text: every number as three digits followed by one blank, on one line.
std::string resultText(const std::vector<int> &numbers);

// Number-list files larger than this are no lists ("载入" refuses them before reading).
constexpr long long MaxListFileBytes = 4LL * 1024 * 1024;
// The message for such a file.
std::string listFileTooLargeMessage();

// "载入": the lines of a number-list file → the distinct numbers, ascending. Pieces are
// split at blanks and commas; the first three characters of every piece are a number.
// Throws UserError (standard conversion message) for a piece that does not start with
// three digits, and a message for a file without any number.
std::vector<int> readLoadedList(const std::vector<std::string> &lines);
// Column 4 of `numbers`: 1 for every row, then 0 for every loaded number.
void markLoaded(DirectNumberTable &numbers, const std::vector<int> &loaded);
// "清空": columns 3 and 4 of `numbers` back to 0 (no result, no loaded list).
void clearLoaded(DirectNumberTable &numbers);

// The captions of the pattern boxes in the order the settings index them: "大大大" …
// "小小小", "奇奇奇" … "偶偶偶" (box 4·h + 2·t + u, 1 for small or even) and the 27
// residue patterns "000" … "222".
const std::vector<std::string> &bigSmallCaptions();
const std::vector<std::string> &oddEvenCaptions();
const std::vector<std::string> &residueCaptions();

// "直转组": the result box's text (its lines joined with nothing between) → the group
// numbers (ascending digits, no leopards) that occur, in ascending order. Throws UserError
// when a piece between blanks does not start with three digits.
NumberList directToGroup(const std::string &text);

// "历史验证": the current conditions and tolerance applied to the numbers of the newest
// `draws` draws of `history` (all of them when there are fewer). Throws UserError when a
// tolerance text is not an integer or `draws` is below 1.
struct BackTestRow {
    int32_t issue = 0;
    Number number{};
    bool kept = false;
};
struct BackTestResult {
    std::vector<BackTestRow> rows; // oldest first
    int hits = 0;                  // rows kept
};
BackTestResult backTest(const DrawTable &history, const TotalFilterSettings &settings, int draws);
// The summary line of a back-test: "验证N期，保留M期（命中率P%）".
std::string backTestSummary(const BackTestResult &result);

// The condition file of "保存条件" / "载入条件" (keys are the control names; see
// core/conditionfile.h for the form). Reading starts from the window's defaults, so a key
// not given keeps its default; a faulty file throws UserError naming the line.
std::string writeTotalFilterConditions(const TotalFilterSettings &settings);
TotalFilterSettings readTotalFilterConditions(const std::string &text);

} // namespace corvel
