#include "filters/totalfilter.h"

#include "core/conditionfile.h"
#include "core/intconv.h"
#include "core/usererror.h"

#include <algorithm>

namespace corvel {

namespace {

constexpr int NumberSpace = 1000;

template <size_t N> bool anyOf(const std::array<bool, N> &boxes) {
    return std::any_of(boxes.begin(), boxes.end(), [](bool b) { return b; });
}

// A selection condition: with "留" a value that is not selected fails, with "删" one that is.
template <size_t N> bool failsSelection(const std::array<bool, N> &selected, int keep, int value) {
    return selected[size_t(value)] == (keep == Delete);
}

// The pairs "ab" that occur anywhere in an edit text, searched without splitting it.
using PairTable = std::array<std::array<bool, 10>, 10>;
PairTable pairsOf(const std::string &text) {
    PairTable table{};
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        const char a = text[i], b = text[i + 1];
        if (a >= '0' && a <= '9' && b >= '0' && b <= '9') table[size_t(a - '0')][size_t(b - '0')] = true;
    }
    return table;
}

// How often each digit character occurs in an edit text.
std::array<int, 10> digitCounts(const std::string &text) {
    std::array<int, 10> counts{};
    for (char c : text)
        if (c >= '0' && c <= '9') ++counts[size_t(c - '0')];
    return counts;
}

struct Digits {
    int h, t, u;
};

// The hit count of a danma row: by number, every character of the text that occurs in the
// number's text counts on its own; by position, the positions whose digit occurs in the text.
int danmaHits(const Digits &d, const std::array<int, 10> &counts, int mode) {
    if (mode == ByPosition) return (counts[size_t(d.h)] > 0) + (counts[size_t(d.t)] > 0) + (counts[size_t(d.u)] > 0);
    int hits = counts[size_t(d.h)];
    if (d.t != d.h) hits += counts[size_t(d.t)];
    if (d.u != d.h && d.u != d.t) hits += counts[size_t(d.u)];
    return hits;
}

bool pairMatches(const PairTable &pairs, int a, int b, int mode) {
    return pairs[size_t(a)][size_t(b)] || (mode == EitherOrder && pairs[size_t(b)][size_t(a)]);
}

// Pattern index of the 大小 and 奇偶 boxes: box 0 is 大大大 (奇奇奇), box 7 小小小 (偶偶偶).
int patternBox(bool h, bool t, bool u) { return (h ? 0 : 4) + (t ? 0 : 2) + (u ? 0 : 1); }

int parseTolerance(const std::string &text) { return strToInt(text); }

const char *const DigitKeys[3] = {"chkb", "chks", "chkg"};
const char *const TwoCodeKeys[4] = {"edtreima1", "edtreima2", "edtreima3", "edtreima4"};
const char *const TwoCodeModeKeys[4] = {"opt9", "opt10", "opt11", "opt12"};
const char *const TwoCodeKeepKeys[4] = {"optds9", "optds10", "optds11", "optds12"};

const std::vector<std::string> &conditionKeys() {
    static const std::vector<std::string> keys{
        "chkb",      "chks",    "chkg",    "optds1",    "chkhe",   "optds2",    "chkka",     "optds3",
        "chkdx",     "optds4",  "chkjo",   "optds5",    "chkhw",   "optds6",    "edtdan1",   "chkz1",
        "edtdan2",   "chkz2",   "opt7",    "chkxt",     "optds8",  "edtreima1", "opt9",      "optds9",
        "edtreima2", "opt10",   "optds10", "edtreima3", "opt11",   "optds11",   "edtreima4", "opt12",
        "optds12",   "chkzhu6", "chkzhu3", "chkbao",    "edtnum1", "edtnum2"};
    return keys;
}

template <size_t N> std::vector<int> ticked(const std::array<bool, N> &boxes) {
    std::vector<int> indexes;
    for (size_t i = 0; i < N; ++i)
        if (boxes[i]) indexes.push_back(int(i));
    return indexes;
}

template <size_t N> std::array<bool, N> boxesOf(const std::vector<int> &indexes) {
    std::array<bool, N> boxes{};
    for (int i : indexes) boxes[size_t(i)] = true;
    return boxes;
}

template <size_t N> void readBoxes(const ConditionFile &file, const std::string &key, std::array<bool, N> &boxes) {
    boxes = boxesOf<N>(file.indexList(key, 0, int(N) - 1, ticked(boxes)));
}

} // namespace

