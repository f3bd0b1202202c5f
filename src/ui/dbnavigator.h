#pragma once
// The navigator of a database grid: first, prior, next, last, insert, delete, edit, post,
// cancel and refresh as one row of ten buttons.

#include <QSize>
#include <QWidget>
#include <array>

class QAbstractButton;
class QStackedLayout;
class QToolButton;

namespace corvel::ui {

// The ten-button navigator of a data grid; each button takes a tenth of the width.
class DbNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
    static constexpr int ButtonCount = 10;

    explicit DbNavigator(QWidget *parent = nullptr);
    QToolButton *button(Button b) const { return buttons_[b]; }
    QSize sizeHint() const override;
    // Lays `cover` over button `b`, in its place and of its size, for as long as both live.
    void cover(Button b, QAbstractButton *cover);

signals:
    void clicked(int button);

private:
    std::array<QToolButton *, ButtonCount> buttons_{};
    std::array<QStackedLayout *, ButtonCount> places_{};
};

} // namespace corvel::ui
