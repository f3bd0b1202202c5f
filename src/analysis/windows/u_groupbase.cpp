#include "analysis/windows/u_groupbase.h"

#include "core/u_public.h"
#include "filters/windows/u_filtcode.h"
#include "ui/barchart.h"
#include "ui/chartpanel.h"
#include "ui/gridmodel.h"
#include "ui/qtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel {

namespace {

constexpr int Margin = 8;
constexpr int Gap = 12;
constexpr int RightMargin = 11;
constexpr int MinChartWidth = 360;

} // namespace

GroupWindow::GroupWindow(const GroupWindowText &text, QWidget *parent) : QWidget(parent), text_(text) {
    setWindowTitle(text.caption);
    setMinimumSize(760, 520);
    buildControls(text);
    buildLayout();
    resize(1100, 720);
}

void GroupWindow::buildControls(const GroupWindowText &text) {
    statsModel_ = new ui::GridModel(this);
    columnModel_ = new ui::GridModel(this);
    sepModel_ = new ui::GridModel(this);
    grdadd_ = ui::makeGrid(this, statsModel_);
    grd_ = ui::makeGrid(this, columnModel_);
    grdsep_ = ui::makeGrid(this, sepModel_);
    grdadd_->setObjectName(QStringLiteral("grdadd") + text.stem);
    grd_->setObjectName(QStringLiteral("grd") + text.stem);
    grdsep_->setObjectName(QStringLiteral("grd") + text.stem + QStringLiteral("sep"));
    for (QTableView *grid : {grdadd_, grd_, grdsep_}) ui::keepColumnsFitted(grid, 10);

    buildCharts(text);
    selectorRow_ = buildSelectorRow();
}

void GroupWindow::buildCharts(const GroupWindowText &text) {
    ui::ChartPanelSpec stats;
    stats.chartName = QStringLiteral("chtadd") + text.stem;
    stats.title = text.statisticsTitle;
    stats.series = {{QStringLiteral("出现次数"), Qt::red, QStringLiteral("chknum"), true},
                    {QStringLiteral("最大间隔"), Qt::green, QStringLiteral("chkmaxsep"), false},
                    {QStringLiteral("目前间隔"), Qt::yellow, QStringLiteral("chkcursep"), false}};
    stats.pageSize = GroupChartPageSize;
    statPanel = new ui::ChartPanel(stats, this);
    chtadd_ = statPanel->chart();
    GroupBox1 = statPanel->box();
    chknum = statPanel->seriesBox(0);
    chkmaxsep = statPanel->seriesBox(1);
    chkcursep = statPanel->seriesBox(2);
    chkbiao = statPanel->valuesBox();
    btnfirst = statPanel->firstButton();
    btnprev = statPanel->previousButton();
    btnnext = statPanel->nextButton();
    btnlast = statPanel->lastButton();

    ui::ChartPanelSpec spacing;
    spacing.chartName = QStringLiteral("cht") + text.stem + QStringLiteral("sep");
    spacing.title = text.spacingTitle;
    spacing.series = {{QStringLiteral("出现次数"), Qt::red}};
    spacing.pageSize = GroupChartPageSize;
    spacing.boxName = QStringLiteral("GroupBox2");
    spacing.valuesName = QStringLiteral("chksepbiao");
    spacing.pagerPrefix = QStringLiteral("btnrep");
    spacingPanel = new ui::ChartPanel(spacing, this);
    chtsep_ = spacingPanel->chart();
    GroupBox2 = spacingPanel->box();
    chksepbiao = spacingPanel->valuesBox();
    btnrepfirst = spacingPanel->firstButton();
    btnrepprev = spacingPanel->previousButton();
    btnrepnext = spacingPanel->nextButton();
    btnreplast = spacingPanel->lastButton();
    for (ui::ChartPanel *panel : {statPanel, spacingPanel}) panel->setMinimumWidth(MinChartWidth);
}

