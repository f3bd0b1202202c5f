#include "analysis/u_indicatorwindow.h"

#include "core/u_public.h"
#include "filters/u_filtcode.h"
#include "store/appdir.h"
#include "ui/barchart.h"
#include "ui/gridmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <algorithm>
#include <tuple>

namespace corvel {

namespace {

QString u(const std::string &text) { return QString::fromStdString(text); }
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

QCheckBox *checkBox(const QString &name, const QString &caption, bool checked, QWidget *parent) {
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

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

    chtadd = new ui::BarChart(u(spec_.statChartTitle),
                              {{QStringLiteral("出现次数"), QColor(Qt::red)},
                               {QStringLiteral("最大间隔"), QColor(0, 128, 0)},
                               {QStringLiteral("目前间隔"), QColor(Qt::yellow)}},
                              0, this);
    chtadd->setObjectName(QStringLiteral("chtadd") + stem);
    chtsep = new ui::BarChart(u(spec_.spacingChartTitle), {{QStringLiteral("出现次数"), QColor(Qt::red)}},
                              SpacingBarsPerPage, this);
    chtsep->setObjectName(QStringLiteral("cht") + stem + QStringLiteral("sep"));
    GroupBox1 = buildStatisticsBox();
    GroupBox2 = buildSpacingBox();

    com = new QComboBox(this);
    com->setObjectName(QStringLiteral("com") + stem);
    com->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    com->setMaxVisibleItems(28);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    if (parameterKind(spec_.indicator) != IndicatorParameter::None) {
        compos = new QComboBox(this);
        compos->setObjectName(QStringLiteral("com") + stem + QStringLiteral("pos"));
        compos->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        Label1->setText(QStringLiteral("选择位置："));
        Label1->setBuddy(compos);
        Label2 = new QLabel(u(spec_.selectorLabel), this);
        Label2->setObjectName("Label2");
        Label2->setBuddy(com);
    } else {
        Label1->setText(u(spec_.selectorLabel));
        Label1->setBuddy(com);
    }
    btnala = new QPushButton(QStringLiteral("分析"), this);
    btnala->setObjectName("btnala");
    btnshow = new QPushButton(QStringLiteral("查看"), this);
    btnshow->setObjectName("btnshow");

    connect(com, &QComboBox::currentIndexChanged, this, &IndicatorWindow::comClick);
    if (compos) connect(compos, &QComboBox::currentIndexChanged, this, &IndicatorWindow::composClick);
    connect(btnala, &QPushButton::clicked, this, &IndicatorWindow::btnalaClick);
    connect(btnshow, &QPushButton::clicked, this, &IndicatorWindow::btnshowClick);
}

QGroupBox *IndicatorWindow::buildStatisticsBox() {
    auto *box = new QGroupBox(this);
    box->setObjectName("GroupBox1");
    chknum = checkBox(QStringLiteral("chknum"), QStringLiteral("出现次数"), true, box);
    chkmaxsep = checkBox(QStringLiteral("chkmaxsep"), QStringLiteral("最大间隔"), false, box);
    chkcursep = checkBox(QStringLiteral("chkcursep"), QStringLiteral("目前间隔"), false, box);
    chkbiao = checkBox(QStringLiteral("chkbiao"), QStringLiteral("显示标注"), false, box);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(8, 2, 8, 2);
    for (QCheckBox *c : {chknum, chkmaxsep, chkcursep, chkbiao}) row->addWidget(c);
    row->addStretch();
    connect(chknum, &QCheckBox::toggled, this, &IndicatorWindow::chknumClick);
    connect(chkmaxsep, &QCheckBox::toggled, this, &IndicatorWindow::chkmaxsepClick);
    connect(chkcursep, &QCheckBox::toggled, this, &IndicatorWindow::chkcursepClick);
    connect(chkbiao, &QCheckBox::toggled, this, &IndicatorWindow::chkbiaoClick);
    return box;
}

QGroupBox *IndicatorWindow::buildSpacingBox() {
    auto *box = new QGroupBox(this);
    box->setObjectName("GroupBox2");
    chksepbiao = checkBox(QStringLiteral("chksepbiao"), QStringLiteral("显示标注"), false, box);
    btnsepprev = new QToolButton(box);
    btnsepprev->setObjectName("btnsepprev");
    btnsepprev->setArrowType(Qt::LeftArrow);
    btnsepprev->setToolTip(QStringLiteral("上一页"));
    btnsepnext = new QToolButton(box);
    btnsepnext->setObjectName("btnsepnext");
    btnsepnext->setArrowType(Qt::RightArrow);
    btnsepnext->setToolTip(QStringLiteral("下一页"));
    lblseppage = new QLabel(box);
    lblseppage->setObjectName("lblseppage");
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(8, 2, 8, 2);
    row->addWidget(chksepbiao);
    row->addStretch();
    row->addWidget(btnsepprev);
    row->addWidget(lblseppage);
    row->addWidget(btnsepnext);
    connect(chksepbiao, &QCheckBox::toggled, this, &IndicatorWindow::chksepbiaoClick);
    connect(btnsepprev, &QToolButton::clicked, this, [this] {
        chtsep->previousPage();
        updateSpacingPages();
    });
    connect(btnsepnext, &QToolButton::clicked, this, [this] {
        chtsep->nextPage();
        updateSpacingPages();
    });
    return box;
}

void IndicatorWindow::buildSizeButton() {
    btnsize = new QToolButton(this);
    btnsize->setObjectName("btnsize");
    btnsize->setAutoRaise(true);
    btnsize->setFixedSize(24, 24);
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
        for (const std::string &item : categoryItems(spec_)) com->addItem(u(item));
        com->setCurrentIndex(saved.category - 1);
    }
    Choices.indicatorCategory[size_t(spec_.tab - 3)] = saved.category;
    if (compos) {
        const QSignalBlocker block(compos);
        for (const std::string &item : parameterItems(spec_)) compos->addItem(u(item));
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
    for (const std::string &l : labels_) headings << u(l);
    trendModel_->setGrid(analysis_.trend.rows, headings, [this](int r, int c) {
        const int32_t cell = analysis_.trend.at(r, c);
        return c > 0 && cell == HitMark ? TrendGridModel::hitText() : QString::number(cell);
    });

    const auto texts = statisticsTexts(spec_, analysis_.statistics);
    statsTexts_.clear();
    for (const auto &row : texts)
        for (const std::string &cell : row) statsTexts_ << u(cell);
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
        names << u(labels_[size_t(s.category - 1)]);
        values[0].push_back(s.occurrences);
        values[1].push_back(s.largestSpacing);
        values[2].push_back(s.currentSpacing);
    }
    // Visibility first: each change redraws, and redrawing is cheap before the data is in.
    chtadd->setData({}, {});
    chtadd->setSeriesVisible(0, chknum->isChecked());
    chtadd->setSeriesVisible(1, chkmaxsep->isChecked());
    chtadd->setSeriesVisible(2, chkcursep->isChecked());
    chtadd->setShowValues(chkbiao->isChecked());
    chtadd->setData(names, values);
}

void IndicatorWindow::drawSpacingChart() {
    QStringList names;
    std::vector<qint64> counts;
    for (const SpacingCount &s : analysis_.spacing) {
        names << QString::number(s.spacing);
        counts.push_back(s.count);
    }
    chtsep->setShowValues(chksepbiao->isChecked());
    chtsep->setData(names, {counts});
    updateSpacingPages();
}

void IndicatorWindow::updateSpacingPages() {
    const int pages = chtsep->pageCount();
    lblseppage->setText(QStringLiteral("%1/%2").arg(chtsep->page()).arg(pages));
    btnsepprev->setEnabled(chtsep->page() > 1);
    btnsepnext->setEnabled(chtsep->page() < pages);
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

void IndicatorWindow::chknumClick() { drawStatChart(); }
void IndicatorWindow::chkmaxsepClick() { drawStatChart(); }
void IndicatorWindow::chkcursepClick() { drawStatChart(); }
void IndicatorWindow::chkbiaoClick() { drawStatChart(); }
void IndicatorWindow::chksepbiaoClick() { chtsep->setShowValues(chksepbiao->isChecked()); }

bool IndicatorWindow::enlarged() const { return btnsize && btnsize->toolTip() == HintShrink; }

void IndicatorWindow::btnsizeClick() { setEnlarged(btnsize->toolTip() == HintEnlarge); }

void IndicatorWindow::setEnlarged(bool on) {
    btnsize->setToolTip(on ? HintShrink : HintEnlarge);
    const QPixmap glyph(pictureDir() + (on ? QStringLiteral("left.bmp") : QStringLiteral("right.bmp")));
    btnsize->setIcon(glyph.isNull() ? QIcon() : QIcon(glyph));
    // Without its picture the button still shows which way it works.
    btnsize->setArrowType(glyph.isNull() ? (on ? Qt::LeftArrow : Qt::RightArrow) : Qt::NoArrow);
    // The widened trend grid covers the right half; the statistics grid goes with it.
    for (QWidget *w :
         std::initializer_list<QWidget *>{grdadd, grdsep, chtadd, chtsep, GroupBox1, GroupBox2, btnala, btnshow})
        w->setVisible(!on);
    FormResize();
}

void IndicatorWindow::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
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

void IndicatorWindow::FormResize() {
    const int W = width(), H = height();
    const int half = std::max(100, (W - 24) / 2);
    const int bw = btnsize ? btnsize->width() : 0;
    const int gridWidth = enlarged() ? std::max(100, W - 2 * 8 - bw + 4) : half;
    grd->setGeometry(8, 8, gridWidth, std::max(60, H - 61));

    const int x0 = 8 + half + (btnsize ? bw + 4 : 8);
    const int rw = std::max(100, W - 8 - x0);
    const int statsH = std::max(80, (2 * H - 392) / 8);
    const int chartH = std::max(100, (3 * H - 588) / 8);
    const int boxH = GroupBox1->sizeHint().height();
    const int statsW = rw * 2 / 3;
    int y = 8;
    grdadd->setGeometry(x0, y, statsW - 4, statsH);
    grdsep->setGeometry(x0 + statsW + 4, y, rw - statsW - 4, statsH);
    y += statsH + 6;
    chtadd->setGeometry(x0, y, rw, chartH);
    y += chartH + 2;
    GroupBox1->setGeometry(x0, y, rw, boxH);
    if (btnsize) btnsize->move(8 + gridWidth, y + (boxH - btnsize->height()) / 2);
    y += boxH + 4;
    chtsep->setGeometry(x0, y, rw, chartH);
    y += chartH + 2;
    GroupBox2->setGeometry(x0, y, rw, GroupBox2->sizeHint().height());
    layoutBottomRow(W, H);
    sizeColumns();
}

void IndicatorWindow::layoutBottomRow(int width, int height) {
    const int rowH = std::max(btnala->sizeHint().height(), com->sizeHint().height());
    const int y = height - 8 - rowH;
    int x = 8;
    const auto place = [&](QWidget *w, int gap) {
        const QSize s = w->sizeHint();
        w->setGeometry(x, y + (rowH - s.height()) / 2, s.width(), s.height());
        x += s.width() + gap;
    };
    if (compos) {
        place(Label2, 4);
        place(com, 16);
        place(Label1, 4);
        place(compos, 0);
    } else {
        place(Label1, 4);
        place(com, 0);
    }
    const int buttonW = std::max(75, btnala->sizeHint().width());
    btnshow->setGeometry(width - 8 - buttonW, y, buttonW, rowH);
    btnala->setGeometry(width - 16 - 2 * buttonW, y, buttonW, rowH);
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

IndicatorWindow *createIndicatorWindow(int tab, QWidget *parent) {
    switch (tab) {
    case 3:
        return new Tfrmdaxiao(parent);
    case 4:
        return new Tfrmjiou(parent);
    case 5:
        return new Tfrmhei(parent);
    case 6:
        return new Tfrmheiwei(parent);
    case 7:
        return new Tfrmkuadu(parent);
    case 8:
        return new Tfrmhuihuo(parent);
    case 9:
        return new Tfrmhuicai(parent);
    case 10:
        return new Tfrmlenrei(parent);
    case 11:
        return new Tfrmchusan(parent);
    case 12:
        return new Tfrmclz(parent);
    case 13:
        return new Tfrmfgz(parent);
    case 14:
        return new Tfrmjuli(parent);
    case 15:
        return new Tfrmcongma(parent);
    case 16:
        return new Tfrmzudaxiao(parent);
    case 17:
        return new Tfrmzujiou(parent);
    case 18:
        return new Tfrmzulenrei(parent);
    case 19:
        return new Tfrmzhusan(parent);
    default:
        return nullptr;
    }
}

} // namespace corvel
