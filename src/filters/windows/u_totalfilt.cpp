#include "filters/windows/u_totalfilt.h"

#include "core/u_public.h"
#include "core/usererror.h"
#include "planning/backtesttools.h"
#include "planning/windows/u_huice.h"
#include "store/appdir.h"
#include "store/textfile.h"
#include "ui/betorient.h"
#include "ui/buttons.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/gridmodel.h"
#include "ui/intedit.h"
#include "ui/qtext.h"
#include "ui/toolwindow.h"
#include "ui/windowplace.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel {

namespace {

constexpr int DefaultBackTestDraws = 100;
// A condition file is a few dozen short lines; anything this large is no condition file.
constexpr qint64 MaxConditionFileBytes = 1024 * 1024;

QString name(const char *prefix, int index) { return QString::fromLatin1(prefix) + QString::number(index); }

template <size_t N> void readBoxes(const std::vector<QCheckBox *> &boxes, std::array<bool, N> &out) {
    for (size_t i = 0; i < N && i < boxes.size(); ++i) out[i] = boxes[i]->isChecked();
}

template <size_t N> void writeBoxes(const std::array<bool, N> &in, const std::vector<QCheckBox *> &boxes) {
    for (size_t i = 0; i < N && i < boxes.size(); ++i) boxes[i]->setChecked(in[i]);
}

int checkedIndex(const QButtonGroup *group) { return std::max(0, group->checkedId()); }
void check(QButtonGroup *group, int index) {
    if (QAbstractButton *b = group->button(index)) b->setChecked(true);
}

const QString TileStyle = QStringLiteral("QPushButton:checked { background-color: rgb(255, 50, 50); }");

} // namespace

// ---- The back-test's view ---------------------------------------------------------------

BackTestView::BackTestView(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmyanzheng"));
    setWindowTitle(QStringLiteral("历史验证"));
    model_ = new ui::GridModel(this);
    grdyanzheng = ui::makeGrid(this, model_);
    grdyanzheng->setObjectName(QStringLiteral("grdyanzheng"));
    ui::keepColumnsFitted(grdyanzheng, 4);
    lblyanzheng = new QLabel(this);
    lblyanzheng->setObjectName(QStringLiteral("lblyanzheng"));
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblyanzheng, 1);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grdyanzheng, 1);
    layout->addLayout(buttons);
    resize(380, 520);
}

void BackTestView::showResult(const BackTestResult &result) {
    result_ = result;
    model_->setGrid(int(result_.rows.size()), {QStringLiteral("期号"), QStringLiteral("号码"), QStringLiteral("结果")},
                    [this](int row, int column) {
                        const BackTestRow &r = result_.rows[size_t(row)];
                        if (column == 0) return QString::number(r.issue);
                        if (column == 1) return q(numberText(r.number));
                        return r.kept ? QStringLiteral("保留") : QStringLiteral("淘汰");
                    });
    lblyanzheng->setText(q(backTestSummary(result_)));
    if (!result_.rows.empty()) grdyanzheng->scrollToBottom();
}

// ---- The window -------------------------------------------------------------------------

Tfrmtotalfilt::Tfrmtotalfilt(QWidget *parent) : QWidget(parent) {
    ui::makeToolWindow(this, QStringLiteral("frmtotalfilt"), QStringLiteral("总体过滤"), ui::TitleButtons::Minimize);

    const auto digits = [](int count, int width) {
        QStringList captions;
        for (int i = 0; i < count; ++i) captions << QStringLiteral("%1").arg(i, width, 10, QLatin1Char('0'));
        return captions;
    };
    const auto captions = [](const std::vector<std::string> &texts) {
        QStringList list;
        for (const std::string &text : texts) list << q(text);
        return list;
    };
    const QStringList residues = captions(residueCaptions()), bigSmall = captions(bigSmallCaptions()),
                      oddEven = captions(oddEvenCaptions());

    auto *left = new QVBoxLayout;
    left->addWidget(buildPositions());
    left->addWidget(buildBoxGroup(QStringLiteral("和值："), "chkhe", digits(28, 2), 10, chkhe, optds2, "optds2", 2));
    auto *row = new QHBoxLayout;
    row->addWidget(buildBoxGroup(QStringLiteral("跨度："), "chkka", digits(10, 1), 5, chkka, optds3, "optds3", 3));
    row->addWidget(buildBoxGroup(QStringLiteral("和尾："), "chkhw", digits(10, 1), 5, chkhw, optds6, "optds6", 6));
    left->addLayout(row);
    row = new QHBoxLayout;
    row->addWidget(buildBoxGroup(QStringLiteral("大小："), "chkdx", bigSmall, 4, chkdx, optds4, "optds4", 4));
    row->addWidget(buildBoxGroup(QStringLiteral("奇偶"), "chkjo", oddEven, 4, chkjo, optds5, "optds5", 5));
    left->addLayout(row);
    left->addWidget(buildBoxGroup(QStringLiteral("012路："), "chkxt", residues, 9, chkxt, optds8, "optds8", 8));
    left->addStretch(1);

    auto *right = new QVBoxLayout;
    right->addWidget(buildDanma());
    right->addWidget(buildTwoCodes());
    right->addWidget(buildTypeAndTolerance());
    right->addWidget(buildResult(), 1);
    right->addWidget(buildCommands());

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);
    FormCreate();
}

