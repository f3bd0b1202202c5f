#include "maintenance/windows/u_data.h"

#include "core/drawparse.h"
#include "store/appdir.h"
#include "store/backup.h"
#include "store/catalogue.h"
#include "store/database.h"
#include "store/drawio.h"
#include "store/drawtable.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/gridcommands.h"
#include "ui/toolwindow.h"

#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSqlError>
#include <QSqlRecord>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <climits>

namespace corvel {

namespace {

const QString IssueField = QStringLiteral("记录期号");
const QString DateField = QStringLiteral("开奖日期");

} // namespace

std::vector<int> dataColumnWidths(int clientWidth, int charWidth, int columns) {
    if (columns <= 0) return {};
    charWidth = std::max(1, charWidth);
    const int chars = std::max(1, ((clientWidth - 40) / charWidth) / columns);
    std::vector<int> widths(size_t(columns), chars * charWidth + 4);
    widths[0] = 70;
    return widths;
}

// ---- DrawTableModel ----

DrawTableModel::DrawTableModel(QObject *parent, const QSqlDatabase &db) : QSqlTableModel(parent, db) {
    setEditStrategy(OnManualSubmit);
}

bool DrawTableModel::updateRowInTable(int row, const QSqlRecord &values) {
    QSqlDatabase db = database();
    const QSqlError error = updateDrawRow(db, tableName(), primaryValues(row), values);
    if (error.type() == QSqlError::NoError) return true;
    setLastError(error);
    return false;
}

bool DrawTableModel::deleteRowFromTable(int row) {
    QSqlDatabase db = database();
    const QSqlError error = deleteDrawRow(db, tableName(), primaryValues(row));
    if (error.type() == QSqlError::NoError) return true;
    setLastError(error);
    return false;
}

// ---- Tfrmdata ----

Tfrmdata::Tfrmdata(QWidget *parent) : QDialog(parent) {
    setObjectName("frmdata");
    setWindowTitle(QStringLiteral("彩票数据"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    FormCreate();
}

Tfrmdata::~Tfrmdata() {
    // FormClose: the dataset goes before its connection.
    grdcaipiao->setModel(nullptr);
    delete rst;
    rst = nullptr;
    con.reset();
}

void Tfrmdata::FormCreate() {
    lstcaipiao = new QListWidget(this);
    lstcaipiao->setObjectName("lstcaipiao");
    lstcaipiao->setFixedWidth(150);
    grdcaipiao = new QTableView(this);
    grdcaipiao->setObjectName("grdcaipiao");
    grdcaipiao->setSelectionMode(QAbstractItemView::SingleSelection);
    grdcaipiao->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdcaipiao->setTabKeyNavigation(false); // Tab leaves the grid for the buttons
    grdcaipiao->verticalHeader()->setDefaultSectionSize(grdcaipiao->fontMetrics().height() + 6);
    delegate_ = new ui::TextCellDelegate(grdcaipiao);
    grdcaipiao->setItemDelegate(delegate_);
    grdcaipiao->viewport()->installEventFilter(this);
    ui::addGridCommands(grdcaipiao);
    dbv_caipiao = new ui::DbNavigator(this);
    dbv_caipiao->setObjectName("dbv_caipiao");
    dbv_caipiao->setEnabled(false);
    // "+" lies over the navigator's own 添加 button: it appends after the last draw.
    btnadd = new QPushButton(QStringLiteral("+"), this);
    btnadd->setObjectName("btnadd");
    btnadd->setToolTip(QStringLiteral("添加记录"));
    btnadd->setEnabled(false);
    dbv_caipiao->cover(ui::DbNavigator::Insert, btnadd);
    btnedit = new QPushButton(QStringLiteral("开始添加(&A)"), this);
    btnedit->setEnabled(false);
    btnsave = new QPushButton(QStringLiteral("保存开奖(&S)"), this);
    Button1 = new QPushButton(QStringLiteral("导入开奖(&I)"), this);
    btncheck = new QPushButton(QStringLiteral("数据检查(&K)"), this);
    btncheck->setObjectName("btncheck");
    btnext = new QPushButton(QStringLiteral("关闭(&C)"), this);
    for (QPushButton *b : {btnedit, btnsave, Button1, btncheck, btnext}) b->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {btnedit, btnsave, Button1, btncheck, btnext}) buttons->addWidget(b);
    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("选择彩票："), this), 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("彩票数据："), this), 0, 1);
    layout->addWidget(lstcaipiao, 1, 0, 2, 1);
    layout->addWidget(grdcaipiao, 1, 1);
    layout->addWidget(dbv_caipiao, 2, 1);
    layout->addLayout(buttons, 3, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
    setMinimumSize(560, 360);
    resize(780, 540);
    setSizeGripEnabled(true);

    connect(lstcaipiao, &QListWidget::currentRowChanged, this, [this] { lstcaipiaoClick(); });
    connect(btnedit, &QPushButton::clicked, this, &Tfrmdata::btneditClick);
    connect(btnadd, &QPushButton::clicked, this, &Tfrmdata::btnaddClick);
    connect(btnsave, &QPushButton::clicked, this, &Tfrmdata::btnsaveClick);
    connect(Button1, &QPushButton::clicked, this, &Tfrmdata::Button1Click);
    connect(btncheck, &QPushButton::clicked, this, &Tfrmdata::btncheckClick);
    connect(btnext, &QPushButton::clicked, this, &QDialog::close);
    // Escape closes the window as its title bar does: not while an addition is under way.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QDialog::close);
    connect(dbv_caipiao, &ui::DbNavigator::clicked, this, &Tfrmdata::dbv_caipiaoClick);

    ui::runCommand(this, [this] {
        con = std::make_unique<Connection>(databasePath());
        lstcaipiao->addItems(listLotteries(databasePath()));
    });
}

