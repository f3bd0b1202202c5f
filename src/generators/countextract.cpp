#include "generators/countextract.h"

#include "core/usererror.h"

namespace corvel {

NumberList extractByCount(const ListCounter &counter, int low, int high) {
    if (counter.lists() == 0) throw UserError("请先导入大底文件！");
    NumberList out;
    for (int value = 0; value < 1000; ++value) {
        const int count = counter.count(value);
        if (count >= low && count <= high) out.push_back(numberFromValue(value));
    }
    return out;
}

} // namespace corvel
