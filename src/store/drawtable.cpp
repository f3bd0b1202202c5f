#include "store/drawtable.h"

#include "core/usererror.h"
#include "store/backup.h"
#include "store/database.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <limits>
#include <optional>
#include <sqlite3.h>

namespace corvel {

namespace {
[[noreturn]] void fail(const QSqlQuery &q) {
    throw UserError(databaseMessage(QStringLiteral("数据库错误"), q.lastError()).toStdString());
}

// "rowid = (the first row holding `original`'s values)"; its values are appended to `binds`.
QString whereRow(const QString &table, const QSqlRecord &original, QVariantList &binds) {
    QStringList conditions;
    for (int i = 0; i < original.count(); ++i) {
        conditions << quoteIdent(original.fieldName(i)) + QStringLiteral(" is ?");
        binds << original.value(i);
    }
    return QStringLiteral("rowid = (select rowid from %1 where %2 limit 1)")
        .arg(quoteIdent(table), conditions.join(QStringLiteral(" and ")));
}

QSqlError run(QSqlDatabase &db, const QString &statement, const QVariantList &binds) {
    QSqlQuery q(db);
    if (!q.prepare(statement)) return q.lastError();
    for (int i = 0; i < binds.size(); ++i) q.bindValue(i, binds[i]);
    return q.exec() ? QSqlError() : q.lastError();
}
} // namespace

QStringList digitColumns(QSqlDatabase &db, const QString &lottery) {
    requireValidLotteryName(lottery);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("pragma table_info(%1)").arg(quoteIdent(drawTableName(lottery))))) fail(q);
    QStringList names;
    bool any = false;
    while (q.next()) {
        any = true;
        const QString name = q.value(1).toString();
        bool numeric = false;
        name.toInt(&numeric);
        if (numeric) names << name;
    }
    if (!any) throw UserError(QStringLiteral("数据库中没有表 %1").arg(drawTableName(lottery)).toStdString());
    return names;
}

namespace {

// The connection's own SQLite handle: the table is read straight from SQLite, a row at a
// time, rather than through a query's per-value variants (which take most of the time
// of opening a lottery).
sqlite3 *sqliteHandle(const QSqlDatabase &db) {
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw UserError("数据库错误：数据库连接不是 SQLite 连接");
    return *static_cast<sqlite3 *const *>(handle.constData());
}

class Statement {
public:
    Statement(sqlite3 *db, const QString &sql) : db_(db) {
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt_, nullptr) != SQLITE_OK) fail();
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool next() {
        const int rc = sqlite3_step(stmt_);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE) fail();
        return rc == SQLITE_ROW;
    }
    sqlite3_stmt *get() const { return stmt_; }

private:
    [[noreturn]] void fail() const {
        throw UserError(
            databaseMessage(QStringLiteral("数据库错误"), QString::fromUtf8(sqlite3_errmsg(db_))).toStdString());
    }
    sqlite3 *db_;
    sqlite3_stmt *stmt_ = nullptr;
};

// A value as the QSQLITE driver hands it to a query.
QVariant driverValue(sqlite3_stmt *stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, column));
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char *>(sqlite3_column_blob(stmt, column)),
                                   sqlite3_column_bytes(stmt, column)));
    default:
        return QVariant(QString(static_cast<const QChar *>(sqlite3_column_text16(stmt, column)),
                                sqlite3_column_bytes16(stmt, column) / qsizetype(sizeof(QChar))));
    }
}

// The issue text: a stored text as it is (the database keeps UTF-8), anything else as
// the driver's value reads as text.
std::string issueText(sqlite3_stmt *stmt) {
    if (sqlite3_column_type(stmt, 0) == SQLITE_TEXT)
        return {reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)), size_t(sqlite3_column_bytes(stmt, 0))};
    return driverValue(stmt, 0).toString().toStdString();
}

// A digit cell: an integer, or whatever the driver's value converts to one; empty when it
// is null or does not convert.
std::optional<int32_t> digitCell(sqlite3_stmt *stmt, int column) {
    const int type = sqlite3_column_type(stmt, column);
    if (type == SQLITE_NULL) return std::nullopt;
    if (type == SQLITE_INTEGER) {
        const sqlite3_int64 v = sqlite3_column_int64(stmt, column);
        if (v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max())
            return static_cast<int32_t>(v);
    }
    bool ok = false;
    const int value = driverValue(stmt, column).toInt(&ok);
    return ok ? std::optional<int32_t>(value) : std::nullopt;
}

// Whether the issue column compares as plain bytes (its collation is SQLite's default).
bool issuesCompareAsBytes(sqlite3 *db, const QString &table) {
    const char *collation = nullptr;
    return sqlite3_table_column_metadata(db, nullptr, table.toUtf8().constData(), "记录期号", nullptr, &collation,
                                         nullptr, nullptr, nullptr) == SQLITE_OK &&
           collation && qstricmp(collation, "BINARY") == 0;
}

} // namespace

