#pragma once
// The data window "彩票数据": browse a lottery's draw table, add and change draws by hand,
// export it to the history text file and replace it from one.

#include <QDialog>
#include <QPointer>
#include <QSqlTableModel>
#include <QStyledItemDelegate>
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

// The ten-button navigator of a data grid; each button takes a tenth of the width.
class DbNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
    static constexpr int ButtonCount = 10;

    explicit DbNavigator(QWidget *parent = nullptr);
    QToolButton *button(Button b) const { return buttons_[b]; }
    QSize sizeHint() const override;
    // Lays `cover` over button `b`, in its place and of its size, for as long as both live.
    void cover(Button b, QAbstractButton *cover);

signals:
    void clicked(int button);

private:
    std::array<QToolButton *, ButtonCount> buttons_{};
    std::array<QStackedLayout *, ButtonCount> places_{};
};

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

// Cells are typed as plain text, so what the user typed stays in the cell until it is
// checked when the row is stored.
class TextCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    // The view is done with the editor: it is no longer the open one.
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;
    // Hands an open editor's text to the model and closes it.
    void finishEditing();

private:
    mutable QPointer<QWidget> editor_;
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
    void dbv_caipiaoClick(int button);

    bool editing() const { return editing_; }
    QString lottery() const { return lottery_; }
    // Stores the row being edited or inserted; false, with a message naming the problem and
    // the typing kept, when it is refused.
    bool post();

    QListWidget *lstcaipiao = nullptr;
    QTableView *grdcaipiao = nullptr;
    DbNavigator *dbv_caipiao = nullptr;
    QPushButton *btnadd = nullptr;
    QPushButton *btnedit = nullptr;
    QPushButton *btnsave = nullptr;
    QPushButton *Button1 = nullptr;
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
    TextCellDelegate *delegate_ = nullptr;
    QString lottery_;
    std::optional<int> newRow_; // the row appended or inserted and not stored yet
    bool editing_ = false;
    bool repositioning_ = false;
};

} // namespace corvel
