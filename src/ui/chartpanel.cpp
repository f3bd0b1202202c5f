#include "ui/chartpanel.h"

#include "ui/buttons.h"
#include "ui/chartexport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvel::ui {

ChartPanel::ChartPanel(const ChartPanelSpec &spec, QWidget *parent) : QWidget(parent) {
    std::vector<BarSeriesSpec> series;
    for (const ChartSeries &s : spec.series) series.push_back({s.title, s.color});
    chart_ = new BarChart(spec.title, std::move(series), spec.pageSize, this);
    chart_->setObjectName(spec.chartName);
    chart_->setLegendAlignment(spec.legend);
    addImageExport(chart_);
    buildBox(spec);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(chart_, 1);
    layout->addWidget(box_);
}

void ChartPanel::buildBox(const ChartPanelSpec &spec) {
    box_ = new QGroupBox(this);
    box_->setObjectName(spec.boxName);
    auto *rows = new QVBoxLayout(box_);
    rows->setContentsMargins(6, 2, 6, 2);
    rows->setSpacing(2);
    checkRow_ = new QHBoxLayout;
    rows->addLayout(checkRow_);

    for (size_t s = 0; s < spec.series.size(); ++s) {
        const ChartSeries &series = spec.series[s];
        QCheckBox *check = nullptr;
        if (!series.checkName.isEmpty()) {
            check = new QCheckBox(series.title, box_);
            check->setObjectName(series.checkName);
            check->setChecked(series.checked);
            checkRow_->addWidget(check);
            connect(check, &QCheckBox::toggled, chart_, [this, s](bool on) { chart_->setSeriesVisible(int(s), on); });
        }
        chart_->setSeriesVisible(int(s), check ? series.checked : true);
        seriesBoxes_.push_back(check);
    }
    values_ = new QCheckBox(QStringLiteral("显示标注"), box_);
    values_->setObjectName(spec.valuesName);
    checkRow_->addWidget(values_);
    connect(values_, &QCheckBox::toggled, chart_, &BarChart::setShowValues);
    checkRow_->addStretch(1);
    if (spec.pageSize <= 0) return;

    // With several series boxes the pager gets a row of its own, so a narrow chart keeps
    // every caption whole; otherwise it shares the row, at its right end.
    QHBoxLayout *pagerRow = checkRow_;
    if (std::count_if(seriesBoxes_.begin(), seriesBoxes_.end(), [](QCheckBox *c) { return c != nullptr; }) > 1) {
        pagerRow = new QHBoxLayout;
        rows->addLayout(pagerRow);
    }
    first_ = commandButton(box_, spec.pagerPrefix + QStringLiteral("first"), QStringLiteral("首页"));
    previous_ = commandButton(box_, spec.pagerPrefix + QStringLiteral("prev"), QStringLiteral("上一页"));
    next_ = commandButton(box_, spec.pagerPrefix + QStringLiteral("next"), QStringLiteral("下一页"));
    last_ = commandButton(box_, spec.pagerPrefix + QStringLiteral("last"), QStringLiteral("尾页"));
    pageLabel_ = new QLabel(box_);
    pageLabel_->setObjectName(spec.pagerPrefix + QStringLiteral("page"));
    pageLabel_->setMinimumWidth(pageLabel_->fontMetrics().horizontalAdvance(QStringLiteral("888/888")));
    pageLabel_->setAlignment(Qt::AlignCenter);
    for (QPushButton *b : {first_, previous_, next_, last_}) pagerRow->addWidget(b);
    pagerRow->addWidget(pageLabel_);
    if (pagerRow != checkRow_) pagerRow->addStretch(1);
    connect(first_, &QPushButton::clicked, this, [this] { turnPage(&BarChart::firstPage); });
    connect(previous_, &QPushButton::clicked, this, [this] { turnPage(&BarChart::previousPage); });
    connect(next_, &QPushButton::clicked, this, [this] { turnPage(&BarChart::nextPage); });
    connect(last_, &QPushButton::clicked, this, [this] { turnPage(&BarChart::lastPage); });
    updatePager();
}

QCheckBox *ChartPanel::seriesBox(int series) const {
    return series >= 0 && series < int(seriesBoxes_.size()) ? seriesBoxes_[size_t(series)] : nullptr;
}

void ChartPanel::addControl(QWidget *control) {
    control->setParent(box_);
    checkRow_->insertWidget(checkRow_->indexOf(values_), control);
}

void ChartPanel::setData(const QStringList &labels, const std::vector<std::vector<qint64>> &values) {
    chart_->setData(labels, values);
    updatePager();
}

void ChartPanel::turnPage(void (BarChart::*step)()) {
    (chart_->*step)();
    updatePager();
}

void ChartPanel::updatePager() {
    if (!first_) return;
    const int page = chart_->page(), pages = chart_->pageCount();
    first_->setEnabled(page > 1);
    previous_->setEnabled(page > 1);
    next_->setEnabled(page < pages);
    last_->setEnabled(page < pages);
    pageLabel_->setText(QStringLiteral("%1/%2").arg(page).arg(pages));
}

} // namespace corvel::ui
