// Reading and importing the draw history text file, and reading a downloaded draw file.

#include "core/drawparse.h"
#include "store/appdir.h"
#include "store/catalogue.h"
#include "store/database.h"
#include "store/drawio.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {

using namespace corvel;

// `count` lines "issue digits" with CR LF, as the export writes them.
std::string historyText(int count, int digits = 3) {
    std::mt19937 rng(11);
    std::string text;
    text.reserve(size_t(count) * 16);
    for (int i = 0; i < count; ++i) {
        text += std::to_string(1000000 + i) + ' ';
        for (int d = 0; d < digits; ++d) text += char('0' + rng() % 10);
        text += "\r\n";
    }
    return text;
}

void BM_ParseHistoryText(benchmark::State &state) {
    const std::string text = historyText(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(parseHistoryText(text));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
// 12000 draws, and a file just under the size limit (8 MB, about 600000 lines).
BENCHMARK(BM_ParseHistoryText)->Arg(MaxDraws)->Arg(600000)->Unit(benchmark::kMillisecond);

void BM_ImportHistoryFile(benchmark::State &state) {
    QTemporaryDir dir;
    initAppDir(dir.path());
    LotteryOptions options{QStringLiteral("中国福彩3D"), 1, 10, 3, QStringLiteral("21:15"), QStringLiteral("1234567")};
    createDatabase(databasePath(), {BundledLottery{options, {}}});
    const QString path = dir.path() + QStringLiteral("/history.txt");
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray::fromStdString(historyText(int(state.range(0)))));
    }
    Connection con(databasePath());
    for (auto _ : state) benchmark::DoNotOptimize(importHistory(con.db(), options.name, path));
}
BENCHMARK(BM_ImportHistoryFile)->Arg(MaxDraws)->Arg(600000)->Unit(benchmark::kMillisecond);

void BM_ParseDrawFile(benchmark::State &state) {
    std::string text;
    for (int i = 0; i < MaxDraws; ++i)
        text += std::to_string(2000000 + i) + ' ' + char('0' + i % 10) + ' ' + char('0' + i / 10 % 10) + ' ' +
                char('0' + i / 100 % 10) + "\r\n";
    for (auto _ : state) benchmark::DoNotOptimize(parseDrawFile(text));
}
BENCHMARK(BM_ParseDrawFile)->Unit(benchmark::kMillisecond);

} // namespace
