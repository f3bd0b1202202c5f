#pragma once
// The optimal interval selection: a randomised search that rewrites the draw history
// into transformed histories (a random relabelling of the digits shifted with the
// draw's position, or a ranking of the relabelled digits), picks the numbers whose last
// completed absence reached a threshold, and maps each back to a real number for every
// one of the next 200 draws (the stages).

#include "core/numberlist.h"
#include "core/random.h"
#include "core/u_public.h"

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace corvel {

constexpr int IntervalStages = 200;
constexpr int IntervalMaxTarget = 2000;

struct IntervalSettings {
    int start = 0;             // S: draws before the start issue, 0 … DrawCount
    int target = 1000;         // 号码注数
    int threshold = 500;       // 间隔范围 >=
    bool hundreds = false;     // "百位直选" (else "常规直选")
    bool ranking = false;      // "排名模式" (else "排列模式")
    bool byInterval = false;   // "间隔模式" (else "次数模式")
    bool randomWindow = false; // "随机阶段" (else "固定阶段")
    bool maxWindow = false;    // "最大阶段期数" (else "有限阶段期数")
    int windowLength = 200;    // 阶段期数, 1 … 1000
};

// The default threshold of the window: 500 for the two three-digit games, else 5000.
int defaultIntervalThreshold(const std::string &lotteryName);

// Refuses settings a search cannot finish with: a target outside 1 … 2000, a start
// issue without two earlier draws, a threshold above the widest interval the draws
// before the start issue can hold (S − 1).
void checkIntervalSettings(int drawCount, const IntervalSettings &settings);

// The repeated runs started by a double-click on the window: at most this many.
constexpr int IntervalRepeatedRuns = 200;

// The start issues of the repeated runs, from the newest draw back; they end where a start
// issue has too few draws before it for the settings. Throws what checkIntervalSettings
// throws for the newest start, and UserError when there is no draw to start from.
std::vector<int> repeatedRunStarts(int drawCount, IntervalSettings settings, int runs = IntervalRepeatedRuns);

// A relabelling P of the digits 0–9 (drawn position by position, again whenever the digit
// is already used) and its inverse Q.
struct Relabelling {
    std::array<int, 10> p{};
    std::array<int, 10> q{};
};
Relabelling drawRelabelling(Lcg &random);

// The ranking window length L of one transformed history (draws from `random` for
// "随机阶段").
int rankingWindow(const IntervalSettings &settings, Lcg &random);

// Rows 0 … rows − 1 of the transformed history, each as three transformed digits.
// Permutation mode ignores `window`.
std::vector<Number> transformedHistory(const DrawTable &history, const IntervalSettings &settings,
                                       const Relabelling &relabelling, int window, int rows);

struct IntervalResult {
    // 200 lists, list s − 1 for stage s, each sorted ascending and holding `collected`
    // entries.
    std::vector<NumberList> stages;
    int collected = 0;
    int64_t passes = 0;
    bool stopped = false; // ended by the stop flag before the target was reached
};

// The value the progress bar shows: numbers collected ("常规直选"), or blocks of 100
// ("百位直选"); the bar's maximum is the target, or target / 100.
using IntervalProgress = std::function<void(int value)>;
int intervalProgressMaximum(const IntervalSettings &settings);

// "开始过滤": passes until the target is collected or `stop` is set (checked before every
// pass). `progress` is called after every pass. Throws what checkIntervalSettings throws.
IntervalResult searchIntervals(const DrawTable &history, const IntervalSettings &settings, Lcg &random,
                               const std::atomic<bool> &stop, const IntervalProgress &progress = {});

// The shown list of stage s (1 … 200): the distinct numbers of its entries, ascending.
NumberList intervalStageList(const IntervalResult &result, int stage);
// "百位号码：" + the distinct hundreds digits of a list, ascending ("37").
std::string hundredsDigits(const NumberList &numbers);

// The 200 items of "目前追号期：": "%.2d" of s + ":" + (issue of draw S − 1 + s).
std::vector<std::string> intervalStageItems(const DrawTable &history, int start);

struct IntervalVerifyRow {
    std::string stage;  // the stage item
    std::string drawn;  // the drawn number, or "未开"
    std::string result; // "中出", "未中", or empty
};
struct IntervalVerification {
    std::vector<IntervalVerifyRow> rows; // 200
    int hits = 0;
    int longestMiss = 0; // longest run of misses before a hit
    std::string message; // "中出次数：… 最大不中期数：…"
};
// "验证": every stage's shown list against the draw it belongs to.
IntervalVerification verifyIntervals(const DrawTable &history, int start, const IntervalResult &result);

// The longest run of rows before a hit that are not hits; rows after the last hit do
// not count.
int longestMissBeforeHit(const std::vector<bool> &hits);

} // namespace corvel
