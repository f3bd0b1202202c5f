// The manual and its window: every link of every page leads to a page (and a part of it)
// that exists, and the window moves back and forward through the pages it showed.

#include "testsupport.h"
#include "ui/helpviewer.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace corvel;

namespace {

QString read(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(HelpManual, EveryLinkLeadsToAPageAndPartThatExist) {
    const QStringList pages = QDir(QStringLiteral(":/manual")).entryList({QStringLiteral("*.html")});
    ASSERT_GE(pages.size(), 20);
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    int links = 0;
    for (const QString &file : pages) {
        const QString html = read(QStringLiteral(":/manual/") + file);
        ASSERT_FALSE(html.isEmpty()) << file.toStdString();
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QString link = it.next().captured(1);
            const std::string where = QString(file + QStringLiteral(": ") + link).toStdString();
            if (link.startsWith(QStringLiteral("http"))) continue;
            ++links;
            const QString target = link.section(QLatin1Char('#'), 0, 0);
            const QString anchor = link.section(QLatin1Char('#'), 1);
            ASSERT_TRUE(target.isEmpty() || target.endsWith(QStringLiteral(".html"))) << where;
            const QString targetFile = target.isEmpty() ? file : target;
            ASSERT_TRUE(pages.contains(targetFile)) << where;
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(
                    read(QStringLiteral(":/manual/") + targetFile).contains(QStringLiteral("id=\"%1\"").arg(anchor)))
                    << where;
            }
        }
    }
    EXPECT_GE(links, 25);
}

TEST(HelpManual, EveryPageIsListedAndTitled) {
    const QStringList pages = QDir(QStringLiteral(":/manual")).entryList({QStringLiteral("*.html")});
    const auto contents = ui::helpContents();
    EXPECT_EQ(contents.front().first, ui::HelpIndexPage);
    for (const QString &file : pages) {
        const QString page = file.chopped(5);
        const bool listed =
            std::any_of(contents.begin(), contents.end(), [&](const auto &entry) { return entry.first == page; });
        EXPECT_TRUE(listed) << file.toStdString();
        EXPECT_TRUE(read(QStringLiteral(":/manual/") + file).contains(QStringLiteral("<title>"))) << file.toStdString();
    }
}

TEST(HelpViewer, OpensPagesAndGoesBackAndForward) {
    auto viewer = std::make_unique<ui::HelpViewer>();
    auto *back = viewer->findChild<QToolButton *>(QStringLiteral("btnback"));
    auto *forward = viewer->findChild<QToolButton *>(QStringLiteral("btnforward"));
    auto *list = viewer->findChild<QListWidget *>(QStringLiteral("lstcontents"));
    ASSERT_TRUE(back && forward && list);
    viewer->openPage(ui::HelpIndexPage);
    EXPECT_EQ(viewer->currentPage(), ui::HelpIndexPage);
    EXPECT_FALSE(back->isEnabled());
    EXPECT_GT(viewer->browser()->toPlainText().size(), 100);

    // A page with a part, then the list.
    viewer->openPage(QStringLiteral("indicators#mnukuadu"));
    EXPECT_EQ(viewer->currentPage(), QStringLiteral("indicators"));
    EXPECT_EQ(viewer->browser()->source().fragment(), QStringLiteral("mnukuadu"));
    EXPECT_EQ(list->currentItem()->data(Qt::UserRole).toString(), QStringLiteral("indicators"));
    const int row = list->count() - 1;
    emit list->itemActivated(list->item(row));
    const QString last = list->item(row)->data(Qt::UserRole).toString();
    EXPECT_EQ(viewer->currentPage(), last);
    EXPECT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(viewer->currentPage(), QStringLiteral("indicators"));
    EXPECT_TRUE(forward->isEnabled());
    forward->click();
    EXPECT_EQ(viewer->currentPage(), last);

    // Moving through the list with the keys shows each page.
    list->setFocus();
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(viewer->currentPage(), list->item(2)->data(Qt::UserRole).toString());

    // A page the manual does not have shows the index rather than an empty window.
    viewer->openPage(QStringLiteral("nosuchwindow"));
    EXPECT_EQ(viewer->currentPage(), ui::HelpIndexPage);
    EXPECT_FALSE(ui::helpPageExists(QStringLiteral("nosuchwindow")));
    EXPECT_FALSE(ui::helpPageExists(QString()));
}
