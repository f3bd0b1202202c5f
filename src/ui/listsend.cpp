#include "ui/listsend.h"

#include "core/usererror.h"
#include "ui/buttons.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/toolwindow.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

namespace corvel::ui {

QString SentList::description() const {
    const QString kindName = kind ? QString::fromStdString(betKindName(*kind)) : QString();
    return QStringLiteral("“%1”的%2号码%3注").arg(from, kindName).arg(numbers.size());
}

const QList<SendTarget> &sendTargets() {
    static const QList<SendTarget> targets{
        {QStringLiteral("Tfrmtotalfilt"), QStringLiteral("总体过滤")},
        {QStringLiteral("Tfrmjiaoqi"), QStringLiteral("多重大底交集")},
        {QStringLiteral("Tfrmdingweipai"), QStringLiteral("号码次数提取")},
    };
    return targets;
}

bool sendList(const QString &className, const SentList &list) {
    QWidget *target = companionWindow(className);
    auto *receiver = dynamic_cast<ListReceiver *>(target);
    if (!receiver) return false;
    // In front first, so a refusal's message stands over the window that refused.
    target->show();
    target->raise();
    target->activateWindow();
    return runCommand(target, [&] { receiver->receiveList(list); });
}

NumberList boxNumbers(const QPlainTextEdit *box) {
    std::vector<std::string> lines;
    for (const QString &line : box->toPlainText().split(QLatin1Char('\n'))) lines.push_back(line.toStdString());
    return readPieceList(lines);
}

namespace {

bool showsSomething(const QObject *shown) {
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(shown)) return !box->toPlainText().trimmed().isEmpty();
    if (const auto *model = qobject_cast<const QAbstractItemModel *>(shown)) return model->rowCount() > 0;
    return false;
}

} // namespace

QPushButton *sendButton(QWidget *window, QObject *shown, std::function<SentList()> readList) {
    QPushButton *button = commandButton(window, QStringLiteral("btnsend"), QStringLiteral("发送到"));
    button->setToolTip(QStringLiteral("把这份号码直接交给另一个工具窗口，如同保存后在那里导入，但不经过文件"));
    auto *menu = new QMenu(button);
    menu->setObjectName(QStringLiteral("mnusend"));
    for (const SendTarget &target : sendTargets()) {
        QAction *action = menu->addAction(target.caption);
        action->setObjectName(QStringLiteral("mnusend_") + target.className);
        QObject::connect(action, &QAction::triggered, window, [window, readList, className = target.className] {
            SentList list;
            if (!runCommand(window, [&] {
                    list = readList();
                    if (list.numbers.empty()) throw UserError("没有可以发送的号码！");
                }))
                return;
            if (list.from.isEmpty()) list.from = window->windowTitle();
            auto *view = qobject_cast<QDialog *>(window);
            if (sendList(className, list) && view && view->isModal()) view->accept();
        });
    }
    button->setMenu(menu);

    const auto refresh = [button, shown] { button->setEnabled(showsSomething(shown)); };
    if (auto *box = qobject_cast<QPlainTextEdit *>(shown)) {
        QObject::connect(box, &QPlainTextEdit::textChanged, button, refresh);
    } else if (auto *model = qobject_cast<QAbstractItemModel *>(shown)) {
        QObject::connect(model, &QAbstractItemModel::modelReset, button, refresh);
        QObject::connect(model, &QAbstractItemModel::rowsInserted, button, refresh);
        QObject::connect(model, &QAbstractItemModel::rowsRemoved, button, refresh);
        QObject::connect(model, &QAbstractItemModel::layoutChanged, button, refresh);
    }
    refresh();
    return button;
}

} // namespace corvel::ui
