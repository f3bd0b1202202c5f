#include "analysis/u_groupbase.h"

#include "core/u_public.h"
#include "filters/u_filtcode.h"
#include "ui/barchart.h"
#include "ui/gridmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableView>

namespace corvel {

namespace {

constexpr int Margin = 8;
constexpr int Gap = 12;
constexpr int RightMargin = 11;
constexpr int MinChartWidth = 360;

QString qs(const std::string &s) { return QString::fromStdString(s); }

QPushButton *pageButton(QWidget *parent, const char *name, const QString &caption) {
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption, bool checked = false) {
    auto *c = new QCheckBox(caption, parent);
    c->setObjectName(QLatin1String(name));
    c->setChecked(checked);
    return c;
}

} // namespace

GroupWindow::GroupWindow(const GroupWindowText &text, QWidget *parent) : QWidget(parent), text_(text) {
    setWindowTitle(text.caption);
    setMinimumSize(760, 520);
    buildControls(text);
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

    chtadd_ = new ui::BarChart(text.statisticsTitle,
                               {{QStringLiteral("出现次数"), Qt::red},
                                {QStringLiteral("最大间隔"), Qt::green},
                                {QStringLiteral("目前间隔"), Qt::yellow}},
                               GroupChartPageSize, this);
    chtsep_ = new ui::BarChart(text.spacingTitle, {{QStringLiteral("出现次数"), Qt::red}}, GroupChartPageSize, this);
    chtadd_->setObjectName(QStringLiteral("chtadd") + text.stem);
    chtsep_->setObjectName(QStringLiteral("cht") + text.stem + QStringLiteral("sep"));

    GroupBox1 = buildStatisticsBox();
    GroupBox2 = buildSpacingBox();
    selectorRow_ = buildSelectorRow();
}

QGroupBox *GroupWindow::buildStatisticsBox() {
    auto *box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("GroupBox1"));
    chknum = checkBox(box, "chknum", QStringLiteral("出现次数"), true);
    chkmaxsep = checkBox(box, "chkmaxsep", QStringLiteral("最大间隔"));
    chkcursep = checkBox(box, "chkcursep", QStringLiteral("目前间隔"));
    chkbiao = checkBox(box, "chkbiao", QStringLiteral("显示标注"));
    btnfirst = pageButton(box, "btnfirst", QStringLiteral("首页"));
    btnprev = pageButton(box, "btnprev", QStringLiteral("上一页"));
    btnnext = pageButton(box, "btnnext", QStringLiteral("下一页"));
    btnlast = pageButton(box, "btnlast", QStringLiteral("尾页"));
    auto *layout = new QGridLayout(box);
    layout->setContentsMargins(6, 4, 6, 4);
    int column = 0;
    for (QCheckBox *c : {chknum, chkmaxsep, chkcursep, chkbiao}) layout->addWidget(c, 0, column++);
    column = 0;
    for (QPushButton *b : {btnfirst, btnprev, btnnext, btnlast}) layout->addWidget(b, 1, column++);
    connect(chknum, &QCheckBox::toggled, this, &GroupWindow::chknumClick);
    connect(chkmaxsep, &QCheckBox::toggled, this, &GroupWindow::chkmaxsepClick);
    connect(chkcursep, &QCheckBox::toggled, this, &GroupWindow::chkcursepClick);
    connect(chkbiao, &QCheckBox::toggled, this, &GroupWindow::chkbiaoClick);
    connect(btnfirst, &QPushButton::clicked, this, &GroupWindow::btnfirstClick);
    connect(btnprev, &QPushButton::clicked, this, &GroupWindow::btnprevClick);
    connect(btnnext, &QPushButton::clicked, this, &GroupWindow::btnnextClick);
    connect(btnlast, &QPushButton::clicked, this, &GroupWindow::btnlastClick);
    return box;
}

