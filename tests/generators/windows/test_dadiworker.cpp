// Reading list files and writing the batch folders of the danma and stable base list.

#include "generators/windows/batchwork.h"

#include "randomhistory.h"
#include "store/textfile.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

void writeBytes(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList filesIn(const QString &folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

TEST(DadiFiles, ListFilesAreCountedWholeAndUnreadableOnesNamed) {
    QTemporaryDir dir;
    writeBytes(dir.filePath(QStringLiteral("a.txt")), "123 456 \r\n789 ");
    writeBytes(dir.filePath(QStringLiteral("b.txt")), "");
    writeBytes(dir.filePath(QStringLiteral("c.txt")), QByteArray("\x02\x01"
                                                                 "123\xd6\xd0",
                                                                 7));
    writeBytes(dir.filePath(QStringLiteral("d.txt")), QByteArray("1\0"
                                                                 "2\0"
                                                                 "3\0",
                                                                 6));
    ListCounter counter;
    std::vector<int> steps;
    EXPECT_TRUE(countListFiles({dir.filePath(QStringLiteral("a.txt")), dir.filePath(QStringLiteral("b.txt")),
                                dir.filePath(QStringLiteral("c.txt"))},
                               counter, [&](int s) { steps.push_back(s); }));
    EXPECT_EQ(counter.lists(), 3);
    EXPECT_EQ(counter.count(123), 2);
    EXPECT_EQ(counter.count(789), 1);
    EXPECT_EQ(steps, (std::vector<int>{1, 2, 3}));

    ListCounter other;
    const std::string message =
        test::userErrorOf([&] { countListFiles({dir.filePath(QStringLiteral("missing.txt"))}, other); });
    EXPECT_NE(message.find("无法打开文件"), std::string::npos) << message;
    EXPECT_NE(message.find("missing.txt"), std::string::npos);
    // A list saved as UTF-16 counts its numbers like any other.
    QByteArray wide("\xFF\xFE");
    for (const char c : QByteArray("list 123 \r\n789")) wide += c, wide += '\0';
    writeBytes(dir.filePath(QStringLiteral("e.txt")), wide);
    ListCounter utf16;
    EXPECT_TRUE(countListFiles({dir.filePath(QStringLiteral("e.txt"))}, utf16));
    EXPECT_EQ(utf16.count(123), 1);
    EXPECT_EQ(utf16.count(789), 1);
    // UTF-16 without its byte order mark holds no number as bytes: refused, not counted empty.
    const std::string unmarked =
        test::userErrorOf([&] { countListFiles({dir.filePath(QStringLiteral("d.txt"))}, other); });
    EXPECT_NE(unmarked.find("d.txt"), std::string::npos) << unmarked;

    std::atomic<bool> stop{true};
    ListCounter stopped;
    EXPECT_FALSE(countListFiles({dir.filePath(QStringLiteral("a.txt"))}, stopped, {}, &stop));
    EXPECT_EQ(stopped.lists(), 0);
}

TEST(DadiFiles, BatchFolderLosesOnlyItsTextFiles) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("无穷胆码选号自动大底"));
    prepareBatchFolder(folder);
    EXPECT_TRUE(QDir(folder).exists());
    writeBytes(folder + QStringLiteral("/old.txt"), "1");
    writeBytes(folder + QStringLiteral("/OLD2.TXT"), "1");
    writeBytes(folder + QStringLiteral("/keep.dat"), "1");
    writeBytes(folder + QStringLiteral("/keep.txt.bak"), "1");
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("sub.txt")));
    prepareBatchFolder(folder);
    EXPECT_EQ(filesIn(folder),
              (QStringList{QStringLiteral("keep.dat"), QStringLiteral("keep.txt.bak"), QStringLiteral("sub.txt")}));

    writeBytes(dir.filePath(QStringLiteral("plain")), "x");
    EXPECT_NE(test::userErrorOf([&] { prepareBatchFolder(dir.filePath(QStringLiteral("plain"))); }), "");
}

