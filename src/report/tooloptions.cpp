#include "report/tooloptions.h"

#include "core/drawparse.h"
#include "core/intconv.h"
#include "core/usererror.h"
#include "filters/totalfilter.h"

#include <algorithm>

namespace corvel::report {

namespace {

int choice(const std::string &text, const std::string &option, int low, int high) {
    const int value = strToInt(text);
    if (value < low || value > high)
        throw UserError("--" + option + " 必须在" + std::to_string(low) + "～" + std::to_string(high) + "之间");
    return value;
}

// "--hits LO HI": the option and its two values leave the arguments.
std::pair<std::string, std::string> takeHits(Args &args) {
    const auto it = std::find(args.begin(), args.end(), "--hits");
    if (it == args.end()) return {"1", "3"};
    if (args.end() - it < 3) throw UserError("选项 --hits 缺少取值");
    std::pair<std::string, std::string> hits{*(it + 1), *(it + 2)};
    args.erase(it, it + 3);
    return hits;
}

} // namespace

std::pair<std::string, std::string> takePair(Args &args, const std::string &name, const std::string &low,
                                             const std::string &high) {
    const auto it = std::find(args.begin(), args.end(), "--" + name);
    if (it == args.end()) return {low, high};
    if (args.end() - it < 3) throw UserError("选项 --" + name + " 需要两个取值");
    std::pair<std::string, std::string> values{*(it + 1), *(it + 2)};
    args.erase(it, it + 3);
    return values;
}

std::pair<int, int> takeRange(Args &args, const std::string &name, std::pair<int, int> fallback) {
    const auto it = std::find(args.begin(), args.end(), "--" + name);
    if (it == args.end()) return fallback;
    if (args.end() - it < 3) throw UserError("选项 --" + name + " 需要两个取值");
    const std::pair<int, int> range{strToInt(*(it + 1)), strToInt(*(it + 2))};
    args.erase(it, it + 3);
    return range;
}

TotalOptions takeTotalOptions(Args &args) {
    TotalOptions o;
    o.listPath = takeOption(args, "list", "");
    o.toGroup = takeFlag(args, "to-group");
    return o;
}

NumberList totalFilterResult(const std::string &conditionsPath, const TotalOptions &options) {
    const TotalFilterSettings settings = readTotalFilterConditions(readInputFile(conditionsPath, false));
    DirectNumberTable numbers = buildDirectNumbers();
    const bool restricted = !options.listPath.empty();
    if (restricted) {
        const std::string text = readInputFile(options.listPath);
        if (static_cast<long long>(text.size()) > MaxListFileBytes) throw UserError(listFileTooLargeMessage());
        std::vector<std::string> lines;
        for (const std::string_view line : splitLines(text)) lines.emplace_back(line);
        markLoaded(numbers, readLoadedList(lines));
    }
    const std::vector<int> kept = runTotalFilter(numbers, settings, restricted);
    if (options.toGroup) return directToGroup(resultText(kept));
    NumberList result;
    for (int n : kept) result.push_back(numberFromValue(n));
    return result;
}

ColdOptions takeColdOptions(Args &args) {
    ColdOptions o;
    o.kind = strToInt(takeOption(args, "kind", "0"));
    o.count = strToInt64(takeOption(args, "count", "450"));
    return o;
}

BetKind coldKind(int kindIndex) {
    if (kindIndex < 0 || kindIndex > 3) throw UserError(listIndexMessage(kindIndex));
    return static_cast<BetKind>(kindIndex);
}

OmissionTexts takeOmissionOptions(Args &args) {
    OmissionTexts texts;
    std::tie(texts.level1Low, texts.level1High) = takePair(args, "level1", texts.level1Low, texts.level1High);
    std::tie(texts.level2Low, texts.level2High) = takePair(args, "level2", texts.level2Low, texts.level2High);
    std::tie(texts.toleranceLow, texts.toleranceHigh) =
        takePair(args, "tolerance", texts.toleranceLow, texts.toleranceHigh);
    texts.level1 = !takeFlag(args, "no-level1");
    texts.level2 = !takeFlag(args, "no-level2");
    return texts;
}

FilterSettings FollowOptions::filter() const {
    return readFilterSettings(excludeCount, danma, low, high, statistics.includeDraw);
}

FollowOptions takeFollowOptions(Args &args) {
    FollowOptions o;
    o.kind = takeFlag(args, "direct") ? FollowKind::Direct : FollowKind::Group;
    FollowSettings &s = o.statistics;
    s.width = choice(takeOption(args, "width", "1"), "width", 1, 3);
    s.position = choice(takeOption(args, "position", "1"), "position", 1, 3);
    s.ordered = takeFlag(args, "ordered");
    s.interval = choice(takeOption(args, "interval", "1"), "interval", 1, 100);
    o.followCount = takeOption(args, "follow", "2");
    s.includeDraw = takeFlag(args, "include-draw");
    o.excludeCount = takeOption(args, "exclude", "20");
    o.danma = takeOption(args, "danma", "");
    std::tie(o.low, o.high) = takeHits(args);
    return o;
}

void IntersectOptions::applyRecent() {
    settings.excludeRecent = !recent.empty();
    if (settings.excludeRecent) settings.recent = strToInt(recent);
}

IntersectOptions takeIntersectOptions(Args &args) {
    IntersectOptions o;
    IntersectSettings &s = o.settings;
    s.kind = takeFlag(args, "group") ? ListKind::Group : ListKind::Direct;
    std::tie(s.sixLow, s.sixHigh) = takeRange(args, "six", {0, 0});
    std::tie(s.threeLow, s.threeHigh) = takeRange(args, "three", {0, 0});
    o.recent = takeOption(args, "recent", "");
    return o;
}

ListCounter countFiles(const Args &paths) {
    if (paths.size() > size_t(MaxListFiles))
        throw UserError("一次最多只能导入" + std::to_string(MaxListFiles) + "个大底文件，您选择了" +
                        std::to_string(paths.size()) + "个！");
    ListCounter counter;
    for (const std::string &path : paths) counter.add(readInputFile(path));
    return counter;
}

uint32_t StableOptions::checkedCounter() const {
    if (counter < 0 || counter > int64_t(UINT32_MAX)) throw UserError("--counter 必须在0到4294967295之间！");
    return static_cast<uint32_t>(counter);
}

StableOptions takeStableOptions(Args &args) {
    StableOptions o;
    o.settings.lists = strToInt(takeOption(args, "lists", "4"));
    o.settings.stages = strToInt(takeOption(args, "stages", "2"));
    o.settings.misses = strToInt(takeOption(args, "misses", "109"));
    o.counter = strToInt64(takeOption(args, "counter", "1"));
    return o;
}

} // namespace corvel::report
