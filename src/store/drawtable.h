#pragma once
// Reading and trimming a lottery's draw table.

#include "core/drawhistory.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace corvel {

// Names of the digit columns ("1", "2", …) of a draw table, in table order.
QStringList digitColumns(QSqlDatabase &db, const QString &lottery);

// Every row of the draw table in ascending order of the issue text.
RawDrawTable readDrawTable(QSqlDatabase &db, const QString &lottery);

// Deletes the oldest rows beyond `keep`, in one transaction, after keeping a safety copy
// of the database. Returns the rows deleted.
int trimDrawTable(QSqlDatabase &db, const QString &lottery, int keep);

// Number of rows of the draw table.
int drawTableCount(QSqlDatabase &db, const QString &lottery);

} // namespace corvel
