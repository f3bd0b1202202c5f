#pragma once
// Reading integers from edit boxes with the standard conversion message.

#include <QString>
#include <cstdint>

class QLineEdit;

namespace corvel::ui {

// Throw corvel::UserError("'text' 不是一个有效的整形值") when the text is not an integer.
int32_t readInt(const QLineEdit *edit);
int64_t readInt64(const QLineEdit *edit);
int32_t toInt(const QString &text);
int64_t toInt64(const QString &text);

} // namespace corvel::ui
