#include "shell/u_main.h"

#include "core/u_public.h"
#include "core/usererror.h"
#include "maintenance/windows/u_index.h"
#include "shell/startup.h"
#include "shell/u_about.h"
#include "shell/windowhelp.h"
#include "store/appdir.h"
#include "store/backup.h"
#include "store/catalogue.h"
#include "store/database.h"
#include "store/drawtable.h"
#include "store/u_datamod.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/helpviewer.h"
#include "ui/shortcuts.h"
#include "ui/stoppablethread.h"
#include "ui/textfit.h"
#include "ui/toolwindow.h"
#include "ui/windowplace.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <algorithm>

namespace corvel {

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// The tab strip asks for little width, so the tool bar never moves it into its overflow
// menu; it takes whatever room the buttons leave and scrolls its tabs.
class TabStrip : public QTabBar {
public:
    using QTabBar::QTabBar;
    QSize sizeHint() const override { return QSize(240, QTabBar::sizeHint().height()); }
    QSize minimumSizeHint() const override { return QSize(120, QTabBar::minimumSizeHint().height()); }
};

} // namespace

Tfrmmain::Tfrmmain(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(QStringLiteral("Corvel"));
    setMinimumSize(800, 560);
    resize(1280, 800);
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("imageback"));
    setCentralWidget(mdi_);
    mdi_->viewport()->installEventFilter(this);
    buildMenus();
    buildToolBar();
    FormCreate();
    ui::setToolWindowSource([this](const QString &className) { return ensureToolWindow(className); });
}

Tfrmmain::~Tfrmmain() {
    ui::setToolWindowSource({});
    closeToolWindows();
}

void Tfrmmain::FormCreate() {
    background_ = QPixmap(pictureDir() + QStringLiteral("back.bmp"));
    updateBackground();
    tabAction_->setVisible(false);
    UpdateCommandState();
}

QAction *Tfrmmain::addCommand(QMenu *menu, const QString &name, const QString &caption, void (Tfrmmain::*handler)()) {
    auto *action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    commands_[name] = action;
    return action;
}

QAction *Tfrmmain::connectToolWindow(QAction *action, const ToolWindowEntry &entry) {
    const QString className = entry.className;
    if (entry.modal) {
        connect(action, &QAction::triggered, this, [this, className] { showModalTool(className); });
    } else {
        connect(action, &QAction::triggered, this, [this, className] { showToolWindow(className); });
        lotteryCommands_ << action;
    }
    return action;
}

void Tfrmmain::addToolWindowItems(QMenu *menu, ToolMenu which) {
    for (const ToolWindowEntry &entry : toolWindowEntries()) {
        if (entry.menu != which) continue;
        QAction *action = menu->addAction(entry.caption);
        action->setObjectName(entry.menuName);
        commands_[entry.menuName] = action;
        connectToolWindow(action, entry);
    }
}

