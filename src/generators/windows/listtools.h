#pragma once
// What the danma, intersection, extraction and stable base list windows share: the issue
// list, the clipboard, saving a result box, the link to the other tool windows, the
// runner that keeps a window responsive while its worker thread works, and the frame of
// the windows that work over many base list files.

#include "core/numberlist.h"
#include "core/u_public.h"
#include "generators/windows/batchwork.h"
#include "ui/listsend.h"
#include "ui/workrunner.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace corvel::dadi {

// "目前开奖：" + the digits of the draw at `index`, or "目前开奖：" alone for the next issue.
QString drawnLabel(const DrawTable &draws, int index);
// Numbers each followed by one blank, on one line.
QString numbersLine(const NumberList &numbers);
void putOnClipboard(const QString &text);

// Before a batch fills `folder`: when the folder holds ".txt" files, which the batch
// deletes, says how many and asks (No by default). True to go on.
bool confirmBatchFolder(QWidget *parent, const QString &folder);
// After a batch: "已生成 N 个大底文件" with the folder, and a button that opens it.
void reportBatch(QWidget *parent, const QString &folder, int written);
// Writes the lines of a result box as a plain list (each line's numbers, then one blank)
// to a file chosen in a save dialog starting on the desktop; "成功保存！" after.
void saveResultBox(QWidget *parent, const QPlainTextEdit *box);
// The controls of the list-files frame, under the names the windows give them.
struct ListFileControls {
    QListWidget *lstdadi = nullptr;
    QPlainTextEdit *edtdadi = nullptr;
    QLabel *lbldadi = nullptr;
    QProgressBar *prgfile = nullptr;
    QProgressBar *prgunused = nullptr;
};

// The frame of the windows over many base list files ("多重大底交集", "次数提取工具"):
// "原始大底：" above the names of the imported files on the left, the window's own column
// in the middle with the two progress bars and the stop button at its foot, the count
// "最终交集：" above the result box on the right. It imports the files ("导入大底", at most
// MaxListFiles), previews a double-clicked one, and runs the count over all of them.
class ListFilesFrame : public QObject {
    Q_OBJECT
public:
    // Creates the controls (lstdadi, edtdadi, lbldadi, prgfile and an unnamed bar) in
    // `window` and records them in `controls` (the window's own).
    ListFilesFrame(QWidget *window, ListFileControls &controls);

    // Lays `window` out in three columns with `ownColumn` in the middle.
    void layOut(QVBoxLayout *ownColumn, QPushButton *stopButton);
    // "导入大底": a file dialog on the desktop; the chosen files replace the imported lists,
    // in natural order of their names.
    void importFiles();
    // A list another window sent ("发送到"), added after the imported ones as one more list
    // and named in "原始大底："; `note` is added to what the count label says was received.
    // Throws UserError when the window already holds MaxListFiles lists.
    void addSentList(const ui::SentList &list, const QString &note = {});
    // A double click on a name: the file's text in the result box, its digits / 3 as count.
    void preview(QListWidgetItem *item);
    // Warns "请先导入大底文件！" and returns false when no list is imported.
    bool checkImported() const;
    // Counts the numbers of the imported files on `runner`'s worker; `reduce` (called on
    // the worker) makes the result of the count, which is then shown and copied.
    void countAndShow(ui::WorkRunner *runner, const std::function<NumberList(const ListCounter &)> &reduce);
    // Shows `numbers` in the result box with their count.
    void showResult(const NumberList &numbers);

    // The imported lists, files and sent ones, in the order they are counted.
    const QList<BaseList> &lists() const { return lists_; }
    // The files among them.
    QStringList paths() const;

private:
    QWidget *window_;
    ListFileControls &c_;
    QList<BaseList> lists_;
};

} // namespace corvel::dadi