RawDrawTable readDrawTable(QSqlDatabase &db, const QString &lottery) {
    const QStringList columns = digitColumns(db, lottery);
    sqlite3 *handle = sqliteHandle(db);
    RawDrawTable table;
    table.columnCount = std::min<int>(int(columns.size()), 5);
    QString select = quoteIdent(QStringLiteral("记录期号"));
    for (int c = 0; c < table.columnCount; ++c) select += QLatin1Char(',') + quoteIdent(columns[c]);
    const QString from = QStringLiteral("select %1 from %2").arg(select, quoteIdent(drawTableName(lottery)));

    // Rows are usually stored in issue order: read as they lie, and have the database sort
    // them only when they are not (or when an issue is not a plain text).
    const auto read = [&](const QString &sql) {
        Statement q(handle, sql);
        table.rows.clear();
        bool ascending = true;
        while (q.next()) {
            RawDraw row;
            ascending = ascending && sqlite3_column_type(q.get(), 0) == SQLITE_TEXT;
            row.issue = issueText(q.get());
            for (int c = 0; c < table.columnCount; ++c) row.digits[c] = digitCell(q.get(), c + 1);
            ascending = ascending && (table.rows.empty() || table.rows.back().issue < row.issue);
            table.rows.push_back(std::move(row));
        }
        return ascending;
    };
    if (!issuesCompareAsBytes(handle, drawTableName(lottery)) || !read(from))
        read(from + QStringLiteral(" order by %1").arg(quoteIdent(QStringLiteral("记录期号"))));
    return table;
}

DrawCheck checkDrawTable(QSqlDatabase &db, const QString &lottery) {
    const QStringList columns = digitColumns(db, lottery);
    const QString issue = quoteIdent(QStringLiteral("记录期号"));
    QString select = issue;
    for (const QString &c : columns) select += QLatin1Char(',') + quoteIdent(c);
    QSqlQuery info(db);
    bool dated = false;
    if (info.exec(QStringLiteral("pragma table_info(%1)").arg(quoteIdent(drawTableName(lottery)))))
        while (info.next()) dated = dated || info.value(1).toString() == QStringLiteral("开奖日期");
    select += dated ? QStringLiteral(",%1").arg(quoteIdent(QStringLiteral("开奖日期"))) : QStringLiteral(",''");
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select %1 from %2 order by %3").arg(select, quoteIdent(drawTableName(lottery)), issue)))
        fail(q);
    std::vector<DrawCheckRow> rows;
    while (q.next()) {
        DrawCheckRow row;
        row.line = rows.size() + 1;
        row.issue = q.value(0).toString().trimmed().toStdString();
        for (qsizetype c = 0; c < columns.size(); ++c) {
            const QVariant v = q.value(int(c) + 1);
            bool ok = false;
            const int digit = v.toInt(&ok);
            row.digits += !v.isNull() && ok && digit >= 0 && digit <= 9 ? char('0' + digit) : '?';
        }
        row.date = q.value(int(columns.size()) + 1).toString().trimmed().toStdString();
        rows.push_back(std::move(row));
    }
    return checkDraws(rows);
}

int drawTableCount(QSqlDatabase &db, const QString &lottery) {
    requireValidLotteryName(lottery);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("select count(*) from %1").arg(quoteIdent(drawTableName(lottery)))) || !q.next())
        fail(q);
    return q.value(0).toInt();
}

QSqlError updateDrawRow(QSqlDatabase &db, const QString &table, const QSqlRecord &original, const QSqlRecord &values) {
    QStringList sets;
    QVariantList binds;
    for (int i = 0; i < values.count(); ++i) {
        if (!values.isGenerated(i)) continue;
        sets << quoteIdent(values.fieldName(i)) + QStringLiteral(" = ?");
        binds << values.value(i);
    }
    if (sets.isEmpty()) return {};
    const QString where = whereRow(table, original, binds);
    return run(db,
               QStringLiteral("update %1 set %2 where %3").arg(quoteIdent(table), sets.join(QLatin1Char(',')), where),
               binds);
}

QSqlError deleteDrawRow(QSqlDatabase &db, const QString &table, const QSqlRecord &original) {
    QVariantList binds;
    const QString where = whereRow(table, original, binds);
    return run(db, QStringLiteral("delete from %1 where %2").arg(quoteIdent(table), where), binds);
}

void submitDrawChanges(QSqlDatabase &db, QSqlTableModel &model) {
    auto failWith = [](const QString &error) {
        throw UserError(databaseMessage(QStringLiteral("数据库错误"), error).toStdString());
    };
    if (!db.transaction()) failWith(db.lastError().text());
    if (!model.submitAll()) {
        const QString error = model.lastError().text();
        db.rollback();
        failWith(error.isEmpty() ? QStringLiteral("保存失败") : error);
    }
    if (!db.commit()) {
        const QString error = db.lastError().text();
        db.rollback();
        failWith(error);
    }
}

int trimDrawTable(QSqlDatabase &db, const QString &lottery, int keep) {
    const int count = drawTableCount(db, lottery);
    if (count <= keep) return 0;
    makeSafetyCopy(db.databaseName()); // the trimmed draws can be had back with 数据恢复
    const QString table = quoteIdent(drawTableName(lottery));
    if (!db.transaction()) throw UserError(databaseMessage(QStringLiteral("数据库错误"), db.lastError()).toStdString());
    QSqlQuery q(db);
    const bool ok = q.exec(QStringLiteral("delete from %1 where rowid in (select rowid from %1 order by %2 limit %3)")
                               .arg(table, quoteIdent(QStringLiteral("记录期号")))
                               .arg(count - keep));
    if (!ok) {
        db.rollback();
        fail(q);
    }
    if (!db.commit()) {
        db.rollback();
        throw UserError(databaseMessage(QStringLiteral("数据库错误"), db.lastError()).toStdString());
    }
    return count - keep;
}

} // namespace corvel
