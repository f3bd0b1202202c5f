#include "analysis/windows/u_indicatorwindow.h"

#include "core/u_public.h"
#include "filters/windows/u_filtcode.h"
#include "store/appdir.h"
#include "ui/barchart.h"
#include "ui/chartpanel.h"
#include "ui/gridmodel.h"
#include "ui/qtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

namespace corvel {

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

const QString HintEnlarge = QStringLiteral("放大");
const QString HintShrink = QStringLiteral("缩小");
constexpr int SpacingBarsPerPage = 20;

// The trend grid: hit marks in red, full headings as tool tips (narrow columns elide them).
class TrendGridModel : public ui::GridModel {
public:
    using ui::GridModel::GridModel;
    QVariant data(const QModelIndex &index, int role) const override {
        if (role == Qt::ForegroundRole && index.column() > 0 && cellText(index.row(), index.column()) == hitText())
            return QColor(Qt::red);
        return ui::GridModel::data(index, role);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role == Qt::ToolTipRole) return ui::GridModel::headerData(section, orientation, Qt::DisplayRole);
        return ui::GridModel::headerData(section, orientation, role);
    }
    static const QString &hitText() {
        static const QString hit = QStringLiteral("●");
        return hit;
    }
};

// Digits of the widest number in column 0 (issues) and in the category columns.
std::pair<int, int> widestDigits(const TrendGrid &trend) {
    int32_t issue = 0, cell = 0;
    for (int r = 0; r < trend.rows; ++r) {
        issue = std::max(issue, trend.at(r, 0));
        for (int c = 1; c < trend.columns; ++c) cell = std::max(cell, trend.at(r, c));
    }
    return {int(std::to_string(issue).size()), int(std::to_string(cell).size())};
}

} // namespace

IndicatorWindow::IndicatorWindow(int tab, QWidget *parent) : QWidget(parent), spec_(*indicatorWindowSpec(tab)) {
    setObjectName(QStringLiteral("frm") + u(spec_.stem));
    setWindowTitle(u(spec_.caption));
    setMinimumSize(760, 540);
    FormCreate();
}

void IndicatorWindow::FormCreate() {
    buildControls();
    buildTables();
    fillSelectors();
    if (spec_.enlargeButton) buildSizeButton();
    analyse();
    drawStatChart();
    drawSpacingChart();
}

void IndicatorWindow::buildControls() {
    const QString stem = u(spec_.stem);
    trendModel_ = new TrendGridModel(this);
    statsModel_ = new ui::GridModel(this);
    sepModel_ = new ui::GridModel(this);
    grd = ui::makeGrid(this, trendModel_);
    grd->setObjectName(QStringLiteral("grd") + stem);
    grdadd = ui::makeGrid(this, statsModel_);
    grdadd->setObjectName(QStringLiteral("grdadd") + stem);
    grdsep = ui::makeGrid(this, sepModel_);
    grdsep->setObjectName(QStringLiteral("grd") + stem + QStringLiteral("sep"));
    buildCharts();

    com = new QComboBox(this);
    com->setObjectName(QStringLiteral("com") + stem);
    com->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    com->setMaxVisibleItems(28);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    if (parameterKind(spec_.indicator) != IndicatorParameter::None) {
        compos = new QComboBox(this);
        compos->setObjectName(QStringLiteral("com") + stem + QStringLiteral("pos"));
        compos->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        Label1->setText(QStringLiteral("选择位置："));
        Label1->setBuddy(compos);
        Label2 = new QLabel(u(spec_.selectorLabel), this);
        Label2->setObjectName(QStringLiteral("Label2"));
        Label2->setBuddy(com);
    } else {
        Label1->setText(u(spec_.selectorLabel));
        Label1->setBuddy(com);
    }
    btnala = new QPushButton(QStringLiteral("分析"), this);
    btnala->setObjectName(QStringLiteral("btnala"));
    btnshow = new QPushButton(QStringLiteral("查看"), this);
    btnshow->setObjectName(QStringLiteral("btnshow"));
    for (QPushButton *b : {btnala, btnshow}) b->setMinimumWidth(75);
    buildLayout();

    connect(com, &QComboBox::currentIndexChanged, this, &IndicatorWindow::comClick);
    if (compos) connect(compos, &QComboBox::currentIndexChanged, this, &IndicatorWindow::composClick);
    connect(btnala, &QPushButton::clicked, this, &IndicatorWindow::btnalaClick);
    connect(btnshow, &QPushButton::clicked, this, &IndicatorWindow::btnshowClick);
}

