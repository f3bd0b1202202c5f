#include "filters/u_searchwindow.h"

#include "filters/omissionsearch.h"
#include "ui/barchart.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/gridmodel.h"

#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLegend>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel {

namespace {

constexpr int BarsPerPage = 10;
constexpr int PresetThreshold = 5;
constexpr int LastThreshold = 100;

QPushButton *button(QWidget *parent, const char *name, const QString &caption) {
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

SearchWindow::SearchWindow(const Names &names, QWidget *parent) : QWidget(parent) {
    setObjectName(QString::fromLatin1(names.window));
    setWindowTitle(QString::fromUtf8(names.caption));
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);

    model_ = new ui::GridModel(this);
    grid = ui::makeGrid(this, model_);
    grid->setObjectName(QString::fromLatin1(names.grid));
    chart = new ui::BarChart(QStringLiteral("偏态倍数图表"), {{QStringLiteral("偏态倍数"), QColor(Qt::red)}},
                             BarsPerPage, this);
    chart->setObjectName(QString::fromLatin1(names.chart));
    chart->chart()->legend()->setAlignment(Qt::AlignTop);

    onlyAbove = new QCheckBox(QStringLiteral("只显示以下倍数以上偏态"), this);
    onlyAbove->setObjectName(QString::fromLatin1(names.onlyAbove));
    onlyAbove->setChecked(true);
    thresholdBox = new QComboBox(this);
    thresholdBox->setObjectName(QString::fromLatin1(names.box));
    thresholdBox->setEditable(true);
    thresholdBox->setInsertPolicy(QComboBox::NoInsert);
    thresholdBox->setMinimumContentsLength(4);
    chkbiao = new QCheckBox(QStringLiteral("显示标注"), this);
    chkbiao->setObjectName(QStringLiteral("chkbiao"));
    btnser = button(this, "btnser", QStringLiteral("搜索"));
    btnser->setDefault(true);
    btnclose = button(this, "btnclose", QStringLiteral("关闭"));
    btnfirst = button(this, "btnfirst", QStringLiteral("首页"));
    btnprev = button(this, "btnprev", QStringLiteral("上一页"));
    btnnext = button(this, "btnnext", QStringLiteral("下一页"));
    btnlast = button(this, "btnlast", QStringLiteral("尾页"));

    auto *settings = new QHBoxLayout;
    settings->addWidget(onlyAbove);
    settings->addWidget(thresholdBox);
    settings->addSpacing(16);
    settings->addWidget(chkbiao);
    settings->addStretch(1);
    settings->addWidget(btnser);
    settings->addWidget(btnclose);
    auto *pages = new QHBoxLayout;
    pages->addStretch(1);
    for (QPushButton *b : {btnfirst, btnprev, btnnext, btnlast}) pages->addWidget(b);
    auto *chartColumn = new QVBoxLayout;
    chartColumn->addWidget(chart, 1);
    chartColumn->addLayout(pages);
    auto *body = new QHBoxLayout;
    body->addWidget(grid, 2);
    body->addLayout(chartColumn, 3);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(settings);
    layout->addLayout(body, 1);

    connect(btnser, &QPushButton::clicked, this, &SearchWindow::btnserClick);
    connect(btnclose, &QPushButton::clicked, this, &SearchWindow::btncloseClick);
    connect(chkbiao, &QCheckBox::toggled, this, &SearchWindow::chkbiaoClick);
    connect(btnfirst, &QPushButton::clicked, this, &SearchWindow::btnfirstClick);
    connect(btnprev, &QPushButton::clicked, this, &SearchWindow::btnprevClick);
    connect(btnnext, &QPushButton::clicked, this, &SearchWindow::btnnextClick);
    connect(btnlast, &QPushButton::clicked, this, &SearchWindow::btnlastClick);
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
    drawChart();
    if (!listing_.message.isEmpty()) ui::showInformation(this, listing_.message);
}

void SearchWindow::drawChart() {
    chart->setData(listing_.labels, {listing_.multiples});
    chart->setShowValues(chkbiao->isChecked());
}

void SearchWindow::btncloseClick() { close(); }
void SearchWindow::chkbiaoClick() { chart->setShowValues(chkbiao->isChecked()); }
void SearchWindow::btnfirstClick() { chart->firstPage(); }
void SearchWindow::btnprevClick() { chart->previousPage(); }
void SearchWindow::btnnextClick() { chart->nextPage(); }
void SearchWindow::btnlastClick() { chart->lastPage(); }

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
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    fitColumns();
}

void SearchWindow::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    fitColumns();
}

} // namespace corvel
