#include "ui/intedit.h"

#include "core/intconv.h"
#include "core/usererror.h"

#include <QLineEdit>

namespace corvel::ui {

int32_t toInt(const QString &text) { return strToInt(text.toStdString()); }
int64_t toInt64(const QString &text) { return strToInt64(text.toStdString()); }

QLineEdit *numberEdit(QWidget *parent, const char *name, int width) {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setFixedWidth(width);
    return edit;
}

void markField(QLineEdit *edit) {
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

int32_t readInt(QLineEdit *edit) {
    try {
        return toInt(edit->text());
    } catch (const UserError &) {
        markField(edit);
        throw;
    }
}

int64_t readInt64(QLineEdit *edit) {
    try {
        return toInt64(edit->text());
    } catch (const UserError &) {
        markField(edit);
        throw;
    }
}

int64_t readPositiveInt64(QLineEdit *edit, const std::string &message) {
    const int64_t value = readInt64(edit);
    if (value <= 0) {
        markField(edit);
        throw UserError(message);
    }
    return value;
}

} // namespace corvel::ui
