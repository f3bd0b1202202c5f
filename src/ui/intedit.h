#pragma once
// Reading integers from edit boxes with the standard conversion message.

#include <QString>
#include <cstdint>
#include <string>

class QLineEdit;
class QWidget;

namespace corvel::ui {

// Throw corvel::UserError("'text' 不是一个有效的整形值") when the text is not an integer.
// The refused edit box gets the focus with its text selected, so the user sees which one
// it was once the message is closed.
int32_t readInt(QLineEdit *edit);
int64_t readInt64(QLineEdit *edit);
// As readInt64, and a value of 0 or less is refused with `message` the same way.
int64_t readPositiveInt64(QLineEdit *edit, const std::string &message);
int32_t toInt(const QString &text);
int64_t toInt64(const QString &text);

// A small edit box for a number, named `name`, `width` pixels wide.
QLineEdit *numberEdit(QWidget *parent, const char *name, int width = 48);

// Puts the focus in the edit box and selects its text (a refused input).
void markField(QLineEdit *edit);

} // namespace corvel::ui
