#include "core/intconv.h"

#include "core/textencoding.h"
#include "core/usererror.h"

#include <charconv>
#include <limits>

namespace corvel {

std::string notAnIntegerMessage(const std::string &text) {
    std::string message = "'";
    message += quotedPiece(text);
    message += "' 不是一个有效的整形值";
    return message;
}

std::string listIndexMessage(int index) { return "列表索引越界 (" + std::to_string(index) + ")"; }

bool tryStrToInt64(const std::string &text, int64_t &value) {
    size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t' || text[e - 1] == '\r' || text[e - 1] == '\n')) --e;
    if (b == e) return false;
    const char *first = text.data() + b;
    if (*first == '+') {
        ++first;
        if (first == text.data() + e || *first == '-') return false;
    }
    auto [ptr, ec] = std::from_chars(first, text.data() + e, value);
    return ec == std::errc() && ptr == text.data() + e;
}

int64_t strToInt64(const std::string &text) {
    int64_t v = 0;
    if (!tryStrToInt64(text, v)) throw UserError(notAnIntegerMessage(text));
    return v;
}

int32_t strToInt(const std::string &text) {
    int64_t v = 0;
    if (!tryStrToInt64(text, v) || v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        throw UserError(notAnIntegerMessage(text));
    return static_cast<int32_t>(v);
}

} // namespace corvel
