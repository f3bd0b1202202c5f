// corvel-report cold | exclude | omission | interval: the cold-code search, the
// comprehensive exclusion, the multiple omission selection and the optimal interval
// search over a history file, as the windows show them. Numbers one per line; a list
// ends with "count,N".

#include "core/historytext.h"
#include "core/intconv.h"
#include "core/usererror.h"
#include "filters/coldcode.h"
#include "filters/exclusion.h"
#include "filters/interval.h"
#include "filters/omission.h"
#include "report/report.h"
#include "report/tooloptions.h"

#include <algorithm>
#include <ostream>

namespace corvel::report {

namespace {

const std::string ColdUsage = "cold HISTORY.txt [--kind 0|1|2|3] [--count N]   cold-code list, omission and memo";
const std::string ExcludeUsage = "exclude HISTORY.txt CONDITIONS.txt   numbers the exclusion conditions keep";
const std::string OmissionUsage = "omission HISTORY.txt [--index CI] [--level1 LO HI] [--level2 LO HI] "
                                  "[--tolerance LO HI] [--no-level1] [--no-level2]   omission statistics and list";
const std::string IntervalUsage =
    "interval HISTORY.txt [--start S] [--target T] [--threshold X] [--hundreds] "
    "[--ranking] [--seed N] [--repeated-starts]   stage 1's list and the verification, or the\n"
    "      start positions and issues of the window's repeated runs";

void writeList(std::ostream &out, const NumberList &numbers) {
    for (const Number &n : numbers) out << numberText(n) << '\n';
    out << "count," << numbers.size() << '\n';
}

bool argumentsFit(const Args &args, size_t count, const std::string &usage, std::ostream &err) {
    if (args.size() == count) return true;
    err << "usage: corvel-report " << usage << "\n";
    return false;
}

// The position of an item of a window's issue box: 0 … DrawCount.
int drawPosition(const std::string &text, int drawCount) {
    const int value = strToInt(text);
    if (value < 0 || value > drawCount) throw UserError(listIndexMessage(value));
    return value;
}

const Command coldCommand("cold", ColdUsage, [](const Args &given, std::ostream &out, std::ostream &err) {
    Args args = given;
    const ColdOptions options = takeColdOptions(args);
    if (!argumentsFit(args, 1, ColdUsage, err)) return 2;
    const BetKind kind = coldKind(options.kind);
    const DrawTable draws = readHistoryText(readInputFile(args[0])).draws;
    const ColdReplay replay = coldReplay(draws, kind, coldSearch(draws, kind, options.count));
    for (const Number &n : replay.numbers) out << numberText(n) << '\n';
    out << "current," << (replay.currentOmission ? std::to_string(*replay.currentOmission) : std::string()) << '\n';
    for (const std::string &line : replay.memo) out << line << '\n';
    return 0;
});

const Command excludeCommand("exclude", ExcludeUsage, [](const Args &args, std::ostream &out, std::ostream &err) {
    if (!argumentsFit(args, 2, ExcludeUsage, err)) return 2;
    const DrawTable draws = readHistoryText(readInputFile(args[0])).draws;
    const ExclusionSettings settings = readExclusionConditions(readInputFile(args[1], false));
    writeList(out, runExclusion(draws, settings).kept);
    return 0;
});

const Command omissionCommand("omission", OmissionUsage, [](const Args &given, std::ostream &out, std::ostream &err) {
    Args args = given;
    const std::string index = takeOption(args, "index", "");
    const OmissionTexts texts = takeOmissionOptions(args);
    if (!argumentsFit(args, 1, OmissionUsage, err)) return 2;
    const OmissionSettings settings = texts.read();
    const DrawTable draws = readHistoryText(readInputFile(args[0])).draws;
    const int drawCount = static_cast<int>(draws.size());
    const int ci = index.empty() ? drawCount : drawPosition(index, drawCount);
    const std::vector<OmissionRow> stats = omissionStatistics(draws, settings);
    out << "# statistics\n";
    for (const OmissionRow &row : stats)
        out << row.issue << ',' << numberText(row.number) << ',' << row.l1 << ',' << row.l2 << ','
            << (row.pass ? "中" : "X") << '\n';
    out << "# list\n";
    writeList(out, omissionFilter(draws, stats, ci, settings));
    return 0;
});

const Command intervalCommand("interval", IntervalUsage, [](const Args &given, std::ostream &out, std::ostream &err) {
    Args args = given;
    const std::string start = takeOption(args, "start", "");
    IntervalSettings settings;
    settings.target = strToInt(takeOption(args, "target", "1000"));
    // The window's threshold for the three-digit games, whose histories these files hold.
    settings.threshold = strToInt(takeOption(args, "threshold", "500"));
    const uint32_t seed = takeSeed(args);
    settings.hundreds = takeFlag(args, "hundreds");
    settings.ranking = takeFlag(args, "ranking");
    const bool repeated = takeFlag(args, "repeated-starts");
    if (!argumentsFit(args, 1, IntervalUsage, err)) return 2;
    const DrawTable draws = readHistoryText(readInputFile(args[0])).draws;
    const int drawCount = static_cast<int>(draws.size());
    settings.start = start.empty() ? drawCount : drawPosition(start, drawCount);
    if (repeated) {
        out << "# starts\n";
        for (const int s : repeatedRunStarts(drawCount, settings)) out << s << ',' << draws[size_t(s)][0] << '\n';
        return 0;
    }
    Lcg random(seed);
    const std::atomic<bool> go{false};
    const IntervalResult result = searchIntervals(draws, settings, random, go);
    out << "# list\n";
    writeList(out, intervalStageList(result, 1));
    out << "# verify\n";
    const IntervalVerification verification = verifyIntervals(draws, settings.start, result);
    for (const IntervalVerifyRow &row : verification.rows)
        out << row.stage << ',' << row.drawn << ',' << row.result << '\n';
    out << verification.message << '\n';
    return 0;
});

} // namespace

} // namespace corvel::report