void Tfrmmain::buildMenus() {
    QMenu *file = menuBar()->addMenu(u("文件(&F)"));
    addCommand(file, QStringLiteral("mnuopen"), u("打开彩票(&O)"), &Tfrmmain::mnuopenClick);
    addCommand(file, QStringLiteral("mnuclose"), u("关闭彩票(&G)"), &Tfrmmain::mnucloseClick);
    file->addSeparator();
    addCommand(file, QStringLiteral("mnuprintpreview"), u("打印预览(&V)"), &Tfrmmain::mnuprintpreviewClick);
    connect(file, &QMenu::aboutToShow, this, &Tfrmmain::updatePrintPreview);
    file->addSeparator();
    addCommand(file, QStringLiteral("mnuexit"), u("退出(&X)"), &Tfrmmain::mnuexitClick);

    QMenu *data = menuBar()->addMenu(u("彩票数据(&D)"));
    addToolWindowItems(data, ToolMenu::Data);
    data->addSeparator();
    addCommand(data, QStringLiteral("mnucheckdata"), u("数据检查(&K)"), &Tfrmmain::mnucheckdataClick);
    addCommand(data, QStringLiteral("mnubackupdata"), u("数据备份(&B)"), &Tfrmmain::mnubackupdataClick);
    addCommand(data, QStringLiteral("mnustoredata"), u("数据恢复(&C)"), &Tfrmmain::mnustoredataClick);

    QMenu *analysis = menuBar()->addMenu(u("数据分析(&A)"));
    for (int tab = 0; tab < analysisTabs().size(); ++tab) {
        const AnalysisTab &item = analysisTabs()[tab];
        auto *action = analysis->addAction(item.menuCaption);
        action->setObjectName(item.menuName);
        connect(action, &QAction::triggered, this, [this, tab] { showAnalysisTab(tab); });
        commands_[action->objectName()] = action;
        lotteryCommands_ << action;
        if (item.separatorAfter) analysis->addSeparator();
    }

    addToolWindowItems(menuBar()->addMenu(u("选号过滤(&S)")), ToolMenu::Filters);
    addToolWindowItems(menuBar()->addMenu(u("投资管理(&M)")), ToolMenu::Plans);

    QMenu *web = menuBar()->addMenu(u("彩票网站(&W)"));
    auto *web2 = web->addAction(u("中国体育彩票网"));
    web2->setObjectName("mnuweb2");
    connect(web2, &QAction::triggered, this, [this] { openUrl(QStringLiteral("https://www.lottery.gov.cn/")); });
    auto *web3 = web->addAction(u("中国福利彩票网"));
    web3->setObjectName("mnuweb3");
    connect(web3, &QAction::triggered, this, [this] { openUrl(QStringLiteral("https://www.cwl.gov.cn/")); });
    commands_[QStringLiteral("mnuweb2")] = web2;
    commands_[QStringLiteral("mnuweb3")] = web3;

    QMenu *help = menuBar()->addMenu(u("帮助(&H)"));
    addCommand(help, QStringLiteral("mnuhelpmanual"), u("使用说明(&S)"), &Tfrmmain::mnuhelpmanualClick);
    addCommand(help, QStringLiteral("mnuhelpcotent"), u("使用帮助(&C)"), &Tfrmmain::mnuhelpcotentClick);
    addCommand(help, QStringLiteral("mnuhelpabout"), u("关于(&A)..."), &Tfrmmain::mnuhelpaboutClick);

    // The common shortcuts; the menus keep their access keys as well.
    commands_[QStringLiteral("mnuopen")]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    commands_[QStringLiteral("mnuclose")]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    commands_[QStringLiteral("mnuhelpmanual")]->setShortcut(QKeySequence(Qt::Key_F1));
}

QAction *Tfrmmain::addTool(const QString &name, const QString &caption, const QString &hint, const QString &icon) {
    auto *button = new QToolButton(tlbmain_);
    button->setObjectName(name);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    auto *action = new QAction(QIcon(QStringLiteral(":/icons/") + icon + QStringLiteral(".png")), caption, this);
    action->setObjectName(name);
    action->setToolTip(hint);
    button->setDefaultAction(action);
    // 55 x 36, or as large as the caption under the image needs in the font it is drawn in
    // (Chinese captions come from a taller fallback font than the font's own line height).
    const QSize text = ui::textSize(button->font(), caption);
    const QSize natural = button->sizeHint();
    button->setFixedSize(std::max({55, text.width() + 8, natural.width()}),
                         std::max({36, button->iconSize().height() + text.height() + 10, natural.height()}));
    tlbmain_->addWidget(button);
    commands_[name] = action;
    return action;
}

