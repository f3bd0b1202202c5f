#include "core/u_public.h"

namespace corvel {

std::string AppDir;
std::string LotteryName;
int32_t LotteryKind = 1;
int32_t NumberRange = 10;
int32_t PickCount = 3;
int32_t PositionStart = 1;
bool LotteryOpen = false;
int32_t NumberCount = 0;
int32_t DrawCount = 0;
const std::array<std::string, 4> PositionNames{"", "百", "十", "个"};
DirectNumberTable DirectNumbers{};
DrawTable DrawHistory;
TrendTable TrendRows;
std::vector<int64_t> DrawIssues;
WindowChoices Choices;

int32_t Combinations(int32_t n, int32_t k) {
    if (k <= 0) return 1;
    int32_t num = 1, den = 1;
    for (int32_t i = 0; i < k; ++i) {
        num *= n - i;
        den *= i + 1;
    }
    return num / den;
}

int32_t NumberSpaceSize(int32_t n, int32_t k, int32_t kind) {
    if (kind != 1) return Combinations(n, k);
    int32_t r = 1;
    for (int32_t i = 0; i < k; ++i) r *= n;
    return r;
}

DirectNumberTable buildDirectNumbers() {
    DirectNumberTable t{};
    for (int n = 0; n < 1000; ++n) t[n] = {n / 100, (n / 10) % 10, n % 10, 0, 0};
    return t;
}

bool isThreeDigitGame(const std::string &name) {
    return name == "中国福彩3D" || name == "中国体彩排列3" || name == "上海时时彩";
}

std::string lotteryTitleName(const std::string &name) {
    const size_t slash = name.find_last_of("/\\");
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

std::string profileRefusal(int32_t kind, int32_t range, int32_t pick) {
    if (kind == 1 && range == 10 && pick == 3) return {};
    return "本程序只能分析数字型、号码总数10、选择号码数3的彩票，该彩票（类型" + std::to_string(kind) + "，号码总数" +
           std::to_string(range) + "，选择号码数" + std::to_string(pick) + "）无法打开！";
}

} // namespace corvel
