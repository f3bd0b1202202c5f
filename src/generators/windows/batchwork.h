#pragma once
// Long work of the danma, intersection, extraction and stable base list windows: reading
// many list files, generating and writing batches of base lists. The work runs on a
// worker thread (ui::Worker) that never touches a widget; progress reaches the window by
// queued signals and the window can only ask it to stop.

#include "generators/danma.h"
#include "generators/intersect.h"
#include "generators/stablebase.h"
#include "ui/worker.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <string>

namespace corvel {

// One base list of the windows over many lists: a file, read each time the lists are
// counted, or a list another window sent, kept as the text its saved file would hold.
struct BaseList {
    QString path;     // the file; empty for a sent list
    QString name;     // as "原始大底：" names it
    std::string text; // a sent list's numbers, each followed by a blank

    bool sent() const { return path.isEmpty(); }
};

// The files as base lists, in natural order of their names (自动大底2 before 自动大底10).
QList<BaseList> baseListFiles(QStringList paths);

// Reads the list files in order and counts each one's text (the whole file, any
// encoding: only its digits matter). Returns false when `stop` ended the reading; the
// counter then holds the files read. Throws UserError naming a file that cannot be read.
bool countListFiles(const QStringList &paths, ListCounter &counter, const StepProgress &progress = {},
                    const std::atomic<bool> *stop = nullptr);

// Counts the lists in order, a file's text as countListFiles reads it, a sent list's own.
bool countBaseLists(const QList<BaseList> &lists, ListCounter &counter, const StepProgress &progress = {},
                    const std::atomic<bool> *stop = nullptr);

// The text of a list file for the preview; throws UserError when it cannot be read.
QString readListPreview(const QString &path);

// A batch folder of the program's own: created when missing, otherwise its ".txt" files,
// the half-written "自动大底v.txt.part" files a killed batch left and the completion marker
// are deleted (nothing else in it is touched; the marker goes first, so a folder being
// emptied is never marked whole). Returns false when `stop` ended the preparation, which
// looks at the stop request between files. Throws UserError.
bool prepareBatchFolder(const QString &folder, const std::atomic<bool> *stop = nullptr);

// "自动大底" + v + ".txt" in the folder.
QString batchFileName(const QString &folder, int v);

// The completion marker: written when a batch has written all its files, with their count
// ("共N个大底文件，全部生成。"); a folder without it holds a batch that was stopped or cut
// short. Not a ".txt" file, so a tool that imports the folder's lists never takes it for one.
QString batchMarkerName(const QString &folder);

struct BatchProgress {
    StepProgress group; // the step within one base list
    StepProgress list;  // the base list just written
};

// "一键全部大底": `count` times the danma groups and their base list, each written whole as
// a grid list "自动大底v.txt", and the completion marker when all are written. Returns the
// files written; a stop request ends the run between files, so no file is left half written. The groups and the base
// list of the last file written go to `lastGroups` and `lastList` when given.
int runDanmaBatch(const QString &folder, const DrawTable &draws, const DanmaSettings &settings,
                  const MissRanges &ranges, int count, Lcg &random, const BatchProgress &progress = {},
                  const std::atomic<bool> *stop = nullptr, std::vector<std::string> *lastGroups = nullptr,
                  NumberList *lastList = nullptr);

// "批量大底": `count` times the stable base list, each union written whole as a plain list;
// the last union written goes to `lastUnion` when given.
int runStableBatch(const QString &folder, const DrawTable &draws, const StableSettings &settings, uint32_t &counter,
                   int count, const BatchProgress &progress = {}, const std::atomic<bool> *stop = nullptr,
                   NumberList *lastUnion = nullptr);

// A batch job as a Worker's job: bar 0 gets the steps within an item, bar 1 the items.
using BatchJob = std::function<void(const std::atomic<bool> &stop, const BatchProgress &progress)>;
ui::Worker::Job batchJob(BatchJob job);

} // namespace corvel
