#include "filters/windows/u_searchwindow.h"

#include "filters/omissionsearch.h"
#include "ui/buttons.h"
#include "ui/chartpanel.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/gridmodel.h"
#include "ui/toolwindow.h"
#include "ui/windowplace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel {

namespace {

constexpr int BarsPerPage = 10;
constexpr int PresetThreshold = 5;
constexpr int LastThreshold = 100;

} // namespace

SearchWindow::SearchWindow(const Names &names, QWidget *parent) : QWidget(parent) {
    ui::makeToolWindow(this, QString::fromLatin1(names.window), QString::fromUtf8(names.caption),
                       ui::TitleButtons::MinimizeMaximize);

    model_ = new ui::GridModel(this);
    grid = ui::makeGrid(this, model_);
    grid->setObjectName(QString::fromLatin1(names.grid));
    ui::ChartPanelSpec spec;
    spec.chartName = QString::fromLatin1(names.chart);
    spec.title = QStringLiteral("偏态倍数图表");
    spec.series = {{QStringLiteral("偏态倍数"), QColor(Qt::red)}};
    spec.pageSize = BarsPerPage;
    spec.legend = Qt::AlignTop;
    chartPanel = new ui::ChartPanel(spec, this);
    chart = chartPanel->chart();
    chkbiao = chartPanel->valuesBox();
    btnfirst = chartPanel->firstButton();
    btnprev = chartPanel->previousButton();
    btnnext = chartPanel->nextButton();
    btnlast = chartPanel->lastButton();

    onlyAbove = new QCheckBox(QStringLiteral("只显示以下倍数以上偏态"), this);
    onlyAbove->setObjectName(QString::fromLatin1(names.onlyAbove));
    onlyAbove->setChecked(true);
    thresholdBox = new QComboBox(this);
    thresholdBox->setObjectName(QString::fromLatin1(names.box));
    thresholdBox->setEditable(true);
    thresholdBox->setInsertPolicy(QComboBox::NoInsert);
    thresholdBox->setMinimumContentsLength(4);
    btnser = ui::commandButton(this, QStringLiteral("btnser"), QStringLiteral("搜索"));
    btnser->setDefault(true);
    btnclose = ui::commandButton(this, QStringLiteral("btnclose"), QStringLiteral("关闭"));

    auto *settings = new QHBoxLayout;
    settings->addWidget(onlyAbove);
    settings->addWidget(thresholdBox);
    settings->addStretch(1);
    settings->addWidget(btnser);
    settings->addWidget(btnclose);
    auto *body = new QHBoxLayout;
    body->addWidget(grid, 2);
    body->addWidget(chartPanel, 3);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(settings);
    layout->addLayout(body, 1);

    connect(btnser, &QPushButton::clicked, this, &SearchWindow::btnserClick);
    connect(btnclose, &QPushButton::clicked, this, &SearchWindow::btncloseClick);
    connect(thresholdBox, &QComboBox::activated, this, [this](int) { comthresholdClick(); });
    resize(1020, 620);
    setMinimumSize(640, 400);
}

void SearchWindow::FormCreate() {
    thresholdBox->clear();
    for (int t = 1; t <= LastThreshold; ++t) thresholdBox->addItem(QString::number(t));
    thresholdBox->setCurrentIndex(PresetThreshold - 1);
    threshold_ = PresetThreshold;
    btnserClick();
}

void SearchWindow::comthresholdClick() { threshold_ = thresholdBox->currentText().toInt(); }

// The threshold is the box's text whenever the list is filtered, so the listed items and
// the message always agree; a text that is no integer stops the search and leaves the
// table and chart as they were.
void SearchWindow::btnserClick() {
    const QString boxText = thresholdBox->currentText();
    Listing listing;
    const bool done = ui::runCommand(this, [&] {
        const bool filtered = onlyAbove->isChecked();
        if (filtered) threshold_ = searchThreshold(boxText.toStdString());
        listing = search(filtered, threshold_, boxText);
    });
    if (!done) return;
    listing_ = std::move(listing);
    listed_ = int(listing_.rows.size());
    model_->setGrid(listed_, listing_.headings,
                    [this](int row, int column) { return listing_.rows[size_t(row)].value(column); });
    fitColumns();
    chartPanel->setData(listing_.labels, {listing_.multiples});
    if (!listing_.message.isEmpty()) ui::showInformation(this, listing_.message);
}

void SearchWindow::btncloseClick() { close(); }

void SearchWindow::fitColumns() {
    if (model_->columnCount() == 0) return;
    const auto [first, other] = columnWidths(grid->viewport()->width());
    grid->setColumnWidth(0, std::max(first, 40));
    for (int c = 1; c < model_->columnCount(); ++c) grid->setColumnWidth(c, std::max(other, 40));
}

void SearchWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (!centred_) {
        centred_ = true;
        ui::centreOver(this, nullptr);
    }
    fitColumns();
}

void SearchWindow::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    fitColumns();
}

} // namespace corvel