std::array<int, 1000> totalFilterFailures(const TotalFilterSettings &s) {
    std::array<bool, 3> tileRow{};
    for (size_t p = 0; p < 3; ++p) tileRow[p] = anyOf(s.tiles[p]);
    const bool sums = anyOf(s.sums), spans = anyOf(s.spans), bigSmall = anyOf(s.bigSmall);
    const bool oddEven = anyOf(s.oddEven), tails = anyOf(s.sumTails), residues = anyOf(s.residues);
    std::array<bool, 2> danma{};
    std::array<std::array<int, 10>, 2> danmaCounts{};
    for (size_t r = 0; r < 2; ++r) {
        danma[r] = !s.danma[r].empty() && anyOf(s.danmaHits[r]);
        danmaCounts[r] = digitCounts(s.danma[r]);
    }
    std::array<bool, 4> twoCode{};
    std::array<PairTable, 4> pairs{};
    for (size_t r = 0; r < 4; ++r) {
        twoCode[r] = !s.twoCodes[r].empty();
        if (twoCode[r]) pairs[r] = pairsOf(s.twoCodes[r]);
    }
    const bool types = s.group6 || s.group3 || s.leopard;

    std::array<int, 1000> failures{};
    for (int n = 0; n < NumberSpace; ++n) {
        const Digits d{n / 100, n / 10 % 10, n % 10};
        const int digits[3] = {d.h, d.t, d.u};
        int f = 0;
        for (size_t p = 0; p < 3; ++p)
            if (tileRow[p]) f += failsSelection(s.tiles[p], s.positionKeep, digits[p]);
        const int sum = d.h + d.t + d.u;
        if (sums) f += failsSelection(s.sums, s.sumKeep, sum);
        if (spans) f += failsSelection(s.spans, s.spanKeep, std::max({d.h, d.t, d.u}) - std::min({d.h, d.t, d.u}));
        if (bigSmall) f += failsSelection(s.bigSmall, s.bigSmallKeep, patternBox(d.h >= 5, d.t >= 5, d.u >= 5));
        if (oddEven) f += failsSelection(s.oddEven, s.oddEvenKeep, patternBox(d.h % 2, d.t % 2, d.u % 2));
        if (tails) f += failsSelection(s.sumTails, s.sumTailKeep, sum % 10);
        for (size_t r = 0; r < 2; ++r)
            if (danma[r]) {
                const int hits = danmaHits(d, danmaCounts[r], s.danmaMode);
                f += hits > 3 || !s.danmaHits[r][size_t(hits)];
            }
        if (residues) f += failsSelection(s.residues, s.residueKeep, 9 * (d.h % 3) + 3 * (d.t % 3) + d.u % 3);
        const int pairOf[3][2] = {{d.h, d.t}, {d.t, d.u}, {d.h, d.u}};
        for (size_t r = 0; r < 4; ++r) {
            if (!twoCode[r]) continue;
            bool match = false;
            if (r < 3) {
                match = pairMatches(pairs[r], pairOf[r][0], pairOf[r][1], s.twoCodeMode[r]);
            } else {
                for (const auto &pair : {pairOf[0], pairOf[2], pairOf[1]})
                    match = match || pairMatches(pairs[r], pair[0], pair[1], s.twoCodeMode[r]);
            }
            f += match == (s.twoCodeKeep[r] == Delete);
        }
        if (types) {
            const bool leopard = d.h == d.t && d.t == d.u;
            const bool group6 = d.h != d.t && d.t != d.u && d.h != d.u;
            f += !(leopard ? s.leopard : group6 ? s.group6 : s.group3);
        }
        failures[size_t(n)] = f;
    }
    return failures;
}

std::vector<int> runTotalFilter(DirectNumberTable &numbers, const TotalFilterSettings &settings, bool loadedOnly) {
    const std::array<int, 1000> failures = totalFilterFailures(settings);
    for (size_t n = 0; n < failures.size(); ++n) numbers[n][3] = failures[n];
    const int low = parseTolerance(settings.lowText);
    const int high = parseTolerance(settings.highText);
    std::vector<int> kept;
    for (size_t n = 0; n < failures.size(); ++n) {
        if (loadedOnly && numbers[n][4] != 0) continue;
        if (low <= numbers[n][3] && numbers[n][3] <= high) kept.push_back(int(n));
    }
    return kept;
}

