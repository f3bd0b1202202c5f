#include "store/catalogue.h"

#include "core/drawparse.h"
#include "core/usererror.h"
#include "store/database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace corvel {

namespace {

const QString DrawSuffix = QStringLiteral("彩票号码表");
const QString OptionsSuffix = QStringLiteral("彩票选项表");

[[noreturn]] void fail(const QSqlQuery &q) {
    throw UserError(databaseMessage(QStringLiteral("数据库错误"), q.lastError()).toStdString());
}

void exec(QSqlDatabase &db, const QString &sql) {
    QSqlQuery q(db);
    if (!q.exec(sql)) fail(q);
}

QStringList userTables(QSqlDatabase &db) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("select name from sqlite_master where type='table' and name not like 'sqlite_%'")))
        fail(q);
    QStringList names;
    while (q.next()) names << q.value(0).toString();
    return names;
}

void insertOptions(QSqlDatabase &db, const LotteryOptions &o) {
    QSqlQuery q(db);
    q.prepare(QStringLiteral("insert into %1 values (?, ?, ?, ?, ?, ?)").arg(quoteIdent(optionsTableName(o.name))));
    q.addBindValue(o.name);
    q.addBindValue(o.kind);
    q.addBindValue(o.range);
    q.addBindValue(o.pick);
    q.addBindValue(o.drawTime);
    q.addBindValue(o.weekdays);
    if (!q.exec()) fail(q);
}

void insertDraws(QSqlDatabase &db, const QString &lottery, const RawDrawTable &draws) {
    QSqlQuery q(db);
    QString marks = QStringLiteral("?");
    for (int c = 0; c < draws.columnCount; ++c) marks += QStringLiteral(", ?");
    QString columns = quoteIdent(QStringLiteral("记录期号"));
    for (int c = 1; c <= draws.columnCount; ++c) columns += QLatin1Char(',') + quoteIdent(QString::number(c));
    q.prepare(
        QStringLiteral("insert into %1 (%2) values (%3)").arg(quoteIdent(drawTableName(lottery)), columns, marks));
    for (const RawDraw &row : draws.rows) {
        q.addBindValue(QString::fromStdString(row.issue));
        for (int c = 0; c < draws.columnCount; ++c)
            q.addBindValue(row.digits[c] ? QVariant(*row.digits[c]) : QVariant());
        if (!q.exec()) fail(q);
    }
}

} // namespace

QString createDrawTableSql(const QString &lottery, int digitColumns) {
    const QString issue = quoteIdent(QStringLiteral("记录期号"));
    QString sql = QStringLiteral("create table %1(%2 varchar(7) check(length(%2) <= 7),")
                      .arg(quoteIdent(drawTableName(lottery)), issue);
    for (int i = 1; i <= digitColumns; ++i) {
        const QString c = quoteIdent(QString::number(i));
        sql +=
            QStringLiteral("%1 integer check(%1 is null or (typeof(%1) = 'integer' and %1 between 0 and 9)),").arg(c);
    }
    const QString date = quoteIdent(QStringLiteral("开奖日期"));
    sql += QStringLiteral("%1 varchar(10) check(length(%1) <= 10))").arg(date);
    return sql;
}

QString createOptionsTableSql(const QString &lottery) {
    return QStringLiteral("create table %1(\"彩票名称\" varchar(20),\"彩票类型\" Integer,\"号码总数\" integer,"
                          "\"选择号码数\" integer,\"开奖时间\" varchar(10),\"开奖星期\" varchar(7))")
        .arg(quoteIdent(optionsTableName(lottery)));
}

QStringList listLotteries(const QString &dbPath) {
    Connection con(dbPath);
    QStringList names;
    for (const QString &table : userTables(con.db()))
        if (table.endsWith(DrawSuffix) && table.size() > DrawSuffix.size()) names << table.chopped(DrawSuffix.size());
    return names;
}

LotteryOptions readOptions(const QString &dbPath, const QString &lottery) {
    requireValidLotteryName(lottery);
    Connection con(dbPath);
    QSqlQuery q(con.db());
    if (!q.exec(QStringLiteral("select * from %1").arg(quoteIdent(optionsTableName(lottery))))) fail(q);
    if (!q.next()) throw UserError(QStringLiteral("表 %1 中没有记录").arg(optionsTableName(lottery)).toStdString());
    LotteryOptions o;
    o.name = q.value(QStringLiteral("彩票名称")).toString();
    o.kind = q.value(QStringLiteral("彩票类型")).toInt();
    o.range = q.value(QStringLiteral("号码总数")).toInt();
    o.pick = q.value(QStringLiteral("选择号码数")).toInt();
    o.drawTime = q.value(QStringLiteral("开奖时间")).toString();
    o.weekdays = q.value(QStringLiteral("开奖星期")).toString();
    return o;
}

void addLottery(const QString &dbPath, const LotteryOptions &options, int digitColumns) {
    requireValidLotteryName(options.name);
    if (digitColumns < MinDigitColumns || digitColumns > MaxDigitColumns)
        throw UserError(QStringLiteral("选择号码数“%1”无效：只能是%2到%3！")
                            .arg(digitColumns)
                            .arg(MinDigitColumns)
                            .arg(MaxDigitColumns)
                            .toStdString());
    Connection con(dbPath);
    QSqlDatabase &db = con.db();
    // SQLite's table names ignore letter case: "abc" would meet the tables of "ABC".
    for (const QString &table : userTables(db)) {
        for (const QString &suffix : {DrawSuffix, OptionsSuffix}) {
            if (!table.endsWith(suffix)) continue;
            const QString existing = table.chopped(suffix.size());
            if (existing.compare(options.name, Qt::CaseInsensitive) == 0)
                throw UserError((existing == options.name
                                     ? QStringLiteral("彩票“%1”已经存在！").arg(existing)
                                     : QStringLiteral("彩票“%1”与已有的彩票“%2”只差字母大小写，不能再添加！")
                                           .arg(options.name, existing))
                                    .toStdString());
        }
    }
    if (!db.transaction()) throw UserError(databaseMessage(QStringLiteral("数据库错误"), db.lastError()).toStdString());
    try {
        exec(db, createDrawTableSql(options.name, digitColumns));
        exec(db, createOptionsTableSql(options.name));
        insertOptions(db, options);
        if (!db.commit()) throw UserError(databaseMessage(QStringLiteral("数据库错误"), db.lastError()).toStdString());
    } catch (...) {
        db.rollback();
        throw;
    }
}

