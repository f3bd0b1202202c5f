// corvel-report follow | auto2 | auto3: the follow selection windows ("统计" then one
// "过滤") and the automatic two- and three-digit plans, step by step.

#include "core/historytext.h"
#include "core/intconv.h"
#include "core/usererror.h"
#include "generators/autoplan.h"
#include "generators/follow.h"
#include "report/report.h"
#include "report/tooloptions.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace corvel::report {

namespace {

const char *const FollowUsage =
    "follow HISTORY.txt [--direct] [--width 1|2|3] [--position 1|2|3] [--ordered] [--interval B] [--follow F] "
    "[--include-draw] [--exclude M] [--danma TEXT] [--hits LO HI]";
const char *const Auto2Usage = "auto2 [--size] DRAW...";
const char *const Auto3Usage = "auto3 [--size] SECOND DRAW...";

void printList(std::ostream &out, const std::string &name, const NumberList &numbers) {
    out << "# " << name << '\n';
    for (const Number &n : numbers) {
        char text[8];
        std::snprintf(text, sizeof text, "%03d", numberValue(n));
        out << text << '\n';
    }
    out << "count," << numbers.size() << '\n';
}

const Command followCommand("follow", FollowUsage, [](const Args &given, std::ostream &out, std::ostream &err) {
    Args args = given;
    const FollowOptions options = takeFollowOptions(args);
    if (args.size() != 1) {
        err << "usage: corvel-report " << FollowUsage << '\n';
        return 2;
    }
    const DrawTable draws = readHistoryText(readInputFile(args[0])).draws;
    // As in the window: F is read by "统计", the rest by "过滤".
    FollowSettings s = options.statistics;
    s.followCount = readFollowCount(options.followCount);
    FollowSelection selection(options.kind);
    selection.statistics(draws, static_cast<int>(draws.size()), s);
    selection.filter(options.filter());

    out << "# follow\n";
    const FollowTable &table = selection.table();
    for (size_t r = 0; r < table.rows.size(); ++r) {
        for (int c = 0; c < 6; ++c) out << (c ? "," : "") << followCell(table, r, c);
        out << '\n';
    }
    const FollowLists lists = selection.lists();
    printList(out, "history", lists.history);
    printList(out, "danma", lists.danma);
    printList(out, "list", lists.combined);
    return 0;
});

// Types every draw and presses the step command, as the plan windows do: a step that is
// refused keeps the fields; after a win the remaining draws are ignored.
int runPlan(PlanKind kind, const Args &given, std::ostream &out, std::ostream &err) {
    Args args = given;
    const PlanMode mode = takeFlag(args, "size") ? PlanMode::Size : PlanMode::Parity;
    const bool three = kind == PlanKind::ThreeDigit;
    if (args.size() < (three ? 2u : 1u)) {
        err << "usage: corvel-report " << (three ? Auto3Usage : Auto2Usage) << '\n';
        return 2;
    }
    AutoPlan plan(kind);
    std::string second = three ? args[0] : std::string();
    for (size_t i = three ? 1 : 0; i < args.size() && plan.state() != PlanState::Ended; ++i) {
        try {
            if (plan.step(mode, args[i], second) == StepOutcome::Won) {
                out << "号码已中出，计划结束\n";
                break;
            }
        } catch (const UserError &e) {
            out << e.what() << '\n';
            continue;
        }
        const AutoPlanRow &row = plan.rows().back();
        out << planIssueText(plan.rows().size()) << ',' << row.draw << ',' << row.bet << '\n';
        second = args[i];
    }
    printList(out, "list", plan.betList());
    return 0;
}

const Command auto2Command("auto2", Auto2Usage, [](const Args &args, std::ostream &out, std::ostream &err) {
    return runPlan(PlanKind::TwoDigit, args, out, err);
});

const Command auto3Command("auto3", Auto3Usage, [](const Args &args, std::ostream &out, std::ostream &err) {
    return runPlan(PlanKind::ThreeDigit, args, out, err);
});

} // namespace

} // namespace corvel::report
