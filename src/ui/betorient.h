#pragma once
// What a window's bet list is for and what it costs: the label naming the issue the bet is
// placed on, beside the list, and the price appended to every count of bets.

#include <QLabel>

class QLayout;
#include <QString>

namespace corvel::ui {

// "投注期号：" + the issue after the open lottery's newest draw ("投注期号：" alone without
// draws).
QString betIssueLine();

// Names the issue the bet is for and follows the history: a lottery opened or closed, the
// draw table read again.
class BetIssueLabel : public QLabel {
    Q_OBJECT
public:
    explicit BetIssueLabel(QWidget *parent = nullptr);
    void refresh();

protected:
    void showEvent(QShowEvent *event) override;
};

// Puts a BetIssueLabel right beside `beside` (the list's count label, or another control
// next to the list), which `layout` or one of its nested layouts holds, and returns it. A
// row gets the label after the control; a column or a grid cell gets the two side by side.
// The layout need not be installed yet.
BetIssueLabel *addBetIssueLabel(QLayout *layout, QWidget *beside);

// The count text with the price of `count` bets appended ("共 120 注  240 元").
QString withBetCost(const QString &countText, qsizetype count);
// Sets a count label to that text.
void showBetCount(QLabel *label, const QString &countText, qsizetype count);

} // namespace corvel::ui