QButtonGroup *Tfrmtotalfilt::radioGroup(QWidget *parent, const char *groupName, const QStringList &items,
                                        QLayout *layout) {
    auto *group = new QButtonGroup(this);
    group->setObjectName(QString::fromLatin1(groupName));
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items[i], parent);
        radio->setObjectName(QString::fromLatin1(groupName) + QLatin1Char('_') + QString::number(i));
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    group->button(0)->setChecked(true);
    return group;
}

QWidget *Tfrmtotalfilt::buildPositions() {
    auto *box = new QGroupBox(QStringLiteral("定位："), this);
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(2);
    const char *const prefixes[3] = {"chkb", "chks", "chkg"};
    for (int p = 0; p < 3; ++p) {
        grid->addWidget(new QLabel(q(PositionNames[size_t(p + 1)]), box), p, 0);
        for (int d = 0; d < 10; ++d) {
            auto *tile = new QPushButton(QString::number(d), box);
            tile->setObjectName(name(prefixes[p], d));
            tile->setCheckable(true);
            tile->setAutoDefault(false);
            tile->setStyleSheet(TileStyle);
            tile->setFixedWidth(30);
            tiles[size_t(p)][size_t(d)] = tile;
            grid->addWidget(tile, p, d + 1);
        }
    }
    auto *bar = new QHBoxLayout;
    auto *all = ui::commandButton(box, QStringLiteral("btns1"), QStringLiteral("全"));
    auto *none = ui::commandButton(box, QStringLiteral("btnq1"), QStringLiteral("清"));
    const auto setAll = [this](bool on) {
        for (auto &row : tiles)
            for (QPushButton *tile : row) tile->setChecked(on);
    };
    connect(all, &QPushButton::clicked, this, [setAll] { setAll(true); });
    connect(none, &QPushButton::clicked, this, [setAll] { setAll(false); });
    bar->addWidget(all);
    bar->addWidget(none);
    optds1 = radioGroup(box, "optds1", {QStringLiteral("留"), QStringLiteral("删")}, bar);
    bar->addStretch(1);
    grid->addLayout(bar, 3, 0, 1, 11);
    return box;
}

QWidget *Tfrmtotalfilt::buildBoxGroup(const QString &title, const char *prefix, const QStringList &captions,
                                      int columns, std::vector<QCheckBox *> &boxes, QButtonGroup *&keep,
                                      const char *keepName, int groupIndex) {
    auto *box = new QGroupBox(title, this);
    auto *layout = new QVBoxLayout(box);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    for (int i = 0; i < captions.size(); ++i) {
        auto *check = new QCheckBox(captions[i], box);
        check->setObjectName(name(prefix, i));
        boxes.push_back(check);
        grid->addWidget(check, i / columns, i % columns);
    }
    layout->addLayout(grid);
    auto *bar = new QHBoxLayout;
    auto *all = ui::commandButton(box, QStringLiteral("btns"), QStringLiteral("全"));
    all->setObjectName(name("btns", groupIndex));
    auto *none = ui::commandButton(box, QStringLiteral("btnq"), QStringLiteral("清"));
    none->setObjectName(name("btnq", groupIndex));
    connect(all, &QPushButton::clicked, this, [&boxes] {
        for (QCheckBox *b : boxes) b->setChecked(true);
    });
    connect(none, &QPushButton::clicked, this, [&boxes] {
        for (QCheckBox *b : boxes) b->setChecked(false);
    });
    bar->addWidget(all);
    bar->addWidget(none);
    keep = radioGroup(box, keepName, {QStringLiteral("留"), QStringLiteral("删")}, bar);
    bar->addStretch(1);
    layout->addLayout(bar);
    return box;
}

