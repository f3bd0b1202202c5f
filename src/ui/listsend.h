#pragma once
// "发送到": a window's bet list handed straight to another tool window — the total filter's
// loaded list, one more base list of the intersection or of the count extraction — as
// saving it and importing the file there would hand it, only without the file. The
// receiving window is reached through the companion seam (ui/toolwindow.h), created when
// it does not exist yet, and brought to the front.

#include "core/numberlist.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QObject;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace corvel::ui {

// A list on its way from one window to another.
struct SentList {
    QString from;       // the sending window, as its caption names it ("冷码搜索")
    NumberList numbers; // as the window's saved file holds them, in that order
    // The kind a saved file names in its heading (the cold-code search's "直选共120注", the
    // investment list's first line); none for the plain and grid lists, which name none.
    std::optional<BetKind> kind;

    // "“冷码搜索”的组选6号码120注": what a receiving window says it took.
    QString description() const;
    // Whether the numbers are group numbers by the kind the list names.
    bool group() const { return kind && *kind != BetKind::Direct; }
};

// A window that takes sent lists.
class ListReceiver {
public:
    virtual ~ListReceiver() = default;
    // Takes the list as the window's import takes a file, and says so on the window.
    // Throws UserError to refuse it (the window is busy, holds too many lists).
    virtual void receiveList(const SentList &list) = 0;

protected:
    ListReceiver() = default;
    ListReceiver(const ListReceiver &) = default;
    ListReceiver &operator=(const ListReceiver &) = default;
};

struct SendTarget {
    QString className; // "Tfrmtotalfilt"
    QString caption;   // "总体过滤", the item of the "发送到" menu
};
// The windows a list can be sent to, in menu order.
const QList<SendTarget> &sendTargets();

// Hands `list` to the tool window of `className`, shown in front. False when there is no
// such window or it refused the list (its message was shown).
bool sendList(const QString &className, const SentList &list);

// The numbers of a result box as its "保存" writes them and the total filter's "载入" reads
// them back, in the box's order: pieces at blanks and commas, the first three characters
// of each. Throws UserError with the conversion message for a piece that is no number.
NumberList boxNumbers(const QPlainTextEdit *box);

// The "发送到" button of a list window, with one menu item per target. `shown` is what
// shows the window's list — its result box (a QPlainTextEdit) or its grid's model — and
// the button is enabled only while that shows something. `readList` gives the list when a
// target is chosen; it may refuse with a UserError (a result box that holds no numbers),
// shown as the window's commands show it. A list from a modal view is sent and the view
// closed, so the window that took it can be used.
QPushButton *sendButton(QWidget *window, QObject *shown, std::function<SentList()> readList);

} // namespace corvel::ui
