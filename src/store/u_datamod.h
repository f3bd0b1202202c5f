#pragma once
// The data module: the connection to the database file and the open lottery's draw
// table, created once at start-up.

#include "core/drawhistory.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>

namespace corvel {

class Tdatamod : public QObject {
    Q_OBJECT
public:
    explicit Tdatamod(QObject *parent = nullptr);
    ~Tdatamod() override;

    // Connection to the database file, opened by LoadLottery.
    QSqlDatabase t_con;
    // The open lottery's draw table in issue order, as read by LoadLottery.
    RawDrawTable t_caipiao;

    // Closes the connection (before the database file is replaced).
    void closeConnection();

    static Tdatamod *instance();

private:
    static Tdatamod *instance_;
};

// Announces that DrawHistory was built again or emptied (a lottery opened, the draw trend
// window read the draw table again, the lottery closed), so a window that stays open can
// follow the newest draw.
class HistoryEvents : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
signals:
    void changed();
};
HistoryEvents *historyEvents();

// Opens the lottery named by the profile: connects, trims the draw table to 12000 draws
// (oldest first, in one transaction), reads it, sets NumberCount and DrawCount, builds
// DirectNumbers and resets the remembered window choices. Throws UserError (database
// message, or the refusal of an unsupported profile); the shared state is then unchanged
// apart from the closed connection.
void LoadLottery();

// Builds DrawHistory, TrendRows and DrawIssues from the open draw table. Returns the conversion
// message of the first bad row, or an empty text.
QString FillDrawHistory();

// Closes the lottery's in-memory state: empties DrawHistory, TrendRows and DrawIssues,
// LotteryOpen := false.
void CloseLotteryState();

} // namespace corvel
