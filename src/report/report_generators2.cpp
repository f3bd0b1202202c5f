// corvel-report intersect | count | baselist | danma | stable: the base list tools of the
// danma window family from the command line. Numbers are printed "%03d", one a line; a
// list is followed by "count,N".

#include "core/historytext.h"
#include "core/intconv.h"
#include "core/random.h"
#include "core/usererror.h"
#include "generators/countextract.h"
#include "generators/danma.h"
#include "generators/intersect.h"
#include "generators/stablebase.h"
#include "report/report.h"
#include "report/tooloptions.h"

#include <algorithm>
#include <ostream>
#include <tuple>

namespace corvel::report {

namespace {

bool looksLikeOption(const std::string &arg) { return arg.rfind("--", 0) == 0; }

bool usageError(const Args &args, size_t minimum, const std::string &usage, std::ostream &err) {
    const bool bad = args.size() < minimum || std::any_of(args.begin(), args.end(), looksLikeOption);
    if (bad) err << "usage: corvel-report " << usage << '\n';
    return bad;
}

DrawTable historyDraws(const std::string &path) { return readHistoryText(readInputFile(path)).draws; }

// "--index U": 0 … DrawCount, DrawCount (the default) meaning the next issue.
int takeIndex(Args &args, const DrawTable &draws) {
    const int index = strToInt(takeOption(args, "index", std::to_string(draws.size())));
    if (index < 0 || size_t(index) > draws.size())
        throw UserError("--index 必须在0到" + std::to_string(draws.size()) + "之间！");
    return index;
}

void printList(std::ostream &out, const NumberList &list) {
    for (const Number &n : list) out << numberText(n) << '\n';
    out << "count," << list.size() << '\n';
}

const std::string IntersectUsage =
    "intersect HISTORY.txt FILE... [--group] [--six LO HI] [--three LO HI] [--recent Y] [--index U]";
const std::string CountUsage = "count FILE... [--range LO HI]";
const std::string BaseListUsage = "baselist GROUPS.txt [--six LO HI] [--three LO HI]";
const std::string DanmaUsage =
    "danma HISTORY.txt [--index U] [--groups K] [--digits n] [--draws Y] [--reverse] [--seed N]";
const std::string StableUsage = "stable HISTORY.txt [--index U] [--lists K] [--stages S] [--misses M] [--counter C]";

const Command intersectCommand("intersect", IntersectUsage,
                               [](const Args &given, std::ostream &out, std::ostream &err) {
                                   Args args = given;
                                   IntersectOptions options = takeIntersectOptions(args);
                                   const std::string index = takeOption(args, "index", "");
                                   if (usageError(args, 1, IntersectUsage, err)) return 2;
                                   const DrawTable draws = historyDraws(args[0]);
                                   Args indexArgs;
                                   if (!index.empty()) indexArgs = {"--index", index};
                                   options.settings.index = takeIndex(indexArgs, draws);
                                   options.applyRecent();
                                   const ListCounter counter = countFiles(Args(args.begin() + 1, args.end()));
                                   printList(out, intersectLists(counter, draws, options.settings));
                                   return 0;
                               });

const Command countCommand("count", CountUsage, [](const Args &given, std::ostream &out, std::ostream &err) {
    Args args = given;
    const auto [low, high] = takeRange(args, "range", {1, 40});
    if (usageError(args, 0, CountUsage, err)) return 2;
    printList(out, extractByCount(countFiles(args), low, high));
    return 0;
});

const Command baseListCommand("baselist", BaseListUsage, [](const Args &given, std::ostream &out, std::ostream &err) {
    Args args = given;
    MissRanges r;
    std::tie(r.sixLow, r.sixHigh) = takeRange(args, "six", {0, 8});
    std::tie(r.threeLow, r.threeHigh) = takeRange(args, "three", {1, 9});
    if (usageError(args, 1, BaseListUsage, err) || args.size() != 1) return 2;
    printList(out, danmaBaseList(readDanmaFile(readInputLines(args[0])), r));
    return 0;
});

const Command danmaCommand("danma", DanmaUsage, [](const Args &given, std::ostream &out, std::ostream &err) {
    Args args = given;
    const std::string index = takeOption(args, "index", "");
    DanmaSettings s;
    const std::string groupsText = takeOption(args, "groups", "10");
    s.groups = strToInt(groupsText);
    s.digits = strToInt(takeOption(args, "digits", "3"));
    s.draws = strToInt(takeOption(args, "draws", "1"));
    s.reverse = takeFlag(args, "reverse");
    const uint32_t seed = takeSeed(args);
    if (usageError(args, 1, DanmaUsage, err) || args.size() != 1) return 2;
    const DrawTable draws = historyDraws(args[0]);
    Args indexArgs;
    if (!index.empty()) indexArgs = {"--index", index};
    s.index = takeIndex(indexArgs, draws);
    Lcg random(seed);
    const DanmaResult result = generateDanma(draws, s, random);
    for (const std::string &g : result.groups) out << g << '\n';
    const int hits = danmaHits(draws, s.index, result.groups);
    if (hits >= 0) out << "hits," << hits << '\n';
    return 0;
});

const Command stableCommand("stable", StableUsage, [](const Args &given, std::ostream &out, std::ostream &err) {
    Args args = given;
    const std::string index = takeOption(args, "index", "");
    const StableOptions options = takeStableOptions(args);
    if (usageError(args, 1, StableUsage, err) || args.size() != 1) return 2;
    uint32_t counter = options.checkedCounter();
    StableSettings s = options.settings;
    const DrawTable draws = historyDraws(args[0]);
    Args indexArgs;
    if (!index.empty()) indexArgs = {"--index", index};
    s.index = takeIndex(indexArgs, draws);
    const StableResult result = stableBaseList(draws, s, counter);
    printList(out, result.unionList);
    out << "counter," << counter << '\n';
    return 0;
});

} // namespace

} // namespace corvel::report
