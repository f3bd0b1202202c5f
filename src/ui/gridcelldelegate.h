#pragma once
// How the program's grids draw their cells. A trend grid shows hundreds of cells, and the
// standard drawing lays each cell's text out three times (to place it, to shorten it, to
// draw it); a cell of one line of plain text that fits is drawn here from a laid-out text
// kept for the next time (by all grids: their cells share the numbers). Any other cell (an icon, a check box, a text
// too wide, several lines) is drawn the standard way.

#include <QStyledItemDelegate>

namespace corvel::ui {

class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    void drawFocus(QPainter *painter, const QStyleOptionViewItem &option) const;
};

} // namespace corvel::ui
