#include "ui/windowplace.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QString>
#include <QWidget>
#include <algorithm>

namespace corvel::ui {

namespace {

QString settingsKey(const QString &objectName) { return QStringLiteral("geometry/") + objectName; }

QRect freeArea(const QWidget *window) {
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// Remembers the geometry of a window each time it is hidden.
class GeometryKeeper : public QObject {
public:
    explicit GeometryKeeper(QWidget *window) : QObject(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Hide && watched == parent()) saveWindowGeometry(static_cast<QWidget *>(watched));
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

bool restoreWindowGeometry(QWidget *window) {
    if (window->objectName().isEmpty()) return false;
    const QByteArray saved = QSettings().value(settingsKey(window->objectName())).toByteArray();
    if (saved.isEmpty() || !window->restoreGeometry(saved)) return false;
    keepOnScreen(window);
    return true;
}

void saveWindowGeometry(const QWidget *window) {
    if (window->objectName().isEmpty()) return;
    QSettings().setValue(settingsKey(window->objectName()), window->saveGeometry());
}

void forgetWindowGeometry(const QString &objectName) { QSettings().remove(settingsKey(objectName)); }

void placeToolWindow(QWidget *window, QWidget *over) {
    if (!restoreWindowGeometry(window)) centreOver(window, over);
    window->installEventFilter(new GeometryKeeper(window));
}

void centreOver(QWidget *window, const QWidget *over) {
    const QRect area = over && over->isVisible() ? over->frameGeometry() : freeArea(window);
    if (!area.isValid()) return;
    const QRect frame = window->frameGeometry();
    window->move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
    keepOnScreen(window);
}

void keepOnScreen(QWidget *window) {
    const QRect area = freeArea(window);
    if (!area.isValid() || window->isMaximized() || window->isFullScreen()) return;
    const QRect frame = window->frameGeometry();
    const QSize extra = frame.size() - window->geometry().size(); // title bar and borders
    const QSize room = area.size() - extra;
    const QSize client = window->size().boundedTo(room).expandedTo(window->minimumSize());
    if (client != window->size()) window->resize(client);
    const QSize outer = client + extra;
    QPoint at = frame.topLeft();
    at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - outer.width())));
    at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - outer.height())));
    if (at != frame.topLeft()) window->move(at);
}

} // namespace corvel::ui