void Tfrmmain::buildToolBar() {
    tlbmain_ = addToolBar(u("工具栏"));
    tlbmain_->setObjectName("tlbmain");
    tlbmain_->setMovable(false);
    tlbmain_->setFloatable(false);
    tlbmain_->setContextMenuPolicy(Qt::PreventContextMenu);
    connect(addTool(QStringLiteral("tlbopen"), u("打开彩票"), u("打开彩票"), QStringLiteral("open")),
            &QAction::triggered, this, &Tfrmmain::mnuopenClick);
    QList<const ToolWindowEntry *> buttons;
    for (const ToolWindowEntry &entry : toolWindowEntries())
        if (entry.button.slot >= 0) buttons << &entry;
    std::sort(buttons.begin(), buttons.end(),
              [](const ToolWindowEntry *a, const ToolWindowEntry *b) { return a->button.slot < b->button.slot; });
    for (const ToolWindowEntry *entry : buttons) {
        const ToolBarButton &b = entry->button;
        connectToolWindow(addTool(b.name, b.caption, b.caption, b.icon), *entry);
    }
    tlbmain_->addSeparator();
    connect(addTool(QStringLiteral("tlbexit"), u("退出"), u("退出系统"), QStringLiteral("exit")), &QAction::triggered,
            this, &Tfrmmain::mnuexitClick);

    // The tab strip ends 10 pixels before the tool bar's right edge (the bar's own margin included).
    auto *tabHolder = new QWidget(tlbmain_);
    auto *holderLayout = new QHBoxLayout(tabHolder);
    const int barMargin = tlbmain_->style()->pixelMetric(QStyle::PM_ToolBarItemMargin, nullptr, tlbmain_) +
                          tlbmain_->style()->pixelMetric(QStyle::PM_ToolBarFrameWidth, nullptr, tlbmain_);
    holderLayout->setContentsMargins(0, 0, std::max(0, 10 - barMargin), 0);
    tabHolder->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    tabmain_ = new TabStrip(tabHolder);
    holderLayout->addWidget(tabmain_);
    tabmain_->setObjectName("tabmain");
    tabmain_->setUsesScrollButtons(true);
    tabmain_->setExpanding(false);
    tabmain_->setDrawBase(false);
    tabmain_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    for (const AnalysisTab &tab : analysisTabs()) tabmain_->addTab(tab.caption());
    connect(tabmain_, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index != tabmain_->currentIndex()) tabmain_->setCurrentIndex(index);
    });
    connect(tabmain_, &QTabBar::currentChanged, this, [this] {
        if (LotteryOpen && tabmain_->isVisible()) tabmainChange();
    });
    tabAction_ = tlbmain_->addWidget(tabHolder);
}

void Tfrmmain::UpdateCommandState() {
    for (QAction *action : lotteryCommands_) action->setEnabled(LotteryOpen);
    tabAction_->setVisible(LotteryOpen);
    updatePrintPreview();
}

void Tfrmmain::updatePrintPreview() { commands_[QStringLiteral("mnuprintpreview")]->setEnabled(previewTarget()); }

QAbstractButton *Tfrmmain::previewTarget() const {
    const auto printButton = [](const QWidget *window) -> QAbstractButton * {
        if (!window || !window->isVisible()) return nullptr;
        for (const QString &name : {QStringLiteral("btnprint"), QStringLiteral("tlbtnprint")})
            if (auto *button = window->findChild<QAbstractButton *>(name))
                return button->isEnabled() && button->isVisible() ? button : nullptr;
        return nullptr;
    };
    if (QAbstractButton *button = printButton(lastToolWindow_)) return button;
    for (const auto &window : toolWindows_)
        if (QAbstractButton *button = printButton(window)) return button;
    return nullptr;
}

void Tfrmmain::mnuprintpreviewClick() {
    QAbstractButton *button = previewTarget();
    if (!button) return;
    QWidget *window = button->window();
    window->raise();
    window->activateWindow();
    // A print button with a menu (what to print) opens its menu.
    if (auto *menuButton = qobject_cast<QToolButton *>(button); menuButton && menuButton->menu())
        menuButton->showMenu();
    else
        button->click();
}

bool Tfrmmain::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate) UpdateCommandState();
    return QMainWindow::event(event);
}