bool Tfrmdata::eventFilter(QObject *watched, QEvent *event) {
    if (watched == grdcaipiao->viewport() && event->type() == QEvent::Resize) fitColumns();
    return QDialog::eventFilter(watched, event);
}

void Tfrmdata::fitColumns() {
    if (!rst) return;
    const std::vector<int> widths =
        dataColumnWidths(grdcaipiao->viewport()->width(), grdcaipiao->fontMetrics().horizontalAdvance(QLatin1Char('0')),
                         rst->columnCount());
    const QFontMetrics header = grdcaipiao->horizontalHeader()->fontMetrics();
    for (size_t c = 0; c < widths.size(); ++c) {
        // A heading is never cut off; the issue column keeps its fixed width.
        const int heading = header.horizontalAdvance(rst->headerData(int(c), Qt::Horizontal).toString()) + 16;
        grdcaipiao->setColumnWidth(int(c), c == 0 ? widths[c] : std::max(widths[c], heading));
    }
}

int Tfrmdata::issueColumn() const { return rst ? rst->fieldIndex(IssueField) : -1; }
int Tfrmdata::dateColumn() const { return rst ? rst->fieldIndex(DateField) : -1; }

std::vector<int> Tfrmdata::digitColumns() const {
    std::vector<int> columns;
    if (!rst) return columns;
    const QSqlRecord record = rst->record();
    for (int c = 0; c < record.count(); ++c) {
        bool numeric = false;
        record.fieldName(c).toInt(&numeric);
        if (numeric) columns.push_back(c);
    }
    return columns;
}

QString Tfrmdata::cellText(int row, int column) const {
    if (column < 0) return {};
    const QVariant v = rst->data(rst->index(row, column), Qt::EditRole);
    return v.isNull() ? QString() : v.toString();
}

void Tfrmdata::setCurrent(int row, int column) {
    if (!rst || rst->rowCount() == 0) return;
    const QModelIndex index = rst->index(std::clamp(row, 0, rst->rowCount() - 1), std::max(0, column));
    const bool was = repositioning_;
    repositioning_ = true;
    grdcaipiao->setCurrentIndex(index);
    grdcaipiao->scrollTo(index);
    repositioning_ = was;
}

void Tfrmdata::fetchAll() {
    while (rst->canFetchMore()) rst->fetchMore();
}

void Tfrmdata::replaceModel(DrawTableModel *model) {
    QItemSelectionModel *oldSelection = grdcaipiao->selectionModel();
    grdcaipiao->setModel(model);
    delete oldSelection;
    delete rst;
    rst = model;
    lottery_.clear();
    newRow_.reset();
}

