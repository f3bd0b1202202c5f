#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;

namespace corvel {

// The program's picture, drawn for `size` × `size` logical pixels at the given device pixel
// ratio: three draw balls under a small trend chart. Also the windows' icon.
QPixmap programPicture(int size, qreal devicePixelRatio = 1.0);
QIcon programIcon();

// The about box: "Corvel12.0版", the program's picture at its natural size and "关闭".
class Tfrmabout : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmabout(QWidget *parent = nullptr);

    QLabel *imgpicture = nullptr;
    static constexpr int PictureSize = 64;
};

} // namespace corvel
