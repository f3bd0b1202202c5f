// corvel-report fixed | stage | variable: the betting plans as CSV, one line per plan
// row in the table's column order, then "average,VALUE".

#include "core/intconv.h"
#include "core/usererror.h"
#include "planning/plans.h"
#include "report/report.h"

#include <ostream>

namespace corvel::report {

namespace {

template <class Row> void printRows(std::ostream &out, const std::vector<Row> &rows, int64_t average) {
    for (const Row &row : rows) {
        for (size_t c = 0; c < row.size(); ++c) out << (c ? "," : "") << row[c];
        out << "\n";
    }
    out << "average," << average << "\n";
}

bool argumentCount(const Args &args, size_t count, const char *usage, std::ostream &err) {
    if (args.size() == count) return true;
    err << "usage: corvel-report " << usage << "\n";
    return false;
}

PlanInputs plainInputs(const Args &a) {
    PlanInputs in;
    in.prekui = strToInt64(a[0]);
    in.lirun = strToInt64(a[1]);
    in.inofsin = strToInt64(a[2]);
    in.outofsin = strToInt64(a[3]);
    in.days = strToInt64(a[4]);
    return in;
}

constexpr const char *FixedUsage = "fixed P R C W N";
constexpr const char *StageUsage = "stage P R C W N S";
constexpr const char *VariableUsage = "variable P R W N B1 [B2 ...]";

const Command fixedCommand("fixed", FixedUsage, [](const Args &args, std::ostream &out, std::ostream &err) {
    if (!argumentCount(args, 5, FixedUsage, err)) return 2;
    const PlanInputs in = plainInputs(args);
    const std::vector<PlanRow> rows = fixedPlan(in);
    printRows(out, rows, averageNet(rows, in.days));
    return 0;
});

const Command stageCommand("stage", StageUsage, [](const Args &args, std::ostream &out, std::ostream &err) {
    if (!argumentCount(args, 6, StageUsage, err)) return 2;
    StagePlanInputs in;
    static_cast<PlanInputs &>(in) = plainInputs(args);
    in.jieduan = strToInt64(args[5]);
    const std::vector<PlanRow> rows = stagePlan(in);
    printRows(out, rows, averageNet(rows, in.days));
    return 0;
});

// Adds one period per bet count B1, B2, … as the variable plan window does.
const Command variableCommand("variable", VariableUsage, [](const Args &args, std::ostream &out, std::ostream &err) {
    if (args.size() < 5) {
        err << "usage: corvel-report " << VariableUsage << "\n";
        return 2;
    }
    VariablePlanInputs in;
    in.prekui = strToInt64(args[0]);
    in.lirun = strToInt64(args[1]);
    in.outofsin = strToInt64(args[2]);
    in.days = strToInt64(args[3]);
    std::vector<VariableRow> rows;
    for (size_t i = 4; i < args.size(); ++i) {
        in.jushu = strToInt64(args[i]);
        rows.push_back(nextVariableRow(rows, in));
    }
    printRows(out, rows, averageNet(rows));
    return 0;
});

} // namespace

} // namespace corvel::report
