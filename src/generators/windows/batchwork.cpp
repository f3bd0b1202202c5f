#include "generators/windows/batchwork.h"

#include "core/usererror.h"
#include "store/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

QString readListPreview(const QString &path) { return readTextLines(path).join(QStringLiteral("\r\n")); }

void prepareBatchFolder(const QString &folder) {
    QDir dir(folder);
    if (!dir.exists()) {
        if (!QDir().mkpath(folder))
            throw UserError(QStringLiteral("无法创建文件夹“%1”！").arg(QDir::toNativeSeparators(folder)).toStdString());
        return;
    }
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &file : files) {
        if (!file.fileName().endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) continue;
        if (!QFile::remove(file.absoluteFilePath()))
            throw UserError(QStringLiteral("无法删除文件“%1”！")
                                .arg(QDir::toNativeSeparators(file.absoluteFilePath()))
                                .toStdString());
    }
}

QString batchFileName(const QString &folder, int v) {
    return QDir(folder).filePath(QStringLiteral("自动大底%1.txt").arg(v));
}

int runDanmaBatch(const QString &folder, const DrawTable &draws, const DanmaSettings &settings,
                  const MissRanges &ranges, int count, Lcg &random, const BatchProgress &progress,
                  const std::atomic<bool> *stop, std::vector<std::string> *lastGroups, NumberList *lastList) {
    checkDanmaSettings(settings, draws.size());
    prepareBatchFolder(folder);
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
    return written;
}

int runStableBatch(const QString &folder, const DrawTable &draws, const StableSettings &settings, uint32_t &counter,
                   int count, const BatchProgress &progress, const std::atomic<bool> *stop, NumberList *lastUnion) {
    checkStableSettings(settings, draws.size());
    prepareBatchFolder(folder);
    int written = 0;
    for (int v = 1; v <= count; ++v) {
        const StableResult result = stableBaseList(draws, settings, counter, progress.group, stop);
        if (result.stopped || stopped(stop)) break;
        writeBatchFile(batchFileName(folder, v), writePlainList(result.unionList));
        ++written;
        if (lastUnion) *lastUnion = result.unionList;
        if (progress.list) progress.list(v);
    }
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
