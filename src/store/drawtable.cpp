#include "store/drawtable.h"

#include "core/usererror.h"
#include "store/backup.h"
#include "store/database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>

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

RawDrawTable readDrawTable(QSqlDatabase &db, const QString &lottery) {
    const QStringList columns = digitColumns(db, lottery);
    RawDrawTable table;
    table.columnCount = std::min<int>(int(columns.size()), 5);
    QString select = quoteIdent(QStringLiteral("记录期号"));
    for (int c = 0; c < table.columnCount; ++c) select += QLatin1Char(',') + quoteIdent(columns[c]);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select %1 from %2 order by %3")
                    .arg(select, quoteIdent(drawTableName(lottery)), quoteIdent(QStringLiteral("记录期号")))))
        fail(q);
    while (q.next()) {
        RawDraw row;
        row.issue = q.value(0).toString().toStdString();
        for (int c = 0; c < table.columnCount; ++c) {
            const QVariant v = q.value(c + 1);
            bool ok = false;
            const int value = v.toInt(&ok);
            if (!v.isNull() && ok) row.digits[c] = value;
        }
        table.rows.push_back(std::move(row));
    }
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