QWidget *Tfrmtotalfilt::buildDanma() {
    auto *box = new QGroupBox(QStringLiteral("胆码："), this);
    auto *grid = new QGridLayout(box);
    for (int r = 0; r < 2; ++r) {
        auto *edit = new QLineEdit(box);
        edit->setObjectName(name("edtdan", r + 1));
        (r == 0 ? edtdan1 : edtdan2) = edit;
        grid->addWidget(edit, r, 0);
        grid->addWidget(new QLabel(QStringLiteral("中"), box), r, 1);
        for (int k = 0; k < 4; ++k) {
            auto *check = new QCheckBox(QString::number(k), box);
            check->setObjectName(name(r == 0 ? "chkz1" : "chkz2", k));
            chkz[size_t(r)][size_t(k)] = check;
            grid->addWidget(check, r, k + 2);
        }
    }
    auto *modes = new QHBoxLayout;
    opt7 = radioGroup(box, "opt7", {QStringLiteral("按号码"), QStringLiteral("按位置")}, modes);
    modes->addStretch(1);
    grid->addLayout(modes, 2, 0, 1, 6);
    return box;
}

QWidget *Tfrmtotalfilt::buildTwoCodes() {
    auto *box = new QGroupBox(this);
    auto *grid = new QGridLayout(box);
    const QStringList labels{QStringLiteral("百十二码"), QStringLiteral("十个二码"), QStringLiteral("百个二码"),
                             QStringLiteral("不定位二码")};
    for (int r = 0; r < 4; ++r) {
        grid->addWidget(new QLabel(labels[r], box), r, 0);
        edtreima[size_t(r)] = new QLineEdit(box);
        edtreima[size_t(r)]->setObjectName(name("edtreima", r + 1));
        grid->addWidget(edtreima[size_t(r)], r, 1);
        auto *mode = new QHBoxLayout;
        const QByteArray modeName = name("opt", r + 9).toLatin1();
        opttwo[size_t(r)] =
            radioGroup(box, modeName.constData(), {QStringLiteral("直选"), QStringLiteral("组选")}, mode);
        grid->addLayout(mode, r, 2);
        auto *keep = new QHBoxLayout;
        const QByteArray keepName = name("optds", r + 9).toLatin1();
        optdstwo[size_t(r)] = radioGroup(box, keepName.constData(), {QStringLiteral("留"), QStringLiteral("删")}, keep);
        grid->addLayout(keep, r, 3);
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget *Tfrmtotalfilt::buildTypeAndTolerance() {
    auto *panel = new QWidget(this);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    auto *types = new QGroupBox(panel);
    auto *typeRow = new QHBoxLayout(types);
    chkzhu6 = new QCheckBox(QStringLiteral("组六"), types);
    chkzhu6->setObjectName(QStringLiteral("chkzhu6"));
    chkzhu3 = new QCheckBox(QStringLiteral("组三"), types);
    chkzhu3->setObjectName(QStringLiteral("chkzhu3"));
    chkbao = new QCheckBox(QStringLiteral("豹子"), types);
    chkbao->setObjectName(QStringLiteral("chkbao"));
    for (QCheckBox *c : {chkzhu6, chkzhu3, chkbao}) typeRow->addWidget(c);
    row->addWidget(types);
    row->addWidget(new QLabel(QStringLiteral("容错"), panel));
    edtnum1 = new QLineEdit(panel);
    edtnum1->setObjectName(QStringLiteral("edtnum1"));
    edtnum1->setMaximumWidth(50);
    row->addWidget(edtnum1);
    row->addWidget(new QLabel(QStringLiteral("到"), panel));
    edtnum2 = new QLineEdit(panel);
    edtnum2->setObjectName(QStringLiteral("edtnum2"));
    edtnum2->setMaximumWidth(50);
    row->addWidget(edtnum2);
    row->addStretch(1);
    return panel;
}

QWidget *Tfrmtotalfilt::buildResult() {
    auto *panel = new QWidget(this);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    lblresult = new QLabel(panel);
    lblresult->setObjectName(QStringLiteral("lblresult"));
    memresult = new QPlainTextEdit(panel);
    memresult->setObjectName(QStringLiteral("memresult"));
    memresult->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memresult->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(lblresult);
    layout->addWidget(memresult, 1);
    ui::addBetIssueLabel(layout, lblresult);
    return panel;
}

QWidget *Tfrmtotalfilt::buildCommands() {
    auto *panel = new QWidget(this);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    btnfilt = ui::commandButton(panel, QStringLiteral("btnfilt"), QStringLiteral("过滤"));
    btnfilt->setDefault(true);
    btnsave = ui::commandButton(panel, QStringLiteral("btnsave"), QStringLiteral("保存"));
    btnload = ui::commandButton(panel, QStringLiteral("btnload"), QStringLiteral("载入"));
    btncls = ui::commandButton(panel, QStringLiteral("btncls"), QStringLiteral("清空"));
    btncopy = ui::commandButton(panel, QStringLiteral("btncopy"), QStringLiteral("复制"));
    btnzhuan = ui::commandButton(panel, QStringLiteral("btnzhuan"), QStringLiteral("直转组"));
    btnclose = ui::commandButton(panel, QStringLiteral("btnclose"), QStringLiteral("关闭"));
    btnsavetiaojian = ui::commandButton(panel, QStringLiteral("btnsavetiaojian"), QStringLiteral("保存条件"));
    btnloadtiaojian = ui::commandButton(panel, QStringLiteral("btnloadtiaojian"), QStringLiteral("载入条件"));
    btnyanzheng = ui::commandButton(panel, QStringLiteral("btnyanzheng"), QStringLiteral("历史验证"));
    // The list "过滤" gives now (restricted to a loaded list, as groups after "直转组"): it
    // does not depend on the history, so every tested draw is bet with the same list.
    btnhuice = backtestButton(this, [this]() -> std::optional<BacktestTool> {
        DirectNumberTable numbers = DirectNumbers; // the window's working columns stay as they are
        const std::vector<int> kept = runTotalFilter(numbers, settings(), loadedList_);
        ToolList list;
        if (grouped_) {
            list = {directToGroup(resultText(kept)), ListForm::Group};
        } else {
            for (const int n : kept) list.numbers.push_back(numberFromValue(n));
        }
        return BacktestTool{QStringLiteral("总体过滤"), {}, [list](const auto &) { return fixedListTool(list); }};
    });
    btnsend = ui::sendButton(this, memresult, [this] {
        return ui::SentList{windowTitle(), ui::boxNumbers(memresult), {}};
    });
    edtyanzheng = new QLineEdit(panel);
    edtyanzheng->setObjectName(QStringLiteral("edtyanzheng"));
    edtyanzheng->setMaximumWidth(60);
    edtyanzheng->setToolTip(QStringLiteral("验证最近多少期"));

    grid->addWidget(btnfilt, 0, 0);
    grid->addWidget(btnsave, 0, 1);
    grid->addWidget(btnload, 0, 2);
    grid->addWidget(btncls, 0, 3);
    grid->addWidget(btncopy, 1, 0);
    grid->addWidget(btnzhuan, 1, 1);
    grid->addWidget(btnsavetiaojian, 1, 2);
    grid->addWidget(btnloadtiaojian, 1, 3);
    auto *verify = new QHBoxLayout;
    verify->addWidget(new QLabel(QStringLiteral("最近"), panel));
    verify->addWidget(edtyanzheng);
    verify->addWidget(new QLabel(QStringLiteral("期"), panel));
    grid->addLayout(verify, 2, 0, 1, 2);
    grid->addWidget(btnyanzheng, 2, 2);
    grid->addWidget(btnclose, 2, 3);
    grid->addWidget(btnhuice, 3, 2);
    grid->addWidget(btnsend, 3, 3);

    connect(btnfilt, &QPushButton::clicked, this, &Tfrmtotalfilt::btnfiltClick);
    connect(btnsave, &QPushButton::clicked, this, &Tfrmtotalfilt::btnsaveClick);
    connect(btnload, &QPushButton::clicked, this, &Tfrmtotalfilt::btnloadClick);
    connect(btncls, &QPushButton::clicked, this, &Tfrmtotalfilt::btnclsClick);
    connect(btncopy, &QPushButton::clicked, this, &Tfrmtotalfilt::btncopyClick);
    connect(btnzhuan, &QPushButton::clicked, this, &Tfrmtotalfilt::btnzhuanClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmtotalfilt::btncloseClick);
    connect(btnsavetiaojian, &QPushButton::clicked, this, &Tfrmtotalfilt::btnsavetiaojianClick);
    connect(btnloadtiaojian, &QPushButton::clicked, this, &Tfrmtotalfilt::btnloadtiaojianClick);
    connect(btnyanzheng, &QPushButton::clicked, this, &Tfrmtotalfilt::btnyanzhengClick);
    return panel;
}

void Tfrmtotalfilt::FormCreate() {
    loadedList_ = false;
    applySettings(TotalFilterSettings{});
    edtyanzheng->setText(QString::number(DefaultBackTestDraws));
    lblresult->setText(q(resultLabel()));
    memresult->clear();
}

TotalFilterSettings Tfrmtotalfilt::settings() const {
    TotalFilterSettings st;
    for (size_t p = 0; p < 3; ++p)
        for (size_t d = 0; d < 10; ++d) st.tiles[p][d] = tiles[p][d]->isChecked();
    st.positionKeep = checkedIndex(optds1);
    readBoxes(chkhe, st.sums);
    st.sumKeep = checkedIndex(optds2);
    readBoxes(chkka, st.spans);
    st.spanKeep = checkedIndex(optds3);
    readBoxes(chkdx, st.bigSmall);
    st.bigSmallKeep = checkedIndex(optds4);
    readBoxes(chkjo, st.oddEven);
    st.oddEvenKeep = checkedIndex(optds5);
    readBoxes(chkhw, st.sumTails);
    st.sumTailKeep = checkedIndex(optds6);
    st.danma = {s(edtdan1->text()), s(edtdan2->text())};
    for (size_t r = 0; r < 2; ++r)
        for (size_t k = 0; k < 4; ++k) st.danmaHits[r][k] = chkz[r][k]->isChecked();
    st.danmaMode = checkedIndex(opt7);
    readBoxes(chkxt, st.residues);
    st.residueKeep = checkedIndex(optds8);
    for (size_t r = 0; r < 4; ++r) {
        st.twoCodes[r] = s(edtreima[r]->text());
        st.twoCodeMode[r] = checkedIndex(opttwo[r]);
        st.twoCodeKeep[r] = checkedIndex(optdstwo[r]);
    }
    st.group6 = chkzhu6->isChecked();
    st.group3 = chkzhu3->isChecked();
    st.leopard = chkbao->isChecked();
    st.lowText = s(edtnum1->text());
    st.highText = s(edtnum2->text());
    return st;
}

void Tfrmtotalfilt::applySettings(const TotalFilterSettings &st) {
    for (size_t p = 0; p < 3; ++p)
        for (size_t d = 0; d < 10; ++d) tiles[p][d]->setChecked(st.tiles[p][d]);
    check(optds1, st.positionKeep);
    writeBoxes(st.sums, chkhe);
    check(optds2, st.sumKeep);
    writeBoxes(st.spans, chkka);
    check(optds3, st.spanKeep);
    writeBoxes(st.bigSmall, chkdx);
    check(optds4, st.bigSmallKeep);
    writeBoxes(st.oddEven, chkjo);
    check(optds5, st.oddEvenKeep);
    writeBoxes(st.sumTails, chkhw);
    check(optds6, st.sumTailKeep);
    edtdan1->setText(q(st.danma[0]));
    edtdan2->setText(q(st.danma[1]));
    for (size_t r = 0; r < 2; ++r)
        for (size_t k = 0; k < 4; ++k) chkz[r][k]->setChecked(st.danmaHits[r][k]);
    check(opt7, st.danmaMode);
    writeBoxes(st.residues, chkxt);
    check(optds8, st.residueKeep);
    for (size_t r = 0; r < 4; ++r) {
        edtreima[r]->setText(q(st.twoCodes[r]));
        check(opttwo[r], st.twoCodeMode[r]);
        check(optdstwo[r], st.twoCodeKeep[r]);
    }
    chkzhu6->setChecked(st.group6);
    chkzhu3->setChecked(st.group3);
    chkbao->setChecked(st.leopard);
    edtnum1->setText(q(st.lowText));
    edtnum2->setText(q(st.highText));
}

void Tfrmtotalfilt::setResult(const QString &text, const QString &label) {
    memresult->setPlainText(text);
    lblresult->setText(label);
}

void Tfrmtotalfilt::btnfiltClick() {
    ui::runCommand(this, [this] {
        const ui::BusyCursor busy;
        const std::vector<int> kept = runTotalFilter(DirectNumbers, settings(), loadedList_);
        setResult(q(resultText(kept)), ui::withBetCost(q(resultLabel(kept.size())), std::ssize(kept)));
        btncopyClick();
        loadedList_ = false;
        grouped_ = false;
    });
}

void Tfrmtotalfilt::btnsaveClick() {
    const QString path = ui::getSaveFileName(this, ShellFolderPath(QStringLiteral("Desktop")));
    if (path.isEmpty()) return;
    ui::runCommand(this, [&] {
        QStringList lines;
        for (const QString &line : memresult->toPlainText().split(QLatin1Char('\n'))) lines << line + QLatin1Char(' ');
        writeTextLines(path, lines);
        ui::showInformation(this, QStringLiteral("成功保存！"));
    });
}

void Tfrmtotalfilt::btnloadClick() {
    const QString path = ui::getOpenFileName(this, ShellFolderPath(QStringLiteral("Desktop")));
    if (path.isEmpty()) return;
    ui::runCommand(this, [&] {
        if (QFileInfo(path).size() > MaxListFileBytes) throw UserError(listFileTooLargeMessage());
        loadLines(toStdLines(readTextLines(path)));
    });
}

void Tfrmtotalfilt::loadLines(const std::vector<std::string> &lines, const QString &origin) {
    const std::vector<int> loaded = readLoadedList(lines);
    markLoaded(DirectNumbers, loaded);
    const QString label = ui::withBetCost(q(resultLabel(loaded.size())), std::ssize(loaded));
    setResult(q(resultText(loaded)),
              origin.isEmpty() ? label : label + QStringLiteral("（") + origin + QStringLiteral("）"));
    btncopyClick();
    loadedList_ = true;
    grouped_ = false;
}

// The list is read as "载入" reads the plain list its sender's "保存" would write; a list
// whose file has a heading is taken without it (the file itself "载入" refuses).
void Tfrmtotalfilt::receiveList(const ui::SentList &list) {
    loadLines(writePlainList(list.numbers), QStringLiteral("收到") + list.description());
}

void Tfrmtotalfilt::btnclsClick() {
    clearLoaded(DirectNumbers);
    applySettings(TotalFilterSettings{});
    setResult(QString(), q(resultLabel()));
    loadedList_ = false;
    grouped_ = false;
}

void Tfrmtotalfilt::btncopyClick() { ui::setClipboardText(memresult->toPlainText()); }

void Tfrmtotalfilt::btnzhuanClick() {
    ui::runCommand(this, [this] {
        const NumberList groups = directToGroup(s(memresult->toPlainText().remove(QLatin1Char('\n'))));
        std::string text;
        for (const Number &n : groups) text += numberText(n) + ' ';
        setResult(q(text), ui::withBetCost(q(resultLabel(groups.size())), std::ssize(groups)));
        grouped_ = true;
    });
}

void Tfrmtotalfilt::btncloseClick() { close(); }

void Tfrmtotalfilt::btnsavetiaojianClick() {
    const QString path = ui::getSaveFileName(this, attachmentDir() + QStringLiteral("总体过滤条件.txt"));
    if (path.isEmpty()) return;
    ui::runCommand(this, [&] {
        writeFileBytes(path, QByteArray::fromStdString(writeTotalFilterConditions(settings())));
        ui::showInformation(this, QStringLiteral("成功保存！"));
    });
}

void Tfrmtotalfilt::btnloadtiaojianClick() {
    const QString path = ui::getOpenFileName(this, attachmentDir());
    if (path.isEmpty()) return;
    ui::runCommand(this, [&] {
        if (QFileInfo(path).size() > MaxConditionFileBytes) throw UserError("文件过大，不是条件文件！");
        applySettings(readTotalFilterConditions(readUnicodeText(path)));
    });
}

void Tfrmtotalfilt::btnyanzhengClick() {
    ui::runCommand(this, [this] {
        const int draws = ui::readInt(edtyanzheng);
        if (DrawHistory.empty()) throw UserError("当前彩票没有开奖数据！");
        const BackTestResult result = backTest(DrawHistory, settings(), draws);
        if (!backTestView) backTestView = new BackTestView(this);
        backTestView->showResult(result);
        backTestView->show();
        backTestView->raise();
    });
}

void Tfrmtotalfilt::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (centred_) return;
    centred_ = true;
    ui::centreOver(this, nullptr);
}

} // namespace corvel