void IndicatorWindow::buildCharts() {
    const QString stem = u(spec_.stem);
    ui::ChartPanelSpec stats;
    stats.chartName = QStringLiteral("chtadd") + stem;
    stats.title = u(spec_.statChartTitle);
    stats.series = {{QStringLiteral("出现次数"), QColor(Qt::red), QStringLiteral("chknum"), true},
                    {QStringLiteral("最大间隔"), QColor(0, 128, 0), QStringLiteral("chkmaxsep"), false},
                    {QStringLiteral("目前间隔"), QColor(Qt::yellow), QStringLiteral("chkcursep"), false}};
    statPanel = new ui::ChartPanel(stats, this);
    chtadd = statPanel->chart();
    GroupBox1 = statPanel->box();
    chknum = statPanel->seriesBox(0);
    chkmaxsep = statPanel->seriesBox(1);
    chkcursep = statPanel->seriesBox(2);
    chkbiao = statPanel->valuesBox();

    ui::ChartPanelSpec spacing;
    spacing.chartName = QStringLiteral("cht") + stem + QStringLiteral("sep");
    spacing.title = u(spec_.spacingChartTitle);
    spacing.series = {{QStringLiteral("出现次数"), QColor(Qt::red)}};
    spacing.pageSize = SpacingBarsPerPage;
    spacing.boxName = QStringLiteral("GroupBox2");
    spacing.valuesName = QStringLiteral("chksepbiao");
    spacing.pagerPrefix = QStringLiteral("btnrep");
    spacingPanel = new ui::ChartPanel(spacing, this);
    chtsep = spacingPanel->chart();
    GroupBox2 = spacingPanel->box();
    chksepbiao = spacingPanel->valuesBox();
}

// The trend grid fills the left half; the right half holds the statistics and spacing
// grids side by side (two thirds to one third) above the two charts; the selectors and
// "分析" "查看" run along the bottom.
void IndicatorWindow::buildLayout() {
    auto *tables = new QHBoxLayout;
    tables->setSpacing(8);
    tables->addWidget(grdadd, 2);
    tables->addWidget(grdsep, 1);
    auto *right = new QVBoxLayout;
    right->setSpacing(6);
    right->addLayout(tables, 2);
    right->addWidget(statPanel, 3);
    right->addWidget(spacingPanel, 3);

    sizeRoom_ = new QWidget(this);
    sizeRoom_->hide();
    auto *top = new QHBoxLayout;
    top->setSpacing(8);
    top->addWidget(grd, 1);
    top->addWidget(sizeRoom_);
    top->addLayout(right, 1);

    auto *bottom = new QHBoxLayout;
    if (compos) {
        bottom->addWidget(Label2);
        bottom->addWidget(com);
        bottom->addSpacing(16);
        bottom->addWidget(Label1);
        bottom->addWidget(compos);
    } else {
        bottom->addWidget(Label1);
        bottom->addWidget(com);
    }
    bottom->addStretch(1);
    bottom->addWidget(btnala);
    bottom->addSpacing(8);
    bottom->addWidget(btnshow);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    grd->installEventFilter(this);
    GroupBox1->installEventFilter(this);
}

