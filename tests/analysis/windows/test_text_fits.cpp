// Every analysis tab at the size of a 1280 × 700 main window shows its headings and its
// chart labels whole: no heading cut by its column, no axis label shortened to "…" or
// cut by the chart's edge.

#include "core/u_public.h"
#include "shell/u_main.h"
#include "store/u_datamod.h"
#include "testsupport.h"
#include "ui/barchart.h"
#include "ui/gridheader.h"
#include "ui/textfit.h"

#include <QApplication>
#include <QChart>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QListWidget>
#include <QStyle>
#include <QTableView>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// Headings: each line of what the header shows fits its column, and the row holds the lines.
void expectHeadingsWhole(QTableView *grid, int tab) {
    QHeaderView *header = grid->horizontalHeader();
    auto *fitting = qobject_cast<ui::GridHeader *>(header);
    const int margin = fitting ? fitting->textMargin() : 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
    const int lineHeight = ui::textSize(header->font(), u("国")).height();
    for (int c = 0; c < header->count(); ++c) {
        if (header->isSectionHidden(c) || header->sectionSize(c) == 0) continue;
        const QString shown = fitting ? fitting->shownText(c) : grid->model()->headerData(c, Qt::Horizontal).toString();
        const QStringList lines = shown.split(QLatin1Char('\n'));
        for (const QString &line : lines)
            EXPECT_LE(ui::textSize(header->font(), line).width() + margin, header->sectionSize(c))
                << "tab " << tab << " " << grid->objectName().toStdString() << " column " << c << " "
                << line.toStdString();
        EXPECT_LE(int(lines.size()) * lineHeight, header->height())
            << "tab " << tab << " " << grid->objectName().toStdString() << " column " << c;
    }
}

// Chart texts (axis labels and titles): none shortened, none reaching past the chart view.
void expectChartTextsWhole(ui::BarChart *chart, int tab) {
    QGraphicsScene *scene = chart->chart()->scene();
    ASSERT_NE(scene, nullptr);
    ASSERT_FALSE(scene->views().isEmpty());
    const QGraphicsView *view = scene->views().first();
    const QRectF visible = view->mapToScene(view->viewport()->rect()).boundingRect().adjusted(-1, -1, 1, 1);
    int labels = 0;
    for (QGraphicsItem *item : scene->items()) {
        auto *text = dynamic_cast<QGraphicsTextItem *>(item);
        if (!text || !text->isVisible() || text->toPlainText().isEmpty()) continue;
        ++labels;
        const std::string where = "tab " + std::to_string(tab) + " " + chart->objectName().toStdString() + " \"" +
                                  text->toPlainText().toStdString() + "\"";
        EXPECT_FALSE(text->toPlainText().contains(QChar(0x2026)) || text->toPlainText().endsWith(u("..."))) << where;
        EXPECT_TRUE(visible.contains(text->sceneBoundingRect())) << where;
    }
    EXPECT_GT(labels, 0) << "tab " << tab << " " << chart->objectName().toStdString();
}

} // namespace

TEST(TextFits, EveryTabAtA1280By700Window) {
    test::TempAppDir dir;
    dir.createDatabase({{u("中国福彩3D"), test::makeDraws(3000, 11)}});
    Tdatamod datamod;
    Tfrmmain main;
    main.resize(1280, 700);
    main.show();
    ASSERT_TRUE(test::openThroughCatalogue(main, u("中国福彩3D")));
    QApplication::processEvents();
    for (int tab = 0; tab < 20; ++tab) {
        main.showAnalysisTab(tab);
        QApplication::processEvents();
        QApplication::processEvents();
        QWidget *window = main.activeAnalysisWindow();
        ASSERT_NE(window, nullptr) << tab;
        for (QTableView *grid : window->findChildren<QTableView *>())
            if (grid->isVisible()) expectHeadingsWhole(grid, tab);
        for (ui::BarChart *chart : window->findChildren<ui::BarChart *>())
            if (chart->isVisible()) expectChartTextsWhole(chart, tab);
    }
    main.command(QStringLiteral("mnuclose"))->trigger();
    EXPECT_FALSE(LotteryOpen);
}
