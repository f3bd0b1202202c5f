#include "filters/exclusion.h"

#include "core/conditionfile.h"
#include "core/intconv.h"
#include "core/usererror.h"

#include <algorithm>
#include <bitset>
#include <cctype>
#include <set>

namespace corvel {

namespace {

using DigitSet = std::bitset<10>;

// The decimal digits a text holds anywhere.
DigitSet digitsIn(const std::string &text) {
    DigitSet set;
    for (const char c : text)
        if (c >= '0' && c <= '9') set.set(size_t(c - '0'));
    return set;
}

// Parts of a rule-8 item joined by "*", empty parts kept.
std::vector<std::string> starParts(const std::string &item) {
    std::vector<std::string> parts;
    size_t from = 0;
    for (;;) {
        const size_t star = item.find('*', from);
        parts.push_back(item.substr(from, star == std::string::npos ? std::string::npos : star - from));
        if (star == std::string::npos) break;
        from = star + 1;
    }
    return parts;
}

// The digits of a number as a set of ten bits.
unsigned digitMask(const Number &n) { return (1u << n[0]) | (1u << n[1]) | (1u << n[2]); }

// Everything a run needs, read and checked before the first number is looked at. The
// texts are read once into small tables, so a number is judged in constant time however
// long the texts are (a rule text may hold any number of items).
struct PreparedRules {
    const ExclusionSettings &settings;
    int tolerance = 0;
    int danmaMinimum = 1;
    int64_t recent = 0;
    int64_t drawCount = 0;
    std::array<DigitSet, 5> digitRules{};            // Span … Units: the digits the text names
    std::bitset<100> twoCodes;                       // "ab": the ordered pairs a, b
    std::bitset<27> residueCodes;                    // "012" patterns, base 3
    std::bitset<28> sums;                            // the sums 0 … 27 (no other sum occurs)
    std::array<std::array<DigitSet, 10>, 10> junk{}; // hundreds, tens -> the units an item kills
    std::bitset<1024> danmaKilled;                   // by the digit set of a number
    std::array<int, 1000> newest{};

    PreparedRules(const DrawTable &history, const ExclusionSettings &s) : settings(s) {
        for (size_t r = 0; r < digitRules.size(); ++r) digitRules[r] = digitsIn(s.texts[r]);
        for (const std::string &code : blankPieces(s.text(ExclusionRule::TwoDigits)))
            if (code.size() == 2 && std::isdigit(static_cast<unsigned char>(code[0])) &&
                std::isdigit(static_cast<unsigned char>(code[1])))
                twoCodes.set(size_t((code[0] - '0') * 10 + (code[1] - '0')));
        for (const std::string &code : blankPieces(s.text(ExclusionRule::Residues)))
            if (code.size() == 3 && std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '2'; }))
                residueCodes.set(size_t((code[0] - '0') * 9 + (code[1] - '0') * 3 + (code[2] - '0')));
        for (const std::string &piece : blankPieces(s.text(ExclusionRule::Sum))) {
            const int sum = strToInt(piece);
            if (sum >= 0 && sum <= 27) sums.set(size_t(sum));
        }
        const std::vector<std::string> danmaGroups = blankPieces(s.text(ExclusionRule::Danma));
        if (!danmaGroups.empty()) danmaMinimum = strToInt(s.danmaMinimum);
        prepareDanma(danmaGroups);
        if (s.isTicked(ExclusionRule::Junk))
            for (const std::string &item : blankPieces(s.text(ExclusionRule::Junk))) {
                const std::vector<std::string> parts = starParts(item);
                if (parts.size() < 3) throw UserError(listIndexMessage(static_cast<int>(parts.size())));
                const DigitSet hundreds = digitsIn(parts[0]), tens = digitsIn(parts[1]), units = digitsIn(parts[2]);
                for (size_t a = 0; a < 10; ++a)
                    if (hundreds[a])
                        for (size_t b = 0; b < 10; ++b)
                            if (tens[b]) junk[a][b] |= units;
            }
        if (s.isTicked(ExclusionRule::Recent)) recent = strToInt(s.text(ExclusionRule::Recent));
        tolerance = strToInt(s.tolerance);
        newest.fill(-1);
        for (size_t i = 0; i < history.size(); ++i) {
            const int v = history[i][1] * 100 + history[i][2] * 10 + history[i][3];
            if (v >= 0 && v < 1000) newest[static_cast<size_t>(v)] = static_cast<int>(i);
        }
        drawCount = static_cast<int64_t>(history.size());
    }

    // A group kills a number when fewer than the minimum of the group's characters are
    // among the number's digits (a digit written twice in a group counts twice). Whether a
    // number dies depends on its set of digits alone, so the groups are judged once for
    // each set a number can have.
    void prepareDanma(const std::vector<std::string> &groups) {
        if (groups.empty() || danmaMinimum <= 0) return;
        std::vector<unsigned> numberSets;
        for (int v = 0; v < 1000; ++v) numberSets.push_back(digitMask(numberFromValue(v)));
        std::sort(numberSets.begin(), numberSets.end());
        numberSets.erase(std::unique(numberSets.begin(), numberSets.end()), numberSets.end());
        // Counts beyond the minimum change nothing, so groups that differ only there are one.
        std::set<std::array<int, 10>> distinct;
        for (const std::string &group : groups) {
            std::array<int, 10> counts{};
            for (const char c : group)
                if (c >= '0' && c <= '9') counts[size_t(c - '0')] = std::min(counts[size_t(c - '0')] + 1, danmaMinimum);
            distinct.insert(counts);
        }
        for (const std::array<int, 10> &counts : distinct)
            for (const unsigned set : numberSets) {
                if (danmaKilled[set]) continue;
                int present = 0;
                for (size_t d = 0; d < 10; ++d)
                    if (set & (1u << d)) present += counts[d];
                if (present < danmaMinimum) danmaKilled.set(set);
            }
    }