void deleteLottery(const QString &dbPath, const QString &lottery) {
    requireValidLotteryName(lottery);
    Connection con(dbPath);
    QSqlDatabase &db = con.db();
    if (!db.transaction()) throw UserError(databaseMessage(QStringLiteral("数据库错误"), db.lastError()).toStdString());
    try {
        exec(db, QStringLiteral("drop table %1").arg(quoteIdent(drawTableName(lottery))));
        exec(db, QStringLiteral("drop table %1").arg(quoteIdent(optionsTableName(lottery))));
        if (!db.commit()) throw UserError(databaseMessage(QStringLiteral("数据库错误"), db.lastError()).toStdString());
    } catch (...) {
        db.rollback();
        throw;
    }
}

QString databaseRefusal(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("无法读取文件 %1：%2").arg(path, file.errorString());
    if (file.read(16) != QByteArray("SQLite format 3\0", 16))
        return QStringLiteral("文件 %1 不是本程序的彩票数据库！").arg(path);
    file.close();
    try {
        Connection con(path);
        const QStringList tables = userTables(con.db());
        for (const QString &t : tables)
            if (t.endsWith(DrawSuffix) && tables.contains(t.chopped(DrawSuffix.size()) + OptionsSuffix)) return {};
    } catch (const UserError &e) {
        return QString::fromStdString(e.what());
    }
    return QStringLiteral("文件 %1 中没有彩票数据，不是本程序的彩票数据库！").arg(path);
}

QStringList catalogueProblems(const QString &path) {
    if (const QString refusal = databaseRefusal(path); !refusal.isEmpty()) return {refusal};
    QStringList problems;
    Connection con(path);
    const QStringList tables = userTables(con.db());
    for (const QString &t : tables) {
        if (!t.endsWith(DrawSuffix) || t.size() == DrawSuffix.size()) continue;
        const QString lottery = t.chopped(DrawSuffix.size());
        if (!tables.contains(lottery + OptionsSuffix))
            problems << QStringLiteral("彩票“%1”缺少选项表（%1%2）").arg(lottery, OptionsSuffix);
    }
    return problems;
}

void createDatabase(const QString &dbPath, const QList<BundledLottery> &lotteries) {
    const QString temp = dbPath + QStringLiteral(".new");
    QFile::remove(temp);
    {
        QFile create(temp);
        if (!create.open(QIODevice::WriteOnly))
            throw UserError(QStringLiteral("无法创建数据库文件 %1：%2").arg(temp, create.errorString()).toStdString());
    }
    {
        Connection con(temp);
        QSqlDatabase &db = con.db();
        db.transaction();
        try {
            for (const BundledLottery &l : lotteries) {
                requireValidLotteryName(l.options.name);
                exec(db, createDrawTableSql(l.options.name, l.draws.columnCount));
                exec(db, createOptionsTableSql(l.options.name));
                insertOptions(db, l.options);
                insertDraws(db, l.options.name, l.draws);
            }
            if (!db.commit())
                throw UserError(databaseMessage(QStringLiteral("数据库错误"), db.lastError()).toStdString());
        } catch (...) {
            db.rollback();
            con.db().close();
            QFile::remove(temp);
            throw;
        }
    }
    QFile::remove(dbPath);
    if (!QFile::rename(temp, dbPath))
        throw UserError(QStringLiteral("无法创建数据库文件 %1").arg(dbPath).toStdString());
}

RawDrawTable parseBundledHistory(const QByteArray &text) {
    RawDrawTable table;
    table.columnCount = 3;
    for (const std::string_view line : splitLines(std::string_view(text.constData(), size_t(text.size())))) {
        const std::vector<std::string_view> items = splitItems(line);
        if (items.size() < 2 || items[1].size() < 3) continue;
        RawDraw row;
        row.issue = std::string(items[0]);
        for (int c = 0; c < 3; ++c) row.digits[c] = items[1][c] - '0';
        table.rows.push_back(std::move(row));
    }
    return table;
}

bool ensureDefaultDatabase(const QString &dbPath) {
    if (QFileInfo::exists(dbPath)) return false;
    QList<BundledLottery> lotteries;
    const struct {
        const char *name;
        const char *resource;
        const char *time;
    } bundled[] = {{"中国福彩3D", ":/data/fc3d_history.txt", "21:15"},
                   {"中国体彩排列3", ":/data/pl3_history.txt", "21:25"}};
    for (const auto &b : bundled) {
        QFile file(QString::fromUtf8(b.resource));
        if (!file.open(QIODevice::ReadOnly)) throw UserError(QStringLiteral("缺少内置的开奖数据").toStdString());
        BundledLottery l;
        l.options = {QString::fromUtf8(b.name), 1, 10, 3, QString::fromUtf8(b.time), QStringLiteral("1234567")};
        l.draws = parseBundledHistory(file.readAll());
        lotteries << l;
    }
    QDir().mkpath(QFileInfo(dbPath).absolutePath());
    createDatabase(dbPath, lotteries);
    return true;
}

} // namespace corvel
