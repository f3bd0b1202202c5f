#include "core/u_public.h"
#include "core/usererror.h"
#include "store/appdir.h"
#include "store/catalogue.h"
#include "store/database.h"
#include "store/drawtable.h"
#include "store/textfile.h"
#include "store/u_datamod.h"
#include "testsupport.h"

#include <QFile>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

int rowCount(const QString &lottery) {
    Connection con(databasePath());
    return drawTableCount(con.db(), lottery);
}

QString lowestIssue(const QString &lottery) {
    Connection con(databasePath());
    QSqlQuery q(con.db());
    q.exec(QStringLiteral("select min(\"记录期号\") from %1").arg(quoteIdent(drawTableName(lottery))));
    q.next();
    return q.value(0).toString();
}

void openLottery(const QString &name) {
    LotteryName = name.toStdString();
    LotteryKind = 1;
    NumberRange = 10;
    PickCount = 3;
    PositionStart = 1;
    LoadLottery();
}

} // namespace

TEST(Catalogue, ListsLotteriesBesideUnrelatedTables) {
    test::TempAppDir dir;
    dir.createDatabase({{QStringLiteral("中国福彩3D"), {QStringLiteral("2007001 123")}}});
    {
        Connection con(databasePath());
        con.exec(QStringLiteral("create table \"备注\"(x integer)"));
        con.exec(QStringLiteral("create table \"彩票号码表\"(x integer)")); // the suffix alone names no lottery
    }
    EXPECT_EQ(listLotteries(databasePath()), QStringList{QStringLiteral("中国福彩3D")});
}

TEST(Catalogue, AddAndDeleteWithChineseNames) {
    test::TempAppDir dir;
    dir.createDatabase({{QStringLiteral("中国福彩3D"), {}}});
    LotteryOptions o{QStringLiteral("重庆时时彩"), 1, 10, 3, QStringLiteral("22:00"), QStringLiteral("246")};
    addLottery(databasePath(), o, 5);
    EXPECT_TRUE(listLotteries(databasePath()).contains(QStringLiteral("重庆时时彩")));
    const LotteryOptions back = readOptions(databasePath(), QStringLiteral("重庆时时彩"));
    EXPECT_EQ(back.name, o.name);
    EXPECT_EQ(back.weekdays, QStringLiteral("246"));
    EXPECT_EQ(back.drawTime, QStringLiteral("22:00"));
    {
        Connection con(databasePath());
        EXPECT_EQ(digitColumns(con.db(), QStringLiteral("重庆时时彩")),
                  (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                               QStringLiteral("5")}));
    }
    EXPECT_THROW(addLottery(databasePath(), o, 5), UserError); // exists already
    deleteLottery(databasePath(), QStringLiteral("重庆时时彩"));
    EXPECT_EQ(listLotteries(databasePath()), QStringList{QStringLiteral("中国福彩3D")});
    EXPECT_THROW(deleteLottery(databasePath(), QStringLiteral("重庆时时彩")), UserError);
}

TEST(Catalogue, CaseTwinsAndImpossibleDigitCountsAreRefusedBeforeAnySql) {
    test::TempAppDir dir;
    dir.createDatabase({{QStringLiteral("中国福彩3D"), {QStringLiteral("2007001 123")}}});
    LotteryOptions upper{QStringLiteral("ABC"), 1, 10, 3, QStringLiteral("22:00"), QStringLiteral("135")};
    addLottery(databasePath(), upper, 3);
    LotteryOptions lower = upper;
    lower.name = QStringLiteral("abc");
    EXPECT_EQ(test::userErrorOf([&] { addLottery(databasePath(), lower, 3); }),
              "彩票“abc”与已有的彩票“ABC”只差字母大小写，不能再添加！");
    EXPECT_EQ(test::userErrorOf([&] { addLottery(databasePath(), upper, 3); }), "彩票“ABC”已经存在！");
    for (int columns : {-1, 0, 2, 6, 1999}) {
        LotteryOptions o{QStringLiteral("新彩票"), 1, 10, columns, QStringLiteral(""), QStringLiteral("")};
        EXPECT_EQ(test::userErrorOf([&] { addLottery(databasePath(), o, columns); }),
                  QStringLiteral("选择号码数“%1”无效：只能是3到5！").arg(columns).toStdString());
    }
    EXPECT_EQ(listLotteries(databasePath()), (QStringList{QStringLiteral("中国福彩3D"), QStringLiteral("ABC")}));
}

