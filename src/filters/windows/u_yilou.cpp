#include "filters/windows/u_yilou.h"

#include "core/u_public.h"
#include "filters/omissionsearch.h"

namespace corvel {

Tfrmyilou::Tfrmyilou(QWidget *parent)
    : SearchWindow({"frmyilou", "回补搜索", "grdyilou", "chtyilou", "comyilou", "chkyilou"}, parent) {
    grdyilou = grid;
    chtyilou = chart;
    comyilou = thresholdBox;
    chkyilou = onlyAbove;
    FormCreate();
}

SearchWindow::Listing Tfrmyilou::search(bool onlyAbove, int threshold, const QString &boxText) const {
    const std::vector<SearchItem> &items = searchCatalogue();
    Listing listing;
    listing.headings = {QStringLiteral("号码组合"), QStringLiteral("理论周期"), QStringLiteral("目前遗漏"),
                        QStringLiteral("前次遗漏"), QStringLiteral("偏态倍数")};
    const int drawCount = int(DrawHistory.size());
    for (const ReboundRow &row : listedRebound(reboundSearch(DrawHistory), drawCount, onlyAbove, threshold)) {
        const QString name = QString::fromStdString(items[size_t(row.item)].reboundName);
        listing.rows.push_back({name, QString::number(row.expected), QString::number(row.omission),
                                QString::number(row.previous), QString::number(row.multiple)});
        listing.labels << name;
        listing.multiples.push_back(row.multiple);
    }
    if (onlyAbove) listing.message = QString::fromStdString(reboundMessage(boxText.toStdString(), threshold));
    return listing;
}

std::pair<int, int> Tfrmyilou::columnWidths(int clientWidth) const {
    return {(clientWidth - 10) / 5 + 28, (clientWidth - 10) / 5 - 7};
}

} // namespace corvel
