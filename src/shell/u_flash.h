#pragma once

#include <QDialog>

class QTimer;

namespace corvel {

// The splash window: flash.jpg, the title, about five seconds; a click ends it early.
class Tfrmflash : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmflash(QWidget *parent = nullptr);
    int ticks() const { return ticks_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap picture_;
    QTimer *timer_ = nullptr;
    int ticks_ = 0;
};

} // namespace corvel
