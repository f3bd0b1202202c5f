#pragma once
// Backup, restore and safety copies of the database file. Every copy is made by SQLite
// itself (VACUUM INTO), never by copying the raw file: a journal left by an interrupted
// write is rolled back first, so a copy is always a whole database, and it is checked
// with SQLite's integrity check before it counts as made.

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace corvel {

// The draws of one lottery's table.
struct TableRows {
    QString lottery;
    int rows = 0;
};
using DatabaseSummary = QList<TableRows>;

// "中国福彩3D 8704期，中国体彩排列3 6000期" (or "没有彩票").
QString summaryText(const DatabaseSummary &summary);

// Opens the database file, so that SQLite rolls back a journal left by an interrupted
// write before anything else reads the file. Throws UserError when it cannot be opened.
void recoverDatabase(const QString &path);

// SQLite's integrity check of a database file: empty when it is sound, otherwise the
// problems it names (at most ten). A file that cannot be opened gives the reason.
QStringList integrityProblems(const QString &path);

// Rows of each draw table of a program database. Throws UserError.
DatabaseSummary databaseSummary(const QString &path);

// Writes a copy of the database `db` is open on straight into `file`, which must not exist
// or be empty. Throws UserError, with a plain message when the disk is full.
void vacuumInto(QSqlDatabase &db, const QString &file, const QString &shownName);

// Writes a copy of the database `db` is open on to `target` through SQLite (to a
// temporary name beside it, checked, then renamed over `target`). Throws UserError, with
// a plain message when the disk is full; `target` is then as it was.
void copyDatabase(QSqlDatabase &db, const QString &target);

// What replacing `target` by a backup of `dbPath` would lose, as a sentence for a question:
// empty when `target` is absent or empty, or a program database whose every lottery the
// new backup holds with at least as many draws. A target that is any other file is a loss
// as well. Throws UserError starting with "备份失败：" for a backup that may not be made at
// all: a source that is no database of this program, a target that is a folder, device,
// pipe or socket, or a target in a folder that does not exist.
QString backupLoss(const QString &dbPath, const QString &target);

// Backs up the database file at `dbPath` to `target`. Returns the draws of the copy.
// Throws UserError starting with "备份失败：" for the refusals of backupLoss, and, unless
// `replaceLarger`, when backupLoss names a loss; the target is then as it was.
DatabaseSummary backupDatabase(const QString &dbPath, const QString &target, bool replaceLarger = false);

// What corvel-report check and the data check look at in a database file, in order: SQLite's
// integrity check, then the lottery catalogue (every draw table with its options table).
struct DatabaseCheck {
    QStringList integrity; // empty when sound
    QStringList catalogue; // empty when every lottery has its tables; checked only when sound
    DatabaseSummary lotteries;
    bool ok() const { return integrity.isEmpty() && catalogue.isEmpty(); }
};
DatabaseCheck checkDatabase(const QString &path);

// ---- Safety copies: an undo for every replace ----

// How many safety copies are kept beside the database; older ones are deleted.
constexpr int SafetyCopiesKept = 5;

// The safety copies beside the database file, newest first.
QStringList safetyCopies(const QString &dbPath);

// Keeps a timestamped copy of the database beside it ("彩票数据-安全副本-…db") and deletes
// all but the newest SafetyCopiesKept. Returns the copy's path. Throws UserError; nothing
// may be replaced then.
QString makeSafetyCopy(const QString &dbPath);

// The sentence of a replace question that names the safety copy, so the user knows the
// step can be undone.
QString safetyCopyNote(const QString &dbPath);

// ---- Restore ----

// Checks a file that is to replace the database: a database of this program that passes
// SQLite's integrity check. Returns its draws; throws UserError naming the problem.
DatabaseSummary checkRestoreCandidate(const QString &source, const QString &dbPath);

// Replaces the database at `dbPath` by a checked copy of `source`: the copy is made
// beside the database, a safety copy of the current database is kept, and the copy
// replaces the file in one atomic rename. Every connection to `dbPath` must be closed.
// Returns the draws of the restored database. Throws UserError; the current database
// then stays as it was.
DatabaseSummary restoreDatabase(const QString &source, const QString &dbPath);

// What an interrupted restore left beside the database (the copy that was about to be
// moved in). At start-up, before the database is opened or created: a leftover is kept
// under a name of its own and a message for the user is returned (empty when there was
// none). A database file that an older restore moved aside and never replaced is put
// back in place.
QString keepInterruptedRestore(const QString &dbPath);

} // namespace corvel
