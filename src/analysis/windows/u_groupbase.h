#pragma once
// The common body of the two digit-group windows (per position and overall): selectors
// for position, group size and group, the statistics of every group (grid and paged
// chart), the occurrence column and the spacing table of the chosen group (grids and
// paged chart), and "查看" for the numbers the chosen group lets through.

#include "analysis/digitgroups.h"

#include <QWidget>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableView;

namespace corvel {

namespace ui {
class BarChart;
class ChartPanel;
class GridModel;
} // namespace ui

struct GroupWindowText {
    QString stem;            // control name stem: "poscode", "totalcode"
    QString caption;         // window caption
    QString statisticsTitle; // statistics chart title
    QString spacingTitle;    // spacing chart title
    int tab = 0;             // the main window's tab
};

class GroupWindow : public QWidget {
    Q_OBJECT
public:
    void FormCreate();
    // Runs the analysis unless the results on screen already belong to the stored selection.
    void FormActivate();
    void btnalaClick();
    void btnshowClick();
    void composClick();
    void comnumClick();
    void comzuheiindexClick();
    void FormResize();

    // The results on screen and what "查看" hands to the filtered-code view.
    const GroupAnalysis &analysis() const { return analysis_; }
    bool analysed() const { return computed_.has_value(); }
    virtual std::string description() const = 0;

    ui::GridModel *statisticsModel() const { return statsModel_; }
    ui::GridModel *occurrenceModel() const { return columnModel_; }
    ui::GridModel *spacingModel() const { return sepModel_; }

    QComboBox *compos = nullptr;
    QComboBox *comnum = nullptr;
    QComboBox *comzuheiindex = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *btnala = nullptr;
    QPushButton *btnshow = nullptr;
    ui::ChartPanel *statPanel = nullptr;    // statistics chart with GroupBox1 and its pager
    ui::ChartPanel *spacingPanel = nullptr; // spacing chart with GroupBox2 and its pager
    QGroupBox *GroupBox1 = nullptr;
    QCheckBox *chknum = nullptr;
    QCheckBox *chkmaxsep = nullptr;
    QCheckBox *chkcursep = nullptr;
    QCheckBox *chkbiao = nullptr;
    QPushButton *btnfirst = nullptr;
    QPushButton *btnprev = nullptr;
    QPushButton *btnnext = nullptr;
    QPushButton *btnlast = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QCheckBox *chksepbiao = nullptr;
    QPushButton *btnrepfirst = nullptr;
    QPushButton *btnrepprev = nullptr;
    QPushButton *btnrepnext = nullptr;
    QPushButton *btnreplast = nullptr;

protected:
    // The stored selection of this window in the shared choices.
    struct Selection {
        int position = 1;
        int size = 1;
        int group = 0;
        bool operator==(const Selection &) const = default;
    };

    GroupWindow(const GroupWindowText &text, QWidget *parent);

    virtual void fillPositions() = 0;
    virtual void positionChosen(int index) = 0;
    virtual Selection stored() const = 0;
    virtual void store(int size, int group) = 0;
    virtual GroupAnalysis compute(const Selection &selection) const = 0;
    // Computes from the stored selection and shows the results.
    void analyse();

    const std::optional<Selection> &computed() const { return computed_; }

    QTableView *grdadd_ = nullptr; // statistics
    QTableView *grd_ = nullptr;    // occurrence column
    QTableView *grdsep_ = nullptr; // spacing table
    ui::BarChart *chtadd_ = nullptr;
    ui::BarChart *chtsep_ = nullptr;

    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls(const GroupWindowText &text);
    void buildCharts(const GroupWindowText &text);
    QWidget *buildSelectorRow();
    void buildLayout();
    void fillGroups(int size, int group);
    void showGrids();
    void drawStatisticsChart();
    void drawSpacingChart();
    void sizeColumns();
    // The three grids share their half of the window in proportion to what each needs
    // for its widest texts.
    void shareGridWidths();

    GroupWindowText text_;
    ui::GridModel *statsModel_ = nullptr;
    ui::GridModel *columnModel_ = nullptr;
    ui::GridModel *sepModel_ = nullptr;
    QWidget *selectorRow_ = nullptr;
    QHBoxLayout *columns_ = nullptr;
    GroupAnalysis analysis_;
    std::vector<int32_t> issues_; // issues of the draws of the occurrence column
    std::optional<Selection> computed_;
    bool shown_ = false;
    bool mdiHooked_ = false;
};

} // namespace corvel
