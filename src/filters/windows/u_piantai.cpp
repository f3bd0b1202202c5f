#include "filters/windows/u_piantai.h"

#include "core/u_public.h"
#include "filters/omissionsearch.h"

namespace corvel {

Tfrmpiantai::Tfrmpiantai(QWidget *parent)
    : SearchWindow({"frmpiantai", "偏态搜索", "grdpiantai", "chtpiantai", "compiantai", "chkpiantai"}, parent) {
    grdpiantai = grid;
    chtpiantai = chart;
    compiantai = thresholdBox;
    chkpiantai = onlyAbove;
    FormCreate();
}

SearchWindow::Listing Tfrmpiantai::search(bool onlyAbove, int threshold, const QString &boxText) const {
    const std::vector<SearchItem> &items = searchCatalogue();
    Listing listing;
    listing.headings = {QStringLiteral("号码组合"), QStringLiteral("理论周期"), QStringLiteral("目前遗漏"),
                        QStringLiteral("偏态倍数")};
    for (const DeviationRow &row : listedDeviation(deviationSearch(DrawHistory), onlyAbove, threshold)) {
        const QString name = QString::fromStdString(items[size_t(row.item)].name);
        listing.rows.push_back(
            {name, QString::number(row.expected), QString::number(row.omission), QString::number(row.multiple)});
        listing.labels << name;
        listing.multiples.push_back(row.multiple);
    }
    if (onlyAbove) listing.message = QString::fromStdString(deviationMessage(boxText.toStdString(), threshold));
    return listing;
}

std::pair<int, int> Tfrmpiantai::columnWidths(int clientWidth) const {
    return {(clientWidth - 12) / 4 + 35, (clientWidth - 12) / 4 - 10};
}

} // namespace corvel
