// Changing single rows of a draw table and storing a table model's changes in one transaction.

#include "core/usererror.h"
#include "store/appdir.h"
#include "store/database.h"
#include "store/drawtable.h"
#include "testsupport.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

const QString Fc3d = QStringLiteral("中国福彩3D");

// The stored rows of 中国福彩3D in rowid order as "issue digits".
QStringList rowsInRowidOrder(QSqlDatabase &db) {
    QSqlQuery q(db);
    q.exec(QStringLiteral("select \"记录期号\", \"1\", \"2\", \"3\" from %1 order by rowid")
               .arg(quoteIdent(drawTableName(Fc3d))));
    QStringList rows;
    while (q.next())
        rows << q.value(0).toString() + QLatin1Char(' ') + q.value(1).toString() + q.value(2).toString() +
                    q.value(3).toString();
    return rows;
}

// The record of the table's row `row` (rowid order) as a model reads it.
QSqlRecord recordOf(QSqlDatabase &db, int row) {
    QSqlQuery q(db);
    q.exec(QStringLiteral("select * from %1 order by rowid limit 1 offset %2")
               .arg(quoteIdent(drawTableName(Fc3d)))
               .arg(row));
    q.next();
    return q.record();
}

struct DrawDatabase {
    test::TempAppDir dir;
    std::unique_ptr<Connection> con;

    explicit DrawDatabase(const QStringList &draws) {
        dir.createDatabase({{Fc3d, draws}});
        con = std::make_unique<Connection>(databasePath());
    }
    QSqlDatabase &db() { return con->db(); }
};

} // namespace

TEST(DrawTableRows, UpdateChangesOnlyTheFirstOfTwoEqualRowsAndOnlyGeneratedFields) {
    DrawDatabase d({QStringLiteral("2007001 123"), QStringLiteral("2007002 456"), QStringLiteral("2007001 123")});
    const QSqlRecord original = recordOf(d.db(), 2);
    QSqlRecord values = original;
    values.setValue(QStringLiteral("2"), 9);
    for (int i = 0; i < values.count(); ++i) values.setGenerated(i, values.fieldName(i) == QStringLiteral("2"));
    values.setValue(QStringLiteral("3"), 0); // not generated: stays as stored

    const QSqlError error = updateDrawRow(d.db(), drawTableName(Fc3d), original, values);
    EXPECT_EQ(error.type(), QSqlError::NoError) << error.text().toStdString();
    EXPECT_EQ(rowsInRowidOrder(d.db()), (QStringList{QStringLiteral("2007001 193"), QStringLiteral("2007002 456"),
                                                     QStringLiteral("2007001 123")}));

    // Nothing generated: nothing to do.
    for (int i = 0; i < values.count(); ++i) values.setGenerated(i, false);
    EXPECT_EQ(updateDrawRow(d.db(), drawTableName(Fc3d), recordOf(d.db(), 1), values).type(), QSqlError::NoError);
    EXPECT_EQ(rowsInRowidOrder(d.db())[1], QStringLiteral("2007002 456"));
}

TEST(DrawTableRows, DeleteRemovesOneOfTwoEqualRowsAndMatchesEmptyCells) {
    DrawDatabase d({QStringLiteral("2007001 123"), QStringLiteral("2007001 123"), QStringLiteral("2007003 789")});
    d.con->exec(QStringLiteral("update %1 set \"3\" = null where \"记录期号\" = '2007003'")
                    .arg(quoteIdent(drawTableName(Fc3d))));

    EXPECT_EQ(deleteDrawRow(d.db(), drawTableName(Fc3d), recordOf(d.db(), 1)).type(), QSqlError::NoError);
    EXPECT_EQ(rowsInRowidOrder(d.db()), (QStringList{QStringLiteral("2007001 123"), QStringLiteral("2007003 78")}));

    // An empty cell is matched as empty ("is null"), so the row is found.
    EXPECT_EQ(deleteDrawRow(d.db(), drawTableName(Fc3d), recordOf(d.db(), 1)).type(), QSqlError::NoError);
    EXPECT_EQ(rowsInRowidOrder(d.db()), QStringList{QStringLiteral("2007001 123")});

    // A table that does not exist gives the database's error, nothing is thrown.
    EXPECT_NE(deleteDrawRow(d.db(), QStringLiteral("没有的表"), recordOf(d.db(), 0)).type(), QSqlError::NoError);
    EXPECT_EQ(rowsInRowidOrder(d.db()).size(), 1);
}

