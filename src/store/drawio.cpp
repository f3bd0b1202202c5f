#include "store/drawio.h"

#include "core/usererror.h"
#include "store/appdir.h"
#include "store/backup.h"
#include "store/database.h"
#include "store/drawtable.h"
#include "store/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace corvel {

namespace {

[[noreturn]] void databaseFailure(const QSqlError &detail) {
    throw UserError(databaseMessage(QStringLiteral("数据库错误"), detail).toStdString());
}

template <class Body> void inTransaction(QSqlDatabase &db, Body body) {
    if (!db.transaction()) databaseFailure(db.lastError());
    try {
        body();
        if (!db.commit()) databaseFailure(db.lastError());
    } catch (...) {
        db.rollback();
        throw;
    }
}

// Inserts the draws into the issue and the digit columns 1 to 3; the caller holds the transaction.
void insertDraws(QSqlDatabase &db, const QString &lottery, const std::vector<ParsedDraw> &draws) {
    if (digitColumns(db, lottery).size() < 3)
        throw UserError(QStringLiteral("表 %1 的号码列不足三列").arg(drawTableName(lottery)).toStdString());
    QSqlQuery q(db);
    const QString columns = QStringList{quoteIdent(QStringLiteral("记录期号")), quoteIdent(QStringLiteral("1")),
                                        quoteIdent(QStringLiteral("2")), quoteIdent(QStringLiteral("3"))}
                                .join(QLatin1Char(','));
    if (!q.prepare(
            QStringLiteral("insert into %1 (%2) values (?, ?, ?, ?)").arg(quoteIdent(drawTableName(lottery)), columns)))
        databaseFailure(q.lastError());
    for (const ParsedDraw &draw : draws) {
        q.bindValue(0, QString::fromStdString(draw.issue));
        for (int c = 0; c < 3; ++c) q.bindValue(c + 1, draw.digits[c]);
        if (!q.exec()) databaseFailure(q.lastError());
    }
}

} // namespace

QString defaultHistoryFile(const QString &lottery) {
    return attachmentDir() + lottery + QStringLiteral("历史号码.txt");
}

int exportHistory(QSqlDatabase &db, const QString &lottery, const QString &path) {
    const QStringList lines = toQLines(historyLines(readDrawTable(db, lottery)));
    writeTextLines(path, lines);
    return int(lines.size());
}

QByteArray readHistoryFile(const QString &path) {
    checkInputFile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("无法打开文件 %1：%2").arg(path, file.errorString()).toStdString());
    if (file.size() > MaxHistoryFileBytes)
        throw UserError(QStringLiteral("文件 %1 太大（%2 MB），不是开奖号码文件！")
                            .arg(path)
                            .arg(double(file.size()) / (1024 * 1024), 0, 'f', 1)
                            .toStdString());
    QByteArray bytes = file.read(MaxHistoryFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw UserError(QStringLiteral("读取文件 %1 出错：%2").arg(path, file.errorString()).toStdString());
    if (bytes.size() > MaxHistoryFileBytes)
        throw UserError(QStringLiteral("文件 %1 太大，不是开奖号码文件！").arg(path).toStdString());
    return bytes;
}

std::vector<ParsedDraw> readHistoryImport(const QString &path) {
    const QByteArray bytes = readHistoryFile(path);
    try {
        return parseHistoryText(decodeText(bytes, path));
    } catch (const UserError &e) {
        throw UserError(
            QStringLiteral("文件 %1 无法导入，彩票数据没有改动：\n").arg(QFileInfo(path).fileName()).toStdString() +
            e.what());
    }
}

QString importDraws(QSqlDatabase &db, const QString &lottery, const std::vector<ParsedDraw> &draws) {
    requireValidLotteryName(lottery);
    const QString copy = makeSafetyCopy(db.databaseName());
    replaceDraws(db, lottery, draws);
    return copy;
}

int importHistory(QSqlDatabase &db, const QString &lottery, const QString &path) {
    const std::vector<ParsedDraw> draws = readHistoryImport(path);
    importDraws(db, lottery, draws);
    return int(draws.size());
}

void replaceDraws(QSqlDatabase &db, const QString &lottery, const std::vector<ParsedDraw> &draws) {
    requireValidLotteryName(lottery);
    inTransaction(db, [&] {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("delete from %1").arg(quoteIdent(drawTableName(lottery)))))
            databaseFailure(q.lastError());
        insertDraws(db, lottery, draws);
    });
}

void appendDraws(QSqlDatabase &db, const QString &lottery, const std::vector<ParsedDraw> &draws) {
    requireValidLotteryName(lottery);
    inTransaction(db, [&] { insertDraws(db, lottery, draws); });
}

} // namespace corvel