TEST(DadiFiles, DanmaBatchWritesWholeGridListsAndStopsBetweenFiles) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("无穷胆码选号自动大底"));
    const DrawTable draws = test::randomHistory(100);
    DanmaSettings s;
    s.index = 100;
    Lcg random(77);
    std::atomic<bool> stop{false};
    BatchProgress progress;
    std::vector<int> lists;
    progress.list = [&](int v) {
        lists.push_back(v);
        stop = v == 3;
    };
    EXPECT_EQ(runDanmaBatch(folder, draws, s, MissRanges{}, 10, random, progress, &stop), 3);
    EXPECT_EQ(lists, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(filesIn(folder), (QStringList{QStringLiteral("自动大底1.txt"), QStringLiteral("自动大底2.txt"),
                                            QStringLiteral("自动大底3.txt")}));
    const QStringList lines = readTextLines(batchFileName(folder, 2));
    ASSERT_FALSE(lines.isEmpty());
    for (int i = 0; i + 1 < lines.size(); ++i) EXPECT_EQ(lines[i].size(), 40) << i; // ten "ddd " a line
    // The same generator state gives the same lists as generation and "过滤" by hand.
    Lcg again(77);
    const DanmaResult first = generateDanma(draws, s, again);
    const NumberList expected = danmaBaseList(first.groups, MissRanges{});
    QStringList expectedLines;
    for (const std::string &line : writeGridList(expected)) expectedLines << QString::fromStdString(line);
    EXPECT_EQ(readTextLines(batchFileName(folder, 1)), expectedLines);
}

TEST(DadiFiles, StableBatchWritesOneLineUnionsFromTheCounter) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("临界选号自动大底"));
    const DrawTable draws = test::randomHistory(260);
    StableSettings s;
    s.index = 260;
    s.lists = 2;
    uint32_t counter = 1;
    EXPECT_EQ(runStableBatch(folder, draws, s, counter, 2), 2);
    uint32_t replay = 1;
    const StableResult first = stableBaseList(draws, s, replay);
    const QStringList lines = readTextLines(batchFileName(folder, 1));
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0], QString::fromStdString(writePlainList(first.unionList)[0]));
    stableBaseList(draws, s, replay);
    EXPECT_EQ(replay, counter);
    s.stages = 3;
    EXPECT_EQ(test::userErrorOf([&] { runStableBatch(folder, draws, s, counter, 2); }),
              "目前预测期之前只有260期开奖号码，3个阶段至少需要359期！");
    EXPECT_EQ(filesIn(folder).size(), 3u); // refused before the folder is touched: two lists, the marker
    EXPECT_TRUE(readTextLines(batchMarkerName(folder)).value(0).startsWith(QStringLiteral("共2个大底文件")));
}

TEST(DadiFiles, StalePartFilesGoAndOnlyAWholeBatchIsMarked) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("无穷胆码选号自动大底"));
    ASSERT_TRUE(QDir().mkpath(folder));
    // What a batch killed while writing leaves, beside files of the user's.
    writeBytes(folder + QStringLiteral("/自动大底7.txt.part"), "123 ");
    writeBytes(folder + QStringLiteral("/自动大底12.txt.part"), "");
    writeBytes(folder + QStringLiteral("/我的.txt.part"), "1");
    writeBytes(batchMarkerName(folder), "old");
    const DrawTable draws = test::randomHistory(100);
    DanmaSettings s;
    s.index = 100;
    Lcg random(5);
    EXPECT_EQ(runDanmaBatch(folder, draws, s, MissRanges{}, 2, random), 2);
    EXPECT_EQ(filesIn(folder), (QStringList{QStringLiteral("我的.txt.part"), QStringLiteral("自动大底-完成.log"),
                                            QStringLiteral("自动大底1.txt"), QStringLiteral("自动大底2.txt")}));
    EXPECT_EQ(readTextLines(batchMarkerName(folder)).value(0), QStringLiteral("共2个大底文件，全部生成。"));

    // A batch stopped after its first file leaves no marker: the folder says it is partial.
    std::atomic<bool> stop{false};
    BatchProgress progress;
    progress.list = [&](int) { stop = true; };
    EXPECT_EQ(runDanmaBatch(folder, draws, s, MissRanges{}, 3, random, progress, &stop), 1);
    EXPECT_FALSE(QFile::exists(batchMarkerName(folder)));
    EXPECT_TRUE(QFile::exists(batchFileName(folder, 1)));
}

TEST(DadiFiles, FolderPreparationStopsWhenAsked) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("临界选号自动大底"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (int v = 1; v <= 50; ++v) writeBytes(batchFileName(folder, v), "1");
    writeBytes(batchMarkerName(folder), "old");
    const std::atomic<bool> stop{true};
    EXPECT_FALSE(prepareBatchFolder(folder, &stop));
    EXPECT_FALSE(QFile::exists(batchMarkerName(folder))); // what is left is no whole batch
    uint32_t counter = 1;
    StableSettings settings;
    settings.index = 260;
    EXPECT_EQ(runStableBatch(folder, test::randomHistory(260), settings, counter, 2, {}, &stop), 0);
    EXPECT_EQ(counter, 1u); // nothing generated
}
