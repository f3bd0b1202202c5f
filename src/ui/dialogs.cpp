#include "ui/dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSpacerItem>
#include <algorithm>

namespace corvel::ui {

DialogHooks &dialogHooks() {
    static DialogHooks hooks;
    return hooks;
}

namespace {

constexpr int MessageTitleButtonsRoom = 160;

QString appTitle() {
    return QApplication::applicationName().isEmpty() ? QStringLiteral("Corvel") : QApplication::applicationName();
}

bool show(QWidget *parent, MessageKind kind, const QString &text, const QString &caption) {
    const Message m{kind, caption.isEmpty() ? appTitle() : caption, text};
    if (dialogHooks().message) return dialogHooks().message(m);
    const std::unique_ptr<QMessageBox> box = makeMessageBox(parent, m);
    const int answer = box->exec();
    return kind != MessageKind::Question || answer == QMessageBox::Yes;
}

} // namespace

int titleRoom(const QString &caption) {
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    // The title bar also holds the window's icon and its buttons.
    return QFontMetrics(font).horizontalAdvance(caption) * 5 / 4 + MessageTitleButtonsRoom;
}

std::unique_ptr<QMessageBox> makeMessageBox(QWidget *parent, const Message &m) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(m.caption);
    box->setText(m.text);
    switch (m.kind) {
    case MessageKind::Information:
        box->setIcon(QMessageBox::Information);
        box->setStandardButtons(QMessageBox::Ok);
        break;
    case MessageKind::Warning:
        box->setIcon(QMessageBox::Warning);
        box->setStandardButtons(QMessageBox::Ok);
        break;
    case MessageKind::Error:
        box->setIcon(QMessageBox::Critical);
        box->setStandardButtons(QMessageBox::Ok);
        break;
    case MessageKind::Question:
        box->setIcon(QMessageBox::Warning);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::No);
        break;
    }
    // A message box sizes itself to its text, and a short text left the title cut short:
    // a strut across the whole box keeps it as wide as its title needs.
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout()))
        grid->addItem(new QSpacerItem(titleRoom(m.caption), 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, std::max(1, grid->columnCount()));
    return box;
}

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
    QString suffix = defaultSuffix;
    if (dialogHooks().saveFile) {
        name = dialogHooks().saveFile(caption, initialPath);
    } else {
        QFileDialog dlg(parent, caption, initialPath, filter);
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setDefaultSuffix(defaultSuffix);
        // With several kinds to choose from, a name typed without suffix gets the chosen kind's.
        QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&dlg, &suffix](const QString &chosen) {
            static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
            const QRegularExpressionMatch match = pattern.match(chosen);
            if (!match.hasMatch()) return;
            suffix = match.captured(1);
            dlg.setDefaultSuffix(suffix);
        });
        const QFileInfo info(initialPath);
        if (!info.isDir()) {
            dlg.setDirectory(info.absolutePath());
            dlg.selectFile(info.fileName());
        }
        if (dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty()) name = dlg.selectedFiles().first();
    }
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty() && !suffix.isEmpty()) name += QLatin1Char('.') + suffix;
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