    bool meets(ExclusionRule rule, const Number &n) const {
        const int a = n[0], b = n[1], c = n[2];
        switch (rule) {
        case ExclusionRule::Span:
            return digitRules[0][size_t(std::max({a, b, c}) - std::min({a, b, c}))];
        case ExclusionRule::SumTail:
            return digitRules[1][size_t((a + b + c) % 10)];
        case ExclusionRule::Hundreds:
            return digitRules[2][size_t(a)];
        case ExclusionRule::Tens:
            return digitRules[3][size_t(b)];
        case ExclusionRule::Units:
            return digitRules[4][size_t(c)];
        case ExclusionRule::TwoDigits:
            return twoCodes[size_t(a * 10 + b)] || twoCodes[size_t(b * 10 + a)] || twoCodes[size_t(a * 10 + c)] ||
                   twoCodes[size_t(c * 10 + a)] || twoCodes[size_t(b * 10 + c)] || twoCodes[size_t(c * 10 + b)];
        case ExclusionRule::Residues:
            return residueCodes[size_t(a % 3 * 9 + b % 3 * 3 + c % 3)];
        case ExclusionRule::Junk:
            return junk[size_t(a)][size_t(b)][size_t(c)];
        case ExclusionRule::Sum:
            return sums[size_t(a + b + c)];
        case ExclusionRule::Danma:
            return danmaKilled[digitMask(n)];
        case ExclusionRule::Recent: {
            // A number that never came out counts as last seen before the first draw.
            const int at = newest[static_cast<size_t>(numberValue(n))];
            return drawCount - at <= recent;
        }
        }
        return false;
    }
};

} // namespace

namespace {
// Box and edit keys of the rules, in rule order.
const char *const BoxKeys[ExclusionRuleCount] = {"chkkuadu", "chkheiwei", "chkbai", "chkshi",   "chkgei",  "chkrma",
                                                 "chk012",   "chklaji",   "chkhei", "chkdanma", "chkyilou"};
const char *const EditKeys[ExclusionRuleCount] = {"edtkuadu", "edtheiwei", "edtbai", "edtshi",   "edtgei",  "edtrma",
                                                  "edt012",   "edtlaji",   "edthei", "edtdanma", "edtyilou"};
const char *const DanmaMinimumKey = "edtdanmanum";
const char *const ToleranceKey = "edtyongcuo";
} // namespace

const std::vector<std::string> &exclusionConditionKeys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> k;
        for (int r = 0; r < ExclusionRuleCount; ++r) {
            k.emplace_back(BoxKeys[r]);
            k.emplace_back(EditKeys[r]);
            if (r == static_cast<int>(ExclusionRule::Danma)) k.emplace_back(DanmaMinimumKey);
        }
        k.emplace_back(ToleranceKey);
        return k;
    }();
    return keys;
}

ExclusionSettings readExclusionConditions(const std::string &text, const ExclusionSettings &defaults) {
    const ConditionFile file = parseConditionFile(text, exclusionConditionKeys());
    ExclusionSettings s = defaults;
    for (size_t r = 0; r < ExclusionRuleCount; ++r) {
        s.ticked[r] = file.flag(BoxKeys[r], s.ticked[r]);
        s.texts[r] = file.text(EditKeys[r], s.texts[r]);
    }
    s.danmaMinimum = file.text(DanmaMinimumKey, s.danmaMinimum);
    s.tolerance = file.text(ToleranceKey, s.tolerance);
    return s;
}

std::string writeExclusionConditions(const ExclusionSettings &s) {
    ConditionWriter out;
    out.comment("综合立体全位排杀选号 过滤条件");
    for (size_t r = 0; r < ExclusionRuleCount; ++r) {
        out.flag(BoxKeys[r], s.ticked[r]);
        out.text(EditKeys[r], s.texts[r]);
        if (r == static_cast<size_t>(ExclusionRule::Danma)) out.text(DanmaMinimumKey, s.danmaMinimum);
    }
    out.text(ToleranceKey, s.tolerance);
    return out.str();
}

std::vector<std::string> blankPieces(const std::string &text) {
    std::vector<std::string> pieces;
    size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && text[at] == ' ') ++at;
        const size_t start = at;
        while (at < text.size() && text[at] != ' ') ++at;
        if (at > start) pieces.push_back(text.substr(start, at - start));
    }
    return pieces;
}

ExclusionResult runExclusion(const DrawTable &history, const ExclusionSettings &settings) {
    const PreparedRules rules(history, settings);
    ExclusionResult result;
    for (int v = 0; v < 1000; ++v) {
        const Number n = numberFromValue(v);
        int kills = 0;
        for (int r = 0; r < ExclusionRuleCount; ++r) {
            const auto rule = static_cast<ExclusionRule>(r);
            if (settings.isTicked(rule) && rules.meets(rule, n)) ++kills;
        }
        result.kills[static_cast<size_t>(v)] = kills;
        if (kills <= rules.tolerance) result.kept.push_back(n);
    }
    return result;
}

} // namespace corvel