void Tfrmmain::showAtStart() {
    if (ui::restoreWindowGeometry(this)) {
        show();
        return;
    }
    // Without a window manager a maximise request does nothing: fill the screen first, the
    // frame's top-left corner (the title bar) at the free area's top-left corner.
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.topLeft());
        resize(area.size());
    }
    showMaximized();
}

// 退出 (or the title bar's close button) ends the program whatever runs: the work of every
// window is stopped after a question and waited for, every window goes, and the
// application is told to quit, so no tool window that refuses to close while it works can
// keep a program without a main window alive.
void Tfrmmain::closeEvent(QCloseEvent *event) {
    const auto running = [this] {
        QList<ui::StoppableThread *> threads;
        for (ui::StoppableThread *thread : findChildren<ui::StoppableThread *>())
            if (thread->isRunning()) threads << thread;
        return threads;
    };
    if (!running().isEmpty() &&
        !ui::askYesNo(this, u("还有计算正在进行，退出将停止所有计算。\n\n确定要退出吗？"), u("确认退出"))) {
        event->ignore();
        return;
    }
    {
        const ui::BusyCursor wait;
        const QList<ui::StoppableThread *> threads = running();
        for (ui::StoppableThread *thread : threads) thread->requestStop();
        for (ui::StoppableThread *thread : threads) thread->wait();
    }
    ui::saveWindowGeometry(this);
    rememberOpenLottery();
    closeChildWindows();
    closeToolWindows();
    QMainWindow::closeEvent(event);
    QCoreApplication::quit(); // does nothing outside the event loop (tests)
}

// Back from maximised, the window is put where its title bar can be reached; the normal
// geometry arrives after the state change, so the check waits for it.
void Tfrmmain::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isVisible() &&
        !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
        QTimer::singleShot(0, this, [this] { ui::keepOnScreen(this); });
}

void Tfrmmain::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    updateBackground();
}

