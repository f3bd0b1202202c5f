#pragma once
// "导出图片…" in the context menu of every chart (ui::ChartPanel adds it): the chart as it
// is shown, at the size shown, as a PNG picture or an SVG drawing, as the file name's
// suffix says. The action is the chart's own action named "mnuchartimage".

#include <QByteArray>
#include <QString>

namespace corvel::ui {

class BarChart;

void addImageExport(BarChart *chart);

// The chart as shown: a PNG picture of the chart's size (in device pixels), and an SVG
// drawing of the same size.
QByteArray chartPng(BarChart *chart);
QByteArray chartSvg(BarChart *chart);

// Asks for a file name (proposing the chart's title under AppDir + "附属/") and writes the
// picture there; a name ending in ".svg" gets the drawing, any other a PNG picture.
void exportChartImage(BarChart *chart);

} // namespace corvel::ui
