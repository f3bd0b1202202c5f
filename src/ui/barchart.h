#pragma once
// The one bar-chart adapter of the program: up to three series of bars sharing
// category labels, optional value marks, and paging (a fixed number of bars a page).
// Built on Qt Charts; windows never touch the chart library directly.

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QBarCategoryAxis;
class QBarSeries;
class QChart;
class QChartView;
class QValueAxis;

namespace corvel::ui {

struct BarSeriesSpec {
    QString title;
    QColor color;
};

class BarChart : public QWidget {
    Q_OBJECT
public:
    // pageSize 0 shows every bar on one page.
    BarChart(const QString &title, std::vector<BarSeriesSpec> series, int pageSize = 0, QWidget *parent = nullptr);

    // Replaces the data: labels[i] names bar i; values[s][i] is series s's value there.
    void setData(const QStringList &labels, const std::vector<std::vector<qint64>> &values);
    void setSeriesVisible(int series, bool visible);
    void setShowValues(bool show);
    void setLegendAlignment(Qt::Alignment alignment);

    int barCount() const { return int(labels_.size()); }
    int page() const { return page_; } // 1-based
    int pageCount() const;
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();

    // What is on screen, for tests: the labels of the current page and series s's values there.
    QStringList visibleLabels() const;
    std::vector<qint64> visibleValues(int series) const;
    bool seriesVisible(int series) const { return visible_[series]; }
    bool showValues() const { return showValues_; }
    QChart *chart() const;
    // Paints the chart as it is shown into `target` of `painter` (a picture, a drawing).
    void paintChart(QPainter *painter, const QRectF &target);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void rebuild();
    void fitCategoryLabels();
    void fitValueTicks();

    QChartView *view_ = nullptr;
    // One series and one pair of axes for the chart's whole life: new data replaces their
    // contents, so no item of an earlier drawing can stay behind on screen.
    QBarSeries *bars_ = nullptr;
    QBarCategoryAxis *x_ = nullptr;
    QValueAxis *y_ = nullptr;
    std::vector<BarSeriesSpec> specs_;
    std::vector<bool> visible_;
    int pageSize_ = 0;
    int page_ = 1;
    bool showValues_ = false;
    QStringList labels_;
    int sideRoom_ = 140; // the chart's width beside the plot (value axis, legend, margins)
    int plotFor_ = -1;   // the chart's width the plot area was laid out for
    qint64 top_ = 1;     // the largest distance from 0 of a value on the page
    std::vector<std::vector<qint64>> values_;
};

} // namespace corvel::ui
