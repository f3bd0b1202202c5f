// corvel-report HISTORY.txt: the statistics table of every analysis tab and choice, as
// the windows show them.

#include "analysis/digitgroups.h"
#include "analysis/indicatoranalysis.h"
#include "core/historytext.h"
#include "core/intconv.h"
#include "report/report.h"

#include <ostream>

namespace corvel::report {

namespace {

const char *const Usage = "HISTORY.txt [--position-start N]   statistics of every analysis tab as CSV";

void writeRows(std::ostream &out, const std::vector<std::array<std::string, 4>> &rows, size_t first) {
    for (size_t i = first; i < rows.size(); ++i)
        out << rows[i][0] << ',' << rows[i][1] << ',' << rows[i][2] << ',' << rows[i][3] << '\n';
}

void groupSections(std::ostream &out, const DrawTable &draws) {
    for (int position = 1; position <= 3; ++position)
        for (int size = MinGroupSize; size <= MaxGroupSize; ++size) {
            out << "# tab=1 position=" << position << " size=" << size << '\n';
            writeRows(out, groupStatisticsRows(positionGroupStatistics(draws, position, size)), 0);
        }
    for (int size = MinGroupSize; size <= MaxGroupSize; ++size) {
        out << "# tab=2 size=" << size << '\n';
        writeRows(out, groupStatisticsRows(overallGroupStatistics(draws, size)), 0);
    }
}

void indicatorSections(std::ostream &out, const DrawTable &draws) {
    for (int tab = 3; tab <= 19; ++tab) {
        if (tab == 8 || tab == 9 || tab == 14) {
            const char *word = tab == 14 ? " position=" : " pair=";
            for (int parameter = 1; parameter <= 3; ++parameter) {
                out << "# tab=" << tab << word << parameter << '\n';
                writeRows(out, indicatorStatisticsTable(tab, draws, parameter), 1);
            }
        } else {
            out << "# tab=" << tab << '\n';
            writeRows(out, indicatorStatisticsTable(tab, draws), 1);
        }
    }
}

const Command analysisCommand("", Usage, [](const Args &given, std::ostream &out, std::ostream &err) {
    Args args = given;
    const int positionStart = strToInt(takeOption(args, "position-start", "1"));
    if (args.size() != 1 || positionStart < 1 || positionStart > 3) {
        err << "usage: corvel-report " << Usage << '\n';
        return 2;
    }
    const HistoryText history = readHistoryText(readInputFile(args[0]), positionStart);
    groupSections(out, history.draws);
    indicatorSections(out, history.draws);
    searchSections(out, history.draws);
    return 0;
});

} // namespace

} // namespace corvel::report
