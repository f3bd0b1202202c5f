#include "ui/issuebox.h"

#include <QComboBox>

namespace corvel::ui {

QStringList issueItems(const DrawTable &draws) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(draws.size()) + 1);
    for (const DrawRow &d : draws) items << QString::number(d[0]);
    items << QString::number(draws.empty() ? 1 : static_cast<int64_t>(draws.back()[0]) + 1);
    return items;
}

void fillIssueBox(QComboBox *box, const DrawTable &draws) {
    box->clear();
    box->addItems(issueItems(draws));
    box->setCurrentIndex(box->count() - 1);
}

} // namespace corvel::ui