void IndicatorWindow::buildSizeButton() {
    btnsize = new QToolButton(this);
    btnsize->setObjectName(QStringLiteral("btnsize"));
    btnsize->setAutoRaise(true);
    btnsize->setFixedSize(24, 24);
    sizeRoom_->setFixedWidth(btnsize->width() - 4);
    sizeRoom_->show();
    connect(btnsize, &QToolButton::clicked, this, &IndicatorWindow::btnsizeClick);
    setEnlarged(false);
}

void IndicatorWindow::buildTables() {
    labels_ = labels(spec_.indicator);
    analysis_ = {};
    analysis_.candidates = candidatesFromDirectNumbers(DirectNumbers, 1);
}

int *IndicatorWindow::storedParameter() const {
    switch (spec_.tab) {
    case 8:
        return &Choices.huihuoPosition;
    case 9:
        return &Choices.huicaiPosition;
    case 14:
        return &Choices.juliPosition;
    default:
        return nullptr;
    }
}

IndicatorSelection IndicatorWindow::storedSelection() const {
    IndicatorSelection s;
    s.category = Choices.indicatorCategory[size_t(spec_.tab - 3)];
    if (s.category < 1 || s.category > int(labels_.size())) s.category = 1;
    const int *parameter = storedParameter();
    s.parameter = parameter && *parameter >= 1 && *parameter <= 3 ? *parameter : 1;
    return s;
}

void IndicatorWindow::fillSelectors() {
    const IndicatorSelection saved = storedSelection();
    {
        const QSignalBlocker block(com);
        for (const std::string &item : categoryItems(spec_)) com->addItem(q(item));
        com->setCurrentIndex(saved.category - 1);
    }
    Choices.indicatorCategory[size_t(spec_.tab - 3)] = saved.category;
    if (compos) {
        const QSignalBlocker block(compos);
        for (const std::string &item : parameterItems(spec_)) compos->addItem(q(item));
        compos->setCurrentIndex(saved.parameter - 1);
        *storedParameter() = saved.parameter;
    }
}

void IndicatorWindow::comClick() {
    if (com->currentIndex() >= 0) Choices.indicatorCategory[size_t(spec_.tab - 3)] = com->currentIndex() + 1;
}

void IndicatorWindow::composClick() {
    if (compos && compos->currentIndex() >= 0) *storedParameter() = compos->currentIndex() + 1;
}

void IndicatorWindow::analyse() {
    analysed_ = storedSelection();
    analysis_ = analyseIndicator(spec_, DrawHistory, analysed_, DirectNumbers);
    showGrids();
}

void IndicatorWindow::showGrids() {
    QStringList headings{QStringLiteral("记录期号")};
    for (const std::string &l : labels_) headings << q(l);
    trendModel_->setGrid(analysis_.trend.rows, headings, [this](int r, int c) {
        const int32_t cell = analysis_.trend.at(r, c);
        return c > 0 && cell == HitMark ? TrendGridModel::hitText() : QString::number(cell);
    });

    const auto texts = statisticsTexts(spec_, analysis_.statistics);
    statsTexts_.clear();
    for (const auto &row : texts)
        for (const std::string &cell : row) statsTexts_ << q(cell);
    const QStringList statsHeadings = statsTexts_.mid(0, 4);
    statsModel_->setGrid(int(texts.size()) - 1, statsHeadings,
                         [this](int r, int c) { return statsTexts_[(r + 1) * 4 + c]; });

    sepModel_->setGrid(int(analysis_.spacing.size()), {QStringLiteral("间隔"), QStringLiteral("出现次数")},
                       [this](int r, int c) {
                           const SpacingCount &s = analysis_.spacing[size_t(r)];
                           return QString::number(c == 0 ? s.spacing : s.count);
                       });
    std::tie(issueDigits_, cellDigits_) = widestDigits(analysis_.trend);
    grd->scrollToBottom();
}

void IndicatorWindow::drawStatChart() {
    QStringList names;
    std::vector<std::vector<qint64>> values(3);
    for (const CategoryStatistics &s : analysis_.statistics) {
        names << q(labels_[size_t(s.category - 1)]);
        values[0].push_back(s.occurrences);
        values[1].push_back(s.largestSpacing);
        values[2].push_back(s.currentSpacing);
    }
    statPanel->setData(names, values);
}

