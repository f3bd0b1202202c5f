#pragma once
// Plan files as lines of text, one value per line: the inputs (header), then the cells
// of every plan row in column order. src/store/textfile writes and reads the lines
// (GBK, CR LF).
//
//   fixed plan    5 header lines  (前期亏损, 预期利润, 单倍投入, 单注奖金, 投注期数), 7 lines a row
//   stage plan    6 header lines  (… , 阶段次数), 7 lines a row
//   variable plan 6 header lines  (前期亏损, 预期利润, 单倍投入, 单注奖金, 投注期数, 本期注数), 8 lines a row

#include "planning/plans.h"

#include <string>
#include <vector>

namespace corvel {

inline const char *const FixedPlanFileName = "固定投资计划表.txt";
inline const char *const StagePlanFileName = "阶段投资计划表.txt";
inline const char *const VariablePlanFileName = "可变投资计划表.txt";

// A file read as far as it is sound. The header must be complete and numeric, or the
// reader throws UserError. Rows are read up to 投注期数 of the header (extra rows are
// ignored); the first line that is not a number, or a row cut short at the end of the
// file, ends the reading and leaves its conversion message in `damage`.
template <class Inputs, class Row> struct PlanFile {
    Inputs inputs;
    std::vector<Row> rows; // the rows read completely
    std::string damage;    // empty when the whole file was read
};

using FixedPlanFile = PlanFile<PlanInputs, PlanRow>;
using StagePlanFile = PlanFile<StagePlanInputs, PlanRow>;
using VariablePlanFile = PlanFile<VariablePlanInputs, VariableRow>;

std::vector<std::string> fixedPlanLines(const PlanInputs &in, const std::vector<PlanRow> &rows);
std::vector<std::string> stagePlanLines(const StagePlanInputs &in, const std::vector<PlanRow> &rows);
std::vector<std::string> variablePlanLines(const VariablePlanInputs &in, const std::vector<VariableRow> &rows);

// 投注期数 of the fixed and stage files must be 1 to MaxPlanPeriods, that of the
// variable file positive.
FixedPlanFile readFixedPlanLines(const std::vector<std::string> &lines);
StagePlanFile readStagePlanLines(const std::vector<std::string> &lines);
VariablePlanFile readVariablePlanLines(const std::vector<std::string> &lines);

// The message for a file too short to hold its header.
std::string incompletePlanFileMessage();

} // namespace corvel
