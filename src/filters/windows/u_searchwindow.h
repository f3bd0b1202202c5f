#pragma once
// The window shared by the deviation search "偏态搜索" and the rebound search "回补搜索":
// result table, the statistics chart panel with the multiples paged by ten bars, threshold
// box, the check box "只显示以下倍数以上偏态", and the commands. Each search supplies its
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
class ChartPanel;
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
    // Choosing a value in the threshold box.
    void comthresholdClick();

    // What is shown, for the tests.
    int listedCount() const { return listed_; }
    int threshold() const { return threshold_; }

    QTableView *grid = nullptr;
    ui::ChartPanel *chartPanel = nullptr; // the chart with "显示标注" and the pager
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
    void fitColumns();

    ui::GridModel *model_ = nullptr;
    Listing listing_;
    int threshold_ = 5;
    int listed_ = 0;
    bool centred_ = false;
};

} // namespace corvel
