#pragma once
// The main window: MDI frame with the tool bar, the tab strip of the twenty analysis
// windows, the menus, and the registry of tool windows.

#include "shell/windowregistry.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTabBar;
class QToolBar;
class QToolButton;

namespace corvel {

class Tfrmmain : public QMainWindow {
    Q_OBJECT
public:
    explicit Tfrmmain(QWidget *parent = nullptr);
    ~Tfrmmain() override;

    // The shell side of a successful open (called by the catalogue window).
    void lotteryOpened();

    // Commands, also used by tests.
    void mnuopenClick();
    void mnucloseClick();
    void mnuexitClick();
    // 打印预览: the print command of the tool window last used that can print (its "打印"
    // opens the preview); off while no shown tool window can print.
    void mnuprintpreviewClick();
    void mnucheckdataClick();
    void mnubackupdataClick();
    void mnustoredataClick();
    // 使用说明: the built-in manual at its index (F1; F1 in a tool window opens its page).
    void mnuhelpmanualClick();
    void mnuhelpcotentClick();
    void mnuhelpaboutClick();
    void tabmainChange();
    // Selects a tab and shows its window (the 数据分析 menu items).
    void showAnalysisTab(int tab);
    // Shows a tool window, creating it on first use.
    QWidget *showToolWindow(const QString &className);
    // The tool window of a class, created hidden when it does not exist yet (a window that
    // fills or reads another one). Null when the class has no window, and while that
    // window is itself being created (windows that create each other).
    QWidget *ensureToolWindow(const QString &className);

    QMdiArea *mdiArea() const { return mdi_; }
    QTabBar *tabmain() const { return tabmain_; }
    QToolBar *tlbmain() const { return tlbmain_; }
    // A menu item or tool button by its name ("mnuopen", "tlbala", …).
    QAction *command(const QString &name) const;
    // The tool window of a class when it exists.
    QWidget *toolWindow(const QString &className) const;
    // The current analysis child window.
    QWidget *activeAnalysisWindow() const;
    // The print button of the tool window 打印预览 prints, or null.
    QAbstractButton *previewTarget() const;

    // Opens again the lottery that was open when the program last closed (its window
    // choice kept); when that lottery is gone, the database's first lottery. Nothing when
    // none was open. Asks nothing and shows no message: a lottery that cannot be opened
    // leaves the next one to try, or the window without a lottery. True when one opened.
    bool reopenLastLottery();

    // Shows the window at start-up: where it was left in the last run (geometry and
    // maximised state), or maximised the first time.
    void showAtStart();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void FormCreate();
    void buildMenus();
    void buildToolBar();
    QAction *addCommand(QMenu *menu, const QString &name, const QString &caption, void (Tfrmmain::*handler)());
    QAction *connectToolWindow(QAction *action, const ToolWindowEntry &entry);
    void addToolWindowItems(QMenu *menu, ToolMenu which);
    QAction *addTool(const QString &name, const QString &caption, const QString &hint, const QString &icon);
    void UpdateCommandState();
    void updatePrintPreview();
    void closeChildWindows();
    void closeToolWindows();
    void showModalTool(const QString &className);
    void updateBackground();
    bool openLotteryQuietly(const QString &name, int positionStart);
    void rememberOpenLottery() const;
    void openUrl(const QString &url);

    QMdiArea *mdi_ = nullptr;
    QToolBar *tlbmain_ = nullptr;
    QTabBar *tabmain_ = nullptr;
    QAction *tabAction_ = nullptr;
    QMap<QString, QAction *> commands_;
    QList<QAction *> lotteryCommands_; // enabled only with an open lottery
    QMap<QString, QPointer<QWidget>> toolWindows_;
    QStringList creatingToolWindows_;
    QPointer<QWidget> about_;
    QPointer<QWidget> lastToolWindow_; // the tool window activated last
    QPixmap background_;
};

} // namespace corvel
