#include "ui/betorient.h"

#include "core/betorient.h"
#include "core/u_public.h"
#include "store/u_datamod.h"
#include "ui/qtext.h"

#include <QBoxLayout>
#include <QLayout>

namespace corvel::ui {

namespace {

// The layout among `layout` and its nested layouts that holds `widget` itself.
QLayout *layoutHolding(QLayout *layout, QWidget *widget) {
    if (!layout) return nullptr;
    if (layout->indexOf(widget) >= 0) return layout;
    for (int i = 0; i < layout->count(); ++i)
        if (QLayout *found = layoutHolding(layout->itemAt(i)->layout(), widget)) return found;
    return nullptr;
}

} // namespace

QString betIssueLine() { return q(betIssueText(nextIssue(DrawHistory, DrawIssues))); }

BetIssueLabel::BetIssueLabel(QWidget *parent) : QLabel(parent) {
    setObjectName(QStringLiteral("lbltouzhuqi"));
    setToolTip(QStringLiteral("这份号码所投注的期号：最新一期开奖的下一期"));
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(historyEvents(), &HistoryEvents::changed, this, &BetIssueLabel::refresh);
    refresh();
}

void BetIssueLabel::refresh() { setText(betIssueLine()); }

void BetIssueLabel::showEvent(QShowEvent *event) {
    refresh();
    QLabel::showEvent(event);
}

BetIssueLabel *addBetIssueLabel(QLayout *layout, QWidget *beside) {
    QWidget *parent = beside->parentWidget();
    auto *label = new BetIssueLabel(parent);
    layout = layoutHolding(layout, beside);
    Q_ASSERT(layout);
    auto *box = qobject_cast<QBoxLayout *>(layout);
    if (box && (box->direction() == QBoxLayout::LeftToRight || box->direction() == QBoxLayout::RightToLeft)) {
        const int at = box->indexOf(beside) + 1;
        box->insertSpacing(at, 16);
        box->insertWidget(at + 1, label);
    } else if (layout) {
        // A column or a grid cell: the control and the label share its place, side by side.
        auto *pair = new QWidget(parent);
        delete layout->replaceWidget(beside, pair);
        auto *row = new QHBoxLayout(pair);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(beside, 1);
        row->addSpacing(16);
        row->addWidget(label);
    }
    return label;
}

QString withBetCost(const QString &countText, qsizetype count) {
    return q(corvel::withBetCost(s(countText), static_cast<int64_t>(count)));
}

void showBetCount(QLabel *label, const QString &countText, qsizetype count) {
    label->setText(withBetCost(countText, count));
}

} // namespace corvel::ui
