#pragma once
// The column headings of the program's grids (ui::makeGrid installs it): a heading too
// wide for its column is shown one character a line, and the heading row grows to hold
// it, so narrow trend columns show their whole heading instead of a cut one.
//
// Clicking a heading sorts the grid by its column, ascending; the second click sorts it
// descending and the third gives the rows back their own order.

#include <QHash>
#include <QHeaderView>

namespace corvel::ui {

class GridHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit GridHeader(QWidget *parent = nullptr);

    // The heading as shown: the model's text, or its characters one a line when the
    // text is wider than the column.
    QString shownText(int logicalIndex) const;
    // Room a text line needs besides its own width (the style's margins).
    int textMargin() const;

    QSize sizeHint() const override;

protected:
    void initStyleOptionForIndex(QStyleOptionHeader *option, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void changeEvent(QEvent *event) override;

private:
    void refit();
    void sortBy(int logicalIndex);
    QSize styleSize(int logicalIndex) const;
    bool refitPending_ = false;
    // The style's size of a heading by its text and whether sort marks are shown: the style
    // lays the text out on every call, and a grid's layout asks for every heading often.
    mutable QHash<QString, QSize> styleSizes_;
};

} // namespace corvel::ui
