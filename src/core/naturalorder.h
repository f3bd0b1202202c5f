#pragma once
// File names in the order a person counts them: a run of digits compares by its value, so
// "自动大底2.txt" comes before "自动大底10.txt" and "大底9" before "大底10". Everything else
// compares character by character (UTF-8 bytes, which is code point order; ASCII letters
// without regard to case).

#include <string_view>

namespace corvel {

// Negative, zero or positive as `a` sorts before, with or after `b`. Zero only for equal
// texts: of two names that differ only in leading zeros the one with fewer comes first
// ("7" before "07"), of two that differ only in case the upper-case one.
int naturalCompare(std::string_view a, std::string_view b);

inline bool naturalLess(std::string_view a, std::string_view b) { return naturalCompare(a, b) < 0; }

} // namespace corvel
