// The investment-mode files: the bet list, the settings, and both in one file.
#include "fuzzsupport.h"
#include "planning/tozifiles.h"

using namespace corvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::vector<std::string> lines = fuzz::lines(fuzz::text(data, size));
    fuzz::refusalAllowed([&] { readToziList(lines); });
    fuzz::refusalAllowed([&] { readToziSettings(lines); });
    fuzz::refusalAllowed([&] { readToziBoth(lines); });
    return 0;
}
