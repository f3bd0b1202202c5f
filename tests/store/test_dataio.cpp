// The history text file: reading and checking lines, export and import of a draw table.

#include "core/drawparse.h"
#include "core/usererror.h"
#include "store/appdir.h"
#include "store/database.h"
#include "store/drawio.h"
#include "store/drawtable.h"
#include "store/textfile.h"
#include "testsupport.h"

#include <QFile>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace corvel;
using corvel::test::tableLines;

namespace {

QString writeFile(const test::TempAppDir &dir, const QByteArray &bytes,
                  const QString &name = QStringLiteral("in.txt")) {
    const QString path = dir.path() + name;
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

int importFile(const QString &lottery, const QString &path) {
    Connection con(databasePath());
    return importHistory(con.db(), lottery, path);
}

std::string parseError(const std::string &text) {
    try {
        parseHistoryText(text);
    } catch (const UserError &e) {
        return e.what();
    }
    return {};
}

const QString Fc3d = QStringLiteral("中国福彩3D");

} // namespace

TEST(HistoryText, ItemsEndAtBlanksAndCommas) {
    const auto draws =
        parseHistoryText("2007001 123\r\n2007002,456\r\n  2007003 \t 789 extra,items\n\n   \r\n2007004,,012");
    ASSERT_EQ(draws.size(), 4u);
    EXPECT_EQ(draws[0], (ParsedDraw{"2007001", {1, 2, 3}}));
    EXPECT_EQ(draws[1], (ParsedDraw{"2007002", {4, 5, 6}}));
    EXPECT_EQ(draws[2], (ParsedDraw{"2007003", {7, 8, 9}}));
    EXPECT_EQ(draws[3], (ParsedDraw{"2007004", {0, 1, 2}}));
    // Five digits give their first three; CR alone ends a line; a UTF-8 mark at the start is no issue text.
    const auto five = parseHistoryText("\xEF\xBB\xBF"
                                       "2007001 12345\r2007002 98765");
    ASSERT_EQ(five.size(), 2u);
    EXPECT_EQ(five[0], (ParsedDraw{"2007001", {1, 2, 3}}));
    EXPECT_EQ(five[1], (ParsedDraw{"2007002", {9, 8, 7}}));
    // Text after the digits is not read, whatever its code page.
    EXPECT_EQ(parseHistoryText("2007001 123 \xE5\xB9\xB4\xE6\x9C\x88").size(), 1u);
    EXPECT_TRUE(parseHistoryText("").empty());
    EXPECT_TRUE(parseHistoryText("\r\n \r\n").empty());
}

TEST(HistoryText, BadLinesAreNamedWithTheirNumberAndProblem) {
    const struct {
        std::string line;
        std::string problem;
    } cases[] = {
        {"2007002 12a", "非数字"},
        {"2007002 12", "不足三位"},
        {"2007002 1", "不足三位"},
        {"2007002", "缺少开奖号码"},
        {"20070021 123", "超过7个字符"},
        {"20O7002 123", "不是数字"},
        {"2007002 123456", "超过五位"},
        {std::string("2007002 1\0"
                     "23",
                     11),
         "无法识别"},
        {"2007002 \xE4\xB8\x80\xE4\xBA\x8C\xE4\xB8\x89", "无法识别"}, // UTF-8 text where digits belong
        {"\xB5\xDA"
         "2007002 123",
         "无法识别"}, // GBK text in the issue
        {"2007002 " + std::string(2000, '1'), "太长"},
    };
    for (const auto &c : cases) {
        const std::string message = parseError("2007001 123\r\n\r\n" + c.line + "\r\n2007004 456\r\n");
        EXPECT_NE(message.find("第3行"), std::string::npos) << c.line << " -> " << message;
        EXPECT_NE(message.find(c.problem), std::string::npos) << c.line << " -> " << message;
    }
}

TEST(HistoryText, LinesOfATableWriteTheStoredDigits) {
    RawDrawTable table;
    table.columnCount = 5;
    table.rows.push_back({"2007001", {1, 2, 3, 4, 5}});
    table.rows.push_back({"2007002", {0, 0, 7, std::nullopt, std::nullopt}});
    const auto lines = historyLines(table);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "2007001 12345");
    EXPECT_EQ(lines[1], "2007002 007");
    EXPECT_TRUE(historyLines(RawDrawTable{}).empty());
}