void Tfrmdata::lstcaipiaoClick() {
    QListWidgetItem *item = lstcaipiao->currentItem();
    if (!item || !con) return;
    const QString name = item->text();
    auto *model = new DrawTableModel(this, con->db());
    model->setTable(validLotteryName(name) ? drawTableName(name) : QString());
    const int issue = model->fieldIndex(IssueField);
    if (issue >= 0) model->setSort(issue, Qt::AscendingOrder);
    if (issue < 0 || !model->select()) {
        const QString detail = model->lastError().text();
        delete model;
        // The table shown before is put away, so export and import never act on a lottery
        // other than the one selected.
        replaceModel(nullptr);
        btnedit->setEnabled(false);
        ui::showError(this, databaseMessage(QStringLiteral("无法打开%1的开奖号码表").arg(name), detail));
        return;
    }
    replaceModel(model);
    lottery_ = name;
    connect(grdcaipiao->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &Tfrmdata::currentRowChanged);
    connect(rst, &QAbstractItemModel::dataChanged, this, &Tfrmdata::updateNavigator);
    connect(rst, &QAbstractItemModel::rowsInserted, this, &Tfrmdata::updateNavigator);
    connect(rst, &QAbstractItemModel::rowsRemoved, this, &Tfrmdata::updateNavigator);
    connect(rst, &QAbstractItemModel::modelReset, this, &Tfrmdata::updateNavigator);
    fetchAll();
    setCurrent(rst->rowCount() - 1, 0); // the newest draw
    fitColumns();
    btnedit->setEnabled(true);
    updateNavigator();
}

void Tfrmdata::setEditing(bool on) {
    editing_ = on;
    grdcaipiao->setEditTriggers(on ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                         QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked
                                   : QAbstractItemView::NoEditTriggers);
    btnext->setEnabled(!on);
    dbv_caipiao->setEnabled(on);
    btnadd->setEnabled(on);
    // Another lottery is chosen only with nothing pending.
    lstcaipiao->setEnabled(!on);
    btnedit->setText(on ? QStringLiteral("完成添加(&A)") : QStringLiteral("开始添加(&A)"));
    updateNavigator();
}

void Tfrmdata::btneditClick() {
    if (!rst) return;
    if (!editing_) {
        setEditing(true);
        grdcaipiao->setFocus();
        return;
    }
    if (post()) setEditing(false); // a refused row keeps the window in edit mode
}

void Tfrmdata::updateNavigator() {
    if (!rst) return;
    const int row = grdcaipiao->currentIndex().row(), count = rst->rowCount();
    const bool dirty = rst->isDirty();
    auto enable = [this](ui::DbNavigator::Button b, bool on) { dbv_caipiao->button(b)->setEnabled(on); };
    enable(ui::DbNavigator::First, row > 0);
    enable(ui::DbNavigator::Prior, row > 0);
    enable(ui::DbNavigator::Next, row >= 0 && row < count - 1);
    enable(ui::DbNavigator::Last, row >= 0 && row < count - 1);
    enable(ui::DbNavigator::Insert, true);
    enable(ui::DbNavigator::Delete, row >= 0);
    enable(ui::DbNavigator::Edit, row >= 0);
    enable(ui::DbNavigator::Post, dirty);
    enable(ui::DbNavigator::Cancel, dirty);
    enable(ui::DbNavigator::Refresh, true);
}

void Tfrmdata::currentRowChanged(const QModelIndex &current, const QModelIndex &previous) {
    updateNavigator();
    if (repositioning_ || !editing_ || !rst->isDirty() || !previous.isValid() || current.row() == previous.row())
        return;
    // Leaving a changed row stores it; a refused row takes the cursor back.
    QTimer::singleShot(0, this, [this] {
        if (rst && rst->isDirty() && firstDirtyRow() != grdcaipiao->currentIndex().row()) post();
    });
}

int Tfrmdata::firstDirtyRow() const {
    auto dirty = [this](int row) {
        for (int c = 0; c < rst->columnCount(); ++c)
            if (rst->isDirty(rst->index(row, c))) return true;
        return false;
    };
    // The changed row is nearly always the current one.
    const int current = grdcaipiao->currentIndex().row();
    if (current >= 0 && dirty(current)) return current;
    for (int r = 0; r < rst->rowCount(); ++r)
        if (r != current && dirty(r)) return r;
    return -1;
}

bool Tfrmdata::rowIsEmpty(int row) const {
    for (int c = 0; c < rst->columnCount(); ++c)
        if (!cellText(row, c).trimmed().isEmpty()) return false;
    return true;
}

