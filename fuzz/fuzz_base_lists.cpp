// The base lists of 多重大底交集 and 次数提取工具: a file's bytes decoded as every text file
// is (UTF-16 read, NUL bytes refused), counted, intersected and extracted. A number counts
// exactly when its three digits stand in the text.
#include "core/textencoding.h"
#include "fuzzsupport.h"
#include "generators/countextract.h"
#include "generators/intersect.h"

using namespace corvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::refusalAllowed([&] {
        const std::optional<std::string> decoded = unicodeText(fuzz::text(data, size), "list.txt");
        const std::string text = decoded ? *decoded : std::string(fuzz::text(data, size));
        const NumberSet present = numbersInText(text);
        if (text.size() <= 4096)
            for (int v = 0; v < 1000; ++v)
                if (present[size_t(v)] != (text.find(numberText(numberFromValue(v))) != std::string::npos))
                    __builtin_trap();
        ListCounter counter;
        counter.add(text);
        counter.add(text);
        const NumberList all = extractByCount(counter, 2, 2);
        if (all.size() != present.count()) __builtin_trap();
        IntersectSettings settings;
        settings.kind = size % 2 ? ListKind::Group : ListKind::Direct;
        settings.sixHigh = settings.threeHigh = int(size % 3);
        intersectLists(counter, DrawTable{}, settings);
        directToGroup(text);
        groupToDirect(text);
        previewCount(text);
    });
    return 0;
}
