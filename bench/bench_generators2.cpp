// Danma groups, the base list intersection, the count extraction and the critical stable
// base list on the bundled 中国福彩3D history. Targets: ten danma groups ≤ 10 ms; 2000 list
// files of 1000 numbers each intersected (reading included) ≤ 0.5 s, the extraction
// likewise; "过滤" of the stable base list with its defaults ≤ 50 ms; "一键全部大底" with
// 1000 base lists ≤ 5 s, files included.

#include "core/random.h"
#include "generators/countextract.h"
#include "generators/windows/batchwork.h"
#include "store/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <random>
#include <sstream>

namespace {

using namespace corvel;

// The bundled history file also carries each draw's date: issue and digits are taken.
const DrawTable &fc3d() {
    static const DrawTable draws = [] {
        std::ifstream in(CORVEL_SOURCE_DIR "/resources/data/fc3d_history.txt");
        DrawTable out;
        std::string issue, digits;
        for (std::string line; std::getline(in, line);) {
            std::istringstream fields(line);
            if (fields >> issue >> digits && digits.size() == 3)
                out.push_back({static_cast<int32_t>(out.size()), digits[0] - '0', digits[1] - '0', digits[2] - '0'});
        }
        return out;
    }();
    return draws;
}

// 2000 grid-list files of 1000 numbers each (every direct number, shuffled), written once.
struct ListFiles {
    QTemporaryDir dir;
    QStringList paths;
    ListFiles() {
        std::mt19937 rng(9);
        NumberList numbers;
        for (int v = 0; v < 1000; ++v) numbers.push_back(numberFromValue(v));
        for (int f = 0; f < MaxListFiles; ++f) {
            std::shuffle(numbers.begin(), numbers.end(), rng);
            QStringList lines;
            for (const std::string &line : writeGridList(numbers)) lines << QString::fromStdString(line);
            paths << dir.filePath(QStringLiteral("大底%1.txt").arg(f + 1));
            writeTextLines(paths.back(), lines);
        }
    }
};
ListFiles &listFiles() {
    static ListFiles files;
    return files;
}

void BM_DanmaTenGroups(benchmark::State &state) {
    DanmaSettings s;
    s.index = static_cast<int>(fc3d().size());
    s.draws = static_cast<int>(state.range(0));
    Lcg random(clockSeed());
    for (auto _ : state) benchmark::DoNotOptimize(generateDanma(fc3d(), s, random));
}
BENCHMARK(BM_DanmaTenGroups)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

void BM_DanmaBaseList(benchmark::State &state) {
    DanmaSettings s;
    s.index = static_cast<int>(fc3d().size());
    Lcg random(1);
    const DanmaResult groups = generateDanma(fc3d(), s, random);
    for (auto _ : state) benchmark::DoNotOptimize(danmaBaseList(groups.groups, MissRanges{}));
}
BENCHMARK(BM_DanmaBaseList)->Unit(benchmark::kMicrosecond);

void BM_IntersectFiles(benchmark::State &state) {
    const QStringList &paths = listFiles().paths;
    IntersectSettings s;
    s.index = static_cast<int>(fc3d().size());
    s.excludeRecent = true;
    for (auto _ : state) {
        ListCounter counter;
        countListFiles(paths, counter);
        benchmark::DoNotOptimize(intersectLists(counter, fc3d(), s));
    }
}
BENCHMARK(BM_IntersectFiles)->Unit(benchmark::kMillisecond);

void BM_ExtractFiles(benchmark::State &state) {
    const QStringList &paths = listFiles().paths;
    for (auto _ : state) {
        ListCounter counter;
        countListFiles(paths, counter);
        benchmark::DoNotOptimize(extractByCount(counter, 1, 40));
    }
}
BENCHMARK(BM_ExtractFiles)->Unit(benchmark::kMillisecond);

// "过滤" with the defaults, from a counter that moves on as the window's does.
void BM_StableBaseList(benchmark::State &state) {
    StableSettings s;
    s.index = static_cast<int>(fc3d().size());
    uint32_t counter = 1;
    for (auto _ : state) benchmark::DoNotOptimize(stableBaseList(fc3d(), s, counter));
}
BENCHMARK(BM_StableBaseList)->Unit(benchmark::kMillisecond);

void BM_DanmaBatch(benchmark::State &state) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("无穷胆码选号自动大底"));
    DanmaSettings s;
    s.index = static_cast<int>(fc3d().size());
    Lcg random(clockSeed());
    for (auto _ : state) benchmark::DoNotOptimize(runDanmaBatch(folder, fc3d(), s, MissRanges{}, 1000, random));
}
BENCHMARK(BM_DanmaBatch)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
