#pragma once
// A statistics chart with its controls, the one shape every chart window uses: the chart
// (through the BarChart adapter), a group box below it with one check box per switchable
// series, "显示标注" for the bar values, room for a window's own controls, and, when the
// chart pages, the pager "首页" "上一页" "下一页" "尾页" with the page number.
//
// Usage (a paged chart of ten bars with one series, as a search window shows it):
//
//     ui::ChartPanelSpec spec;
//     spec.chartName = QStringLiteral("chtpiantai");
//     spec.title = QStringLiteral("偏态倍数图表");
//     spec.series = {{QStringLiteral("偏态倍数"), Qt::red}}; // no check box name: always shown
//     spec.pageSize = 10;
//     spec.legend = Qt::AlignTop;
//     auto *panel = new ui::ChartPanel(spec, this);
//     panel->addControl(chkpiantai);                  // a window's own control in the box
//     layout->addWidget(panel);
//     ...
//     panel->setData(names, {multiples});             // page 1, drawn with the boxes' states
//
// The panel handles its own check boxes and pager; a window only hands it new data. The
// controls carry the windows' own names (chknum, chkbiao, btnfirst, ...), so tests
// and windows find them by name or through the accessors.

#include "ui/barchart.h"

#include <QString>
#include <QWidget>
#include <vector>

class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace corvel::ui {

struct ChartSeries {
    ChartSeries(QString title, QColor color, QString checkName = {}, bool checked = true)
        : title(std::move(title)), color(color), checkName(std::move(checkName)), checked(checked) {}

    QString title; // legend text
    QColor color;
    QString checkName; // object name of its check box (caption = title); empty: always shown
    bool checked;      // whether the check box starts ticked
};

struct ChartPanelSpec {
    QString chartName; // object name of the BarChart ("chtaddposcode")
    QString title;     // chart title
    std::vector<ChartSeries> series;
    int pageSize = 0; // bars a page; 0 shows every bar and leaves the pager out
    Qt::Alignment legend = Qt::AlignRight;
    QString boxName = QStringLiteral("GroupBox1");  // the group box holding the controls
    QString valuesName = QStringLiteral("chkbiao"); // the "显示标注" check box
    QString pagerPrefix = QStringLiteral("btn");    // pager buttons: prefix + first, prev, next, last
};

class ChartPanel : public QWidget {
    Q_OBJECT
public:
    explicit ChartPanel(const ChartPanelSpec &spec, QWidget *parent = nullptr);

    // Replaces the chart's bars (labels[i] names bar i; values[s][i] is series s's value)
    // and shows page 1.
    void setData(const QStringList &labels, const std::vector<std::vector<qint64>> &values);
    // Puts a window's own control into the group box, after the check boxes.
    void addControl(QWidget *control);

    BarChart *chart() const { return chart_; }
    QGroupBox *box() const { return box_; }
    QCheckBox *seriesBox(int series) const; // nullptr for a series without a check box
    QCheckBox *valuesBox() const { return values_; }
    // The pager; all nullptr when the chart does not page.
    QPushButton *firstButton() const { return first_; }
    QPushButton *previousButton() const { return previous_; }
    QPushButton *nextButton() const { return next_; }
    QPushButton *lastButton() const { return last_; }
    QLabel *pageLabel() const { return pageLabel_; }

private:
    void buildBox(const ChartPanelSpec &spec);
    void turnPage(void (BarChart::*step)());
    void updatePager();

    BarChart *chart_ = nullptr;
    QGroupBox *box_ = nullptr;
    QHBoxLayout *checkRow_ = nullptr;
    std::vector<QCheckBox *> seriesBoxes_;
    QCheckBox *values_ = nullptr;
    QPushButton *first_ = nullptr;
    QPushButton *previous_ = nullptr;
    QPushButton *next_ = nullptr;
    QPushButton *last_ = nullptr;
    QLabel *pageLabel_ = nullptr;
};

} // namespace corvel::ui
