#pragma once
// What the danma, intersection, extraction and stable base list windows share: the issue
// list, the clipboard, saving a result box, the link to the other tool windows and the
// runner that keeps a window responsive while its worker thread works.

#include "core/numberlist.h"
#include "core/u_public.h"
#include "generators/u_dadiworker.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QWidget;

namespace corvel::dadi {

// Every draw's issue, then the last issue plus 1.
QStringList issueItems(const DrawTable &draws);
// "目前开奖：" + the digits of the draw at `index`, or "目前开奖：" alone for the next issue.
QString drawnLabel(const DrawTable &draws, int index);
// Numbers each followed by one blank, on one line.
QString numbersLine(const NumberList &numbers);
void putOnClipboard(const QString &text);
// Writes the lines of a result box as a plain list (each line's numbers, then one blank)
// to a file chosen in a save dialog starting on the desktop; "成功保存！" after.
void saveResultBox(QWidget *parent, const QPlainTextEdit *box);
// The tool window of a class from the main window, created hidden when missing; null
// without a main window or while that window is being created.
QWidget *companionWindow(const QString &className);

// Runs one job on a Tdadiworker: shows the progress bars, swaps the window's commands
// for the "停止" button, and when the worker ends shows its failure message and calls
// `done` on the window thread (also after a failure or a stop).
class WorkRunner : public QObject {
    Q_OBJECT
public:
    WorkRunner(QWidget *window, QProgressBar *stepBar, QProgressBar *listBar, QPushButton *stopButton,
               QList<QWidget *> commands);
    ~WorkRunner() override;

    bool busy() const { return !worker_.isNull(); }
    // `steps` and `lists` are the two bars' maxima; 0 hides a bar.
    void start(Tdadiworker::Job job, int steps, int lists, std::function<void(const QString &error)> done);
    void stop();
    // Blocks until the worker has ended (tests, and the window going away).
    void wait();

private:
    void finish();

    QWidget *window_;
    QProgressBar *stepBar_;
    QProgressBar *listBar_;
    QPushButton *stopButton_;
    QList<QWidget *> commands_;
    QPointer<Tdadiworker> worker_;
    std::function<void(const QString &)> done_;
};

} // namespace corvel::dadi
