#pragma once
// Reading a draw table back in the tests of the data and download windows.

#include "store/appdir.h"
#include "store/database.h"
#include "store/drawtable.h"

#include <QStringList>

namespace corvel::test {

// The rows of a draw table of the database file at `path` in issue order as "issue
// digits" (an empty cell as '-').
inline QStringList tableLinesOf(const QString &path, const QString &lottery) {
    Connection con(path);
    const RawDrawTable table = readDrawTable(con.db(), lottery);
    QStringList lines;
    for (const RawDraw &row : table.rows) {
        QString digits;
        for (int c = 0; c < table.columnCount; ++c)
            digits += row.digits[c] ? QString::number(*row.digits[c]) : QStringLiteral("-");
        lines << QString::fromStdString(row.issue) + QLatin1Char(' ') + digits;
    }
    return lines;
}

// The same for the program's database.
inline QStringList tableLines(const QString &lottery) { return tableLinesOf(databasePath(), lottery); }

} // namespace corvel::test
