#pragma once
// Message boxes and file dialogs of every window go through these functions, so a GUI
// test can answer them without a modal loop (see DialogHooks).

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QFileDialog;
class QMessageBox;
class QWidget;

namespace corvel::ui {

enum class MessageKind { Information, Warning, Error, Question };

struct Message {
    MessageKind kind;
    QString caption;
    QString text;
    QString action; // the caption of an extra button ("打开文件夹"), or empty
};

// Every box and file dialog below is a child of the window of `parent` (the active window
// without one) and opens modal and in front of every tool window, also of those that stay
// on top. File dialogs are the program's own, in Chinese whatever the system's locale.

// Test seam: when a hook is set it answers instead of a dialog.
struct DialogHooks {
    // Returns true for "Yes"/"OK".
    std::function<bool(const Message &)> message;
    // Returns the chosen file name(s) or an empty text/list for cancel.
    std::function<QString(const QString &caption, const QString &initialPath)> saveFile;
    std::function<QString(const QString &caption, const QString &initialPath)> openFile;
    std::function<QStringList(const QString &caption, const QString &initialPath)> openFiles;
    // Receives the text of a "复制" instead of the system clipboard.
    std::function<void(const QString &text)> clipboard;
    // Receives a folder to be shown in the system's file manager.
    std::function<void(const QString &folder)> openFolder;
};
DialogHooks &dialogHooks();

void showInformation(QWidget *parent, const QString &text, const QString &caption = {});
void showWarning(QWidget *parent, const QString &text, const QString &caption = QStringLiteral("警告"));
void showError(QWidget *parent, const QString &text, const QString &caption = QStringLiteral("错误"));
// An information with an extra button `action` beside OK; true when that button was
// pressed (a hook's answer true stands for it).
bool offerAction(QWidget *parent, const QString &text, const QString &action, const QString &caption = {});
// Shows the folder in the system's file manager.
void openFolder(const QString &folder);
// Yes/No question with a warning icon; true for Yes.
bool askYesNo(QWidget *parent, const QString &text, const QString &caption = QStringLiteral("警告"));

// The message box the functions above show when no hook answers: Chinese buttons (see
// ui/translations.h), as wide as its title needs. Exposed for the tests of its looks.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget *parent, const Message &message);
// The least width a box needs to show `caption` whole in its title bar.
int titleRoom(const QString &caption);

// The window a dialog shown for `parent` belongs to: parent's window, or the active window.
QWidget *ownerOf(QWidget *parent);
// Makes a modal dialog open in front of every tool window, also of those that stay on top:
// a box hidden behind one blocks the program unseen. Call before showing it.
void keepInFront(QWidget *dialog);

// Puts the text on the clipboard (every "复制" goes through here).
void setClipboardText(const QString &text);

// The filter of text files, "文本文件(*.txt)|*.txt", and of database files.
QString textFileFilter();
QString databaseFileFilter();

// File dialogs; `filter` is in the dialog's own form ("文本文件 (*.txt)"), `initialPath` a
// folder or a proposed file name; the default suffix is added when the user types none.
// An empty result means cancel.
QString getSaveFileName(QWidget *parent, const QString &initialPath, const QString &filter = textFileFilter(),
                        const QString &defaultSuffix = QStringLiteral("txt"), const QString &caption = {});
QString getOpenFileName(QWidget *parent, const QString &initialPath, const QString &filter = textFileFilter(),
                        const QString &caption = {});
QStringList getOpenFileNames(QWidget *parent, const QString &initialPath, const QString &filter = textFileFilter(),
                             const QString &caption = {});

// The open dialog the two functions above show when no hook answers: it lists a folder's
// files in natural order (大底2 before 大底10), folders first. Exposed for the tests.
std::unique_ptr<QFileDialog> makeOpenFileDialog(QWidget *parent, const QString &caption, const QString &initialPath,
                                                const QString &filter, bool several);

} // namespace corvel::ui
