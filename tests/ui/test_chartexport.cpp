// "导出图片…" of every chart: a PNG picture of the size shown and an SVG drawing that is a
// well-formed SVG document, reached from the chart's context menu.

#include "testsupport.h"
#include "ui/barchart.h"
#include "ui/chartexport.h"
#include "ui/chartpanel.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QGraphicsView>
#include <QImage>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

ui::ChartPanelSpec spec() {
    ui::ChartPanelSpec s;
    s.chartName = QStringLiteral("chtadd");
    s.title = u("统计图表");
    s.series = {{u("出现次数"), Qt::red}, {u("最大间隔"), Qt::green}};
    s.pageSize = 10;
    return s;
}

// The panel as a window shows it, with a page of bars.
struct ShownPanel {
    ShownPanel() : panel(spec()) {
        panel.setWindowTitle(u("号码和值分析"));
        panel.resize(640, 420);
        panel.setData({u("和值0"), u("和值1"), u("和值2")}, {{3, 7, 1}, {12, 4, 9}});
        panel.show();
    }
    ui::ChartPanel panel;
};

QAction *imageAction(ui::BarChart *chart) {
    for (QAction *a : chart->actions())
        if (a->objectName() == QStringLiteral("mnuchartimage")) return a;
    return nullptr;
}

// The root element's name and the texts of an XML document; empty name when it is not
// well-formed.
QString svgRoot(const QByteArray &bytes, QStringList *texts = nullptr) {
    QXmlStreamReader xml(bytes);
    QString root;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && root.isEmpty()) root = xml.name().toString();
        if (xml.isCharacters() && texts && !xml.isWhitespace()) *texts << xml.text().toString();
    }
    return xml.hasError() ? QString() : root;
}

} // namespace

TEST(ChartExport, PngHasTheShownSizeAndSvgIsAnSvgDocument) {
    ShownPanel p;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p.panel));
    ui::BarChart *chart = p.panel.chart();
    const QImage png = QImage::fromData(ui::chartPng(chart), "PNG");
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), chart->size() * chart->devicePixelRatio());
    // The picture is the chart, not an empty canvas: the red bars are in it.
    bool red = false;
    for (int y = 0; y < png.height() && !red; y += 2)
        for (int x = 0; x < png.width() && !red; x += 2) red = png.pixelColor(x, y) == QColor(Qt::red);
    EXPECT_TRUE(red);

    QStringList texts;
    const QByteArray svg = ui::chartSvg(chart);
    EXPECT_EQ(svgRoot(svg, &texts), QStringLiteral("svg"));
    EXPECT_TRUE(texts.contains(u("统计图表"))) << texts.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(texts.contains(u("出现次数"))) << texts.join(QLatin1Char('|')).toStdString();
}

// The menu opens where the user right-clicks: on the chart's drawing itself.
TEST(ChartExport, ContextMenuOnTheChartOffersTheExport) {
    ShownPanel p;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p.panel));
    auto *view = p.panel.chart()->findChild<QGraphicsView *>();
    ASSERT_NE(view, nullptr);
    QStringList shown;
    QTimer::singleShot(0, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (QAction *a : menu->actions()) shown << a->text();
            menu->close();
        }
    });
    const QPoint at = view->viewport()->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &event);
    EXPECT_EQ(shown, QStringList{u("导出图片…")});
}

// The file name's suffix chooses the kind; a name without one gets ".png"; the name
// proposed is the window's caption and the chart's title under 附属/.
TEST(ChartExport, TheSuffixChoosesPictureOrDrawing) {
    test::TempAppDir dir;
    test::MessageLog log;
    ShownPanel p;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p.panel));
    QString proposed, chosen;
    ui::dialogHooks().saveFile = [&](const QString &, const QString &initial) {
        proposed = initial;
        return chosen;
    };
    QAction *image = imageAction(p.panel.chart());
    ASSERT_NE(image, nullptr);
    const auto bytes = [](const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };

    chosen = dir.path() + u("图.svg");
    image->trigger();
    EXPECT_EQ(proposed, dir.path() + u("附属/号码和值分析-统计图表.png"));
    EXPECT_EQ(svgRoot(bytes(chosen)), QStringLiteral("svg"));
    EXPECT_EQ(log.lastText(), u("成功保存！"));

    chosen = dir.path() + u("图");
    image->trigger();
    EXPECT_EQ(QImage::fromData(bytes(chosen + u(".png")), "PNG").size(), p.panel.chart()->size());

    chosen = dir.path() + u("没有这个文件夹/图.png");
    image->trigger();
    EXPECT_EQ(log.messages.back().kind, ui::MessageKind::Error);
    EXPECT_FALSE(QFile::exists(chosen));
}
