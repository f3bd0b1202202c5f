// The text files every window reads and writes: one line reader, a size cap, plain words
// for a full disk.

#include "core/drawparse.h"
#include "store/textfile.h"
#include "testsupport.h"

#include <QFile>
#include <gtest/gtest.h>

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
    ASSERT_TRUE(QFile::resize(path, MaxTextFileBytes));
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
