#pragma once
// Shared pieces of the fuzz targets: the input as text and as lines, split the way the
// program splits every text file. A reader may refuse an input with a UserError (that is
// its job); anything else — a crash, a sanitizer report, another exception — is a fault.

#include "core/drawparse.h"
#include "core/usererror.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvel::fuzz {

inline std::string_view text(const uint8_t *data, size_t size) { return {reinterpret_cast<const char *>(data), size}; }

inline std::vector<std::string> lines(std::string_view text) {
    std::vector<std::string> out;
    for (const std::string_view line : splitLines(text)) out.emplace_back(line);
    return out;
}

// Runs `read`; a UserError is an accepted refusal.
template <class Read> void refusalAllowed(Read read) {
    try {
        read();
    } catch (const UserError &) {
    }
}

} // namespace corvel::fuzz
