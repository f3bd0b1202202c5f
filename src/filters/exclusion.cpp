#include "filters/exclusion.h"

#include "core/conditionfile.h"
#include "core/intconv.h"
#include "core/usererror.h"

#include <algorithm>

namespace corvel {

namespace {

bool hasDigit(const std::string &text, int digit) {
    return text.find(static_cast<char>('0' + digit)) != std::string::npos;
}

std::string twoDigits(int a, int b) { return {static_cast<char>('0' + a), static_cast<char>('0' + b)}; }

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

// Everything a run needs, read and checked before the first number is looked at.
struct PreparedRules {
    const ExclusionSettings &settings;
    int tolerance = 0;
    int danmaMinimum = 1;
    int64_t recent = 0;
    std::vector<std::string> twoCodes, residueCodes, danmaGroups;
    std::vector<std::array<std::string, 3>> junkItems;
    std::vector<int64_t> sums;
    std::array<int, 1000> newest{};

    PreparedRules(const DrawTable &history, const ExclusionSettings &s) : settings(s) {
        twoCodes = blankPieces(s.text(ExclusionRule::TwoDigits));
        residueCodes = blankPieces(s.text(ExclusionRule::Residues));
        danmaGroups = blankPieces(s.text(ExclusionRule::Danma));
        for (const std::string &piece : blankPieces(s.text(ExclusionRule::Sum))) sums.push_back(strToInt(piece));
        if (!danmaGroups.empty()) danmaMinimum = strToInt(s.danmaMinimum);
        if (s.isTicked(ExclusionRule::Junk))
            for (const std::string &item : blankPieces(s.text(ExclusionRule::Junk))) {
                const std::vector<std::string> parts = starParts(item);
                if (parts.size() < 3) throw UserError(listIndexMessage(static_cast<int>(parts.size())));
                junkItems.push_back({parts[0], parts[1], parts[2]});
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

    int64_t drawCount = 0;

    bool meets(ExclusionRule rule, const Number &n) const {
        const int a = n[0], b = n[1], c = n[2];
        const std::string &text = settings.text(rule);
        switch (rule) {
        case ExclusionRule::Span:
            return hasDigit(text, std::max({a, b, c}) - std::min({a, b, c}));
        case ExclusionRule::SumTail:
            return hasDigit(text, (a + b + c) % 10);
        case ExclusionRule::Hundreds:
            return hasDigit(text, a);
        case ExclusionRule::Tens:
            return hasDigit(text, b);
        case ExclusionRule::Units:
            return hasDigit(text, c);
        case ExclusionRule::TwoDigits: {
            const std::string pairs[6] = {twoDigits(a, b), twoDigits(b, a), twoDigits(a, c),
                                          twoDigits(c, a), twoDigits(b, c), twoDigits(c, b)};
            for (const std::string &code : twoCodes)
                if (std::find(std::begin(pairs), std::end(pairs), code) != std::end(pairs)) return true;
            return false;
        }
        case ExclusionRule::Residues: {
            const std::string pattern{static_cast<char>('0' + a % 3), static_cast<char>('0' + b % 3),
                                      static_cast<char>('0' + c % 3)};
            return std::find(residueCodes.begin(), residueCodes.end(), pattern) != residueCodes.end();
        }
        case ExclusionRule::Junk:
            for (const auto &item : junkItems)
                if (hasDigit(item[0], a) && hasDigit(item[1], b) && hasDigit(item[2], c)) return true;
            return false;
        case ExclusionRule::Sum:
            return std::find(sums.begin(), sums.end(), a + b + c) != sums.end();
        case ExclusionRule::Danma: {
            const std::string digits = numberText(n);
            for (const std::string &group : danmaGroups) {
                int present = 0;
                for (char ch : group)
                    if (digits.find(ch) != std::string::npos) ++present;
                if (present < danmaMinimum) return true;
            }
            return false;
        }
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