// The client area gets its final size after the frame's own resize; the picture follows it.
bool Tfrmmain::eventFilter(QObject *watched, QEvent *event) {
    if (watched == mdi_->viewport() && event->type() == QEvent::Resize) updateBackground();
    if (event->type() == QEvent::WindowActivate && watched->isWidgetType()) {
        auto *window = static_cast<QWidget *>(watched);
        for (const auto &tool : std::as_const(toolWindows_))
            if (tool == window) lastToolWindow_ = window;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tfrmmain::updateBackground() {
    if (background_.isNull()) {
        mdi_->setBackground(palette().brush(QPalette::Mid));
        return;
    }
    const QSize size = mdi_->viewport()->size().expandedTo(QSize(1, 1));
    mdi_->setBackground(QBrush(background_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

QAction *Tfrmmain::command(const QString &name) const { return commands_.value(name); }

QWidget *Tfrmmain::toolWindow(const QString &className) const { return toolWindows_.value(className).data(); }

QWidget *Tfrmmain::activeAnalysisWindow() const {
    const auto windows = mdi_->subWindowList();
    return windows.isEmpty() ? nullptr : windows.last()->widget();
}

void Tfrmmain::closeChildWindows() {
    auto windows = mdi_->subWindowList();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        (*it)->close();
        delete *it;
    }
}

void Tfrmmain::closeToolWindows() {
    for (auto &window : toolWindows_)
        if (window) {
            window->close();
            delete window.data();
        }
    toolWindows_.clear();
}

void Tfrmmain::tabmainChange() {
    closeChildWindows();
    const WindowFactory factory = analysisWindowFactory(tabmain_->currentIndex());
    if (!factory) return;
    QWidget *window = factory(nullptr);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow *sub = mdi_->addSubWindow(window, Qt::FramelessWindowHint);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // Laid out once, at the size it is shown at.
    sub->resize(mdi_->viewport()->size());
    sub->showMaximized();
}

void Tfrmmain::showAnalysisTab(int tab) {
    const QSignalBlocker block(tabmain_);
    tabmain_->setCurrentIndex(tab);
    tabmainChange();
}

QWidget *Tfrmmain::ensureToolWindow(const QString &className) {
    if (QWidget *window = toolWindows_.value(className)) return window;
    if (creatingToolWindows_.contains(className)) return nullptr;
    const WindowFactory factory = toolWindowFactory(className);
    if (!factory) return nullptr;
    creatingToolWindows_ << className;
    QWidget *window = factory(this);
    creatingToolWindows_.removeAll(className);
    window->setWindowFlag(Qt::Window, true);
    installWindowHelp(window, className, helpPage(*toolWindowEntry(className)));
    ui::addStandardKeys(window);
    ui::keepControlsWhole(window);
    ui::placeToolWindow(window, this);
    toolWindows_[className] = window;
    window->installEventFilter(this); // remembers the tool window used last (打印预览)
    return window;
}

QWidget *Tfrmmain::showToolWindow(const QString &className) {
    QWidget *window = ensureToolWindow(className);
    if (!window) return nullptr;
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void Tfrmmain::lotteryOpened() {
    setWindowTitle(QStringLiteral("Corvel《%1》").arg(QString::fromStdString(LotteryName)));
    UpdateCommandState();
    {
        const QSignalBlocker block(tabmain_);
        tabmain_->setCurrentIndex(0);
    }
    tabmainChange();
}

namespace {
const QString LastLotteryKey = QStringLiteral("lottery/last");
const QString LastPositionKey = QStringLiteral("lottery/lastPosition");
} // namespace

void Tfrmmain::rememberOpenLottery() const {
    QSettings settings;
    settings.setValue(LastLotteryKey, LotteryOpen ? QString::fromStdString(LotteryName) : QString());
    settings.setValue(LastPositionKey, PositionStart);
}

bool Tfrmmain::reopenLastLottery() {
    const QSettings settings;
    const QString remembered = settings.value(LastLotteryKey).toString();
    if (remembered.isEmpty()) return false;
    QStringList lotteries;
    try {
        lotteries = listLotteries(databasePath());
    } catch (const std::exception &) {
        return false; // the database's own trouble is told at start-up
    }
    for (const QString &name : lotteriesToReopen(remembered, lotteries)) {
        const int position = name == remembered ? settings.value(LastPositionKey, 3).toInt() : 3;
        if (openLotteryQuietly(name, position)) return true;
    }
    return false;
}

// What the catalogue window's "打开彩票" does for the chosen lottery, without its window.
bool Tfrmmain::openLotteryQuietly(const QString &name, int positionStart) {
    LotteryOpen = false;
    try {
        const LotteryOptions options = readOptions(databasePath(), name);
        LotteryName = name.toStdString();
        NumberRange = options.range;
        PickCount = options.pick;
        LotteryKind = options.kind;
        PositionStart = isThreeDigitGame(LotteryName) ? 1 : std::clamp(positionStart, 1, 3);
        LoadLottery();
    } catch (const std::exception &) {
        CloseLotteryState();
        return false;
    }
    LotteryOpen = true;
    lotteryOpened();
    return true;
}

void Tfrmmain::mnuopenClick() {
    mnucloseClick();
    Tfrmindex dialog(this);
    if (dialog.exec() == QDialog::Accepted) lotteryOpened();
}

void Tfrmmain::mnucloseClick() {
    closeChildWindows();
    closeToolWindows();
    CloseLotteryState();
    setWindowTitle(QStringLiteral("Corvel"));
    UpdateCommandState();
}

void Tfrmmain::mnuexitClick() { close(); }

void Tfrmmain::showModalTool(const QString &className) {
    mnucloseClick();
    QWidget *window = toolWindowFactory(className)(this);
    installWindowHelp(window, className, helpPage(*toolWindowEntry(className)));
    if (auto *dialog = qobject_cast<QDialog *>(window)) dialog->exec();
    delete window;
    UpdateCommandState();
}

void Tfrmmain::mnucheckdataClick() {
    QStringList paragraphs;
    bool found = false;
    const bool checked = ui::runCommand(this, [&] {
        const ui::BusyCursor wait;
        const QStringList lotteries = listLotteries(databasePath());
        if (lotteries.isEmpty()) throw UserError("数据库中没有彩票！");
        Connection con(databasePath());
        for (const QString &lottery : lotteries) {
            const DrawCheck check = checkDrawTable(con.db(), lottery);
            found = found || !check.findings.empty();
            paragraphs << lottery + u("：") + QString::fromStdString(drawCheckSummary(check, 5));
        }
    });
    if (!checked) return;
    const QString text = u("数据检查\n\n") + paragraphs.join(u("\n\n"));
    if (found)
        ui::showWarning(this, text, u("数据检查"));
    else
        ui::showInformation(this, text, u("数据检查"));
}

void Tfrmmain::mnubackupdataClick() {
    const QString target =
        ui::getSaveFileName(this, ShellFolderPath(QStringLiteral("Desktop")) + QStringLiteral("/彩票数据.db"),
                            ui::databaseFileFilter(), QStringLiteral("db"));
    if (target.isEmpty()) return;
    QString loss;
    if (!ui::runCommand(this, [&] { loss = backupLoss(databasePath(), target); })) return;
    if (!loss.isEmpty() && !ui::askYesNo(this, loss + u("\n\n确定要用这次备份替换它吗？"), u("确认备份"))) return;
    if (ui::runCommand(this, [&] { backupDatabase(databasePath(), target, true); }))
        ui::showInformation(this, u("成功备份！"));
}

void Tfrmmain::mnustoredataClick() {
    mnucloseClick();
    const QString source =
        ui::getOpenFileName(this, ShellFolderPath(QStringLiteral("Desktop")), ui::databaseFileFilter());
    if (source.isEmpty()) return;
    DatabaseSummary incoming, current;
    const bool checked = ui::runCommand(this, [&] {
        try {
            incoming = checkRestoreCandidate(source, databasePath());
        } catch (const UserError &e) {
            throw UserError(e.what() + std::string("\n数据库没有恢复。"));
        }
    });
    if (!checked) return;
    try {
        current = databaseSummary(databasePath());
    } catch (const UserError &) {
        // A database that cannot be read is replaced all the same; the question says so.
    }
    const QString question =
        u("数据恢复将用文件 %1 替换当前的数据库。\n\n当前数据库：%2\n恢复的文件：%3\n\n%4\n\n"
          "确定要恢复吗？")
            .arg(QDir::toNativeSeparators(source), current.isEmpty() ? u("无法读取") : summaryText(current),
                 summaryText(incoming), safetyCopyNote(databasePath()));
    if (!ui::askYesNo(this, question, u("确认恢复"))) return;
    if (Tdatamod *dm = Tdatamod::instance()) dm->closeConnection();
    if (ui::runCommand(this, [&] { restoreDatabase(source, databasePath()); }))
        ui::showInformation(this, u("成功恢复！"));
}

void Tfrmmain::openUrl(const QString &url) {
    if (!QDesktopServices::openUrl(QUrl(url))) ui::showError(this, u("无法打开网址 %1").arg(url));
}

void Tfrmmain::mnuhelpmanualClick() { ui::showHelp(this); }

void Tfrmmain::mnuhelpcotentClick() {
    const QString help = appDir() + QStringLiteral("帮助/Corvel帮助.html");
    if (!QFile::exists(help)) {
        ui::showError(this, u("找不到帮助文件 %1").arg(help));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(help)))
        ui::showError(this, u("无法用浏览器打开帮助文件 %1").arg(help));
}

void Tfrmmain::mnuhelpaboutClick() {
    if (!about_) about_ = new Tfrmabout(this);
    about_->show();
    about_->raise();
}

} // namespace corvel
