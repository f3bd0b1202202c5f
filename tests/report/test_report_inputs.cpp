// corvel-report reads its input files as the program does: every line end, byte order
// marks, UTF-16 and GBK; folders and pipes are refused with a message instead of read.

#include "testsupport.h"

#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace corvel;

namespace {

class ReportInputs : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file(const QString &name, const QByteArray &bytes) { return test::writeFile(dir.filePath(name), bytes); }
    static QByteArray withEnds(const QByteArray &lfText, const char *end) {
        QByteArray text = lfText;
        return text.replace("\n", end);
    }
    static QByteArray utf16le(const QString &text) {
        QByteArray out("\xFF\xFE");
        for (const QChar c : text) out += char(c.unicode() & 0xFF), out += char(c.unicode() >> 8);
        return out;
    }
};

bool validUtf8(const QString &text) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    decoder.decode(text.toUtf8());
    return !decoder.hasError() && !text.contains(QChar(0xFFFD));
}

} // namespace

TEST_F(ReportInputs, DanmaFilesReadTheSameWithEveryLineEndAndAByteOrderMark) {
    const QByteArray groups("037=1-3\n128=1-3\n459=1-3\n");
    const auto reference = test::runReport({QStringLiteral("baselist"), file(QStringLiteral("g.txt"), groups)});
    ASSERT_EQ(reference.exitCode, 0) << reference.error.toStdString();
    for (const QByteArray &bytes :
         {withEnds(groups, "\r\n"), withEnds(groups, "\r"), QByteArray("\xEF\xBB\xBF" + groups)}) {
        const auto run = test::runReport({QStringLiteral("baselist"), file(QStringLiteral("g.txt"), bytes)});
        EXPECT_EQ(run.exitCode, 0) << run.error.toStdString();
        EXPECT_EQ(run.lines, reference.lines) << bytes.toStdString();
    }
}

TEST_F(ReportInputs, ConditionAndListFilesReadTheSameWithEveryLineEnd) {
    const QByteArray conditions("# sum 10\nchkhe=10\n"), list("019 028\n910\n555\n");
    const auto reference = test::runReport({QStringLiteral("total"), file(QStringLiteral("c.txt"), conditions),
                                            QStringLiteral("--list"), file(QStringLiteral("l.txt"), list)});
    ASSERT_EQ(reference.exitCode, 0) << reference.error.toStdString();
    EXPECT_EQ(reference.lines.last(), QStringLiteral("count,3"));
    for (const char *end : {"\r\n", "\r"}) {
        const auto run =
            test::runReport({QStringLiteral("total"), file(QStringLiteral("c.txt"), withEnds(conditions, end)),
                             QStringLiteral("--list"), file(QStringLiteral("l.txt"), withEnds(list, end))});
        EXPECT_EQ(run.exitCode, 0) << run.error.toStdString();
        EXPECT_EQ(run.lines, reference.lines) << end;
    }
}

TEST_F(ReportInputs, AUtf16ListCountsItsNumbersAndOneWithoutMarkIsRefused) {
    const QString list = QStringLiteral("组选\r\n123 456\r\n789\r\n");
    const QString plain = file(QStringLiteral("plain.txt"), list.toUtf8());
    const QString wide = file(QStringLiteral("wide.txt"), utf16le(list));
    const auto reference = test::runReport(
        {QStringLiteral("count"), plain, QStringLiteral("--range"), QStringLiteral("1"), QStringLiteral("1")});
    ASSERT_EQ(reference.lines.last(), QStringLiteral("count,3"));
    const auto run = test::runReport(
        {QStringLiteral("count"), wide, QStringLiteral("--range"), QStringLiteral("1"), QStringLiteral("1")});
    EXPECT_EQ(run.exitCode, 0) << run.error.toStdString();
    EXPECT_EQ(run.lines, reference.lines);
    const auto unmarked =
        test::runReport({QStringLiteral("count"), file(QStringLiteral("raw.txt"), utf16le(list).mid(2))});
    EXPECT_EQ(unmarked.exitCode, 1);
    EXPECT_TRUE(unmarked.lines.isEmpty());
    EXPECT_TRUE(unmarked.error.contains(QStringLiteral("字节顺序标记"))) << unmarked.error.toStdString();
}

TEST_F(ReportInputs, MessagesQuotingGbkOrHugeContentAreShortValidUtf8) {
    const QByteArray gbk("\xD7\xE9\xD1\xA1=1-3\r\n"); // "组选=1-3" in GBK
    const auto run = test::runReport({QStringLiteral("baselist"), file(QStringLiteral("g.txt"), gbk)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(validUtf8(run.error)) << run.error.toStdString();
    EXPECT_TRUE(run.error.contains(QStringLiteral("“组选=1-3”"))) << run.error.toStdString();
    const auto huge = test::runReport(
        {QStringLiteral("total"), file(QStringLiteral("c.txt"), "chkhe=" + QByteArray(1024 * 1024, '9') + "\n")});
    EXPECT_EQ(huge.exitCode, 1);
    EXPECT_LT(huge.error.size(), 200) << huge.error.left(200).toStdString();
}

TEST_F(ReportInputs, FoldersAndPipesAreRefusedInsteadOfRead) {
    const auto folder = test::runReport({QStringLiteral("count"), dir.path()});
    EXPECT_EQ(folder.exitCode, 1);
    EXPECT_TRUE(folder.error.contains(QStringLiteral("文件夹"))) << folder.error.toStdString();
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Without the check the read waits for a writer for ever (runReport gives up after 60 s).
    const auto pipe = test::runReport({QStringLiteral("danma"), fifo});
    EXPECT_EQ(pipe.exitCode, 1);
    EXPECT_TRUE(pipe.error.contains(QStringLiteral("管道"))) << pipe.error.toStdString();
}
