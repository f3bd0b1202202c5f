// corvel-report total CONDITIONS.txt [--list LIST.txt] [--to-group]: the total filter
// run with a condition file's settings, optionally restricted to a number-list file as
// "载入" loads it and converted as "直转组" converts it. Prints the kept numbers as %03d,
// one per line, ascending, then "count,N".
// The sections "# deviation" and "# rebound" of the history report are written here too.

#include "core/usererror.h"
#include "filters/omissionsearch.h"
#include "filters/totalfilter.h"
#include "report/report.h"

#include <cerrno>
#include <iconv.h>
#include <ostream>
#include <sstream>

namespace corvel::report {

namespace {

const char *const Usage = "total CONDITIONS.txt [--list LIST.txt] [--to-group]   the total filter's kept numbers";

// Number-list files are GBK text; the texts of messages are UTF-8. A file that is no valid
// GBK is taken as it stands.
std::string gbkToUtf8(const std::string &bytes) {
    iconv_t cd = iconv_open("UTF-8", "GBK");
    if (cd == reinterpret_cast<iconv_t>(-1)) return bytes;
    std::string out(bytes.size() * 3 / 2 + 16, '\0');
    char *in = const_cast<char *>(bytes.data());
    size_t inLeft = bytes.size();
    char *to = out.data();
    size_t outLeft = out.size();
    const size_t done = iconv(cd, &in, &inLeft, &to, &outLeft);
    iconv_close(cd);
    if (done == static_cast<size_t>(-1)) return bytes;
    out.resize(out.size() - outLeft);
    return out;
}

std::vector<std::string> textLines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string numberLine(const Number &n) { return numberText(n); }

const Command totalCommand("total", Usage, [](const Args &given, std::ostream &out, std::ostream &err) {
    Args args = given;
    const std::string listPath = takeOption(args, "list", "");
    const bool toGroup = takeFlag(args, "to-group");
    if (args.size() != 1) {
        err << "usage: corvel-report " << Usage << '\n';
        return 2;
    }
    const TotalFilterSettings settings = readTotalFilterConditions(readInputFile(args[0]));
    DirectNumberTable numbers = buildDirectNumbers();
    const bool restricted = !listPath.empty();
    if (restricted) {
        const std::string bytes = readInputFile(listPath);
        if (static_cast<long long>(bytes.size()) > MaxListFileBytes) throw UserError(listFileTooLargeMessage());
        markLoaded(numbers, readLoadedList(textLines(gbkToUtf8(bytes))));
    }
    const std::vector<int> kept = runTotalFilter(numbers, settings, restricted);
    NumberList result;
    if (toGroup) {
        result = directToGroup(resultText(kept));
    } else {
        for (int n : kept) result.push_back(numberFromValue(n));
    }
    std::ostringstream text; // nothing reaches stdout before the run has succeeded
    for (const Number &n : result) text << numberLine(n) << '\n';
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