QGroupBox *GroupWindow::buildSpacingBox() {
    auto *box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("GroupBox2"));
    chksepbiao = checkBox(box, "chksepbiao", QStringLiteral("显示标注"));
    btnrepfirst = pageButton(box, "btnrepfirst", QStringLiteral("首页"));
    btnrepprev = pageButton(box, "btnrepprev", QStringLiteral("上一页"));
    btnrepnext = pageButton(box, "btnrepnext", QStringLiteral("下一页"));
    btnreplast = pageButton(box, "btnreplast", QStringLiteral("尾页"));
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(chksepbiao);
    layout->addStretch(1);
    for (QPushButton *b : {btnrepfirst, btnrepprev, btnrepnext, btnreplast}) layout->addWidget(b);
    connect(chksepbiao, &QCheckBox::toggled, this, &GroupWindow::chksepbiaoClick);
    connect(btnrepfirst, &QPushButton::clicked, this, &GroupWindow::btnrepfirstClick);
    connect(btnrepprev, &QPushButton::clicked, this, &GroupWindow::btnrepprevClick);
    connect(btnrepnext, &QPushButton::clicked, this, &GroupWindow::btnrepnextClick);
    connect(btnreplast, &QPushButton::clicked, this, &GroupWindow::btnreplastClick);
    return box;
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
    for (const std::string &label : groupLabels(size)) comzuheiindex->addItem(qs(label));
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
    FormResize(); // the issue column's width depends on the history
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
    const QStringList statsHeadings{qs(h[0]), qs(h[1]), qs(h[2]), qs(h[3])};
    statsModel_->setGrid(int(analysis_.groups.size()), statsHeadings, [this](int row, int column) {
        const DigitGroup &g = analysis_.groups[size_t(row)];
        switch (column) {
        case 0:
            return qs(g.label);
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
                              return qs(occurrenceCellText(analysis_.occurrence[size_t(row)]));
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
        labels << qs(g.label);
        values[0].push_back(g.occurrences);
        values[1].push_back(g.largestSpacing);
        values[2].push_back(g.currentSpacing);
    }
    chtadd_->setData(labels, values);
    chtadd_->setSeriesVisible(0, chknum->isChecked());
    chtadd_->setSeriesVisible(1, chkmaxsep->isChecked());
    chtadd_->setSeriesVisible(2, chkcursep->isChecked());
    chtadd_->setShowValues(chkbiao->isChecked());
    updatePaging();
}

void GroupWindow::drawSpacingChart() {
    QStringList labels;
    std::vector<std::vector<qint64>> values(1);
    for (size_t g = 0; g < analysis_.spacingCounts.size(); ++g) {
        labels << QString::number(g + 1);
        values[0].push_back(analysis_.spacingCounts[g]);
    }
    chtsep_->setData(labels, values);
    chtsep_->setShowValues(chksepbiao->isChecked());
    updatePaging();
}

void GroupWindow::chknumClick() { chtadd_->setSeriesVisible(0, chknum->isChecked()); }
void GroupWindow::chkmaxsepClick() { chtadd_->setSeriesVisible(1, chkmaxsep->isChecked()); }
void GroupWindow::chkcursepClick() { chtadd_->setSeriesVisible(2, chkcursep->isChecked()); }
void GroupWindow::chkbiaoClick() { chtadd_->setShowValues(chkbiao->isChecked()); }
void GroupWindow::chksepbiaoClick() { chtsep_->setShowValues(chksepbiao->isChecked()); }

void GroupWindow::btnfirstClick() {
    chtadd_->firstPage();
    updatePaging();
}
void GroupWindow::btnprevClick() {
    chtadd_->previousPage();
    updatePaging();
}
void GroupWindow::btnnextClick() {
    chtadd_->nextPage();
    updatePaging();
}
void GroupWindow::btnlastClick() {
    chtadd_->lastPage();
    updatePaging();
}
void GroupWindow::btnrepfirstClick() {
    chtsep_->firstPage();
    updatePaging();
}
void GroupWindow::btnrepprevClick() {
    chtsep_->previousPage();
    updatePaging();
}
void GroupWindow::btnrepnextClick() {
    chtsep_->nextPage();
    updatePaging();
}
void GroupWindow::btnreplastClick() {
    chtsep_->lastPage();
    updatePaging();
}

void GroupWindow::updatePaging() {
    const bool statsBack = chtadd_->page() > 1, statsOn = chtadd_->page() < chtadd_->pageCount();
    btnfirst->setEnabled(statsBack);
    btnprev->setEnabled(statsBack);
    btnnext->setEnabled(statsOn);
    btnlast->setEnabled(statsOn);
    const bool sepBack = chtsep_->page() > 1, sepOn = chtsep_->page() < chtsep_->pageCount();
    btnrepfirst->setEnabled(sepBack);
    btnrepprev->setEnabled(sepBack);
    btnrepnext->setEnabled(sepOn);
    btnreplast->setEnabled(sepOn);
}

void GroupWindow::FormResize() {
    const int w = width(), h = height();
    const int gridHeight = std::max(h - Margin - 13, 40);
    const std::array<int, 3> widths = gridWidths(3 * ((w - 100) / 6));
    QTableView *const grids[3] = {grdadd_, grd_, grdsep_};
    int x = Margin;
    for (int i = 0; i < 3; ++i) {
        grids[i]->setGeometry(x, Margin, widths[size_t(i)], gridHeight);
        x += widths[size_t(i)] + Gap;
    }
    const int right = w - RightMargin;
    const int columnWidth = std::max(right - x, 200);
    const int box1 = GroupBox1->sizeHint().height();
    const int box2 = GroupBox2->sizeHint().height();
    const int row = selectorRow_->sizeHint().height();
    const int chart = std::max((h - Margin - box1 - box2 - row - 4 * 6 - 13) / 2, 60);
    int y = Margin;
    chtadd_->setGeometry(x, y, columnWidth, chart);
    y += chart + 6;
    GroupBox1->setGeometry(x, y, columnWidth, box1);
    y += box1 + 6;
    chtsep_->setGeometry(x, y, columnWidth, chart);
    y += chart + 6;
    GroupBox2->setGeometry(x, y, columnWidth, box2);
    y += box2 + 6;
    selectorRow_->setGeometry(x, y, columnWidth, row);
    sizeColumns();
}

std::array<int, 3> GroupWindow::gridWidths(int total) const {
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
    std::array<int, 3> need{
        4 * widest({QStringLiteral("出现期数"), QStringLiteral("01234")}) + bar,
        2 * widest({QStringLiteral("记录期号"), issue}) + bar,
        2 * widest({QStringLiteral("出现次数")}) + bar,
    };
    const int sum = need[0] + need[1] + need[2];
    // On a narrow screen the grids take what they need from the charts, which keep
    // at least MinChartWidth.
    total = std::max(total, std::min(sum, width() - 2 * Margin - 3 * Gap - RightMargin - MinChartWidth));
    // Share the room in proportion to the need, the last grid taking what is left.
    std::array<int, 3> out{};
    out[0] = int(qint64(total) * need[0] / sum);
    out[1] = int(qint64(total) * need[1] / sum);
    out[2] = total - out[0] - out[1];
    return out;
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
