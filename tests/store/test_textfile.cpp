// The text files every window reads and writes: one line reader, a size cap, plain words
// for a full disk.

#include "core/drawparse.h"
#include "store/textfile.h"
#include "testsupport.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace corvel;

namespace {
QString write(const test::TempAppDir &dir, const QByteArray &bytes) {
    const QString path = dir.path() + QStringLiteral("in.txt");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}
} // namespace

TEST(TextFile, EveryLineEndReadsTheSameAndGbkIsDecoded) {
    test::TempAppDir dir;
    const QByteArray gbk = toGbk(QStringLiteral("组选3共2注"));
    for (const QByteArray end : {"\r\n", "\n", "\r"}) {
        const QStringList lines = readTextLines(write(dir, gbk + end + "112 " + end + end + "334" + end));
        EXPECT_EQ(lines, (QStringList{QStringLiteral("组选3共2注"), QStringLiteral("112 "), QStringLiteral(""),
                                      QStringLiteral("334")}))
            << end.toStdString();
    }
    EXPECT_TRUE(readTextLines(write(dir, "")).isEmpty());
}

TEST(TextFile, AFileBeyondTheCapIsRefusedUnread) {
    test::TempAppDir dir;
    const QString path = write(dir, "0\r\n1\r\n123\r\n");
    ASSERT_TRUE(QFile::resize(path, MaxTextFileBytes + 1));
    const std::string message = test::userErrorOf([&] { readTextLines(path); });
    EXPECT_NE(message.find("太大"), std::string::npos) << message;
    // A file of exactly the cap is read (padded with blanks: NUL bytes would be refused).
    const QByteArray head("0\r\n1\r\n123\r\n");
    write(dir, head + QByteArray(qsizetype(MaxTextFileBytes) - head.size(), ' '));
    EXPECT_TRUE(test::userErrorOf([&] { readTextLines(path); }).empty());
}

TEST(TextFile, AFullDiskIsSaidInPlainWords) {
    EXPECT_EQ(writeFailureMessage(QStringLiteral("/x/a.txt"), QStringLiteral("Unknown error"), 5000, 100),
              QStringLiteral("磁盘已满，无法写入 /x/a.txt。请腾出磁盘空间后再试。"));
    EXPECT_EQ(writeFailureMessage(QStringLiteral("/x/a.txt"), QStringLiteral("Permission denied"), 5000, 1 << 30),
              QStringLiteral("写入文件 /x/a.txt 出错：Permission denied"));
    EXPECT_EQ(writeFailureMessage(QStringLiteral("/x/a.txt"), QStringLiteral("Unknown error"), 5000, -1),
              QStringLiteral("写入文件 /x/a.txt 出错：Unknown error"));
}

TEST(TextFile, ByteOrderMarksAreReadAndNulBytesRefused) {
    test::TempAppDir dir;
    const QString text = QStringLiteral("组选\r\n123\r456\n");
    const QStringList expected{QStringLiteral("组选"), QStringLiteral("123"), QStringLiteral("456")};
    QByteArray le("\xFF\xFE"), be("\xFE\xFF");
    for (const QChar c : text) {
        le += char(c.unicode() & 0xFF), le += char(c.unicode() >> 8);
        be += char(c.unicode() >> 8), be += char(c.unicode() & 0xFF);
    }
    EXPECT_EQ(readTextLines(write(dir, le)), expected);
    EXPECT_EQ(readTextLines(write(dir, be)), expected);
    EXPECT_EQ(readTextLines(write(dir, "\xEF\xBB\xBF" + text.toUtf8())), expected);
    EXPECT_EQ(readText(write(dir, toGbk(text))), text.toStdString());
    const std::string message = test::userErrorOf([&] { readTextLines(write(dir, le.mid(2))); });
    EXPECT_NE(message.find("空字符"), std::string::npos) << message;
}

TEST(TextFile, FoldersAndPipesAreRefusedWithoutBlocking) {
    test::TempAppDir dir;
    const std::string folder = test::userErrorOf([&] { readTextLines(dir.path() + QStringLiteral("数据库")); });
    EXPECT_NE(folder.find("文件夹"), std::string::npos) << folder;
    const QString fifo = dir.path() + QStringLiteral("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Reading a pipe nobody writes to would wait for ever.
    for (const auto &read :
         std::vector<std::function<void()>>{[&] { readTextLines(fifo); }, [&] { readFileBytes(fifo); }}) {
        const std::string message = test::userErrorOf(read);
        EXPECT_NE(message.find("管道"), std::string::npos) << message;
    }
    EXPECT_NE(test::userErrorOf([&] { checkInputFile(QStringLiteral("/dev/null")); }), "");
    EXPECT_EQ(test::userErrorOf([&] { checkInputFile(dir.path() + QStringLiteral("missing.txt")); }), "");
}
