#include "planning/backtesttools.h"

#include "filters/coldcode.h"

namespace corvel {

ListTool fixedListTool(ToolList list) {
    return [list = std::move(list)](const DrawTable &, int) { return list; };
}

ListTool coldTool(BetKind kind, int64_t count) {
    checkColdCount(kind, count);
    const ListForm form = kind == BetKind::Direct ? ListForm::Direct : ListForm::Group;
    return [=](const DrawTable &before, int) { return ToolList{coldSearch(before, kind, count), form}; };
}

ListTool exclusionTool(const ExclusionSettings &settings) {
    return [settings](const DrawTable &before, int) { return ToolList{runExclusion(before, settings).kept}; };
}

ListTool omissionTool(const OmissionSettings &settings) {
    return [settings](const DrawTable &before, int index) {
        const std::vector<OmissionRow> statistics = omissionStatistics(before, settings);
        return ToolList{omissionFilter(before, statistics, index, settings)};
    };
}

ListTool followTool(FollowKind kind, const FollowSettings &statistics, const FilterSettings &filter) {
    return [=](const DrawTable &before, int index) {
        FollowSelection selection(kind);
        selection.statistics(before, index, statistics);
        selection.filter(filter);
        return ToolList{selection.lists().combined};
    };
}

ListTool intersectTool(const ListCounter &counter, const IntersectSettings &settings) {
    const ListForm form = settings.kind == ListKind::Group ? ListForm::Group : ListForm::Direct;
    return [=](const DrawTable &before, int index) {
        IntersectSettings s = settings;
        s.index = index;
        return ToolList{intersectLists(counter, before, s), form};
    };
}

ListTool stableTool(const StableSettings &settings, std::shared_ptr<uint32_t> counter) {
    return [=](const DrawTable &before, int index) {
        StableSettings s = settings;
        s.index = index;
        return ToolList{stableBaseList(before, s, *counter).unionList};
    };
}

} // namespace corvel
