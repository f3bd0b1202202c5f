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
    return [=] { return exclusionTool(readExclusionConditions(readInputFile(conditions))); };
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

// The options before TOOL: the back-test's own, as the window's edits would hold them.
// Returns the position of TOOL in args.
size_t takeBacktestOptions(const Args &args, BacktestTexts &texts) {
    size_t i = 1;
    while (i < args.size()) {
        const std::string &arg = args[i];
        const size_t values = arg == "--prizes" ? 3 : arg == "--draws" || arg == "--price" ? 1 : 0;
        if (values == 0) break;
        if (i + values >= args.size()) throw UserError("选项 " + arg + (values == 1 ? " 缺少取值" : " 需要三个取值"));
        if (arg == "--draws") texts.draws = args[i + 1];
        if (arg == "--price") texts.price = args[i + 1];
        if (arg == "--prizes") {
            texts.directPrize = args[i + 1];
            texts.groupThreePrize = args[i + 2];
            texts.groupSixPrize = args[i + 3];
        }
        i += values + 1;
    }
    return i;
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
    if (args.empty() || looksLikeOption(args[0])) return usage();
    BacktestTexts texts;
    const size_t toolAt = takeBacktestOptions(args, texts);
    if (toolAt >= args.size()) return usage();
    const auto reader = toolReaders().find(args[toolAt]);
    if (reader == toolReaders().end()) return usage();
    Args toolArgs(args.begin() + long(toolAt) + 1, args.end());
    const std::optional<ToolBuilder> build = reader->second(toolArgs);
    if (!build) return usage();

    const HistoryText history = readHistoryText(readInputFile(args[0]));
    const BacktestSettings settings = texts.read(history.draws.size());
    const ListTool tool = (*build)();
    std::ostringstream text; // nothing reaches stdout before the run has succeeded
    writeBacktest(text, runBacktest(history.draws, settings, tool), history.issues);
    out << text.str();
    return 0;
});

} // namespace

} // namespace corvel::report
