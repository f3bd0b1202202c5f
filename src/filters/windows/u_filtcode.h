#pragma once
// The filtered-code view "过滤号码": lists, prints and saves the numbers that the filter
// of the active analysis window lets through.

#include "core/candidates.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTableView;

namespace corvel {

namespace ui {
class GridModel;
}

// What an analysis window hands to the view; read again every time the view is activated.
struct FiltCodeSource {
    int tab = 0;                               // the main window's tab index (1..19)
    std::function<CandidateList()> candidates; // digits + pass mark (0 = listed)
    std::function<std::string()> description;  // e.g. "大小组合大大大"
};

class Tfrmfiltcode : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmfiltcode(FiltCodeSource source, QWidget *parent = nullptr);

    void FormActivate();
    void btnprintClick();
    void btnsaveClick();
    void btncloseClick();

    // The listed numbers and the description, as shown.
    const NumberList &numbers() const { return numbers_; }
    QString labelText() const;

    QTableView *grdfiltcode = nullptr;
    QLabel *lbljushu = nullptr;
    QPushButton *btnprint = nullptr;
    QPushButton *btnsave = nullptr;
    QPushButton *btnclose = nullptr;
    QPushButton *btnsend = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    FiltCodeSource source_;
    NumberList numbers_;
    std::string description_;
    ui::GridModel *model_ = nullptr;
};

// Opens the view modally for an analysis window (its "查看").
void showFilteredCodes(QWidget *parent, FiltCodeSource source);

} // namespace corvel