bool Tfrmdata::checkRow(int row) {
    const std::vector<int> digits = digitColumns();
    TypedDrawRow typed;
    typed.issue = cellText(row, issueColumn()).toStdString();
    for (int c : digits) typed.digits.push_back(cellText(row, c).toStdString());
    typed.date = cellText(row, dateColumn()).toStdString();
    if (const auto problem = typedRowProblem(typed)) {
        const int column = problem->column == 0                    ? issueColumn()
                           : problem->column <= int(digits.size()) ? digits[size_t(problem->column - 1)]
                                                                   : dateColumn();
        ui::showError(this, QString::fromStdString(problem->message));
        setCurrent(row, column);
        return false;
    }
    // Typed texts become the values the columns hold.
    auto typedText = [this, row](int column) {
        return column >= 0 && rst->data(rst->index(row, column), Qt::EditRole).typeId() == QMetaType::QString;
    };
    if (typedText(issueColumn())) rst->setData(rst->index(row, issueColumn()), cellText(row, issueColumn()).trimmed());
    for (int c : digits) {
        if (!typedText(c)) continue;
        const QString text = cellText(row, c).trimmed();
        rst->setData(rst->index(row, c), text.isEmpty() ? QVariant() : QVariant(text.toInt()));
    }
    if (typedText(dateColumn())) rst->setData(rst->index(row, dateColumn()), cellText(row, dateColumn()).trimmed());
    return true;
}

bool Tfrmdata::post() {
    delegate_->finishEditing();
    if (!rst || !rst->isDirty()) return true;
    // A new row nobody typed into is dropped, not refused.
    if (newRow_ && *newRow_ < rst->rowCount() && rowIsEmpty(*newRow_)) {
        const int row = *newRow_;
        newRow_.reset();
        rst->revertRow(row);
        setCurrent(row, grdcaipiao->currentIndex().column());
        if (!rst->isDirty()) return true;
    }
    const int row = firstDirtyRow();
    if (row < 0 || !checkRow(row)) return false;
    finishPost(row);
    return true;
}

void Tfrmdata::finishPost(int row) {
    const QModelIndex current = grdcaipiao->currentIndex();
    const int keepRow = current.isValid() ? current.row() : row;
    const QString keepIssue = cellText(keepRow, issueColumn());
    if (!ui::runCommand(this, [this] { submitDrawChanges(con->db(), *rst); })) {
        setCurrent(row, current.column());
        return;
    }
    newRow_.reset();
    reselect(keepIssue, keepRow);
}

void Tfrmdata::reselect(const QString &issue, int fallback) {
    const int column = std::max(0, grdcaipiao->currentIndex().column());
    repositioning_ = true;
    rst->select();
    fetchAll();
    int row = fallback;
    if (!issue.isEmpty())
        for (int r = 0; r < rst->rowCount(); ++r)
            if (cellText(r, issueColumn()) == issue) {
                row = r;
                break;
            }
    setCurrent(row, column);
    repositioning_ = false;
    updateNavigator();
}

void Tfrmdata::appendRow(int row) {
    if (!rst || !post()) return;
    row = std::clamp(row, 0, rst->rowCount());
    repositioning_ = true;
    const bool inserted = rst->insertRow(row);
    repositioning_ = false;
    if (!inserted) {
        ui::showError(this, databaseMessage(QStringLiteral("无法添加记录"), rst->lastError().text()));
        return;
    }
    newRow_ = row;
    setCurrent(row, issueColumn());
    grdcaipiao->setFocus();
    grdcaipiao->edit(grdcaipiao->currentIndex());
    updateNavigator();
}

void Tfrmdata::btnaddClick() {
    if (!rst) return;
    if (!post()) return; // the row being typed is stored first
    appendRow(rst->rowCount());
}

void Tfrmdata::deleteCurrentRow() {
    const QModelIndex current = grdcaipiao->currentIndex();
    if (!rst || !current.isValid()) return;
    delegate_->finishEditing();
    const int row = current.row();
    if (newRow_ && *newRow_ == row) {
        newRow_.reset();
        rst->revertRow(row);
        setCurrent(row, current.column());
        return;
    }
    const int neighbour = row + 1 < rst->rowCount() ? row + 1 : row - 1;
    const QString keepIssue = neighbour >= 0 ? cellText(neighbour, issueColumn()) : QString();
    rst->revertAll(); // changes typed into the row go with it
    newRow_.reset();
    rst->removeRow(row);
    if (!ui::runCommand(this, [this] { submitDrawChanges(con->db(), *rst); })) rst->revertAll();
    reselect(keepIssue, row);
}

