#pragma once
// The window shared by the deviation search "偏态搜索" and the rebound search "回补搜索":
// result table, bar chart of the multiples paged by ten bars, threshold box, the check
// boxes "只显示以下倍数以上偏态" and "显示标注", and the commands. Each search supplies its
// columns, rows and message.

#include <QStringList>
#include <QWidget>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QPushButton;
class QTableView;

namespace corvel {

namespace ui {
class BarChart;
class GridModel;
} // namespace ui

class SearchWindow : public QWidget {
    Q_OBJECT
public:
    // The control names of one search window.
    struct Names {
        const char *window, *caption, *grid, *chart, *box, *onlyAbove;
    };

    void FormCreate();
    void btnserClick();
    void btncloseClick();
    void chkbiaoClick();
    void btnfirstClick();
    void btnprevClick();
    void btnnextClick();
    void btnlastClick();
    // Choosing a value in the threshold box.
    void comthresholdClick();

    // What is shown, for the tests.
    int listedCount() const { return listed_; }
    int threshold() const { return threshold_; }

    QTableView *grid = nullptr;
    ui::BarChart *chart = nullptr;
    QComboBox *thresholdBox = nullptr;
    QCheckBox *onlyAbove = nullptr;
    QCheckBox *chkbiao = nullptr;
    QPushButton *btnser = nullptr;
    QPushButton *btnclose = nullptr;
    QPushButton *btnfirst = nullptr;
    QPushButton *btnprev = nullptr;
    QPushButton *btnnext = nullptr;
    QPushButton *btnlast = nullptr;

protected:
    SearchWindow(const Names &names, QWidget *parent);

    // One search over the open lottery's history: fills `headings`, the rows' cell texts,
    // the chart's labels and values, and returns the message to show (empty for none).
    // `threshold` is used only when `onlyAbove` is set.
    struct Listing {
        QStringList headings;
        std::vector<QStringList> rows;
        QStringList labels;
        std::vector<qint64> multiples;
        QString message;
    };
    virtual Listing search(bool onlyAbove, int threshold, const QString &boxText) const = 0;
    // Width of column 0 and of the others for a client width.
    virtual std::pair<int, int> columnWidths(int clientWidth) const = 0;

    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void drawChart();
    void fitColumns();

    ui::GridModel *model_ = nullptr;
    Listing listing_;
    int threshold_ = 5;
    int listed_ = 0;
    bool centred_ = false;
};

} // namespace corvel
