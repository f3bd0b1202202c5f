#include "store/database.h"

#include "core/usererror.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace corvel {

namespace {
QString nextConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("corvel-%1").arg(counter.fetchAndAddRelaxed(1));
}
} // namespace

QString databaseMessage(const QString &what, const QString &detail) {
    return detail.isEmpty() ? what : what + QStringLiteral("：") + detail;
}

bool isDiskFull(const QSqlError &error) {
    // SQLITE_FULL, also as part of an extended result code.
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok && (code & 0xFF) == 13;
}

QString diskFullMessage(const QString &path) {
    return QStringLiteral("磁盘已满，无法写入 %1。请腾出磁盘空间后再试。").arg(path);
}

QString databaseMessage(const QString &what, const QSqlError &error) {
    if (isDiskFull(error)) return databaseMessage(what, QStringLiteral("磁盘已满"));
    return databaseMessage(what, error.text());
}

void openDatabaseFile(QSqlDatabase &db, const QString &path) {
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        throw UserError(QStringLiteral("数据库文件不存在：%1").arg(path).toStdString());
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open())
        throw UserError(
            databaseMessage(QStringLiteral("无法打开数据库文件 %1").arg(path), db.lastError().text()).toStdString());
    // SQLite opens any file lazily; reading the schema tells a database from other files.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("select count(*) from sqlite_master"))) {
        const QString detail = probe.lastError().text();
        db.close();
        throw UserError(databaseMessage(QStringLiteral("数据库文件 %1 已损坏、被占用或不是数据库").arg(path), detail)
                            .toStdString());
    }
}

Connection::Connection(const QString &path) : name_(nextConnectionName()) {
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    try {
        openDatabaseFile(db_, path);
    } catch (...) {
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
        throw;
    }
}

Connection::~Connection() {
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
}

void Connection::exec(const QString &sql) {
    QSqlQuery q(db_);
    if (!q.exec(sql)) throw UserError(databaseMessage(QStringLiteral("数据库错误"), q.lastError()).toStdString());
}

QString quoteIdent(const QString &name) {
    QString q = name;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

bool validLotteryName(const QString &name) {
    if (name.isEmpty() || name.size() > 20) return false;
    for (const QChar c : name)
        if (!c.isLetterOrNumber()) return false;
    return true;
}

void requireValidLotteryName(const QString &name) {
    if (!validLotteryName(name))
        throw UserError(
            QStringLiteral("彩票名称“%1”无效：只能由1到20个汉字、字母或数字组成！").arg(name).toStdString());
}

QString drawTableName(const QString &lottery) { return lottery + QStringLiteral("彩票号码表"); }
QString optionsTableName(const QString &lottery) { return lottery + QStringLiteral("彩票选项表"); }

} // namespace corvel
