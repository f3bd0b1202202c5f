#pragma once
// The built-in manual: pages under :/manual/<page>.html, shown in one help window with the
// list of pages, back and forward. The window is created on first use and shown again after.
//
//     ui::showHelp(this, QStringLiteral("Tfrmtotalfilt")); // one window's page
//     ui::showHelp(this);                                  // the index
//     ui::addHelpKey(window, QStringLiteral("Tfrmgujian")); // F1 in `window` opens its page

#include <QList>
#include <QPair>
#include <QString>
#include <QWidget>

class QListWidget;
class QTextBrowser;
class QToolButton;
class QUrl;

namespace corvel::ui {

// The page the index of the manual is.
inline const QString HelpIndexPage = QStringLiteral("index");

// The resource path of a page (":/manual/<page>.html"); an anchor ("page#part") is dropped.
QString helpPagePath(const QString &page);
// True when the manual has the page.
bool helpPageExists(const QString &page);
// The pages the index links to, in its order, with their link texts (the index first).
QList<QPair<QString, QString>> helpContents();

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget *parent = nullptr);
    // Shows a page ("Tfrmgujian", "indicators#mnukuadu"); an unknown page shows the index.
    void openPage(const QString &page);
    // The page shown, without its anchor ("Tfrmgujian").
    QString currentPage() const;
    QTextBrowser *browser() const { return browser_; }

private:
    void selectCurrentInList(const QUrl &url);

    QListWidget *contents_ = nullptr;
    QTextBrowser *browser_ = nullptr;
    QToolButton *back_ = nullptr;
    QToolButton *forward_ = nullptr;
    QToolButton *home_ = nullptr;
};

// Opens the help window on `page` (the index when empty) and brings it to the front.
HelpViewer *showHelp(QWidget *from, const QString &page = QString());
// The help window when it exists.
HelpViewer *helpViewer();
// F1 anywhere in `window` opens `page`.
void addHelpKey(QWidget *window, const QString &page);

} // namespace corvel::ui
