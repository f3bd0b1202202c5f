#pragma once
// The draw history text file of a lottery (export and import), and appending draws to a
// draw table. Every change of a draw table is one transaction.

#include "core/drawparse.h"

#include <QSqlDatabase>
#include <QString>
#include <vector>

namespace corvel {

// AppDir + "附属/" + lottery + "历史号码.txt".
QString defaultHistoryFile(const QString &lottery);

// Writes every draw of the lottery's draw table in issue order to `path` (GBK, CR LF,
// through a temporary file). Returns the number of lines. Throws UserError.
int exportHistory(QSqlDatabase &db, const QString &lottery, const QString &path);

// Reads and checks a whole history file before anything is replaced. Throws UserError
// naming the file and its first bad line.
std::vector<ParsedDraw> readHistoryImport(const QString &path);

// Keeps a safety copy of the database (so 数据恢复 can undo the import), then replaces the
// table's rows by `draws` in one transaction. Returns the safety copy's path. Throws
// UserError; the table is then exactly as it was.
QString importDraws(QSqlDatabase &db, const QString &lottery, const std::vector<ParsedDraw> &draws);

// readHistoryImport, then importDraws. Returns the number of draws.
int importHistory(QSqlDatabase &db, const QString &lottery, const QString &path);

// The bytes of a history file; refuses a file larger than MaxHistoryFileBytes unread.
QByteArray readHistoryFile(const QString &path);

// Deletes every row of the draw table and inserts `draws` (issue and the digit columns
// 1 to 3), in one transaction. Throws UserError with the database's message after a
// rollback.
void replaceDraws(QSqlDatabase &db, const QString &lottery, const std::vector<ParsedDraw> &draws);

// Appends `draws` to the draw table in one transaction (all or none).
void appendDraws(QSqlDatabase &db, const QString &lottery, const std::vector<ParsedDraw> &draws);

} // namespace corvel
