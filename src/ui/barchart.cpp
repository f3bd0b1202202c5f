#include "ui/barchart.h"

#include "ui/textfit.h"

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

// Whole-number ticks for counts: 1, 2 or 5 times a power of ten, at most `steps` steps.
qint64 tickStep(qint64 top, qint64 steps = 5) {
    steps = std::max<qint64>(1, steps);
    for (qint64 step = 1;; step *= 10) {
        if (top / step <= steps) return step;
        if (top / (step * 2) <= steps) return step * 2;
        if (top / (step * 5) <= steps) return step * 5;
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
    // The value ticks follow the height the plot gets.
    connect(chart, &QChart::plotAreaChanged, this, [this](const QRectF &plot) {
        // Axis and legend take the same width at any size: remembering it lets the labels'
        // layout be decided from the width the plot is getting, also when this layout was
        // still made at the chart's old size (a new layout follows, it must not flip them).
        if (plot.width() > 1) {
            plotFor_ = int(view_->chart()->size().width());
            sideRoom_ = plotFor_ - int(plot.width());
        }
        fitCategoryLabels();
        fitValueTicks();
    });
    view_ = new QChartView(chart, this);
    view_->setRenderHint(QPainter::Antialiasing, false);
    // A redrawing repaints the whole chart, also where a dialog in front exposes only a part.
    view_->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    // The chart's context menu (ui/chartexport.h) is this widget's.
    view_->setContextMenuPolicy(Qt::NoContextMenu);
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
    y_->setTruncateLabels(false);
    y_->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(y_, Qt::AlignLeft);
    bars_->attachAxis(y_);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    rebuild();
}

QChart *BarChart::chart() const { return view_->chart(); }

void BarChart::paintChart(QPainter *painter, const QRectF &target) {
    view_->render(painter, target, view_->viewport()->rect(), Qt::IgnoreAspectRatio);
}

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
    qint64 top = 1, bottom = 0;
    for (size_t s = 0; s < specs_.size(); ++s) {
        if (!visible_[s]) continue;
        auto *set = new QBarSet(specs_[s].title);
        set->setColor(specs_[s].color);
        set->setLabelColor(Qt::black);
        for (qint64 v : visibleValues(int(s))) {
            *set << double(v);
            top = std::max(top, v);
            bottom = std::min(bottom, v);
        }
        bars_->append(set);
    }
    bars_->setLabelsVisible(showValues_);
    x_->setCategories(labels.isEmpty() ? QStringList{QString()} : labels);
    // Counts start at 0; a series that goes below (a running net) takes the axis down with it.
    // The new tick interval comes first: the old one over the new range could mean
    // hundreds of thousands of ticks.
    top_ = std::max(top, -bottom);
    y_->setTickInterval(double(tickStep(top_)));
    y_->setRange(double(bottom) * 1.15, double(top) * 1.15);
    fitCategoryLabels();
    fitValueTicks();
}

void BarChart::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    fitCategoryLabels();
}

// Category labels that do not fit side by side are broken into lines (Chinese reads well
// top to bottom); only labels with a piece wider than a bar's room stand upright instead.
void BarChart::fitCategoryLabels() {
    QBarCategoryAxis *x = x_;
    const QStringList labels = visibleLabels();
    if (labels.isEmpty()) return;
    const QFont font = x->labelsFont();
    const QRectF plot = view_->chart()->plotArea();
    const int plotWidth =
        plot.width() > 1 && plotFor_ == width() ? int(plot.width()) : std::max(0, width() - sideRoom_);
    const int room = std::max(1, plotWidth / int(labels.size()) - 2);
    QStringList shown;
    bool upright = false;
    for (const QString &label : labels) {
        if (textSize(font, label).width() <= room) {
            shown << label.toHtmlEscaped();
            continue;
        }
        QStringList lines = ui::breakIntoLines(label, font, room);
        for (QString &line : lines) line = line.toHtmlEscaped();
        const QString stacked = lines.join(QStringLiteral("<br>")); // axis labels are rich text
        if (stacked.isEmpty() || shown.contains(stacked)) {
            upright = true;
            break;
        }
        shown << stacked;
    }
    if (upright) shown = labels;
    if (x->categories() != shown) {
        x->setCategories(shown);
    }
    const int angle = upright ? -90 : 0;
    if (x->labelsAngle() != angle) x->setLabelsAngle(angle);
    // The axis reserves a few pixels less than labels of several lines (or upright ones) take:
    // a wider bottom margin keeps their last line on the chart.
    const bool tall = upright || shown.join(QString()).contains(QStringLiteral("<br>"));
    const QMargins margins(2, 2, 2, tall ? 8 : 2);
    if (view_->chart()->margins() != margins) view_->chart()->setMargins(margins);
}

// As many value ticks as the plot's height has room for, so the labels never crowd into "…".
void BarChart::fitValueTicks() {
    QValueAxis *y = y_;
    const double plotHeight = view_->chart()->plotArea().height();
    const int labelHeight = textSize(y->labelsFont(), QStringLiteral("0")).height();
    const qint64 steps = plotHeight > 1 ? qint64(plotHeight / (labelHeight * 1.5)) : 5;
    const double interval = double(tickStep(top_, std::min<qint64>(5, steps)));
    if (y->tickInterval() != interval) y->setTickInterval(interval);
}

} // namespace corvel::ui
