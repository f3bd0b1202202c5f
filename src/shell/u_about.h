#pragma once

#include <QDialog>

namespace corvel {

// The about box: "Corvel12.0版", a picture and "关闭".
class Tfrmabout : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmabout(QWidget *parent = nullptr);
};

} // namespace corvel
