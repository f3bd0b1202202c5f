#pragma once
// Printouts of the plan tables: a title and an information line on the first page, then
// 25 plan rows a page in a ruled table with the headings, and "共N页\第K页" under it.
// The seven-column table (fixed and stage plans) and the eight-column table (variable
// plan) differ in their column pitch and the offsets of headings and cells.

#include "core/pagemodel.h"
#include "planning/plans.h"

#include <string>
#include <vector>

namespace corvel {

constexpr int PlanRowsPerPage = 25;

struct PlanSheet {
    std::string title;
    std::string info;                            // information line, print date included
    std::vector<std::string> headings;           // 7 or 8
    std::vector<std::vector<std::string>> cells; // one entry per table row; empty texts print nothing
};

// Grid and printout headings of the fixed and stage plans (7) and of the variable plan (8).
std::vector<std::string> planHeadings();
std::vector<std::string> variablePlanHeadings();
// Heading of column 0 of a fixed plan loaded from a file.
inline const char *const LoadedPeriodHeading = "投注时间";

// The pages of a sheet; none when it has no rows.
PrintDocument layoutPlanSheet(const PlanSheet &sheet, const PageGeometry &page);

std::string fixedPlanInfo(const PlanInputs &in, const std::string &date);
std::string stagePlanInfo(const StagePlanInputs &in, const std::string &date);
std::string variablePlanInfo(const VariablePlanInputs &in, const std::string &date);

// Cell texts of `periods` table rows: the decimal values of the rows there are, empty
// texts for the rest.
std::vector<std::vector<std::string>> planCells(const std::vector<PlanRow> &rows, int64_t periods);
std::vector<std::vector<std::string>> planCells(const std::vector<VariableRow> &rows);

} // namespace corvel