TEST(Catalogue, NamesThatCouldChangeAStatementAreRefused) {
    test::TempAppDir dir;
    dir.createDatabase({{QStringLiteral("中国福彩3D"), {QStringLiteral("2007001 123")}}});
    for (const QString &bad :
         {QStringLiteral("x\"(a int);drop table \"中国福彩3D彩票号码表\";--"), QStringLiteral("a b"),
          QStringLiteral("it's"), QStringLiteral(""), QStringLiteral("一二三四五六七八九十一二三四五六七八九十一")}) {
        EXPECT_FALSE(validLotteryName(bad)) << bad.toStdString();
        LotteryOptions options;
        options.name = bad;
        EXPECT_THROW(addLottery(databasePath(), options, 3), UserError);
        EXPECT_THROW(deleteLottery(databasePath(), bad), UserError);
    }
    EXPECT_EQ(listLotteries(databasePath()), QStringList{QStringLiteral("中国福彩3D")});
    EXPECT_EQ(rowCount(QStringLiteral("中国福彩3D")), 1);
    EXPECT_TRUE(validLotteryName(QStringLiteral("中国体彩排列3")));
}

TEST(Catalogue, DrawTableColumnsRefuseBadValues) {
    test::TempAppDir dir;
    dir.createDatabase({{QStringLiteral("中国福彩3D"), {}}});
    Connection con(databasePath());
    EXPECT_THROW(con.exec(QStringLiteral("insert into \"中国福彩3D彩票号码表\" values ('20070011', 1, 2, 3, null)")),
                 UserError);
    EXPECT_THROW(con.exec(QStringLiteral("insert into \"中国福彩3D彩票号码表\" values ('2007001', 'a', 2, 3, null)")),
                 UserError);
    EXPECT_THROW(con.exec(QStringLiteral("insert into \"中国福彩3D彩票号码表\" values ('2007001', 10, 2, 3, null)")),
                 UserError);
    con.exec(QStringLiteral("insert into \"中国福彩3D彩票号码表\" values ('2007001', '4', 2, 3, null)"));
    EXPECT_EQ(drawTableCount(con.db(), QStringLiteral("中国福彩3D")), 1);
}

TEST(Loader, TrimsToTwelveThousandOldestFirst) {
    test::TempAppDir dir;
    dir.createDatabase({{QStringLiteral("中国福彩3D"), test::makeDraws(12001)},
                        {QStringLiteral("中国体彩排列3"), test::makeDraws(12000, 2)}});
    Tdatamod dm;
    const QString lowest = lowestIssue(QStringLiteral("中国福彩3D"));
    openLottery(QStringLiteral("中国福彩3D"));
    EXPECT_EQ(DrawCount, 12000);
    EXPECT_EQ(rowCount(QStringLiteral("中国福彩3D")), 12000);
    EXPECT_GT(lowestIssue(QStringLiteral("中国福彩3D")), lowest);
    EXPECT_EQ(NumberCount, 1000);
    EXPECT_TRUE(FillDrawHistory().isEmpty());
    EXPECT_EQ(DrawHistory.size(), 12000u);
    EXPECT_EQ(TrendRows.size(), 12000u);
    EXPECT_EQ(QString::number(DrawHistory.front()[0]), lowestIssue(QStringLiteral("中国福彩3D")));

    const QString lowest2 = lowestIssue(QStringLiteral("中国体彩排列3"));
    openLottery(QStringLiteral("中国体彩排列3"));
    EXPECT_EQ(rowCount(QStringLiteral("中国体彩排列3")), 12000);
    EXPECT_EQ(lowestIssue(QStringLiteral("中国体彩排列3")), lowest2);
}

TEST(Loader, IssuesAreLoadedWholeInSixtyFourBitsOnceAndClosedWithTheLottery) {
    test::TempAppDir dir;
    dir.createDatabase({{QStringLiteral("中国福彩3D"), {}}});
    {
        // The program's own tables keep issues to 7 characters; a table from an older
        // database has no such limit, and the loader reads it as it is.
        Connection con(databasePath());
        const QString table = quoteIdent(drawTableName(QStringLiteral("中国福彩3D")));
        con.exec(QStringLiteral("drop table %1").arg(table));
        con.exec(QStringLiteral("create table %1(\"记录期号\" varchar(20), \"1\" integer, \"2\" integer, "
                                "\"3\" integer, \"开奖日期\" varchar(10))")
                     .arg(table));
        con.exec(QStringLiteral("insert into %1 values ('20241231120', 7, 8, 9, null), ('20240101001', 1, 2, 3, null), "
                                "('20240101002', 4, 5, 6, null)")
                     .arg(table));
    }
    Tdatamod dm;
    openLottery(QStringLiteral("中国福彩3D"));
    EXPECT_TRUE(FillDrawHistory().isEmpty());
    std::vector<int64_t> stored;
    for (const QString &line : test::tableLines(QStringLiteral("中国福彩3D")))
        stored.push_back(line.section(QLatin1Char(' '), 0, 0).toLongLong());
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(DrawIssues, stored);
    EXPECT_EQ(DrawIssues.front(), 20240101001);
    EXPECT_EQ(DrawIssues.size(), DrawHistory.size());
    EXPECT_EQ(DrawHistory.front()[0], 240101001);

    CloseLotteryState();
    EXPECT_TRUE(DrawIssues.empty());
    EXPECT_TRUE(DrawHistory.empty());
}

