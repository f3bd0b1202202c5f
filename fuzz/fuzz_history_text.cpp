// The draw history text file: the import's checking reader and the report's reader.
#include "core/historytext.h"
#include "fuzzsupport.h"

using namespace corvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view text = fuzz::text(data, size);
    fuzz::refusalAllowed([&] { parseHistoryText(text); });
    for (int start : {1, 3}) fuzz::refusalAllowed([&] { readHistoryText(text, start, "黑龙江时时彩"); });
    fuzz::refusalAllowed([&] { readHistoryText(text); });
    return 0;
}