std::string resultLabel() { return "缩水结果："; }
std::string resultLabel(size_t count) { return resultLabel() + std::to_string(count) + "注"; }

std::string resultText(const std::vector<int> &numbers) {
    std::string text;
    text.reserve(numbers.size() * 4);
    for (int n : numbers) text += numberText(numberFromValue(n)) + ' ';
    return text;
}

std::string listFileTooLargeMessage() {
    return "文件超过" + std::to_string(MaxListFileBytes / 1024 / 1024) + "MB，不是号码列表文件！";
}

std::vector<int> readLoadedList(const std::vector<std::string> &lines) {
    std::array<bool, 1000> seen{};
    const NumberList numbers = readPieceList(lines);
    if (numbers.empty()) throw UserError("文件中没有号码！");
    for (const Number &n : numbers) seen[size_t(numberValue(n))] = true;
    std::vector<int> loaded;
    for (int n = 0; n < NumberSpace; ++n)
        if (seen[size_t(n)]) loaded.push_back(n);
    return loaded;
}

void markLoaded(DirectNumberTable &numbers, const std::vector<int> &loaded) {
    for (DirectNumberRow &row : numbers) row[4] = 1;
    for (int n : loaded) numbers[size_t(n)][4] = 0;
}

void clearLoaded(DirectNumberTable &numbers) {
    for (DirectNumberRow &row : numbers) row[3] = row[4] = 0;
}

namespace {
std::vector<std::string> patternCaptions(const char *first, const char *second) {
    std::vector<std::string> captions;
    for (int box = 0; box < 8; ++box) {
        std::string caption;
        for (const int bit : {4, 2, 1}) caption += (box & bit) ? second : first;
        captions.push_back(caption);
    }
    return captions;
}
} // namespace

const std::vector<std::string> &bigSmallCaptions() {
    static const std::vector<std::string> captions = patternCaptions("大", "小");
    return captions;
}

const std::vector<std::string> &oddEvenCaptions() {
    static const std::vector<std::string> captions = patternCaptions("奇", "偶");
    return captions;
}

const std::vector<std::string> &residueCaptions() {
    static const std::vector<std::string> captions = [] {
        std::vector<std::string> all;
        for (int n = 0; n < 27; ++n)
            all.push_back(std::to_string(n / 9) + std::to_string(n / 3 % 3) + std::to_string(n % 3));
        return all;
    }();
    return captions;
}

NumberList directToGroup(const std::string &text) {
    std::array<bool, 1000> seen{};
    size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && text[at] == ' ') ++at;
        const size_t start = at;
        while (at < text.size() && text[at] != ' ') ++at;
        if (at == start) break;
        Number n = leadingNumber(text.substr(start, at - start));
        std::sort(n.begin(), n.end());
        seen[size_t(numberValue(n))] = true;
    }
    NumberList groups;
    for (int v = 0; v < NumberSpace; ++v) {
        const Number n = numberFromValue(v);
        const bool ascending = n[0] <= n[1] && n[1] <= n[2];
        if (seen[size_t(v)] && ascending && n[0] != n[2]) groups.push_back(n);
    }
    return groups;
}

BackTestResult backTest(const DrawTable &history, const TotalFilterSettings &settings, int draws) {
    if (draws < 1) throw UserError("验证期数必须是大于0的整数！");
    const std::array<int, 1000> failures = totalFilterFailures(settings);
    const int low = parseTolerance(settings.lowText);
    const int high = parseTolerance(settings.highText);
    BackTestResult result;
    const size_t count = std::min(history.size(), size_t(draws));
    for (size_t i = history.size() - count; i < history.size(); ++i) {
        const DrawRow &draw = history[i];
        BackTestRow row;
        row.issue = draw[0];
        row.number = {draw[1], draw[2], draw[3]};
        bool digits = true;
        for (int d : row.number) digits = digits && d >= 0 && d <= 9;
        const int f = digits ? failures[size_t(numberValue(row.number))] : -1;
        row.kept = digits && low <= f && f <= high;
        result.hits += row.kept;
        result.rows.push_back(row);
    }
    return result;
}

