#include "ui/chartexport.h"

#include "ui/barchart.h"
#include "ui/dialogs.h"
#include "ui/exportfile.h"
#include "ui/toolwindow.h"

#include <QAction>
#include <QBuffer>
#include <QChart>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace corvel::ui {

QByteArray chartPng(BarChart *chart) {
    const qreal ratio = chart->devicePixelRatioF();
    QImage image(chart->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        chart->paintChart(&painter, QRectF(QPointF(0, 0), chart->size()));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray chartSvg(BarChart *chart) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(chart->size());
    svg.setViewBox(QRect(QPoint(0, 0), chart->size()));
    // Texts keep the size they have on screen.
    svg.setResolution(chart->logicalDpiX());
    svg.setTitle(chart->chart()->title());
    {
        QPainter painter(&svg);
        painter.fillRect(QRect(QPoint(0, 0), chart->size()), Qt::white);
        chart->paintChart(&painter, QRectF(QPointF(0, 0), chart->size()));
    }
    return bytes;
}

void exportChartImage(BarChart *chart) {
    QWidget *window = chart->window();
    const QString proposed = proposedExportPath(chart, chart->chart()->title(), QStringLiteral("png"));
    QString path = getSaveFileName(window, proposed, QStringLiteral("PNG 图片 (*.png);;SVG 图形 (*.svg)"),
                                   QStringLiteral("png"), QStringLiteral("导出图片"));
    if (path.isEmpty()) return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool drawing = suffix == QStringLiteral("svg");
    if (!drawing && suffix != QStringLiteral("png")) path += QStringLiteral(".png");
    QByteArray bytes;
    {
        const BusyCursor busy;
        bytes = drawing ? chartSvg(chart) : chartPng(chart);
    }
    saveExport(window, path, bytes);
}

void addImageExport(BarChart *chart) {
    for (const QAction *existing : chart->actions())
        if (existing->objectName() == QStringLiteral("mnuchartimage")) return;
    auto *image = new QAction(QStringLiteral("导出图片…"), chart);
    image->setObjectName(QStringLiteral("mnuchartimage"));
    QObject::connect(image, &QAction::triggered, chart, [chart] { exportChartImage(chart); });
    chart->addAction(image);
    chart->setContextMenuPolicy(Qt::ActionsContextMenu);
}

} // namespace corvel::ui
