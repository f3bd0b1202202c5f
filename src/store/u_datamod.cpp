#include "store/u_datamod.h"

#include "core/u_public.h"
#include "core/usererror.h"
#include "store/appdir.h"
#include "store/database.h"
#include "store/drawtable.h"

namespace corvel {

Tdatamod *Tdatamod::instance_ = nullptr;

Tdatamod::Tdatamod(QObject *parent) : QObject(parent) {
    t_con = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("t_con"));
    instance_ = this;
}

Tdatamod::~Tdatamod() {
    closeConnection();
    t_con = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("t_con"));
    if (instance_ == this) instance_ = nullptr;
}

void Tdatamod::closeConnection() {
    if (t_con.isOpen()) t_con.close();
}

Tdatamod *Tdatamod::instance() { return instance_; }

HistoryEvents *historyEvents() {
    static HistoryEvents events;
    return &events;
}

void LoadLottery() {
    Tdatamod *dm = Tdatamod::instance();
    if (!dm) throw UserError("数据模块未创建");
    const std::string refusal = profileRefusal(LotteryKind, NumberRange, PickCount);
    if (!refusal.empty()) throw UserError(refusal);
    const QString name = QString::fromStdString(LotteryName);
    requireValidLotteryName(name);

    dm->closeConnection();
    openDatabaseFile(dm->t_con, databasePath());
    trimDrawTable(dm->t_con, name, MaxDraws);
    RawDrawTable table = readDrawTable(dm->t_con, name);
    // A table with fewer digit columns than the window choice reaches (a 时时彩 table kept
    // with three digits a draw): the analysed window is the table's last three columns.
    if (table.columnCount >= 3 && table.columnCount < PositionStart + 2) PositionStart = table.columnCount - 2;
    if (table.columnCount < PositionStart + 2)
        throw UserError(QStringLiteral("表 %1 没有第%2到第%3位开奖号码")
                            .arg(drawTableName(name))
                            .arg(PositionStart)
                            .arg(PositionStart + 2)
                            .toStdString());

    Choices = WindowChoices{};
    dm->t_caipiao = std::move(table);
    DrawCount = static_cast<int32_t>(dm->t_caipiao.rows.size());
    NumberCount = NumberSpaceSize(NumberRange, PickCount);
    DirectNumbers = buildDirectNumbers();
}

QString FillDrawHistory() {
    const Tdatamod *dm = Tdatamod::instance();
    if (!dm) return {};
    HistoryFill fill = fillDrawHistory(dm->t_caipiao, LotteryName, PositionStart);
    DrawHistory = std::move(fill.history);
    TrendRows = std::move(fill.trend);
    DrawIssues = std::move(fill.issues);
    emit historyEvents()->changed();
    return QString::fromStdString(fill.error);
}

void CloseLotteryState() {
    DrawHistory.clear();
    TrendRows.clear();
    DrawIssues.clear();
    LotteryOpen = false;
    emit historyEvents()->changed();
}

} // namespace corvel
