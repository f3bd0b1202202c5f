#pragma once
// The list tools the back-test runs, each with its settings bound. A tool with a history
// comes in two paths that give the same lists: the literal one re-runs the tool from
// scratch on the draws before each tested draw; the fast one (the default) carries its
// state forward from one draw to the next (newest occurrences, omission counts) or reads
// only the part of the history the list depends on. The literal path is the reference the
// fast one is tested against.

#include "core/random.h"
#include "filters/exclusion.h"
#include "filters/interval.h"
#include "filters/omission.h"
#include "generators/follow.h"
#include "generators/intersect.h"
#include "generators/stablebase.h"
#include "planning/backtest.h"

#include <cstdint>
#include <memory>

namespace corvel {

// A list that does not depend on the history (the total filter's result): the same list
// is checked every draw.
enum class ToolPath { Fast, Literal };

ListTool fixedListTool(ToolList list);

// 冷码搜索: the `count` coldest candidates of the kind; a group list for the group kinds.
// The count is checked here (UserError as the window gives it).
ListTool coldTool(BetKind kind, int64_t count, ToolPath path = ToolPath::Fast);

// 综合立体全位排杀: the numbers the conditions keep. The texts are checked on the first call.
ListTool exclusionTool(const ExclusionSettings &settings, ToolPath path = ToolPath::Fast);

// 多重遗漏选号: "统计" over the draws before u, then "过滤" at u.
ListTool omissionTool(const OmissionSettings &settings, ToolPath path = ToolPath::Fast);

// 组选跟随选号 / 直选跟随选号: "统计" for the coming draw u, then one "过滤"; the list
// that passes both exclusions (direct numbers in either window).
ListTool followTool(FollowKind kind, const FollowSettings &statistics, const FilterSettings &filter,
                    ToolPath path = ToolPath::Fast);

// 多重大底交集 of the counted files at index u (`settings.index` is replaced); a group list
// for ListKind::Group.
ListTool intersectTool(const ListCounter &counter, const IntersectSettings &settings);

// 临界选号超稳大底 at index u: the union of the lists. `counter` is the seed counter; each
// run starts from the value the previous run left in it. `stop` ends a run half-way (the
// back-test then drops that draw).
ListTool stableTool(const StableSettings &settings, const std::shared_ptr<uint32_t> &counter,
                    const std::atomic<bool> *stop = nullptr);

// The two seeded tools of the windows. Both draw from `random`, carried from one draw to
// the next, and give up their search when `stop` is set (the back-test then drops that
// draw).
// 最优间隔选号 with start issue u: stage 1's list.
ListTool intervalTool(const IntervalSettings &settings, const std::shared_ptr<Lcg> &random,
                      const std::atomic<bool> *stop = nullptr);
// 无穷胆码选号's base list: the groups generated for issue u, then "过滤" with the ranges.
ListTool danmaBaseTool(const DanmaSettings &settings, const MissRanges &ranges, const std::shared_ptr<Lcg> &random,
                       const std::atomic<bool> *stop = nullptr);

} // namespace corvel
