#include "ui/gridcelldelegate.h"

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <QStyle>

namespace corvel::ui {

namespace {

QStyle *styleOf(const QStyleOptionViewItem &option) {
    return option.widget ? option.widget->style() : QApplication::style();
}

// The colour group the style draws the cell's text and focus in.
QPalette::ColorGroup colorGroup(const QStyleOptionViewItem &option) {
    if (!(option.state & QStyle::State_Enabled)) return QPalette::Disabled;
    return option.state & QStyle::State_Active ? QPalette::Normal : QPalette::Inactive;
}

bool plainLine(const QStyleOptionViewItem &option) {
    const auto others =
        QStyleOptionViewItem::WrapText | QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration;
    return !(option.features & others) && !(option.state & QStyle::State_Editing) &&
           !option.text.contains(QLatin1Char('\n')) && !option.text.contains(QChar::LineSeparator);
}

// The laid-out texts of the cells painted so far, in the font they were painted in.
const QStaticText &laidOut(const QString &text, const QFont &font) {
    thread_local QFont textsFont;
    thread_local QHash<QString, QStaticText> texts;
    if (font != textsFont || texts.size() >= 4096) {
        texts.clear();
        textsFont = font;
    }
    auto found = texts.find(text);
    if (found == texts.end()) {
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.prepare(QTransform(), font);
        found = texts.insert(text, laid);
    }
    return *found;
}

} // namespace

void GridCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    QStyle *style = styleOf(cell);
    // The style keeps this much room on each side of a cell's text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, cell.widget) + 1;
    const QRect room = cell.rect.adjusted(margin, 0, -margin, 0);
    const QStaticText *text = plainLine(cell) ? &laidOut(cell.text, cell.font) : nullptr;
    if (!text || text->size().width() > room.width()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    painter->save();
    painter->setClipRect(cell.rect);
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, cell.widget);
    if (!cell.text.isEmpty()) {
        const bool selected = cell.state & QStyle::State_Selected;
        painter->setPen(cell.palette.color(colorGroup(cell), selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(cell.font);
        const QRect placed = QStyle::alignedRect(cell.direction, cell.displayAlignment, text->size().toSize(), room);
        painter->drawStaticText(placed.topLeft(), *text);
    }
    if (cell.state & QStyle::State_HasFocus) drawFocus(painter, cell);
    painter->restore();
}

void GridCellDelegate::drawFocus(QPainter *painter, const QStyleOptionViewItem &option) const {
    QStyle *style = styleOf(option);
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.rect = style->subElementRect(QStyle::SE_ItemViewItemFocusRect, &option, option.widget);
    focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    focus.backgroundColor = option.palette.color(group, selected ? QPalette::Highlight : QPalette::Window);
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
}

} // namespace corvel::ui
