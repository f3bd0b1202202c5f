#pragma once
// The data window "彩票数据": browse a lottery's draw table, add and change draws by hand,
// export it to the history text file and replace it from one.

#include "ui/dbnavigator.h"
#include "ui/textcelldelegate.h"

#include <QDialog>
#include <QPointer>
#include <QSqlTableModel>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class QAbstractButton;
class QListWidget;
class QPushButton;
class QStackedLayout;
class QTableView;
class QToolButton;

namespace corvel {

class Connection;

// Column widths of the data grid for a client width: every column the same number of
// "0" characters, ((clientWidth − 40) div charWidth) div columns, then the first 70 pixels.
std::vector<int> dataColumnWidths(int clientWidth, int charWidth, int columns);

// A draw table in issue order. A row is changed or deleted by its own rowid, so two rows
// with the same values are told apart.
class DrawTableModel : public QSqlTableModel {
    Q_OBJECT
public:
    DrawTableModel(QObject *parent, const QSqlDatabase &db);

protected:
    bool updateRowInTable(int row, const QSqlRecord &values) override;
    bool deleteRowFromTable(int row) override;
};

class Tfrmdata : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmdata(QWidget *parent = nullptr);
    ~Tfrmdata() override;

    void lstcaipiaoClick();
    void btneditClick();
    void btnaddClick();
    void btnsaveClick();
    void Button1Click();
    void btncheckClick();
    void dbv_caipiaoClick(int button);

    bool editing() const { return editing_; }
    QString lottery() const { return lottery_; }
    // Stores the row being edited or inserted; false, with a message naming the problem and
    // the typing kept, when it is refused.
    bool post();

    QListWidget *lstcaipiao = nullptr;
    QTableView *grdcaipiao = nullptr;
    ui::DbNavigator *dbv_caipiao = nullptr;
    QPushButton *btnadd = nullptr;
    QPushButton *btnedit = nullptr;
    QPushButton *btnsave = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *btncheck = nullptr;
    QPushButton *btnext = nullptr;
    DrawTableModel *rst = nullptr;

protected:
    void reject() override; // FormCloseQuery: refused while editing
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    // Shows `model` (or no table) in the grid in place of the table shown before.
    void replaceModel(DrawTableModel *model);
    void fitColumns();
    void setEditing(bool on);
    void updateNavigator();
    void currentRowChanged(const QModelIndex &current, const QModelIndex &previous);
    // Reads the table again and makes the row with `issue` current (or row `fallback`).
    void reselect(const QString &issue, int fallback);
    void fetchAll();
    void appendRow(int row);
    void deleteCurrentRow();
    int issueColumn() const;
    int dateColumn() const;
    std::vector<int> digitColumns() const;
    int firstDirtyRow() const;
    bool rowIsEmpty(int row) const;
    bool checkRow(int row);
    QString cellText(int row, int column) const;
    void setCurrent(int row, int column);
    void finishPost(int row);

    std::unique_ptr<Connection> con;
    ui::TextCellDelegate *delegate_ = nullptr;
    QString lottery_;
    std::optional<int> newRow_; // the row appended or inserted and not stored yet
    bool editing_ = false;
    bool repositioning_ = false;
};

} // namespace corvel