std::string backTestSummary(const BackTestResult &result) {
    const size_t total = result.rows.size();
    std::string text = "验证" + std::to_string(total) + "期，保留" + std::to_string(result.hits) + "期";
    if (total > 0) {
        const auto whole = static_cast<long long>(total);
        const long long tenths = (result.hits * 1000LL + whole / 2) / whole;
        text += "（命中率" + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%）";
    }
    return text;
}

std::string writeTotalFilterConditions(const TotalFilterSettings &s) {
    ConditionWriter out;
    out.comment("总体过滤条件");
    for (size_t p = 0; p < 3; ++p) out.indexList(DigitKeys[p], ticked(s.tiles[p]));
    out.radio("optds1", s.positionKeep);
    out.indexList("chkhe", ticked(s.sums));
    out.radio("optds2", s.sumKeep);
    out.indexList("chkka", ticked(s.spans));
    out.radio("optds3", s.spanKeep);
    out.indexList("chkdx", ticked(s.bigSmall));
    out.radio("optds4", s.bigSmallKeep);
    out.indexList("chkjo", ticked(s.oddEven));
    out.radio("optds5", s.oddEvenKeep);
    out.indexList("chkhw", ticked(s.sumTails));
    out.radio("optds6", s.sumTailKeep);
    out.text("edtdan1", s.danma[0]);
    out.indexList("chkz1", ticked(s.danmaHits[0]));
    out.text("edtdan2", s.danma[1]);
    out.indexList("chkz2", ticked(s.danmaHits[1]));
    out.radio("opt7", s.danmaMode);
    out.indexList("chkxt", ticked(s.residues));
    out.radio("optds8", s.residueKeep);
    for (size_t r = 0; r < 4; ++r) {
        out.text(TwoCodeKeys[r], s.twoCodes[r]);
        out.radio(TwoCodeModeKeys[r], s.twoCodeMode[r]);
        out.radio(TwoCodeKeepKeys[r], s.twoCodeKeep[r]);
    }
    out.flag("chkzhu6", s.group6);
    out.flag("chkzhu3", s.group3);
    out.flag("chkbao", s.leopard);
    out.text("edtnum1", s.lowText);
    out.text("edtnum2", s.highText);
    return out.str();
}

TotalFilterSettings readTotalFilterConditions(const std::string &text) {
    const ConditionFile file = parseConditionFile(text, conditionKeys());
    TotalFilterSettings s;
    for (size_t p = 0; p < 3; ++p) readBoxes(file, DigitKeys[p], s.tiles[p]);
    s.positionKeep = file.radio("optds1", 2, s.positionKeep);
    readBoxes(file, "chkhe", s.sums);
    s.sumKeep = file.radio("optds2", 2, s.sumKeep);
    readBoxes(file, "chkka", s.spans);
    s.spanKeep = file.radio("optds3", 2, s.spanKeep);
    readBoxes(file, "chkdx", s.bigSmall);
    s.bigSmallKeep = file.radio("optds4", 2, s.bigSmallKeep);
    readBoxes(file, "chkjo", s.oddEven);
    s.oddEvenKeep = file.radio("optds5", 2, s.oddEvenKeep);
    readBoxes(file, "chkhw", s.sumTails);
    s.sumTailKeep = file.radio("optds6", 2, s.sumTailKeep);
    s.danma[0] = file.text("edtdan1", s.danma[0]);
    readBoxes(file, "chkz1", s.danmaHits[0]);
    s.danma[1] = file.text("edtdan2", s.danma[1]);
    readBoxes(file, "chkz2", s.danmaHits[1]);
    s.danmaMode = file.radio("opt7", 2, s.danmaMode);
    readBoxes(file, "chkxt", s.residues);
    s.residueKeep = file.radio("optds8", 2, s.residueKeep);
    for (size_t r = 0; r < 4; ++r) {
        s.twoCodes[r] = file.text(TwoCodeKeys[r], s.twoCodes[r]);
        s.twoCodeMode[r] = file.radio(TwoCodeModeKeys[r], 2, s.twoCodeMode[r]);
        s.twoCodeKeep[r] = file.radio(TwoCodeKeepKeys[r], 2, s.twoCodeKeep[r]);
    }
    s.group6 = file.flag("chkzhu6", s.group6);
    s.group3 = file.flag("chkzhu3", s.group3);
    s.leopard = file.flag("chkbao", s.leopard);
    s.lowText = file.text("edtnum1", s.lowText);
    s.highText = file.text("edtnum2", s.highText);
    return s;
}

} // namespace corvel
