// The draw history text file: the import's checking reader, the report's reader and the
// data check, which reads every line however malformed and never refuses.
#include "core/historytext.h"
#include "fuzzsupport.h"
#include "maintenance/drawcheck.h"

using namespace corvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view text = fuzz::text(data, size);
    fuzz::refusalAllowed([&] { parseHistoryText(text); });
    for (int start : {1, 3}) fuzz::refusalAllowed([&] { readHistoryText(text, start, "黑龙江时时彩"); });
    fuzz::refusalAllowed([&] { readHistoryText(text); });
    const DrawCheck check = checkDraws(drawCheckRows(text));
    if (check.problems() + check.warnings() != check.findings.size()) __builtin_trap();
    for (const DrawFinding &f : check.findings)
        if (f.line == 0 || findingLine(f).empty()) __builtin_trap();
    drawCheckSummary(check, 3);
    return 0;
}
