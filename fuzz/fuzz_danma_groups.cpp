// The danma file (保存胆码 / corvel-report baselist): decoded as every text file is, its
// groups read, the base list built, and the groups written and read back unchanged.
#include "core/textencoding.h"
#include "fuzzsupport.h"
#include "generators/danma.h"

#include <algorithm>

using namespace corvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::refusalAllowed([&] {
        const std::optional<std::string> decoded = unicodeText(fuzz::text(data, size), "groups.txt");
        const std::vector<std::string> lines = fuzz::lines(decoded ? *decoded : std::string(fuzz::text(data, size)));
        const std::vector<std::string> groups = readDanmaFile(lines);
        for (const std::string &g : groups)
            if (g.empty() || g.size() > 10 ||
                !std::all_of(g.begin(), g.end(), [](char c) { return c >= '0' && c <= '9'; }))
                __builtin_trap();
        if (readDanmaFile(writeDanmaFile(groups)) != groups) __builtin_trap();
        for (const MissRanges &r : {MissRanges{}, MissRanges{0, 8, 1, 9}, MissRanges{2, 1, 0, 100}}) {
            const NumberList list = danmaBaseList(groups, r);
            if (list.size() > 1000) __builtin_trap();
        }
    });
    return 0;
}