void Tfrmdata::dbv_caipiaoClick(int button) {
    if (!rst || !editing_) return;
    const QModelIndex current = grdcaipiao->currentIndex();
    const int row = current.isValid() ? current.row() : 0, column = std::max(0, current.column());
    switch (button) {
    case ui::DbNavigator::First:
        grdcaipiao->setCurrentIndex(rst->index(0, column));
        break;
    case ui::DbNavigator::Prior:
        grdcaipiao->setCurrentIndex(rst->index(std::max(0, row - 1), column));
        break;
    case ui::DbNavigator::Next:
        grdcaipiao->setCurrentIndex(rst->index(std::min(rst->rowCount() - 1, row + 1), column));
        break;
    case ui::DbNavigator::Last:
        grdcaipiao->setCurrentIndex(rst->index(rst->rowCount() - 1, column));
        break;
    case ui::DbNavigator::Insert:
        appendRow(row);
        break;
    case ui::DbNavigator::Delete:
        deleteCurrentRow();
        break;
    case ui::DbNavigator::Edit:
        if (current.isValid()) grdcaipiao->edit(current);
        break;
    case ui::DbNavigator::Post:
        post();
        break;
    case ui::DbNavigator::Cancel:
        delegate_->finishEditing();
        rst->revertAll();
        newRow_.reset();
        setCurrent(row, column);
        break;
    case ui::DbNavigator::Refresh:
        if (post()) reselect(cellText(grdcaipiao->currentIndex().row(), issueColumn()), row);
        break;
    }
    grdcaipiao->scrollTo(grdcaipiao->currentIndex());
    updateNavigator();
}

void Tfrmdata::btnsaveClick() {
    if (!rst || lottery_.isEmpty()) {
        ui::showError(this, QStringLiteral("请选择要导出的彩票！"));
        return;
    }
    if (!post()) return;
    const QString path = ui::getSaveFileName(this, defaultHistoryFile(lottery_));
    if (path.isEmpty()) return;
    if (!ui::runCommand(this, [&] { exportHistory(con->db(), lottery_, path); })) return;
    ui::showInformation(this, QStringLiteral("成功保存！"));
}

void Tfrmdata::Button1Click() {
    if (!rst || lottery_.isEmpty()) {
        ui::showError(this, QStringLiteral("请选择要导入的彩票！"));
        return;
    }
    if (!post()) return;
    const QString path = ui::getOpenFileName(this, ShellFolderPath(QStringLiteral("Desktop")));
    if (path.isEmpty()) return;
    std::vector<ParsedDraw> draws;
    int stored = 0;
    if (!ui::runCommand(this, [&] {
            draws = readHistoryImport(path);
            stored = drawTableCount(con->db(), lottery_);
        }))
        return;
    const QString question = QStringLiteral("“%1”的开奖号码表现有%2期开奖号码，导入将用文件 %3 中的%4期全部替换。\n\n%5"
                                            "\n\n确定要替换吗？")
                                 .arg(lottery_)
                                 .arg(stored)
                                 .arg(QFileInfo(path).fileName())
                                 .arg(draws.size())
                                 .arg(safetyCopyNote(databasePath()));
    if (!ui::askYesNo(this, question, QStringLiteral("确认导入"))) return;
    const bool imported = ui::runCommand(this, [&] {
        const ui::BusyCursor wait;
        importDraws(con->db(), lottery_, draws);
        newRow_.reset();
        reselect(QString(), INT_MAX); // the newest draw
    });
    if (!imported) return;
    // The imported draws are checked as they now stand in the table.
    DrawCheck check;
    if (!ui::runCommand(this, [&] { check = checkDrawTable(con->db(), lottery_); })) return;
    const QString text =
        QStringLiteral("成功导入！\n\n数据检查：%1").arg(QString::fromStdString(drawCheckSummary(check, 10)));
    if (check.findings.empty())
        ui::showInformation(this, text);
    else
        ui::showWarning(this, text);
}

void Tfrmdata::btncheckClick() {
    if (!rst || lottery_.isEmpty()) {
        ui::showError(this, QStringLiteral("请选择要检查的彩票！"));
        return;
    }
    if (!post()) return;
    DrawCheck check;
    if (!ui::runCommand(this, [&] {
            const ui::BusyCursor wait;
            check = checkDrawTable(con->db(), lottery_);
        }))
        return;
    const QString text =
        QStringLiteral("“%1”的数据检查：%2").arg(lottery_, QString::fromStdString(drawCheckSummary(check)));
    if (check.findings.empty())
        ui::showInformation(this, text, QStringLiteral("数据检查"));
    else
        ui::showWarning(this, text, QStringLiteral("数据检查"));
}

void Tfrmdata::reject() {
    if (editing_) {
        ui::showWarning(this, QStringLiteral("请单击《完成添加》按钮保存添加"));
        return;
    }
    QDialog::reject();
}

} // namespace corvel
