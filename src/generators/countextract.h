#pragma once
// "次数提取工具": the direct numbers that occur in a chosen range of many base lists,
// whatever their digit form.

#include "generators/intersect.h"

namespace corvel {

// Every direct number held by `low` … `high` of the counted lists, ascending ("中出次数"
// … "到"). Throws UserError("请先导入大底文件！") without lists.
NumberList extractByCount(const ListCounter &counter, int low, int high);

} // namespace corvel
