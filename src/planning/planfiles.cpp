#include "planning/planfiles.h"

#include "core/intconv.h"
#include "core/usererror.h"

#include <algorithm>

namespace corvel {

namespace {

template <class Row>
std::vector<std::string> planLines(std::initializer_list<int64_t> header, const std::vector<Row> &rows) {
    std::vector<std::string> lines;
    lines.reserve(header.size() + rows.size() * std::tuple_size_v<Row>);
    for (int64_t v : header) lines.push_back(std::to_string(v));
    for (const Row &row : rows)
        for (int64_t v : row) lines.push_back(std::to_string(v));
    return lines;
}

bool onlySpacesTabsOrCr(const std::string &line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

std::vector<int64_t> readHeader(const std::vector<std::string> &lines, size_t count) {
    if (lines.size() < count) throw UserError(incompletePlanFileMessage());
    std::vector<int64_t> header;
    for (size_t i = 0; i < count; ++i) header.push_back(strToInt64(lines[i]));
    return header;
}

// Reads rows after the header until the end of the file (blank lines at the end do not
// count) or `limit` rows; stops at the first line that is not a number.
template <class Inputs, class Row>
void readRows(const std::vector<std::string> &lines, size_t first, int64_t limit, PlanFile<Inputs, Row> &file) {
    size_t end = lines.size();
    while (end > first && onlySpacesTabsOrCr(lines[end - 1])) --end;
    size_t pos = first;
    while (pos < end && static_cast<int64_t>(file.rows.size()) < limit) {
        Row row{};
        for (int64_t &cell : row) {
            const std::string text = pos < end ? lines[pos] : std::string();
            if (!tryStrToInt64(text, cell)) {
                file.damage = notAnIntegerMessage(text);
                return;
            }
            ++pos;
        }
        file.rows.push_back(row);
    }
}

PlanInputs plainInputs(const std::vector<int64_t> &h) {
    PlanInputs in;
    in.prekui = h[0];
    in.lirun = h[1];
    in.inofsin = h[2];
    in.outofsin = h[3];
    in.days = h[4];
    return in;
}

} // namespace

std::string incompletePlanFileMessage() { return "文件内容不完整，不是有效的投资计划表！"; }

std::vector<std::string> fixedPlanLines(const PlanInputs &in, const std::vector<PlanRow> &rows) {
    return planLines({in.prekui, in.lirun, in.inofsin, in.outofsin, in.days}, rows);
}

std::vector<std::string> stagePlanLines(const StagePlanInputs &in, const std::vector<PlanRow> &rows) {
    return planLines({in.prekui, in.lirun, in.inofsin, in.outofsin, in.days, in.jieduan}, rows);
}

std::vector<std::string> variablePlanLines(const VariablePlanInputs &in, const std::vector<VariableRow> &rows) {
    return planLines({in.prekui, in.lirun, in.inofsin, in.outofsin, in.days, in.jushu}, rows);
}

FixedPlanFile readFixedPlanLines(const std::vector<std::string> &lines) {
    FixedPlanFile file;
    file.inputs = plainInputs(readHeader(lines, 5));
    checkPlanPeriods(file.inputs.days);
    readRows(lines, 5, file.inputs.days, file);
    return file;
}

StagePlanFile readStagePlanLines(const std::vector<std::string> &lines) {
    StagePlanFile file;
    const std::vector<int64_t> h = readHeader(lines, 6);
    static_cast<PlanInputs &>(file.inputs) = plainInputs(h);
    file.inputs.jieduan = h[5];
    checkPlanPeriods(file.inputs.days);
    readRows(lines, 6, file.inputs.days, file);
    return file;
}

VariablePlanFile readVariablePlanLines(const std::vector<std::string> &lines) {
    VariablePlanFile file;
    const std::vector<int64_t> h = readHeader(lines, 6);
    file.inputs = {h[0], h[1], h[2], h[3], h[4], h[5]};
    if (file.inputs.days <= 0) throw UserError(periodsNotPositiveMessage());
    readRows(lines, 6, file.inputs.days, file);
    return file;
}

} // namespace corvel