TEST(DrawTableRows, SubmitStoresAllChangesOrNone) {
    DrawDatabase d({QStringLiteral("2007001 123"), QStringLiteral("2007002 456")});
    // The database refuses one of the two changes.
    d.con->exec(QStringLiteral("create trigger refuse before update on %1 when new.\"记录期号\" = '坏' "
                               "begin select raise(abort, '拒绝修改'); end")
                    .arg(quoteIdent(drawTableName(Fc3d))));
    QSqlTableModel model(nullptr, d.db());
    model.setEditStrategy(QSqlTableModel::OnManualSubmit);
    model.setTable(drawTableName(Fc3d));
    ASSERT_TRUE(model.select());
    const int issue = model.fieldIndex(QStringLiteral("记录期号"));
    model.setData(model.index(0, issue), QStringLiteral("2007009"));
    model.setData(model.index(1, issue), QStringLiteral("坏"));

    try {
        submitDrawChanges(d.db(), model);
        ADD_FAILURE() << "the refused change was stored";
    } catch (const UserError &e) {
        const QString message = QString::fromStdString(e.what());
        EXPECT_TRUE(message.startsWith(QStringLiteral("数据库错误："))) << e.what();
        EXPECT_TRUE(message.contains(QStringLiteral("拒绝修改"))) << e.what();
    }
    // The first change went back with the refused one; the typing is still pending.
    EXPECT_EQ(rowsInRowidOrder(d.db()), (QStringList{QStringLiteral("2007001 123"), QStringLiteral("2007002 456")}));
    EXPECT_TRUE(model.isDirty());
    EXPECT_FALSE(d.db().rollback()); // no transaction was left open

    QSqlTableModel fresh(nullptr, d.db());
    fresh.setEditStrategy(QSqlTableModel::OnManualSubmit);
    fresh.setTable(drawTableName(Fc3d));
    ASSERT_TRUE(fresh.select());
    fresh.setData(fresh.index(0, issue), QStringLiteral("2007009"));
    fresh.removeRow(1);
    submitDrawChanges(d.db(), fresh);
    EXPECT_FALSE(fresh.isDirty());
    EXPECT_EQ(rowsInRowidOrder(d.db()), QStringList{QStringLiteral("2007009 123")});
}

namespace {

// The table as a query reads it: every row in issue order, each value as the driver's
// variant converts.
RawDrawTable readThroughQuery(QSqlDatabase &db, const QString &lottery) {
    const QStringList columns = digitColumns(db, lottery);
    RawDrawTable table;
    table.columnCount = std::min<int>(int(columns.size()), 5);
    QString select = quoteIdent(QStringLiteral("记录期号"));
    for (int c = 0; c < table.columnCount; ++c) select += QLatin1Char(',') + quoteIdent(columns[c]);
    QSqlQuery q(db);
    q.exec(QStringLiteral("select %1 from %2 order by %3")
               .arg(select, quoteIdent(drawTableName(lottery)), quoteIdent(QStringLiteral("记录期号"))));
    while (q.next()) {
        RawDraw row;
        row.issue = q.value(0).toString().toStdString();
        for (int c = 0; c < table.columnCount; ++c) {
            bool ok = false;
            const int value = q.value(c + 1).toInt(&ok);
            if (!q.value(c + 1).isNull() && ok) row.digits[c] = value;
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

void expectSameTable(const RawDrawTable &got, const RawDrawTable &want) {
    EXPECT_EQ(got.columnCount, want.columnCount);
    ASSERT_EQ(got.rows.size(), want.rows.size());
    for (size_t i = 0; i < got.rows.size(); ++i) {
        EXPECT_EQ(got.rows[i].issue, want.rows[i].issue) << "row " << i;
        EXPECT_EQ(got.rows[i].digits, want.rows[i].digits) << "row " << i;
    }
}

} // namespace

TEST(DrawTableRead, ReadsInIssueOrderWhetherOrNotStoredSo) {
    // Stored in order; stored out of order; equal issues; an issue that sorts by its text
    // (a shorter one before a longer one with the same start).
    const QList<QStringList> tables = {
        {QStringLiteral("2007001 123"), QStringLiteral("2007002 456"), QStringLiteral("2007003 789")},
        {QStringLiteral("2007003 123"), QStringLiteral("2007001 456"), QStringLiteral("2007002 789")},
        {QStringLiteral("2007002 123"), QStringLiteral("2007001 456"), QStringLiteral("2007002 789"),
         QStringLiteral("2007001 000")},
        {QStringLiteral("200701 111"), QStringLiteral("2007010 222"), QStringLiteral("20070 333")},
        {}};
    for (const QStringList &draws : tables) {
        DrawDatabase d(draws);
        const RawDrawTable table = readDrawTable(d.db(), Fc3d);
        expectSameTable(table, readThroughQuery(d.db(), Fc3d));
        EXPECT_EQ(table.rows.size(), size_t(draws.size()));
    }
}

TEST(DrawTableRead, OddValuesOfAnOlderTableReadAsTheDriverConvertsThem) {
    DrawDatabase d({});
    const QString table = quoteIdent(drawTableName(Fc3d));
    // A table without the value checks, its issue compared without case.
    d.con->exec(QStringLiteral("drop table %1").arg(table));
    d.con->exec(QStringLiteral("create table %1(\"记录期号\" text collate nocase, \"1\", \"2\", \"3\")").arg(table));
    d.con->exec(QStringLiteral("insert into %1 values ('2007001', 1, 2, 3), ('2007002', ' 7', '8x', null), "
                               "(2007003, 2.6, 3.0, 5000000000), ('a', x'35', -4, 9), ('B', 1, 1, 1), "
                               "(null, 0, 0, 0), ('2007001', 9, 9, 9)")
                    .arg(table));
    expectSameTable(readDrawTable(d.db(), Fc3d), readThroughQuery(d.db(), Fc3d));
    // The same rows in a table whose issue compares by bytes, stored in order but for one.
    d.con->exec(QStringLiteral("drop table %1").arg(table));
    d.con->exec(QStringLiteral("create table %1(\"记录期号\" text, \"1\", \"2\", \"3\")").arg(table));
    d.con->exec(
        QStringLiteral("insert into %1 values ('B', 1, 1, 1), ('a', 2.6, '8', x'39'), ('c', 3, 3, 3)").arg(table));
    expectSameTable(readDrawTable(d.db(), Fc3d), readThroughQuery(d.db(), Fc3d));
    d.con->exec(QStringLiteral("insert into %1 values ('b', 4, 4, 4)").arg(table));
    expectSameTable(readDrawTable(d.db(), Fc3d), readThroughQuery(d.db(), Fc3d));
}
