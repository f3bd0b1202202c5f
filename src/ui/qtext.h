#pragma once
// Engine texts are UTF-8 std::strings; windows show QStrings. The one pair of converters.

#include <QString>
#include <string>

namespace corvel {

inline QString q(const std::string &text) { return QString::fromStdString(text); }
inline std::string s(const QString &text) { return text.toStdString(); }

} // namespace corvel
