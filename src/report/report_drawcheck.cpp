// corvel-report check-draws: the data check (数据检查) of a history text file.

#include "core/textencoding.h"
#include "maintenance/drawcheck.h"
#include "report/report.h"

#include <ostream>

namespace corvel::report {

namespace {

const std::string Usage = "check-draws HISTORY.txt";

// One line a finding, "problem,LINE,ISSUE,TEXT" or "warning,…" (a gap), then "draws,N",
// "problems,P" and "warnings,W". Status 1 when there is a problem, 0 for warnings alone.
const Command checkDrawsCommand("check-draws", Usage, [](const Args &args, std::ostream &out, std::ostream &err) {
    if (args.size() != 1 || args[0].rfind("--", 0) == 0) {
        err << "usage: corvel-report " << Usage << '\n';
        return 2;
    }
    const DrawCheck check = checkDraws(drawCheckRows(readInputFile(args[0])));
    for (const DrawFinding &f : check.findings)
        out << (f.warning ? "warning," : "problem,") << f.line << ',' << quotedPiece(f.issue) << ',' << f.text << '\n';
    out << "draws," << check.draws << '\n';
    out << "problems," << check.problems() << '\n';
    out << "warnings," << check.warnings() << '\n';
    return check.problems() > 0 ? 1 : 0;
});

} // namespace

} // namespace corvel::report
