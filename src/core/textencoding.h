#pragma once
// The forms a text file may come in, and the pieces of a text that messages quote.
// Every reader of the program (and of corvel-report) decodes a file's bytes here before
// it splits them into lines with splitLines.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corvel {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool validUtf8(std::string_view text);

// The text of a file's bytes as UTF-8 when the bytes are Unicode: UTF-16 with a byte order
// mark (little or big endian) is converted, a UTF-8 byte order mark is dropped, valid UTF-8
// is kept as it stands. Nothing for bytes in the legacy code page (GBK), which the caller
// converts. Throws UserError naming `name` when the text holds a NUL character: UTF-16
// without a byte order mark, UTF-32 or a file that is no text at all is refused rather
// than read as a text without numbers.
std::optional<std::string> unicodeText(std::string_view bytes, const std::string &name);

// Characters of a text a message quotes at most.
constexpr size_t MaxQuotedChars = 40;

// A piece of a text for a message: at most MaxQuotedChars characters, "…" added when the
// text is longer; bytes that are not UTF-8 and control characters read as "\xEF\xBF\xBD", so
// the message is valid UTF-8 whatever the file held. Every message that quotes what it
// complains about quotes it through this.
std::string quotedPiece(std::string_view text);

} // namespace corvel
