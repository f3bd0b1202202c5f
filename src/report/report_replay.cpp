// corvel-report replay | search: the investment mode replay over a history file for an
// investment list, as CSV.
//   replay: one line per run record (the seven plan values, then 1 or 0 for a run cut
//           short), then "surplus,VALUE".
//   search: "best,R_INDEX,W_INDEX,L_INDEX" (item indexes) and "surplus,VALUE", the
//           surplus of the replay with the best combination.

#include "core/historytext.h"
#include "core/intconv.h"
#include "core/usererror.h"
#include "planning/replaysearch.h"
#include "planning/tozifiles.h"
#include "report/report.h"

#include <ostream>
#include <sstream>

namespace corvel::report {

namespace {

constexpr const char *Options = "[--kind 0..3] [--prize N] [--rate N] [--single-max N] [--total-max N] [--T N] "
                                "[--R N] [--W N] [--L N] [--no-carry] [--no-interval] [--position-start 1..3]";

std::vector<std::string> fileLines(const std::string &path) { return readInputLines(path); }

int smallOption(Args &args, const std::string &name, const std::string &fallback) {
    return strToInt(takeOption(args, name, fallback));
}

struct ReplayJob {
    HitColumn hits;
    ReplayParams params;
    bool intervalMode = true;
};

// Reads the options, then the two files named by the remaining arguments; false (after
// the usage line) when the arguments do not fit.
bool prepare(Args args, const std::string &usage, std::ostream &err, ReplayJob &job) {
    ReplayParams &p = job.params;
    const std::string kindOption = takeOption(args, "kind", "");
    p.prize = strToInt64(takeOption(args, "prize", "1000"));
    p.profitRate = strToInt64(takeOption(args, "rate", "10"));
    p.singleMax = strToInt64(takeOption(args, "single-max", "1000000"));
    p.totalMax = strToInt64(takeOption(args, "total-max", "1000000"));
    p.observeGap = smallOption(args, "T", "1");
    p.observeRuns = smallOption(args, "R", "1");
    p.waitDraws = smallOption(args, "W", "0");
    p.betDraws = smallOption(args, "L", "1");
    p.carryLoss = !takeFlag(args, "no-carry");
    job.intervalMode = !takeFlag(args, "no-interval");
    const int positionStart = smallOption(args, "position-start", "1");
    if (!job.intervalMode) p.observeGap = p.observeRuns = 1; // as the window does
    if (args.size() != 2) {
        err << "usage: corvel-report " << usage << "\n";
        return false;
    }

    const HistoryText history = readHistoryText(readInputFile(args[0]), positionStart);
    std::vector<std::string> listLines = fileLines(args[1]);
    if (!kindOption.empty() && !listLines.empty()) listLines[0] = std::to_string(strToInt(kindOption));
    const InvestmentList list = readToziList(listLines);
    if (!list.shortfall.empty()) err << args[1] << ": " << list.shortfall << "\n";
    const BetKind kind = betKindFromIndex(list.kind);
    checkBetCount(kind, static_cast<int64_t>(list.numbers.size()));
    p.betCount = static_cast<int64_t>(list.numbers.size());
    checkReplayParams(p);
    job.hits = buildHitColumn(history.draws, history.issues, kind, list.numbers);
    return true;
}

const std::string ReplayUsage = std::string("replay HISTORY.txt LIST.txt ") + Options;
const std::string SearchUsage = std::string("search HISTORY.txt LIST.txt ") + Options;

const Command replayCommand("replay", ReplayUsage, [](const Args &args, std::ostream &out, std::ostream &err) {
    ReplayJob job;
    if (!prepare(args, ReplayUsage, err, job)) return 2;
    const ReplayResult result = ReplayTrack(job.hits).replay(job.params);
    for (const RunRecord &r : result.records) {
        const PlanStep &v = r.values;
        out << v.step << "," << v.multiple << "," << v.stake << "," << v.total << "," << v.prize << "," << v.net << ","
            << v.rate << "," << (r.cutShort ? 1 : 0) << "\n";
    }
    out << "surplus," << result.surplus << "\n";
    if (result.abort != ReplayAbort::None) err << replayAbortMessage(result.abort) << "\n";
    return 0;
});

const Command searchCommand("search", SearchUsage, [](const Args &args, std::ostream &out, std::ostream &err) {
    ReplayJob job;
    if (!prepare(args, SearchUsage, err, job)) return 2;
    const std::atomic<bool> go{false};
    const SearchResult best = searchStrategy(job.hits, job.params, searchSpace(job.intervalMode), go);
    const ReplayParams chosen = searchCombination(job.params, best.rIndex, best.wIndex, best.lIndex);
    out << "best," << best.rIndex << "," << best.wIndex << "," << best.lIndex << "\n";
    out << "surplus," << ReplayTrack(job.hits).surplus(chosen) << "\n";
    return 0;
});

} // namespace

} // namespace corvel::report
