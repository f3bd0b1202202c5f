#include "core/naturalorder.h"

#include <cstddef>

namespace corvel {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

unsigned char folded(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 'A' && b <= 'Z' ? static_cast<unsigned char>(b - 'A' + 'a') : b;
}

int sign(bool less) { return less ? -1 : 1; }

// The end of the run of digits that starts at `from`.
size_t runEnd(std::string_view text, size_t from) {
    while (from < text.size() && isDigit(text[from])) ++from;
    return from;
}

// The run without its leading zeros (empty for a run of zeros only).
std::string_view significant(std::string_view run) {
    size_t first = 0;
    while (first < run.size() && run[first] == '0') ++first;
    return run.substr(first);
}

} // namespace

int naturalCompare(std::string_view a, std::string_view b) {
    // What decides between texts that are equal but for leading zeros or letter case: the
    // first such difference.
    int zeros = 0;
    int letterCase = 0;
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const size_t ie = runEnd(a, i), je = runEnd(b, j);
            const std::string_view runA = a.substr(i, ie - i), runB = b.substr(j, je - j);
            const std::string_view valueA = significant(runA), valueB = significant(runB);
            // Without leading zeros the longer run is the larger value; runs of equal length
            // compare digit by digit, so no run is too long to compare.
            if (valueA.size() != valueB.size()) return sign(valueA.size() < valueB.size());
            if (const int c = valueA.compare(valueB); c != 0) return sign(c < 0);
            if (zeros == 0 && runA.size() != runB.size()) zeros = sign(runA.size() < runB.size());
            i = ie;
            j = je;
            continue;
        }
        const unsigned char ca = folded(a[i]), cb = folded(b[j]);
        if (ca != cb) return sign(ca < cb);
        if (letterCase == 0 && a[i] != b[j])
            letterCase = sign(static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]));
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size()) return sign(i == a.size()); // a text before its longer ones
    return zeros != 0 ? zeros : letterCase;
}

} // namespace corvel
