// corvel-report total CONDITIONS.txt [--list LIST.txt] [--to-group]: the total filter
// run with a condition file's settings, optionally restricted to a number-list file as
// "载入" loads it and converted as "直转组" converts it. Prints the kept numbers as %03d,
// one per line, ascending, then "count,N".
// The sections "# deviation" and "# rebound" of the history report are written here too.

#include "filters/omissionsearch.h"
#include "filters/totalfilter.h"
#include "report/report.h"
#include "report/tooloptions.h"

#include <ostream>
#include <sstream>

namespace corvel::report {

namespace {

const char *const Usage = "total CONDITIONS.txt [--list LIST.txt] [--to-group]   the total filter's kept numbers";

const Command totalCommand("total", Usage, [](const Args &given, std::ostream &out, std::ostream &err) {
    Args args = given;
    const TotalOptions options = takeTotalOptions(args);
    if (args.size() != 1) {
        err << "usage: corvel-report " << Usage << '\n';
        return 2;
    }
    const NumberList result = totalFilterResult(args[0], options);
    std::ostringstream text; // nothing reaches stdout before the run has succeeded
    for (const Number &n : result) text << numberText(n) << '\n';
    text << "count," << result.size() << '\n';
    out << text.str();
    return 0;
});

} // namespace

void searchSections(std::ostream &out, const DrawTable &draws) {
    const std::vector<SearchItem> &items = searchCatalogue();
    out << "# deviation\n";
    for (const DeviationRow &row : deviationSearch(draws))
        out << items[size_t(row.item)].name << ',' << row.expected << ',' << row.omission << ',' << row.multiple
            << '\n';
    out << "# rebound\n";
    for (const ReboundRow &row : reboundSearch(draws))
        out << items[size_t(row.item)].reboundName << ',' << row.expected << ',' << row.omission << ',' << row.previous
            << ',' << row.multiple << '\n';
}

} // namespace corvel::report
