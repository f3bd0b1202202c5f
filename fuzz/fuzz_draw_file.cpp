// The 3D draw file of the data server, as a download brings it.
#include "fuzzsupport.h"

using namespace corvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view text = fuzz::text(data, size);
    for (int64_t last : {int64_t(-1), int64_t(0), int64_t(2007122)}) {
        fuzz::refusalAllowed([&] {
            const std::vector<ParsedDraw> draws = parseDrawFileAfter(text, last);
            selectNewDraws(draws, last < 0 ? 0 : last, {"2007120"});
        });
    }
    return 0;
}
