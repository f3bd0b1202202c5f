#pragma once
// Shared state of the open lottery and the small helpers every tool uses.
// Windows read this state and hand plain values to the engine; nothing but the
// loader (and the total filter's two working columns) writes it.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace corvel {

// One draw: [issue, 百, 十, 个].
using DrawRow = std::array<int32_t, 4>;
using DrawTable = std::vector<DrawRow>;
// One direct number: [百, 十, 个, work1, work2]; row n is the number n.
using DirectNumberRow = std::array<int32_t, 5>;
using DirectNumberTable = std::array<DirectNumberRow, 1000>;
// One draw of the draw trend: 44 cells (issue, number, digit counts, position marks).
using TrendRow = std::array<int64_t, 44>;
using TrendTable = std::vector<TrendRow>;

constexpr int MaxDraws = 12000;
constexpr int IndicatorWindowCount = 17;

// Selections of the analysis windows that survive the window; reset on every open.
struct WindowChoices {
    int position = 1;      // Tfrmposcode / Tfrmtotalcode compos, shared
    int posCodeSize = 1;   // Tfrmposcode comnum
    int posCodeGroup = 0;  // Tfrmposcode comzuheiindex
    int totalCodeSize = 1; // Tfrmtotalcode comnum
    int totalCodeGroup = 0;
    // Selected category (1-based) of the seventeen indicator windows, in tab order 3..19.
    std::array<int, IndicatorWindowCount> indicatorCategory{};
    int juliPosition = 1;   // comjulipos
    int huihuoPosition = 1; // comhuihuopos
    int huicaiPosition = 1; // comhuicaipos

    WindowChoices() { indicatorCategory.fill(1); }
};

// Program folder (ends with '/'), set once at start-up. UTF-8.
extern std::string AppDir;

// Lottery profile, set by the catalogue window before the loader runs.
extern std::string LotteryName;
extern int32_t LotteryKind;   // 0 乐透型, 1 数字型
extern int32_t NumberRange;   // 号码总数
extern int32_t PickCount;     // 选择号码数
extern int32_t PositionStart; // 1 左3位, 2 中3位, 3 右3位
extern bool LotteryOpen;

// Computed by the loader.
extern int32_t NumberCount;
extern int32_t DrawCount;
extern const std::array<std::string, 4> PositionNames; // [1..3] = 百, 十, 个
extern DirectNumberTable DirectNumbers;

// Filled when the draw trend window is created.
extern DrawTable DrawHistory;
extern TrendTable TrendRows;
// The issues of DrawHistory's draws as stored, whole, in 64 bits (HistoryFill::issues).
extern std::vector<int64_t> DrawIssues;

extern WindowChoices Choices;

// Binomial coefficient in 32-bit arithmetic: n·(n−1)·…·(n−k+1) / k!; 1 for k <= 0.
int32_t Combinations(int32_t n, int32_t k);
// n^k for the digit kind (LotteryKind 1), Combinations(n, k) otherwise.
int32_t NumberSpaceSize(int32_t n, int32_t k, int32_t kind = LotteryKind);

// Rows 000..999 with zeroed working columns.
DirectNumberTable buildDirectNumbers();

// The three-digit games, whose analysed window is fixed to the left three digits
// and whose draws are shown with three digits.
bool isThreeDigitGame(const std::string &lotteryName);

// The lottery name as printouts title it: its last path component.
std::string lotteryTitleName(const std::string &lotteryName);

// A supported profile: 数字型, 10 values, 3 analysed digits. Returns an empty text
// when it is, otherwise the message that refuses it.
std::string profileRefusal(int32_t kind, int32_t range, int32_t pick);

} // namespace corvel
