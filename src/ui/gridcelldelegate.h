#pragma once
// How the program's grids draw their cells. A trend grid shows hundreds of cells, and the
// standard drawing lays each cell's text out three times (to place it, to shorten it, to
// draw it); a cell of one line of plain text that fits is drawn here from a laid-out text
// kept for the next time. Any other cell (an icon, a check box, a text too wide, several
// lines) is drawn the standard way.

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace corvel::ui {

class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    const QStaticText &laidOut(const QString &text, const QFont &font) const;
    void drawFocus(QPainter *painter, const QStyleOptionViewItem &option) const;

    mutable QFont font_;
    mutable QHash<QString, QStaticText> texts_; // in font_
};

} // namespace corvel::ui
