#include "ui/buttons.h"

#include <QPushButton>

namespace corvel::ui {

QPushButton *commandButton(QWidget *parent, const QString &name, const QString &caption) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace corvel::ui
