#include "ui/gridheader.h"

#include "ui/gridmodel.h"
#include "ui/textfit.h"

#include <QEvent>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTimer>
#include <algorithm>

namespace corvel::ui {

GridHeader::GridHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent) {
    setDefaultAlignment(Qt::AlignCenter);
    setHighlightSections(false);
    // A changed column width may change how its heading is shown, and so the row's height.
    connect(this, &QHeaderView::sectionResized, this, [this] {
        if (refitPending_) return;
        refitPending_ = true;
        QTimer::singleShot(0, this, [this] { refit(); });
    });
    setSectionsClickable(true);
    setSortIndicatorShown(false);
    connect(this, &QHeaderView::sectionClicked, this, &GridHeader::sortBy);
}

void GridHeader::sortBy(int logicalIndex) {
    auto *grid = qobject_cast<GridModel *>(model());
    if (!grid) return;
    int column = logicalIndex;
    Qt::SortOrder order = Qt::AscendingOrder;
    if (grid->sortColumn() == logicalIndex) {
        if (grid->sortOrder() == Qt::AscendingOrder)
            order = Qt::DescendingOrder;
        else
            column = -1;
    }
    grid->sort(column, order);
    // The header flips its own indicator on a click; it shows the grid's order instead.
    setSortIndicator(column, order);
    setSortIndicatorShown(column >= 0);
}

int GridHeader::textMargin() const { return 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this) + 2; }

QString GridHeader::shownText(int logicalIndex) const {
    if (!model()) return {};
    const QString text = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
    if (text.size() < 2 || text.contains(QLatin1Char('\n'))) return text;
    const int room = sectionSize(logicalIndex) - textMargin();
    if (textSize(font(), text).width() <= room) return text;
    const QStringList lines = breakIntoLines(text, font(), room);
    return lines.isEmpty() ? text : lines.join(QLatin1Char('\n'));
}

void GridHeader::initStyleOptionForIndex(QStyleOptionHeader *option, int logicalIndex) const {
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    option->text = shownText(logicalIndex);
}

QSize GridHeader::sectionSizeFromContents(int logicalIndex) const {
    // The width a heading wants is that of its one-line text; the height, that of its lines.
    QSize size = styleSize(logicalIndex);
    if (model())
        size.setWidth(std::max(size.width(),
                               textSize(font(), model()->headerData(logicalIndex, orientation()).toString()).width() +
                                   textMargin()));
    const qsizetype lines = shownText(logicalIndex).count(QLatin1Char('\n')) + 1;
    const int lineHeight = textSize(font(), QStringLiteral("国")).height();
    size.setHeight(std::max(size.height(), int(lines) * lineHeight + textMargin()));
    return size;
}

QSize GridHeader::styleSize(int logicalIndex) const {
    if (!model() || model()->headerData(logicalIndex, orientation(), Qt::SizeHintRole).isValid())
        return QHeaderView::sectionSizeFromContents(logicalIndex);
    QString key = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
    key += isSortIndicatorShown() ? QLatin1Char('1') : QLatin1Char('0');
    if (const auto found = styleSizes_.constFind(key); found != styleSizes_.cend()) return *found;
    const QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    styleSizes_.insert(key, size);
    return size;
}

void GridHeader::changeEvent(QEvent *event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) styleSizes_.clear();
    QHeaderView::changeEvent(event);
}

QSize GridHeader::sizeHint() const {
    QSize hint = QHeaderView::sizeHint();
    for (int i = 0; i < count(); ++i)
        if (!isSectionHidden(i)) hint.setHeight(std::max(hint.height(), sectionSizeFromContents(i).height()));
    return hint;
}

void GridHeader::refit() {
    refitPending_ = false;
    if (count() > 0) headerDataChanged(orientation(), 0, count() - 1);
    updateGeometry();
    emit geometriesChanged();
    viewport()->update();
}

} // namespace corvel::ui
