#pragma once
// The commands every grid of the program carries (ui::makeGrid adds them): "复制" (Ctrl+C)
// puts the selected cells on the clipboard as tab-separated rows, which paste into a
// spreadsheet as cells, and "导出CSV…" writes the whole grid as shown to a CSV file a
// spreadsheet program opens directly (UTF-8 with a byte-order mark, the headings first).
// Both are in the grid's context menu; their actions are the view's own actions, named
// "mnugridcopy" and "mnugridcsv".

#include <QByteArray>
#include <QString>

class QTableView;

namespace corvel::ui {

void addGridCommands(QTableView *view);

// The selected cells, rows in the order shown joined by '\n', cells by '\t'; a selection
// that is not a rectangle gives its bounding rectangle with the unselected cells empty.
// Hidden rows and columns are left out; a cell holding a tab, a line break or a quote is
// quoted as spreadsheet programs quote it.
QString selectedCellsText(const QTableView *view);

// The grid as shown: the visible columns in the order shown, headings first, then every
// visible row; fields quoted where they hold a quote, a comma or a line break; CR LF after
// every record; UTF-8 behind a byte-order mark.
QByteArray gridCsv(const QTableView *view);

// One CSV field: as it stands, or in double quotes with its quotes doubled.
QString csvField(const QString &text);

// Asks for a file name (proposing the window's caption under AppDir + "附属/") and writes
// gridCsv there; messages as ui::saveExport.
void exportGridCsv(QTableView *view);

} // namespace corvel::ui
