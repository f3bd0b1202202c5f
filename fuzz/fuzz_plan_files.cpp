// The three plan files (固定, 阶段, 可变投资计划表).
#include "fuzzsupport.h"
#include "planning/planfiles.h"

using namespace corvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::vector<std::string> lines = fuzz::lines(fuzz::text(data, size));
    fuzz::refusalAllowed([&] { readFixedPlanLines(lines); });
    fuzz::refusalAllowed([&] { readStagePlanLines(lines); });
    fuzz::refusalAllowed([&] { readVariablePlanLines(lines); });
    return 0;
}
