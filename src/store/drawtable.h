#pragma once
// Reading, changing and trimming a lottery's draw table.

#include "core/drawhistory.h"
#include "maintenance/drawcheck.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

class QSqlRecord;
class QSqlTableModel;

namespace corvel {

// Names of the digit columns ("1", "2", …) of a draw table, in table order.
QStringList digitColumns(QSqlDatabase &db, const QString &lottery);

// Every row of the draw table in ascending order of the issue text.
RawDrawTable readDrawTable(QSqlDatabase &db, const QString &lottery);

// Deletes the oldest rows beyond `keep`, in one transaction, after keeping a safety copy
// of the database. Returns the rows deleted.
int trimDrawTable(QSqlDatabase &db, const QString &lottery, int keep);

// The data check (数据检查) of the draw table, its rows in the loader's order (ascending
// issue text), numbered from 1 as the data window lists them.
DrawCheck checkDrawTable(QSqlDatabase &db, const QString &lottery);

// Number of rows of the draw table.
int drawTableCount(QSqlDatabase &db, const QString &lottery);

// A row is found by its own rowid: the first row (in rowid order) holding every value of
// `original`, the row as it was read. So of two rows with the same values exactly one is
// changed or deleted. Both return the database's error (type NoError on success); they
// run inside the caller's transaction.

// Sets the generated fields of `values` in that row of `table` (the plain table name).
QSqlError updateDrawRow(QSqlDatabase &db, const QString &table, const QSqlRecord &original, const QSqlRecord &values);
// Deletes that row of `table`.
QSqlError deleteDrawRow(QSqlDatabase &db, const QString &table, const QSqlRecord &original);

// Writes the pending changes of a table model on `db` in one transaction. Throws
// UserError ("数据库错误" with the database's message) after a rollback; the table is then
// as it was and the model keeps its pending changes.
void submitDrawChanges(QSqlDatabase &db, QSqlTableModel &model);

} // namespace corvel