QWidget *GroupWindow::buildSelectorRow() {
    auto *row = new QWidget(this);
    Label1 = new QLabel(QStringLiteral("选择位置："), row);
    Label2 = new QLabel(QStringLiteral("号码组合数："), row);
    Label3 = new QLabel(QStringLiteral("选择组合："), row);
    compos = new QComboBox(row);
    comnum = new QComboBox(row);
    comzuheiindex = new QComboBox(row);
    compos->setObjectName(QStringLiteral("compos"));
    comnum->setObjectName(QStringLiteral("comnum"));
    comzuheiindex->setObjectName(QStringLiteral("comzuheiindex"));
    comzuheiindex->setMaxVisibleItems(20);
    Label1->setBuddy(compos);
    Label2->setBuddy(comnum);
    Label3->setBuddy(comzuheiindex);
    btnala = new QPushButton(QStringLiteral("分析"), row);
    btnshow = new QPushButton(QStringLiteral("查看"), row);
    btnala->setObjectName(QStringLiteral("btnala"));
    btnshow->setObjectName(QStringLiteral("btnshow"));
    auto *layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    const QList<QPair<QLabel *, QComboBox *>> pairs{{Label1, compos}, {Label2, comnum}, {Label3, comzuheiindex}};
    for (int i = 0; i < pairs.size(); ++i) {
        layout->addWidget(pairs[i].first, 0, i);
        layout->addWidget(pairs[i].second, 1, i);
    }
    layout->setColumnStretch(3, 1);
    layout->addWidget(btnala, 1, 4);
    layout->addWidget(btnshow, 1, 5);
    connect(compos, &QComboBox::currentIndexChanged, this, &GroupWindow::composClick);
    connect(comnum, &QComboBox::currentIndexChanged, this, &GroupWindow::comnumClick);
    connect(comzuheiindex, &QComboBox::currentIndexChanged, this, &GroupWindow::comzuheiindexClick);
    connect(btnala, &QPushButton::clicked, this, &GroupWindow::btnalaClick);
    connect(btnshow, &QPushButton::clicked, this, &GroupWindow::btnshowClick);
    return row;
}

// The three grids side by side from the left, taking half of the width; the charts with
// their controls and the selector row in a column to their right.
void GroupWindow::buildLayout() {
    auto *right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(statPanel, 1);
    right->addWidget(spacingPanel, 1);
    right->addWidget(selectorRow_);
    columns_ = new QHBoxLayout(this);
    columns_->setContentsMargins(Margin, Margin, RightMargin, 13);
    columns_->setSpacing(Gap);
    for (QTableView *grid : {grdadd_, grd_, grdsep_}) columns_->addWidget(grid);
    columns_->addLayout(right);
    shareGridWidths();
}

void GroupWindow::FormCreate() {
    const Selection s = stored();
    {
        const QSignalBlocker block(compos);
        fillPositions();
    }
    {
        const QSignalBlocker block(comnum);
        comnum->clear();
        for (int k = MinGroupSize; k <= MaxGroupSize; ++k) comnum->addItem(QString::number(k));
        comnum->setCurrentIndex(std::clamp(s.size, MinGroupSize, MaxGroupSize) - MinGroupSize);
    }
    fillGroups(comnum->currentIndex() + MinGroupSize, s.group);
    sizeColumns();
}

void GroupWindow::fillGroups(int size, int group) {
    const QSignalBlocker block(comzuheiindex);
    comzuheiindex->clear();
    for (const std::string &label : groupLabels(size)) comzuheiindex->addItem(q(label));
    comzuheiindex->setCurrentIndex(group >= 0 && group < comzuheiindex->count() ? group : 0);
}

void GroupWindow::FormActivate() {
    if (computed_ && *computed_ == stored()) return;
    analyse();
}

void GroupWindow::analyse() {
    const Selection s = stored();
    analysis_ = compute(s);
    issues_.clear();
    issues_.reserve(DrawHistory.size());
    for (const DrawRow &row : DrawHistory) issues_.push_back(row[0]);
    issues_.resize(analysis_.occurrence.size(), 0);
    computed_ = s;
    shareGridWidths(); // the issue column's width depends on the history
    showGrids();
    drawStatisticsChart();
    drawSpacingChart();
}

void GroupWindow::btnalaClick() {
    analyse();
    sizeColumns();
}

void GroupWindow::btnshowClick() {
    btnalaClick();
    showFilteredCodes(
        this, FiltCodeSource{text_.tab, [this] { return analysis_.candidates; }, [this] { return description(); }});
}

void GroupWindow::composClick() {
    if (compos->currentIndex() >= 0) positionChosen(compos->currentIndex());
}

