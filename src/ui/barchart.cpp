#include "ui/barchart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace corvel::ui {

namespace {

// Whole-number ticks for counts: 1, 2 or 5 times a power of ten, at most about five steps.
qint64 tickStep(qint64 top) {
    for (qint64 step = 1;; step *= 10) {
        if (top / step <= 5) return step;
        if (top / (step * 2) <= 5) return step * 2;
        if (top / (step * 5) <= 5) return step * 5;
    }
}

} // namespace

BarChart::BarChart(const QString &title, std::vector<BarSeriesSpec> series, int pageSize, QWidget *parent)
    : QWidget(parent), specs_(std::move(series)), visible_(specs_.size(), true), pageSize_(pageSize),
      values_(specs_.size()) {
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(2, 2, 2, 2));
    view_ = new QChartView(chart, this);
    view_->setRenderHint(QPainter::Antialiasing, false);
    // A redrawing repaints the whole chart, also where a dialog in front exposes only a part.
    view_->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    bars_ = new QBarSeries;
    bars_->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart->addSeries(bars_);
    x_ = new QBarCategoryAxis;
    x_->setTruncateLabels(false);
    chart->addAxis(x_, Qt::AlignBottom);
    bars_->attachAxis(x_);
    y_ = new QValueAxis;
    y_->setTickType(QValueAxis::TicksDynamic);
    y_->setTickAnchor(0);
    y_->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(y_, Qt::AlignLeft);
    bars_->attachAxis(y_);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    rebuild();
}

QChart *BarChart::chart() const { return view_->chart(); }

void BarChart::setData(const QStringList &labels, const std::vector<std::vector<qint64>> &values) {
    labels_ = labels;
    values_ = values;
    values_.resize(specs_.size());
    for (auto &v : values_) v.resize(labels_.size(), 0);
    page_ = 1;
    rebuild();
}

void BarChart::setSeriesVisible(int series, bool visible) {
    if (series < 0 || series >= int(visible_.size()) || visible_[series] == visible) return;
    visible_[series] = visible;
    rebuild();
}

void BarChart::setLegendAlignment(Qt::Alignment alignment) { chart()->legend()->setAlignment(alignment); }

void BarChart::setShowValues(bool show) {
    if (showValues_ == show) return;
    showValues_ = show;
    rebuild();
}

int BarChart::pageCount() const {
    if (pageSize_ <= 0 || labels_.size() <= pageSize_) return 1;
    return int((labels_.size() + pageSize_ - 1) / pageSize_);
}

void BarChart::firstPage() {
    page_ = 1;
    rebuild();
}
void BarChart::previousPage() {
    if (page_ > 1) --page_;
    rebuild();
}
void BarChart::nextPage() {
    if (page_ < pageCount()) ++page_;
    rebuild();
}
void BarChart::lastPage() {
    page_ = pageCount();
    rebuild();
}

QStringList BarChart::visibleLabels() const {
    if (pageSize_ <= 0) return labels_;
    return labels_.mid((page_ - 1) * pageSize_, pageSize_);
}

std::vector<qint64> BarChart::visibleValues(int series) const {
    const int first = pageSize_ <= 0 ? 0 : (page_ - 1) * pageSize_;
    const int count = int(visibleLabels().size());
    const auto &v = values_[series];
    return std::vector<qint64>(v.begin() + first, v.begin() + first + count);
}

void BarChart::rebuild() {
    bars_->clear();
    const QStringList labels = visibleLabels();
    qint64 top = 1;
    for (size_t s = 0; s < specs_.size(); ++s) {
        if (!visible_[s]) continue;
        auto *set = new QBarSet(specs_[s].title);
        set->setColor(specs_[s].color);
        set->setLabelColor(Qt::black);
        for (qint64 v : visibleValues(int(s))) {
            *set << double(v);
            top = std::max(top, v);
        }
        bars_->append(set);
    }
    bars_->setLabelsVisible(showValues_);
    x_->setCategories(labels.isEmpty() ? QStringList{QString()} : labels);
    y_->setRange(0, double(top) * 1.15);
    y_->setTickInterval(double(tickStep(top)));
    fitCategoryLabels();
}

void BarChart::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    fitCategoryLabels();
}

// Category labels that do not fit side by side stand upright instead of being cut short.
void BarChart::fitCategoryLabels() {
    QAbstractAxis *x = x_;
    const QStringList labels = visibleLabels();
    const QFontMetrics metrics(x->labelsFont());
    int widest = 0;
    for (const QString &label : labels) widest = std::max(widest, metrics.horizontalAdvance(label));
    const int room = std::max(0, width() - 140) / std::max(1, int(labels.size())); // less axis and legend
    x->setLabelsAngle(widest + 6 > room ? -90 : 0);
}

} // namespace corvel::ui
