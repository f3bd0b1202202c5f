#pragma once
// The lottery catalogue: a lottery exists exactly when its draw table exists.
// Every function opens a short-lived connection of its own.

#include "core/drawhistory.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace corvel {

struct LotteryOptions {
    QString name;
    int kind = 1;   // 彩票类型: 0 乐透型, 1 数字型
    int range = 10; // 号码总数
    int pick = 3;   // 选择号码数
    QString drawTime;
    QString weekdays; // e.g. "1234567"
};

// The names of the lotteries in the database file (draw tables, in the database's order).
QStringList listLotteries(const QString &dbPath);
LotteryOptions readOptions(const QString &dbPath, const QString &lottery);
// A draw table has 3 to 5 digit columns.
constexpr int MinDigitColumns = 3;
constexpr int MaxDigitColumns = 5;

// Creates the draw table (记录期号, digit columns 1..digitColumns, 开奖日期) and the options
// table with its one row, in one transaction. Refuses, before any statement, a digit
// column count outside 3..5 and a name that differs from an existing lottery only in
// letter case (SQLite's table names ignore it).
void addLottery(const QString &dbPath, const LotteryOptions &options, int digitColumns);
void deleteLottery(const QString &dbPath, const QString &lottery);

// Statements that make a lottery's tables, quoted.
QString createDrawTableSql(const QString &lottery, int digitColumns);
QString createOptionsTableSql(const QString &lottery);

// Empty when the file is a database of this program (an SQLite file with at least one
// lottery whose draw and options tables exist); otherwise the message that refuses it.
QString databaseRefusal(const QString &path);
// The problems of a database's lottery catalogue: the refusal above, and every lottery whose
// draw table has no options table beside it. Empty when the catalogue is whole.
QStringList catalogueProblems(const QString &path);

// A lottery to put into a new database file.
struct BundledLottery {
    LotteryOptions options;
    RawDrawTable draws; // issue texts and three digits
};

// Writes a new database file with the given lotteries (to a temporary name, then renamed).
void createDatabase(const QString &dbPath, const QList<BundledLottery> &lotteries);

// Creates the database file from the bundled histories when it does not exist.
// Returns true when it created it.
bool ensureDefaultDatabase(const QString &dbPath);

// Reads a bundled history text (issue, blank, digits[, blank, date] per line).
RawDrawTable parseBundledHistory(const QByteArray &text);

} // namespace corvel