void GroupWindow::comnumClick() {
    const int size = comnum->currentIndex() + MinGroupSize;
    store(size, 0);
    fillGroups(size, 0);
}

void GroupWindow::comzuheiindexClick() {
    if (comzuheiindex->currentIndex() >= 0) store(comnum->currentIndex() + MinGroupSize, comzuheiindex->currentIndex());
}

void GroupWindow::showGrids() {
    const auto &h = groupStatisticsHeadings();
    const QStringList statsHeadings{q(h[0]), q(h[1]), q(h[2]), q(h[3])};
    statsModel_->setGrid(int(analysis_.groups.size()), statsHeadings, [this](int row, int column) {
        const DigitGroup &g = analysis_.groups[size_t(row)];
        switch (column) {
        case 0:
            return q(g.label);
        case 1:
            return QString::number(g.occurrences);
        case 2:
            return QString::number(g.largestSpacing);
        default:
            return QString::number(g.currentSpacing);
        }
    });
    columnModel_->setGrid(int(analysis_.occurrence.size()), {QStringLiteral("记录期号"), QStringLiteral("出现情况")},
                          [this](int row, int column) {
                              if (column == 0) return QString::number(issues_[size_t(row)]);
                              return q(occurrenceCellText(analysis_.occurrence[size_t(row)]));
                          });
    sepModel_->setGrid(int(analysis_.spacingCounts.size()), {QStringLiteral("间隔"), QStringLiteral("出现次数")},
                       [this](int row, int column) {
                           return column == 0 ? QString::number(row + 1)
                                              : QString::number(analysis_.spacingCounts[size_t(row)]);
                       });
    // The newest draws are the interesting ones.
    grd_->scrollToBottom();
}

void GroupWindow::drawStatisticsChart() {
    QStringList labels;
    std::vector<std::vector<qint64>> values(3);
    for (const DigitGroup &g : analysis_.groups) {
        labels << q(g.label);
        values[0].push_back(g.occurrences);
        values[1].push_back(g.largestSpacing);
        values[2].push_back(g.currentSpacing);
    }
    statPanel->setData(labels, values);
}

void GroupWindow::drawSpacingChart() {
    QStringList labels;
    std::vector<std::vector<qint64>> values(1);
    for (size_t g = 0; g < analysis_.spacingCounts.size(); ++g) {
        labels << QString::number(g + 1);
        values[0].push_back(analysis_.spacingCounts[g]);
    }
    spacingPanel->setData(labels, values);
}

// The layout places the controls; the grid columns follow.
void GroupWindow::FormResize() { sizeColumns(); }

void GroupWindow::shareGridWidths() {
    // What each grid needs for its widest texts in equal columns, plus a scroll bar.
    const QFontMetrics fm(grdadd_->font());
    const int pad = 14 + 10 / 2;
    const int bar = grd_->verticalScrollBar()->sizeHint().width() + 2 * grd_->frameWidth() + 10;
    const QString issue = issues_.empty() ? QStringLiteral("2001001") : QString::number(issues_.back());
    const auto widest = [&](std::initializer_list<QString> texts) {
        int m = 0;
        for (const QString &t : texts) m = std::max(m, fm.horizontalAdvance(t));
        return m + pad;
    };
    const int need[3]{
        4 * widest({QStringLiteral("出现期数"), QStringLiteral("01234")}) + bar,
        2 * widest({QStringLiteral("记录期号"), issue}) + bar,
        2 * widest({QStringLiteral("出现次数")}) + bar,
    };
    // The grids take half of the room, shared in proportion to the need; on a narrow
    // screen the charts keep their minimum width.
    for (int i = 0; i < 3; ++i) columns_->setStretch(i, need[i]);
    columns_->setStretch(3, need[0] + need[1] + need[2]);
}

void GroupWindow::sizeColumns() {
    for (QTableView *grid : {grdadd_, grd_, grdsep_}) ui::fitColumns(grid, 10);
}

bool GroupWindow::event(QEvent *event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate && shown_) FormActivate();
    return handled;
}

void GroupWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (!mdiHooked_) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget())) {
            connect(sub, &QMdiSubWindow::aboutToActivate, this, &GroupWindow::FormActivate);
            mdiHooked_ = true;
        }
    }
    if (!shown_) {
        shown_ = true;
        FormActivate();
    }
}

void GroupWindow::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    FormResize();
}

} // namespace corvel
