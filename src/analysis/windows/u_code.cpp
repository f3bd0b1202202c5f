#include "analysis/windows/u_code.h"

#include "core/u_public.h"
#include "store/u_datamod.h"
#include "ui/dialogs.h"
#include "ui/gridmodel.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel {

namespace {

QColor bandColour(TrendBand band) {
    if (band == TrendBand::Plain) return QApplication::palette().color(QPalette::ToolTipBase);
    const Rgb c = trendBandColour(band);
    return QColor(c.red, c.green, c.blue);
}

QString sample(bool header, int column, const TrendStyle &style) {
    return QString::fromStdString(trendSampleText(header, column, style));
}

// Width a column needs for its texts. A text starts where the column's sample would start
// centred, so a text wider than the sample (a five-digit draw under the sample "000") needs
// room beyond the centred sample.
int neededWidth(const QFontMetrics &fm, bool header, int column, const TrendStyle &style) {
    const int s = fm.horizontalAdvance(sample(header, column, style));
    const bool fiveDigits = !header && column == 1 && !style.threeDigitNumber;
    const int t = fiveDigits ? fm.horizontalAdvance(QStringLiteral("00000")) : s;
    return std::max(s, 2 * t - s) + 4;
}

// The header row, painted like the draw rows with the header's sample texts.
class TrendHeader : public QHeaderView {
public:
    TrendHeader(TrendStyle style, QWidget *parent) : QHeaderView(Qt::Horizontal, parent), style_(style) {
        setSectionResizeMode(QHeaderView::Fixed);
        setHighlightSections(false);
        setMinimumSectionSize(1); // the separator columns are 8 pixels
        setFixedHeight(TrendRowHeight);
    }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override {
        if (!rect.isValid()) return;
        const QString text = model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
        TrendCellDelegate::paintCell(painter, rect, font(), logicalIndex, text, true, style_);
        painter->save();
        painter->setPen(palette().color(QPalette::Mid));
        painter->drawLine(rect.topRight(), rect.bottomRight());
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
        painter->restore();
    }

private:
    TrendStyle style_;
};

} // namespace

TrendCellDelegate::TrendCellDelegate(TrendStyle style, QObject *parent) : QStyledItemDelegate(parent), style_(style) {}

void TrendCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    TrendCellDelegate::paintCell(painter, option.rect, option.font, index.column(), index.data().toString(), false,
                                 style_, selected);
}

void TrendCellDelegate::paintCell(QPainter *painter, const QRect &rect, const QFont &font, int column,
                                  const QString &text, bool header, const TrendStyle &style, bool selected) {
    painter->save();
    painter->setClipRect(rect);
    const QColor fill = bandColour(trendBand(column));
    painter->fillRect(rect, selected ? fill.darker(125) : fill);
    if (!text.isEmpty()) {
        painter->setFont(font);
        painter->setPen(QApplication::palette().color(QPalette::ToolTipText));
        const QFontMetrics fm(font);
        const QString s = sample(header, column, style);
        const int x = rect.left() + (rect.width() - fm.horizontalAdvance(s)) / 2 + 1;
        const int y = rect.top() + (rect.height() - fm.height()) / 2 + 1;
        painter->drawText(QPoint(x, y + fm.ascent()), text);
    }
    painter->restore();
}

Tfrmcode::Tfrmcode(QWidget *parent) : QWidget(parent), style_(trendStyle(LotteryName)) {
    setWindowTitle(QStringLiteral("号码走势"));
    model_ = new ui::GridModel(this);
    grdcode = ui::makeGrid(this, model_, TrendRowHeight);
    grdcode->setObjectName(QStringLiteral("grdcode"));
    grdcode->setHorizontalHeader(new TrendHeader(style_, grdcode));
    grdcode->setItemDelegate(new TrendCellDelegate(style_, grdcode));
    QPalette pal = grdcode->palette();
    pal.setColor(QPalette::Base, QApplication::palette().color(QPalette::ToolTipBase));
    grdcode->setPalette(pal);
    grdcode->viewport()->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grdcode);
    resize(1000, 700);
    FormCreate();
}

void Tfrmcode::FormCreate() {
    const QString error = FillDrawHistory();
    if (!error.isEmpty()) ui::showError(QApplication::activeWindow(), error);
    fillGrid();
}

void Tfrmcode::fillGrid() {
    const int draws = int(std::min<size_t>(size_t(std::max(DrawCount, 0)), TrendRows.size()));
    const int rows = trendRowCount(draws);
    shown_.clear();
    shown_.reserve(size_t(rows));
    for (int r = 0; r < rows; ++r) shown_.push_back(TrendRows[size_t(trendRowIndex(draws, r))]);
    QStringList headings;
    for (int c = 0; c < TrendColumns; ++c) headings << QString::fromStdString(trendHeaderText(c));
    const TrendStyle style = style_;
    model_->setGrid(rows, headings, [this, style](int row, int column) {
        return QString::fromStdString(trendCellText(shown_[size_t(row)], column, style));
    });
    sizeColumns();
}

void Tfrmcode::FormActivate() { sizeColumns(); }

void Tfrmcode::sizeColumns() {
    const int client = grdcode->viewport()->width();
    const QFontMetrics body(grdcode->font());
    const QFontMetrics head(grdcode->horizontalHeader()->font());
    for (int c = 0; c < TrendColumns; ++c) {
        int width = trendColumnWidth(c, client, style_);
        if (trendBand(c) != TrendBand::Separator) {
            // The platform font may be wider than the one the widths were chosen for.
            const int needed = std::max(neededWidth(body, false, c, style_), neededWidth(head, true, c, style_));
            width = std::max(width, needed);
        }
        grdcode->setColumnWidth(c, width);
    }
}

bool Tfrmcode::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return QWidget::event(event);
}

bool Tfrmcode::eventFilter(QObject *watched, QEvent *event) {
    if (watched == grdcode->viewport() && event->type() == QEvent::Resize) sizeColumns();
    return QWidget::eventFilter(watched, event);
}

} // namespace corvel
