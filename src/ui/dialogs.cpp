#include "ui/dialogs.h"

#include "core/naturalorder.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QSpacerItem>
#include <QUrl>
#include <algorithm>

namespace corvel::ui {

DialogHooks &dialogHooks() {
    static DialogHooks hooks;
    return hooks;
}

namespace {

constexpr int MessageTitleButtonsRoom = 160;
constexpr int FileDialogWidth = 760;
constexpr int FileDialogHeight = 480;

QString appTitle() {
    return QApplication::applicationName().isEmpty() ? QStringLiteral("Corvel") : QApplication::applicationName();
}

// The program's own file dialog, not the system's: it speaks the program's language
// whatever the system's locale and can be kept in front of the tool windows.
void prepare(QFileDialog &dlg) {
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setLocale(QLocale(QLocale::Chinese, QLocale::China));
    keepInFront(&dlg);
    // Room for the name, size, type and date columns of the detail view.
    dlg.resize(std::max(dlg.width(), FileDialogWidth), std::max(dlg.height(), FileDialogHeight));
}

// The names of a folder in natural order, folders before files; the other columns (size,
// type, date) as the file system model compares them.
class NaturalOrderProxy : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override {
        if (left.column() != 0) return QSortFilterProxyModel::lessThan(left, right);
        if (const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel())) {
            const bool leftDir = files->isDir(left), rightDir = files->isDir(right);
            if (leftDir != rightDir) return leftDir == (sortOrder() == Qt::AscendingOrder);
        }
        return naturalLess(left.data().toString().toStdString(), right.data().toString().toStdString());
    }
};

QStringList runFileDialog(QWidget *parent, const QString &caption, const QString &initialPath, const QString &filter,
                          bool several) {
    const std::unique_ptr<QFileDialog> dlg = makeOpenFileDialog(parent, caption, initialPath, filter, several);
    if (dlg->exec() != QDialog::Accepted) return {};
    return dlg->selectedFiles();
}

bool show(QWidget *parent, MessageKind kind, const QString &text, const QString &caption, const QString &action = {}) {
    const Message m{kind, caption.isEmpty() ? appTitle() : caption, text, action};
    if (dialogHooks().message) return dialogHooks().message(m);
    const std::unique_ptr<QMessageBox> box = makeMessageBox(parent, m);
    QPushButton *extra = action.isEmpty() ? nullptr : box->addButton(action, QMessageBox::ActionRole);
    const int answer = box->exec();
    if (extra) return box->clickedButton() == extra;
    return kind != MessageKind::Question || answer == QMessageBox::Yes;
}

} // namespace

QWidget *ownerOf(QWidget *parent) {
    if (parent) return parent->window();
    return QApplication::activeWindow();
}

void keepInFront(QWidget *dialog) {
    dialog->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    dialog->setWindowModality(Qt::ApplicationModal);
}

int titleRoom(const QString &caption) {
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    // The title bar also holds the window's icon and its buttons.
    return QFontMetrics(font).horizontalAdvance(caption) * 5 / 4 + MessageTitleButtonsRoom;
}

std::unique_ptr<QMessageBox> makeMessageBox(QWidget *parent, const Message &m) {
    auto box = std::make_unique<QMessageBox>(ownerOf(parent));
    keepInFront(box.get());
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
bool offerAction(QWidget *parent, const QString &text, const QString &action, const QString &caption) {
    return show(parent, MessageKind::Information, text, caption, action);
}
void openFolder(const QString &folder) {
    if (dialogHooks().openFolder) return dialogHooks().openFolder(folder);
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
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
        QFileDialog dlg(ownerOf(parent), caption, initialPath, filter);
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        prepare(dlg);
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
    return runFileDialog(parent, caption, initialPath, filter, false).value(0);
}

QStringList getOpenFileNames(QWidget *parent, const QString &initialPath, const QString &filter,
                             const QString &caption) {
    if (dialogHooks().openFiles) return dialogHooks().openFiles(caption, initialPath);
    return runFileDialog(parent, caption, initialPath, filter, true);
}

std::unique_ptr<QFileDialog> makeOpenFileDialog(QWidget *parent, const QString &caption, const QString &initialPath,
                                                const QString &filter, bool several) {
    auto dlg = std::make_unique<QFileDialog>(ownerOf(parent), caption, initialPath, filter);
    dlg->setFileMode(several ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    prepare(*dlg);
    dlg->setProxyModel(new NaturalOrderProxy(dlg.get()));
    return dlg;
}

} // namespace corvel::ui
