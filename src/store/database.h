#pragma once
// Connections to the database file and the rules for the lottery tables' names.

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

namespace corvel {

// A connection of its own to the database file, closed when it goes out of scope.
// Throws UserError when the file is missing or cannot be opened.
class Connection {
public:
    explicit Connection(const QString &path);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    QSqlDatabase &db() { return db_; }
    // Runs one statement; throws UserError with the database's message on failure.
    void exec(const QString &sql);

private:
    QString name_;
    QSqlDatabase db_;
};

// Opens `db` (added with the QSQLITE driver) on the file at `path`; the file must exist.
// Throws UserError with a clear message when it is missing, locked or not a database.
void openDatabaseFile(QSqlDatabase &db, const QString &path);

// Quoted SQL identifier: "name" with inner quotes doubled.
QString quoteIdent(const QString &name);

// A lottery name may become part of a table name: 1 to 20 letters or digits (Chinese
// characters count as letters). Nothing a user types can then change a statement.
bool validLotteryName(const QString &name);
// Throws UserError when the name is not valid.
void requireValidLotteryName(const QString &name);

QString drawTableName(const QString &lottery);    // name + "彩票号码表"
QString optionsTableName(const QString &lottery); // name + "彩票选项表"

// The message of the database layer for the last error of a query or connection.
QString databaseMessage(const QString &what, const QString &detail);
// The same for an error of the database layer; a full disk is said in plain words.
QString databaseMessage(const QString &what, const QSqlError &error);
// "磁盘已满…" when SQLite's error is SQLITE_FULL.
bool isDiskFull(const QSqlError &error);
QString diskFullMessage(const QString &path);

} // namespace corvel
