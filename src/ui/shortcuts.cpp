#include "ui/shortcuts.h"

#include <QAbstractButton>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
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

// Enter in an edit box clicks the default button: the box's returnPressed (also sent when
// the key completes a combo box's text, which keeps the key to itself) and a key the focused
// control leaves unused reaching the window. The box's click waits until the key has
// travelled on, so the two never both click for one key.
class EnterPressesDefault : public QObject {
public:
    explicit EnterPressesDefault(QWidget *window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched != window_) return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::Show) watchEditBoxes();
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
                if (pending_) return true;
                if (QPushButton *button = defaultButton(window_)) {
                    if (button->isEnabled()) button->click();
                    return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void watchEditBoxes() {
        static const char *const watchedMark = "corvelEnterWatched";
        for (QLineEdit *edit : window_->findChildren<QLineEdit *>()) {
            if (edit->property(watchedMark).toBool()) continue;
            edit->setProperty(watchedMark, true);
            connect(edit, &QLineEdit::returnPressed, this, [this, edit] {
                if (edit->window() != window_ || pending_ || !defaultButton(window_)) return;
                pending_ = true;
                QTimer::singleShot(0, this, [this] {
                    pending_ = false;
                    QPushButton *button = defaultButton(window_);
                    if (button && button->isEnabled()) button->click();
                });
            });
        }
    }

    QWidget *window_;
    bool pending_ = false;
};

} // namespace

QPushButton *defaultButton(const QWidget *window) {
    for (QPushButton *button : window->findChildren<QPushButton *>())
        if (button->isDefault() && button->isVisible() && button->window() == window) return button;
    return nullptr;
}

void pressDefaultWithEnter(QWidget *window) {
    static const char *const mark = "corvelEnterPressesDefault";
    if (qobject_cast<QDialog *>(window) || window->property(mark).toBool()) return;
    window->setProperty(mark, true);
    window->installEventFilter(new EnterPressesDefault(window));
}

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
    pressDefaultWithEnter(window);
}

} // namespace corvel::ui
