#pragma once
// The draw trend window "号码走势" (tab 0): the newest draws, one a row, with the drawn
// number, the count of every digit and the position marks. Creating it reads the draw
// history of the open lottery into the shared state.

#include "analysis/drawtrend.h"

#include <QStyledItemDelegate>
#include <QWidget>

class QTableView;

namespace corvel {

namespace ui {
class GridModel;
}

// Paints a trend cell: its band's fill, and its text placed by the column's sample text.
class TrendCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    TrendCellDelegate(TrendStyle style, QObject *parent = nullptr);
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Fills `rect` and draws `text` where the column's sample text would be centred.
    static void paintCell(QPainter *painter, const QRect &rect, const QFont &font, int column, const QString &text,
                          bool header, const TrendStyle &style, bool selected = false);

private:
    TrendStyle style_;
};

class Tfrmcode : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmcode(QWidget *parent = nullptr);

    void FormCreate();
    // Lays the grid out: row count and column widths.
    void FormActivate();

    QTableView *grdcode = nullptr;
    ui::GridModel *model() const { return model_; }
    const TrendStyle &style() const { return style_; }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillGrid();
    void sizeColumns();

    ui::GridModel *model_ = nullptr;
    TrendStyle style_;
    TrendTable shown_; // the rows on screen, newest first
};

} // namespace corvel
