#include "ui/intedit.h"

#include "core/intconv.h"

#include <QLineEdit>

namespace corvel::ui {

int32_t toInt(const QString &text) { return strToInt(text.toStdString()); }
int64_t toInt64(const QString &text) { return strToInt64(text.toStdString()); }
int32_t readInt(const QLineEdit *edit) { return toInt(edit->text()); }
int64_t readInt64(const QLineEdit *edit) { return toInt64(edit->text()); }

} // namespace corvel::ui
