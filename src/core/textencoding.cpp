#include "core/textencoding.h"

#include "core/usererror.h"

#include <cstdint>

namespace corvel {

namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD";

// The length of the well-formed UTF-8 character at `at`, 0 when the bytes there are none.
size_t utf8CharLength(std::string_view text, size_t at, uint32_t *codeOut = nullptr) {
    const auto c = static_cast<unsigned char>(text[at]);
    size_t length = 0;
    uint32_t min = 0, code = 0;
    if (c < 0x80) {
        if (codeOut) *codeOut = c;
        return 1;
    } else if ((c & 0xE0) == 0xC0) {
        length = 2, min = 0x80, code = c & 0x1Fu;
    } else if ((c & 0xF0) == 0xE0) {
        length = 3, min = 0x800, code = c & 0x0Fu;
    } else if ((c & 0xF8) == 0xF0) {
        length = 4, min = 0x10000, code = c & 0x07u;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3Fu);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    if (codeOut) *codeOut = code;
    return length;
}

void appendUtf8(std::string &out, uint32_t code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](size_t at) {
        const auto a = static_cast<unsigned char>(bytes[at]), b = static_cast<unsigned char>(bytes[at + 1]);
        return bigEndian ? uint32_t(a << 8 | b) : uint32_t(b << 8 | a);
    };
    size_t at = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        const uint32_t u = unit(at);
        if (u >= 0xD800 && u <= 0xDBFF && at + 3 < bytes.size()) {
            const uint32_t low = unit(at + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                at += 2;
                continue;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF)
            out += Replacement;
        else
            appendUtf8(out, u);
    }
    if (at < bytes.size()) out += Replacement; // an odd last byte
    return out;
}

} // namespace

bool validUtf8(std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        const size_t length = utf8CharLength(text, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::optional<std::string> unicodeText(std::string_view bytes, const std::string &name) {
    std::optional<std::string> text;
    if (bytes.substr(0, 2) == "\xFF\xFE")
        text = utf16ToUtf8(bytes.substr(2), false);
    else if (bytes.substr(0, 2) == "\xFE\xFF")
        text = utf16ToUtf8(bytes.substr(2), true);
    else if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        text = std::string(bytes.substr(3));
    else if (validUtf8(bytes))
        text = std::string(bytes);
    const std::string_view checked = text ? std::string_view(*text) : bytes;
    if (checked.find('\0') != std::string_view::npos)
        throw UserError("文件“" + name +
                        "”不是可以读取的文本文件：其中含有空字符（UTF-16编码的文件须带字节顺序标记）！");
    return text;
}

std::string quotedPiece(std::string_view text) {
    std::string out;
    size_t chars = 0, at = 0;
    while (at < text.size() && chars < MaxQuotedChars) {
        uint32_t code = 0;
        const size_t length = utf8CharLength(text, at, &code);
        if (length == 0 || code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0))
            out += code == '\t' && length ? std::string_view(" ") : Replacement;
        else
            out += text.substr(at, length);
        at += length ? length : 1;
        ++chars;
    }
    if (at < text.size()) out += "…";
    return out;
}

} // namespace corvel