TEST(Loader, EmptyTableAndResetChoices) {
    test::TempAppDir dir;
    dir.createDatabase({{QStringLiteral("中国福彩3D"), {}}});
    Tdatamod dm;
    Choices.indicatorCategory[3] = 7; // 和尾 window's scheme
    Choices.position = 3;
    DirectNumbers = {};
    openLottery(QStringLiteral("中国福彩3D"));
    EXPECT_EQ(DrawCount, 0);
    EXPECT_EQ(Choices.indicatorCategory[3], 1);
    EXPECT_EQ(Choices.position, 1);
    EXPECT_EQ(DirectNumbers[407], (DirectNumberRow{4, 0, 7, 0, 0}));
    EXPECT_TRUE(FillDrawHistory().isEmpty());
    EXPECT_TRUE(DrawHistory.empty());
}

TEST(Loader, FailuresLeaveTheStateAndTheDataAlone) {
    test::TempAppDir dir;
    Tdatamod dm;
    EXPECT_THROW(openLottery(QStringLiteral("中国福彩3D")), UserError); // no database file
    EXPECT_FALSE(QFile::exists(databasePath()));                        // and none was created by the attempt

    dir.createDatabase({{QStringLiteral("中国福彩3D"), {QStringLiteral("2007001 123")}}});
    EXPECT_THROW(openLottery(QStringLiteral("中国体彩排列3")), UserError); // missing table

    LotteryName = "中国福彩3D";
    LotteryKind = 0; // lotto profile: refused
    EXPECT_THROW(LoadLottery(), UserError);
    EXPECT_EQ(rowCount(QStringLiteral("中国福彩3D")), 1);

    // A file that is not a database at all.
    QFile::remove(databasePath());
    QFile junk(databasePath());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, '\x7f'));
    junk.close();
    EXPECT_THROW(openLottery(QStringLiteral("中国福彩3D")), UserError);
}

TEST(Database, RefusesFilesThatAreNotOurs) {
    test::TempAppDir dir;
    dir.createDatabase({{QStringLiteral("中国福彩3D"), {QStringLiteral("2007001 123")}}});
    EXPECT_TRUE(databaseRefusal(databasePath()).isEmpty());

    const QString picture = dir.path() + QStringLiteral("图片/back.db");
    QFile f(picture);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("BM\x36\x00\x00\x00 not a database");
    f.close();
    EXPECT_FALSE(databaseRefusal(picture).isEmpty());
    EXPECT_FALSE(databaseRefusal(dir.path() + QStringLiteral("nothing.db")).isEmpty());

    const QString other = dir.path() + QStringLiteral("other.db");
    {
        QFile create(other);
        ASSERT_TRUE(create.open(QIODevice::WriteOnly));
    }
    {
        Connection con(other);
        con.exec(QStringLiteral("create table t(x integer)"));
    }
    EXPECT_FALSE(databaseRefusal(other).isEmpty());
}

TEST(Database, DefaultDatabaseHoldsTheBundledHistories) {
    test::TempAppDir dir;
    ASSERT_TRUE(ensureDefaultDatabase(databasePath()));
    EXPECT_FALSE(ensureDefaultDatabase(databasePath()));
    QStringList names = listLotteries(databasePath());
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("中国体彩排列3"), QStringLiteral("中国福彩3D")}));
    EXPECT_EQ(rowCount(QStringLiteral("中国福彩3D")), 8703);
    EXPECT_EQ(rowCount(QStringLiteral("中国体彩排列3")), 7632);
    EXPECT_EQ(lowestIssue(QStringLiteral("中国福彩3D")), QStringLiteral("2002001"));
    const LotteryOptions o = readOptions(databasePath(), QStringLiteral("中国福彩3D"));
    EXPECT_EQ(o.kind, 1);
    EXPECT_EQ(o.range, 10);
    EXPECT_EQ(o.pick, 3);
    EXPECT_EQ(o.weekdays, QStringLiteral("1234567"));
}

TEST(TextFiles, GbkWithCrLfRoundTrip) {
    test::TempAppDir dir;
    const QString path = dir.path() + QStringLiteral("附属/测试.txt");
    writeTextLines(path, {QStringLiteral("中国福彩3D"), QStringLiteral("2007001 123"), QStringLiteral("")});
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes, toGbk(QStringLiteral("中国福彩3D")) + QByteArray("\r\n2007001 123\r\n\r\n"));
    EXPECT_EQ(readTextLines(path),
              (QStringList{QStringLiteral("中国福彩3D"), QStringLiteral("2007001 123"), QStringLiteral("")}));
    EXPECT_THROW(readTextLines(dir.path() + QStringLiteral("missing.txt")), UserError);
    EXPECT_THROW(writeTextLines(dir.path() + QStringLiteral("no/such/folder/x.txt"), {QStringLiteral("a")}), UserError);
}
