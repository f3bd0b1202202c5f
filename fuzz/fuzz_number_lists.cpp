// The number-list files in their forms: the piece reader, the kind-headed list, the
// investment list, and the joined text the list tools search.
#include "core/numberlist.h"
#include "fuzzsupport.h"

using namespace corvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::vector<std::string> lines = fuzz::lines(fuzz::text(data, size));
    fuzz::refusalAllowed([&] { readPieceList(lines); });
    fuzz::refusalAllowed([&] { readKindHeadedList(lines); });
    fuzz::refusalAllowed([&] {
        const InvestmentList list = readInvestmentList(lines);
        if (list.numbers.size() != size_t(list.count)) __builtin_trap(); // the count is what was read
        for (const Number &n : list.numbers)
            for (int d : n)
                if (d < 0 || d > 9) __builtin_trap();
    });
    const std::string joined = joinLines(lines);
    for (int v = 0; v < 1000; v += 111) listTextContains(joined, numberFromValue(v));
    return 0;
}
