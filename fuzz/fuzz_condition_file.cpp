// The condition files of the filter windows (key=value lines).
#include "core/conditionfile.h"
#include "fuzzsupport.h"

using namespace corvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string text(fuzz::text(data, size));
    fuzz::refusalAllowed([&] {
        const ConditionFile file = parseConditionFile(text, {"chkb", "chkzhu6", "opt7", "edtdan1"});
        file.indexList("chkb", 0, 9, {});
        file.flag("chkzhu6", false);
        file.radio("opt7", 2, 0);
        file.text("edtdan1", "");
    });
    return 0;
}
