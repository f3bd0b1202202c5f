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

// Reads and checks the whole file first; only when every line is a draw are the table's
// rows replaced by the file's draws, in one transaction. Returns the number of draws.
// Throws UserError naming the problem; the table is then exactly as it was.
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