void IndicatorWindow::drawSpacingChart() {
    QStringList names;
    std::vector<qint64> counts;
    for (const SpacingCount &s : analysis_.spacing) {
        names << QString::number(s.spacing);
        counts.push_back(s.count);
    }
    spacingPanel->setData(names, {counts});
}

void IndicatorWindow::btnalaClick() {
    analyse();
    drawStatChart();
    drawSpacingChart();
    sizeColumns();
}

void IndicatorWindow::btnshowClick() {
    btnalaClick();
    showFilteredCodes(
        this, FiltCodeSource{spec_.tab, [this] { return analysis_.candidates; }, [this] { return description(); }});
}

std::string IndicatorWindow::description() const {
    return filterDescription(spec_, analysed_.category, analysed_.parameter);
}

bool IndicatorWindow::enlarged() const { return btnsize && btnsize->toolTip() == HintShrink; }

void IndicatorWindow::btnsizeClick() { setEnlarged(btnsize->toolTip() == HintEnlarge); }

void IndicatorWindow::setEnlarged(bool on) {
    btnsize->setToolTip(on ? HintShrink : HintEnlarge);
    const QPixmap glyph(pictureDir() + (on ? QStringLiteral("left.bmp") : QStringLiteral("right.bmp")));
    btnsize->setIcon(glyph.isNull() ? QIcon() : QIcon(glyph));
    // Without its picture the button still shows which way it works.
    btnsize->setArrowType(glyph.isNull() ? (on ? Qt::LeftArrow : Qt::RightArrow) : Qt::NoArrow);
    // The widened trend grid covers the right half; the statistics grid goes with it.
    for (QWidget *w : std::initializer_list<QWidget *>{grdadd, grdsep, statPanel, spacingPanel, btnala, btnshow})
        w->setVisible(!on);
    layout()->activate();
    FormResize();
}

void IndicatorWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    FormResize();
    if (!scrolled_) {
        grd->scrollToBottom();
        scrolled_ = true;
    }
}

bool IndicatorWindow::eventFilter(QObject *watched, QEvent *event) {
    if ((watched == grd || watched == GroupBox1) && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        FormResize();
    return QWidget::eventFilter(watched, event);
}

// The layout places the controls; the grid columns and the enlarge button follow it.
void IndicatorWindow::FormResize() {
    placeSizeButton();
    sizeColumns();
}

// At the right edge of the trend grid, level with GroupBox1.
void IndicatorWindow::placeSizeButton() {
    if (!btnsize) return;
    const QRect box(GroupBox1->mapTo(this, QPoint(0, 0)), GroupBox1->size());
    btnsize->move(grd->geometry().right() + 1, box.center().y() - btnsize->height() / 2);
    btnsize->raise();
}

void IndicatorWindow::sizeColumns() {
    const QFontMetrics fm(grd->font());
    const int categories = int(labels_.size());
    const int margin = spec_.enlargeButton ? 80 : 60;
    const int readable = fm.horizontalAdvance(QString(cellDigits_, QLatin1Char('8'))) + 8;
    const int issueWidth = std::max(50, fm.horizontalAdvance(QString(issueDigits_, QLatin1Char('8'))) + 10);
    const int share = (grd->viewport()->width() - margin - (issueWidth - 50)) / std::max(1, categories);
    grd->setColumnWidth(0, issueWidth);
    for (int c = 1; c <= categories; ++c) grd->setColumnWidth(c, std::max(readable, share));
    ui::fitColumns(grdadd, 10);
    // 48 pixels each, unless the heading "出现次数" needs more in the platform font.
    const int sepWidth = std::max(48, grdsep->horizontalHeader()->sectionSizeHint(1));
    grdsep->setColumnWidth(0, sepWidth);
    grdsep->setColumnWidth(1, sepWidth);
}

} // namespace corvel
