#include "ui/helpviewer.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace corvel::ui {

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

QString withoutAnchor(const QString &page) { return page.section(QLatin1Char('#'), 0, 0); }

QUrl pageUrl(const QString &page) {
    QUrl url(QStringLiteral("qrc:/manual/") + withoutAnchor(page) + QStringLiteral(".html"));
    const qsizetype hash = page.indexOf(QLatin1Char('#'));
    if (hash >= 0) url.setFragment(page.mid(hash + 1));
    return url;
}

QPointer<HelpViewer> &theViewer() {
    static QPointer<HelpViewer> viewer;
    return viewer;
}

QToolButton *navigationButton(QWidget *parent, const QString &name, const QString &text, QStyle::StandardPixmap icon,
                              const QKeySequence &keys) {
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setShortcut(keys);
    button->setToolTip(text + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) + QLatin1Char(')'));
    return button;
}

} // namespace

QString helpPagePath(const QString &page) {
    return QStringLiteral(":/manual/") + withoutAnchor(page) + QStringLiteral(".html");
}

bool helpPageExists(const QString &page) { return !withoutAnchor(page).isEmpty() && QFile::exists(helpPagePath(page)); }

QList<QPair<QString, QString>> helpContents() {
    QList<QPair<QString, QString>> pages{{HelpIndexPage, u("目录")}};
    QFile index(helpPagePath(HelpIndexPage));
    if (!index.open(QIODevice::ReadOnly)) return pages;
    const QString html = QString::fromUtf8(index.readAll());
    static const QRegularExpression link(QStringLiteral("<a href=\"([^\"#:]+)\\.html\"[^>]*>([^<]+)</a>"));
    for (auto it = link.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        const QString page = match.captured(1);
        const bool known = std::any_of(pages.begin(), pages.end(), [&](const auto &p) { return p.first == page; });
        if (!known) pages.append({page, match.captured(2).trimmed()});
    }
    return pages;
}

HelpViewer::HelpViewer(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmhelp"));
    setWindowTitle(u("Corvel 使用说明"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *layout = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    back_ = navigationButton(this, QStringLiteral("btnback"), u("后退"), QStyle::SP_ArrowBack,
                             QKeySequence(Qt::ALT | Qt::Key_Left));
    forward_ = navigationButton(this, QStringLiteral("btnforward"), u("前进"), QStyle::SP_ArrowForward,
                                QKeySequence(Qt::ALT | Qt::Key_Right));
    home_ = navigationButton(this, QStringLiteral("btnhome"), u("目录"), QStyle::SP_DirHomeIcon,
                             QKeySequence(Qt::ALT | Qt::Key_Home));
    auto *close = new QToolButton(this);
    close->setObjectName(QStringLiteral("btnclose"));
    close->setText(u("关闭"));
    close->setAutoRaise(true);
    connect(close, &QToolButton::clicked, this, &QWidget::close);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addWidget(home_);
    bar->addStretch();
    bar->addWidget(close);
    layout->addLayout(bar);

    auto *split = new QSplitter(this);
    contents_ = new QListWidget(split);
    contents_->setObjectName(QStringLiteral("lstcontents"));
    for (const auto &[page, title] : helpContents()) {
        auto *item = new QListWidgetItem(title, contents_);
        item->setData(Qt::UserRole, page);
    }
    browser_ = new QTextBrowser(split);
    browser_->setObjectName(QStringLiteral("txtpage"));
    browser_->setOpenExternalLinks(true);
    split->addWidget(contents_);
    split->addWidget(browser_);
    split->setStretchFactor(1, 1);
    split->setSizes({200, 640});
    layout->addWidget(split);
    resize(900, 640);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(home_, &QToolButton::clicked, this, [this] { openPage(HelpIndexPage); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::selectCurrentInList);
    // Arrow keys in the list page through the manual; a click or Enter opens the item again.
    connect(contents_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) openPage(contents_->item(row)->data(Qt::UserRole).toString());
    });
    connect(contents_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { openPage(item->data(Qt::UserRole).toString()); });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { openPage(item->data(Qt::UserRole).toString()); });
}

void HelpViewer::openPage(const QString &page) {
    const QUrl url = pageUrl(helpPageExists(page) ? page : HelpIndexPage);
    if (url != browser_->source()) browser_->setSource(url);
}

namespace {

QString pageOf(const QUrl &url) {
    const QString file = url.path().section(QLatin1Char('/'), -1);
    return file.endsWith(QStringLiteral(".html")) ? file.chopped(5) : file;
}

} // namespace

QString HelpViewer::currentPage() const { return pageOf(browser_->source()); }

// The page shown is chosen in the list (the signal brings the new address before the
// browser reports it as its source).
void HelpViewer::selectCurrentInList(const QUrl &url) {
    const QString page = pageOf(url);
    const QSignalBlocker block(contents_);
    for (int row = 0; row < contents_->count(); ++row)
        if (contents_->item(row)->data(Qt::UserRole).toString() == page) {
            contents_->setCurrentRow(row);
            return;
        }
    contents_->clearSelection();
}

HelpViewer *showHelp(QWidget *from, const QString &page) {
    QPointer<HelpViewer> &viewer = theViewer();
    // Owned by the top window (the main window), so it outlives the tool window that opened
    // it; a modal dialog owns it itself, or the dialog would block it.
    QWidget *owner = from ? from->window() : nullptr;
    while (owner && !owner->isModal() && owner->parentWidget()) owner = owner->parentWidget()->window();
    if (viewer && viewer->parentWidget() != owner) delete viewer.data();
    if (!viewer) {
        viewer = new HelpViewer(owner);
        viewer->setWindowFlag(Qt::Window, true);
    }
    viewer->openPage(page.isEmpty() ? HelpIndexPage : page);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

HelpViewer *helpViewer() { return theViewer(); }

void addHelpKey(QWidget *window, const QString &page) {
    auto *key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, [window, page] { showHelp(window, page); });
}

} // namespace corvel::ui