TEST(HistoryImport, ReplacesTheTableWithTheFilesDraws) {
    test::TempAppDir dir;
    dir.createDatabase({{Fc3d, test::makeDraws(20)}});
    const QString path = writeFile(dir, "2007001 123\r\n2007002,456\r\n");
    EXPECT_EQ(importFile(Fc3d, path), 2);
    EXPECT_EQ(tableLines(Fc3d), (QStringList{QStringLiteral("2007001 123"), QStringLiteral("2007002 456")}));
    Connection con(databasePath());
    QSqlQuery q(con.db());
    q.exec(QStringLiteral("select count(*) from %1 where \"开奖日期\" is null").arg(quoteIdent(drawTableName(Fc3d))));
    q.next();
    EXPECT_EQ(q.value(0).toInt(), 2); // no dates in the file
}

TEST(HistoryImport, EmptyFileEmptiesTheTable) {
    test::TempAppDir dir;
    dir.createDatabase({{Fc3d, test::makeDraws(5)}});
    EXPECT_EQ(importFile(Fc3d, writeFile(dir, "")), 0);
    EXPECT_TRUE(tableLines(Fc3d).isEmpty());
}

TEST(HistoryImport, AnyBadFileLeavesTheTableExactlyAsItWas) {
    test::TempAppDir dir;
    dir.createDatabase({{Fc3d, test::makeDraws(30)}});
    const QStringList before = tableLines(Fc3d);
    const QByteArray bad[] = {
        "2008001 123\r\n2008002 456\r\n2008003 7x9\r\n2008004 000\r\n",
        "2008001 123\r\n2008002 45\r\n",
        QByteArray("\x00\x01\x02\xFF\xFE garbage", 14),
    };
    for (const QByteArray &bytes : bad) {
        try {
            importFile(Fc3d, writeFile(dir, bytes));
            ADD_FAILURE() << "imported " << bytes.toStdString();
        } catch (const UserError &e) {
            EXPECT_NE(std::string(e.what()).find("没有改动"), std::string::npos) << e.what();
        }
        EXPECT_EQ(tableLines(Fc3d), before);
    }
    EXPECT_THROW(importFile(Fc3d, dir.path() + QStringLiteral("missing.txt")), UserError);
    EXPECT_EQ(tableLines(Fc3d), before);
}

TEST(HistoryImport, HugeFileIsRefusedUnread) {
    test::TempAppDir dir;
    dir.createDatabase({{Fc3d, test::makeDraws(3)}});
    const QString path = dir.path() + QStringLiteral("huge.txt");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("2007001 123\r\n");
        ASSERT_TRUE(f.resize(50LL * 1024 * 1024));
    }
    try {
        importFile(Fc3d, path);
        ADD_FAILURE() << "a 50 MB file was imported";
    } catch (const UserError &e) {
        EXPECT_NE(std::string(e.what()).find("太大"), std::string::npos) << e.what();
    }
    EXPECT_EQ(tableLines(Fc3d).size(), 3);
}

TEST(HistoryExport, EmptyTableWritesAnEmptyFile) {
    test::TempAppDir dir;
    dir.createDatabase({{Fc3d, {}}});
    const QString path = defaultHistoryFile(Fc3d);
    Connection con(databasePath());
    EXPECT_EQ(exportHistory(con.db(), Fc3d, path), 0);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.size(), 0);
}

TEST(HistoryExport, RoundTripKeepsIssuesAndDigits) {
    test::TempAppDir dir;
    const QStringList draws = test::makeDraws(50, 9);
    dir.createDatabase({{Fc3d, draws}});
    const QString path = dir.path() + QStringLiteral("out.txt");
    {
        Connection con(databasePath());
        EXPECT_EQ(exportHistory(con.db(), Fc3d, path), 50);
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith((draws[0] + QStringLiteral("\r\n")).toLatin1())); // CR LF ends
    EXPECT_EQ(bytes.count('\n'), 50);
    f.close();
    importFile(Fc3d, writeFile(dir, "2009001 999\r\n"));
    importFile(Fc3d, path);
    EXPECT_EQ(tableLines(Fc3d), draws);
}

TEST(HistoryExport, FiveDigitGameWritesFiveAndImportsThree) {
    test::TempAppDir dir;
    const QString ssc = QStringLiteral("重庆时时彩");
    dir.createDatabase({{ssc, {QStringLiteral("0701001 12345"), QStringLiteral("0701002 67890")}}});
    const QString path = dir.path() + QStringLiteral("ssc.txt");
    {
        Connection con(databasePath());
        exportHistory(con.db(), ssc, path);
    }
    EXPECT_EQ(readTextLines(path), (QStringList{QStringLiteral("0701001 12345"), QStringLiteral("0701002 67890")}));
    importFile(ssc, path);
    EXPECT_EQ(tableLines(ssc), (QStringList{QStringLiteral("0701001 123--"), QStringLiteral("0701002 678--")}));
}
