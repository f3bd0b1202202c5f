#include "ui/shortcuts.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

namespace corvel::ui {

namespace {

void clickWhenUsable(QAbstractButton *button) {
    if (button->isEnabled() && button->isVisible()) button->click();
}

// Refuses to close (the title bar's button, Alt+F4) while the window's own close button is
// disabled. The main window still deletes its tool windows when the lottery closes.
class CloseGuard : public QObject {
public:
    CloseGuard(QWidget *window, QAbstractButton *closeButton) : QObject(window), closeButton_(closeButton) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Close && closeButton_ && !closeButton_->isEnabled()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QAbstractButton> closeButton_;
};

} // namespace

void addShortcut(QAbstractButton *button, const QKeySequence &keys) {
    for (const QShortcut *existing : button->findChildren<QShortcut *>(Qt::FindDirectChildrenOnly))
        if (existing->key() == keys) return;
    auto *shortcut = new QShortcut(keys, button);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] { clickWhenUsable(button); });
    const QString key = keys.toString(QKeySequence::NativeText);
    const QString tip = button->toolTip().isEmpty() ? button->text().remove(QLatin1Char('&')) : button->toolTip();
    button->setToolTip(tip + QStringLiteral(" (") + key + QLatin1Char(')'));
}

void addSaveShortcut(QAbstractButton *button) { addShortcut(button, QKeySequence(Qt::CTRL | Qt::Key_S)); }
void addPrintShortcut(QAbstractButton *button) { addShortcut(button, QKeySequence(Qt::CTRL | Qt::Key_P)); }

void closeWithEscape(QWidget *window, QAbstractButton *closeButton) {
    auto *shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, closeButton, [closeButton] { clickWhenUsable(closeButton); });
    window->installEventFilter(new CloseGuard(window, closeButton));
}

void addStandardKeys(QWidget *window) {
    if (auto *close = window->findChild<QAbstractButton *>(QStringLiteral("btnclose"))) closeWithEscape(window, close);
    if (auto *save = window->findChild<QAbstractButton *>(QStringLiteral("btnsave"))) addSaveShortcut(save);
    if (auto *print = window->findChild<QAbstractButton *>(QStringLiteral("btnprint"))) addPrintShortcut(print);
}

} // namespace corvel::ui
