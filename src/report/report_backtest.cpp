// corvel-report backtest HISTORY.txt [--draws N] [--price P] [--prizes A B C] TOOL [TOOL OPTIONS]:
// the back-test of a list tool over the newest N draws. TOOL and its options are the tool's
// own command without the history and without --index: total, cold, exclude, omission,
// follow, intersect, stable. Prints "# backtest" with one line ISSUE,DRAW,COUNT,RESULT,PRIZE
// per tested draw, oldest first, then "# summary".

#include "core/historytext.h"
#include "core/usererror.h"
#include "filters/coldcode.h"
#include "filters/exclusion.h"
#include "planning/backtest.h"
#include "planning/backtesttools.h"
#include "report/report.h"
#include "report/tooloptions.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>

namespace corvel::report {

namespace {

const std::string Usage = "backtest HISTORY.txt [--draws N] [--price P] [--prizes A B C] TOOL [TOOL OPTIONS]   "
                          "TOOL (total, cold, exclude, omission, follow, intersect, stable) over the newest N draws";

bool looksLikeOption(const std::string &arg) { return arg.rfind("--", 0) == 0; }

// The tool's positional arguments after its options have been taken: exactly `count`, or
// at least one with `orMore`; never an option left over.
bool positionalFit(const Args &args, size_t count, bool orMore = false) {
    if (std::any_of(args.begin(), args.end(), looksLikeOption)) return false;
    return orMore ? args.size() >= count : args.size() == count;
}

// A tool's options read from its arguments; the builder converts and checks what depends
// on nothing but the options, after the history has been read.
using ToolBuilder = std::function<ListTool()>;
using ToolReader = std::function<std::optional<ToolBuilder>(Args &args)>;

std::optional<ToolBuilder> readTotal(Args &args) {
    const TotalOptions options = takeTotalOptions(args);
    if (!positionalFit(args, 1)) return std::nullopt;
    const std::string conditions = args[0];
    return [=] {
        const ListForm form = options.toGroup ? ListForm::Group : ListForm::Direct;
        return fixedListTool({totalFilterResult(conditions, options), form});
    };
}

std::optional<ToolBuilder> readCold(Args &args) {
    const ColdOptions options = takeColdOptions(args);
    if (!positionalFit(args, 0)) return std::nullopt;
    return [=] { return coldTool(coldKind(options.kind), options.count); };
}

std::optional<ToolBuilder> readExclude(Args &args) {
    if (!positionalFit(args, 1)) return std::nullopt;
    const std::string conditions = args[0];
    return [=] { return exclusionTool(readExclusionConditions(readInputFile(conditions, false))); };
}

std::optional<ToolBuilder> readOmission(Args &args) {
    const OmissionTexts texts = takeOmissionOptions(args);
    if (!positionalFit(args, 0)) return std::nullopt;
    return [=] { return omissionTool(texts.read()); };
}

std::optional<ToolBuilder> readFollow(Args &args) {
    const FollowOptions options = takeFollowOptions(args);
    if (!positionalFit(args, 0)) return std::nullopt;
    return [=] {
        FollowSettings s = options.statistics;
        s.followCount = readFollowCount(options.followCount);
        return followTool(options.kind, s, options.filter());
    };
}

std::optional<ToolBuilder> readIntersect(Args &args) {
    IntersectOptions options = takeIntersectOptions(args);
    if (!positionalFit(args, 1, true)) return std::nullopt;
    const Args files = args;
    return [=]() mutable {
        options.applyRecent();
        return intersectTool(countFiles(files), options.settings);
    };
}

std::optional<ToolBuilder> readStable(Args &args) {
    const StableOptions options = takeStableOptions(args);
    if (!positionalFit(args, 0)) return std::nullopt;
    return [=] { return stableTool(options.settings, std::make_shared<uint32_t>(options.checkedCounter())); };
}

const std::map<std::string, ToolReader> &toolReaders() {
    static const std::map<std::string, ToolReader> readers{
        {"total", readTotal},   {"cold", readCold},           {"exclude", readExclude}, {"omission", readOmission},
        {"follow", readFollow}, {"intersect", readIntersect}, {"stable", readStable},
    };
    return readers;
}

// The back-test's own options, taken out of args wherever they stand: before TOOL as the
// usage shows them, or among the tool's options (no tool has options of these names).
BacktestTexts takeBacktestOptions(Args &args) {
    BacktestTexts texts;
    texts.draws = takeOption(args, "draws", texts.draws);
    texts.price = takeOption(args, "price", texts.price);
    const auto prizes = std::find(args.begin(), args.end(), "--prizes");
    if (prizes != args.end()) {
        if (args.end() - prizes < 4) throw UserError("选项 --prizes 需要三个取值");
        texts.directPrize = prizes[1];
        texts.groupThreePrize = prizes[2];
        texts.groupSixPrize = prizes[3];
        args.erase(prizes, prizes + 4);
    }
    return texts;
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

void writeBacktest(std::ostream &out, const BacktestRun &run, const std::vector<int64_t> &issues) {
    out << "# backtest\n";
    for (const BacktestRow &row : run.rows)
        out << issues[size_t(row.position)] << ',' << numberText(row.draw) << ',' << row.count << ','
            << outcomeName(row.outcome) << ',' << row.prize << '\n';
    const BacktestSummary &s = run.summary;
    out << "# summary\n";
    out << "draws," << s.draws << '\n';
    out << "hits," << s.hits << '\n';
    out << "expected," << fixed(s.expected, 2) << '\n';
    out << "cost," << s.cost << '\n';
    out << "prize," << s.prize << '\n';
    out << "net," << s.net << '\n';
    out << "longest_miss," << s.longestMiss << '\n';
    out << "current_miss," << s.currentMiss << '\n';
    out << "p_value," << fixed(s.pValue, 4) << '\n';
}

const Command backtestCommand("backtest", Usage, [](const Args &args, std::ostream &out, std::ostream &err) {
    const auto usage = [&] {
        err << "usage: corvel-report " << Usage << '\n';
        return 2;
    };
    Args rest = args;
    const BacktestTexts texts = takeBacktestOptions(rest);
    if (rest.size() < 2 || looksLikeOption(rest[0])) return usage();
    const auto reader = toolReaders().find(rest[1]);
    if (reader == toolReaders().end()) return usage();
    Args toolArgs(rest.begin() + 2, rest.end());
    const std::optional<ToolBuilder> build = reader->second(toolArgs);
    if (!build) return usage();

    const HistoryText history = readHistoryText(readInputFile(rest[0]));
    const BacktestSettings settings = texts.read(history.draws.size());
    const ListTool tool = (*build)();
    std::ostringstream text; // nothing reaches stdout before the run has succeeded
    writeBacktest(text, runBacktest(history.draws, settings, tool), history.issues);
    out << text.str();
    return 0;
});

} // namespace

} // namespace corvel::report
