#pragma once
// Integer conversion with the program's standard message:
// "'abc' 不是一个有效的整形值".

#include <cstdint>
#include <string>

namespace corvel {

// The standard message for a text that is not an integer.
std::string notAnIntegerMessage(const std::string &text);
// The standard message for a list index beyond the end.
std::string listIndexMessage(int index);

// Decimal integer, optional sign, surrounding blanks allowed; throws UserError otherwise
// (also when the value does not fit).
int32_t strToInt(const std::string &text);
int64_t strToInt64(const std::string &text);

// Same rules without throwing.
bool tryStrToInt64(const std::string &text, int64_t &value);

} // namespace corvel
