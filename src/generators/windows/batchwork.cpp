#include "generators/windows/batchwork.h"

#include "core/naturalorder.h"
#include "core/usererror.h"
#include "store/textfile.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace corvel {

namespace {

bool stopped(const std::atomic<bool> *stop) { return stop && stop->load(); }

// One batch file, GBK with CR LF, written under a temporary name and renamed when whole:
// a batch that is stopped or fails never leaves a half-written list under the list's
// name. Unlike writeTextLines it does not wait for the disk after each of the many files.
void writeBatchFile(const QString &path, const std::vector<std::string> &lines) {
    const QString part = path + QStringLiteral(".part");
    QFile file(part);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw UserError(QStringLiteral("无法创建文件 %1：%2").arg(path, file.errorString()).toStdString());
    QByteArray bytes;
    for (const std::string &line : lines) {
        bytes += toGbk(QString::fromStdString(line));
        bytes += "\r\n";
    }
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    const QString error = file.errorString();
    file.close();
    if (written) QFile::remove(path);
    if (!written || !QFile::rename(part, path)) {
        QFile::remove(part);
        throw UserError(QStringLiteral("写入文件 %1 出错：%2").arg(path, error).toStdString());
    }
}

} // namespace

bool countListFiles(const QStringList &paths, ListCounter &counter, const StepProgress &progress,
                    const std::atomic<bool> *stop) {
    for (int i = 0; i < paths.size(); ++i) {
        if (stopped(stop)) return false;
        counter.add(readText(paths[i]));
        if (progress) progress(i + 1);
    }
    return true;
}

QList<BaseList> baseListFiles(QStringList paths) {
    const auto name = [](const QString &path) { return QFileInfo(path).fileName(); };
    std::stable_sort(paths.begin(), paths.end(), [&name](const QString &a, const QString &b) {
        return naturalLess(name(a).toStdString(), name(b).toStdString());
    });
    QList<BaseList> lists;
    lists.reserve(paths.size());
    for (const QString &path : paths) lists.append({path, name(path), {}});
    return lists;
}

bool countBaseLists(const QList<BaseList> &lists, ListCounter &counter, const StepProgress &progress,
                    const std::atomic<bool> *stop) {
    for (int i = 0; i < lists.size(); ++i) {
        if (stopped(stop)) return false;
        const BaseList &list = lists[i];
        if (list.sent())
            counter.add(list.text);
        else
            counter.add(readText(list.path));
        if (progress) progress(i + 1);
    }
    return true;
}

QString readListPreview(const QString &path) { return readTextLines(path).join(QStringLiteral("\r\n")); }

bool prepareBatchFolder(const QString &folder, const std::atomic<bool> *stop) {
    QDir dir(folder);
    if (!dir.exists()) {
        if (!QDir().mkpath(folder))
            throw UserError(QStringLiteral("无法创建文件夹“%1”！").arg(QDir::toNativeSeparators(folder)).toStdString());
        return true;
    }
    const auto remove = [](const QString &path) {
        if (!QFile::remove(path))
            throw UserError(QStringLiteral("无法删除文件“%1”！").arg(QDir::toNativeSeparators(path)).toStdString());
    };
    if (QFileInfo::exists(batchMarkerName(folder))) remove(batchMarkerName(folder));
    static const QRegularExpression part(QStringLiteral("^自动大底\\d+\\.txt\\.part$"));
    // Streamed rather than listed first: a folder of tens of thousands of old files stops
    // at once when asked.
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        if (stopped(stop)) return false;
        const QFileInfo file = it.nextFileInfo();
        const QString name = file.fileName();
        if (name.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) || part.match(name).hasMatch())
            remove(file.absoluteFilePath());
    }
    return true;
}

QString batchFileName(const QString &folder, int v) {
    return QDir(folder).filePath(QStringLiteral("自动大底%1.txt").arg(v));
}

QString batchMarkerName(const QString &folder) { return QDir(folder).filePath(QStringLiteral("自动大底-完成.log")); }

namespace {

void markBatchComplete(const QString &folder, int count) {
    writeTextLines(batchMarkerName(folder),
                   {QStringLiteral("共%1个大底文件，全部生成。").arg(count),
                    QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))});
}

} // namespace

int runDanmaBatch(const QString &folder, const DrawTable &draws, const DanmaSettings &settings,
                  const MissRanges &ranges, int count, Lcg &random, const BatchProgress &progress,
                  const std::atomic<bool> *stop, std::vector<std::string> *lastGroups, NumberList *lastList) {
    checkDanmaSettings(settings, draws.size());
    if (!prepareBatchFolder(folder, stop)) return 0;
    int written = 0;
    for (int v = 1; v <= count; ++v) {
        const DanmaResult groups = generateDanma(draws, settings, random, progress.group, stop);
        if (groups.stopped || stopped(stop)) break;
        const NumberList list = danmaBaseList(groups.groups, ranges);
        writeBatchFile(batchFileName(folder, v), writeGridList(list));
        ++written;
        if (lastGroups) *lastGroups = groups.groups;
        if (lastList) *lastList = list;
        if (progress.list) progress.list(v);
    }
    if (written == count) markBatchComplete(folder, count);
    return written;
}

int runStableBatch(const QString &folder, const DrawTable &draws, const StableSettings &settings, uint32_t &counter,
                   int count, const BatchProgress &progress, const std::atomic<bool> *stop, NumberList *lastUnion) {
    checkStableSettings(settings, draws.size());
    if (!prepareBatchFolder(folder, stop)) return 0;
    int written = 0;
    for (int v = 1; v <= count; ++v) {
        const StableResult result = stableBaseList(draws, settings, counter, progress.group, stop);
        if (result.stopped || stopped(stop)) break;
        writeBatchFile(batchFileName(folder, v), writePlainList(result.unionList));
        ++written;
        if (lastUnion) *lastUnion = result.unionList;
        if (progress.list) progress.list(v);
    }
    if (written == count) markBatchComplete(folder, count);
    return written;
}

ui::Worker::Job batchJob(BatchJob job) {
    return [job = std::move(job)](const ui::Worker::Context &context) {
        BatchProgress progress;
        progress.group = [&context](int step) { context.progress(0, step); };
        progress.list = [&context](int step) { context.progress(1, step); };
        job(context.stop, progress);
    };
}

} // namespace corvel
