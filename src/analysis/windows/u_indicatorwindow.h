#pragma once
// The seventeen indicator trend windows (tabs 3..19) share one body: a trend grid of every
// draw, the statistics of every category (grid and chart), the spacing table of the chosen
// category (grid and paged chart), the category selector (and in three windows a position
// selector), "分析" and "查看". Each window is a thin subclass that names its tab.

#include "analysis/indicatoranalysis.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;
class QToolButton;

namespace corvel {

namespace ui {
class BarChart;
class ChartPanel;
class GridModel;
} // namespace ui

class IndicatorWindow : public QWidget {
    Q_OBJECT
public:
    const IndicatorWindowSpec &spec() const { return spec_; }

    void FormCreate();
    void btnalaClick();
    void btnshowClick();
    // The category selector (com<stem>) and the position selector (com<stem>pos): they only
    // store the choice; "分析" or "查看" applies it.
    void comClick();
    void composClick();
    void btnsizeClick();
    void FormResize();

    // The results on screen, the selection they were computed for, and what "查看" hands
    // to the filtered-code view.
    const IndicatorAnalysis &analysis() const { return analysis_; }
    const IndicatorSelection &analysedSelection() const { return analysed_; }
    std::string description() const;
    bool enlarged() const;

    ui::GridModel *trendModel() const { return trendModel_; }
    ui::GridModel *statisticsModel() const { return statsModel_; }
    ui::GridModel *spacingModel() const { return sepModel_; }

    // Controls; their object names carry the window's stem (grddaxiao, comdaxiao, ...).
    QTableView *grd = nullptr;              // trend
    QTableView *grdadd = nullptr;           // statistics
    QTableView *grdsep = nullptr;           // spacing
    ui::ChartPanel *statPanel = nullptr;    // chtadd<stem> with GroupBox1
    ui::ChartPanel *spacingPanel = nullptr; // cht<stem>sep with GroupBox2 and its pager
    ui::BarChart *chtadd = nullptr;
    ui::BarChart *chtsep = nullptr;
    QComboBox *com = nullptr;
    QComboBox *compos = nullptr; // only in the position windows
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr; // only in the position windows: the category selector's label
    QPushButton *btnala = nullptr;
    QPushButton *btnshow = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QCheckBox *chknum = nullptr;
    QCheckBox *chkmaxsep = nullptr;
    QCheckBox *chkcursep = nullptr;
    QCheckBox *chkbiao = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QCheckBox *chksepbiao = nullptr;
    QToolButton *btnsize = nullptr; // only in the windows with an enlarge button

protected:
    IndicatorWindow(int tab, QWidget *parent);

    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildCharts();
    void buildLayout();
    void buildSizeButton();
    void placeSizeButton();
    void buildTables();
    void fillSelectors();
    void analyse();
    void showGrids();
    void drawStatChart();
    void drawSpacingChart();
    void sizeColumns();
    void setEnlarged(bool on);
    int *storedParameter() const;
    IndicatorSelection storedSelection() const;

    const IndicatorWindowSpec &spec_;
    std::vector<std::string> labels_;
    IndicatorAnalysis analysis_;
    IndicatorSelection analysed_;
    QStringList statsTexts_; // rows × 4, row-major
    ui::GridModel *trendModel_ = nullptr;
    ui::GridModel *statsModel_ = nullptr;
    ui::GridModel *sepModel_ = nullptr;
    int cellDigits_ = 1; // digits of the widest trend cell and issue, for readable columns
    int issueDigits_ = 7;
    QWidget *sizeRoom_ = nullptr; // keeps the enlarge button's place beside the trend grid
    bool scrolled_ = false;
};

class Tfrmdaxiao : public IndicatorWindow {
    Q_OBJECT
public:
    explicit Tfrmdaxiao(QWidget *parent = nullptr) : IndicatorWindow(3, parent) {}
};

class Tfrmjiou : public IndicatorWindow {
    Q_OBJECT
public:
    explicit Tfrmjiou(QWidget *parent = nullptr) : IndicatorWindow(4, parent) {}
};

class Tfrmhei : public IndicatorWindow {
    Q_OBJECT
public:
    explicit Tfrmhei(QWidget *parent = nullptr) : IndicatorWindow(5, parent) {}
};

class Tfrmheiwei : public IndicatorWindow {
    Q_OBJECT
public:
    explicit Tfrmheiwei(QWidget *parent = nullptr) : IndicatorWindow(6, parent) {}
};

class Tfrmkuadu : public IndicatorWindow {
    Q_OBJECT
public:
    explicit Tfrmkuadu(QWidget *parent = nullptr) : IndicatorWindow(7, parent) {}
};

class Tfrmhuihuo : public IndicatorWindow {
    Q_OBJECT
public:
    explicit Tfrmhuihuo(QWidget *parent = nullptr) : IndicatorWindow(8, parent) {}
};

class Tfrmhuicai : public IndicatorWindow {
    Q_OBJECT
public:
    explicit Tfrmhuicai(QWidget *parent = nullptr) : IndicatorWindow(9, parent) {}
};

class Tfrmlenrei : public IndicatorWindow {
    Q_OBJECT
public:
    explicit Tfrmlenrei(QWidget *parent = nullptr) : IndicatorWindow(10, parent) {}
};

class Tfrmchusan : public IndicatorWindow {
    Q_OBJECT
public:
    explicit Tfrmchusan(QWidget *parent = nullptr) : IndicatorWindow(11, parent) {}
};

class Tfrmclz : public IndicatorWindow {
    Q_OBJECT
public:
    explicit Tfrmclz(QWidget *parent = nullptr) : IndicatorWindow(12, parent) {}
};

class Tfrmfgz : public IndicatorWindow {
    Q_OBJECT
public:
    explicit Tfrmfgz(QWidget *parent = nullptr) : IndicatorWindow(13, parent) {}
};

class Tfrmjuli : public IndicatorWindow {
    Q_OBJECT
public:
    explicit Tfrmjuli(QWidget *parent = nullptr) : IndicatorWindow(14, parent) {}
};

class Tfrmcongma : public IndicatorWindow {
    Q_OBJECT
public:
    explicit Tfrmcongma(QWidget *parent = nullptr) : IndicatorWindow(15, parent) {}
};

class Tfrmzudaxiao : public IndicatorWindow {
    Q_OBJECT
public:
    explicit Tfrmzudaxiao(QWidget *parent = nullptr) : IndicatorWindow(16, parent) {}
};

class Tfrmzujiou : public IndicatorWindow {
    Q_OBJECT
public:
    explicit Tfrmzujiou(QWidget *parent = nullptr) : IndicatorWindow(17, parent) {}
};

class Tfrmzulenrei : public IndicatorWindow {
    Q_OBJECT
public:
    explicit Tfrmzulenrei(QWidget *parent = nullptr) : IndicatorWindow(18, parent) {}
};

class Tfrmzhusan : public IndicatorWindow {
    Q_OBJECT
public:
    explicit Tfrmzhusan(QWidget *parent = nullptr) : IndicatorWindow(19, parent) {}
};

} // namespace corvel
