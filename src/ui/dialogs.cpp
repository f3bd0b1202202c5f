#include "ui/dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace corvel::ui {

DialogHooks &dialogHooks() {
    static DialogHooks hooks;
    return hooks;
}

namespace {

QString appTitle() {
    return QApplication::applicationName().isEmpty() ? QStringLiteral("Corvel") : QApplication::applicationName();
}

bool show(QWidget *parent, MessageKind kind, const QString &text, const QString &caption) {
    const Message m{kind, caption.isEmpty() ? appTitle() : caption, text};
    if (dialogHooks().message) return dialogHooks().message(m);
    QMessageBox box(parent);
    box.setWindowTitle(m.caption);
    box.setText(text);
    switch (kind) {
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageKind::Question:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    }
    const int answer = box.exec();
    return kind != MessageKind::Question || answer == QMessageBox::Yes;
}

} // namespace

void showInformation(QWidget *parent, const QString &text, const QString &caption) {
    show(parent, MessageKind::Information, text, caption);
}
void showWarning(QWidget *parent, const QString &text, const QString &caption) {
    show(parent, MessageKind::Warning, text, caption);
}
void showError(QWidget *parent, const QString &text, const QString &caption) {
    show(parent, MessageKind::Error, text, caption);
}
bool askYesNo(QWidget *parent, const QString &text, const QString &caption) {
    return show(parent, MessageKind::Question, text, caption);
}

void setClipboardText(const QString &text) {
    if (dialogHooks().clipboard) return dialogHooks().clipboard(text);
    QApplication::clipboard()->setText(text);
}

QString textFileFilter() { return QStringLiteral("文本文件 (*.txt)"); }
QString databaseFileFilter() { return QStringLiteral("数据库 (*.db)"); }

QString getSaveFileName(QWidget *parent, const QString &initialPath, const QString &filter,
                        const QString &defaultSuffix, const QString &caption) {
    QString name;
    if (dialogHooks().saveFile) {
        name = dialogHooks().saveFile(caption, initialPath);
    } else {
        QFileDialog dlg(parent, caption, initialPath, filter);
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setDefaultSuffix(defaultSuffix);
        const QFileInfo info(initialPath);
        if (!info.isDir()) {
            dlg.setDirectory(info.absolutePath());
            dlg.selectFile(info.fileName());
        }
        if (dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty()) name = dlg.selectedFiles().first();
    }
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty() && !defaultSuffix.isEmpty())
        name += QChar('.') + defaultSuffix;
    return name;
}

QString getOpenFileName(QWidget *parent, const QString &initialPath, const QString &filter, const QString &caption) {
    if (dialogHooks().openFile) return dialogHooks().openFile(caption, initialPath);
    return QFileDialog::getOpenFileName(parent, caption, initialPath, filter);
}

QStringList getOpenFileNames(QWidget *parent, const QString &initialPath, const QString &filter,
                             const QString &caption) {
    if (dialogHooks().openFiles) return dialogHooks().openFiles(caption, initialPath);
    return QFileDialog::getOpenFileNames(parent, caption, initialPath, filter);
}

} // namespace corvel::ui
