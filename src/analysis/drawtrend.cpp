#include "analysis/drawtrend.h"

#include <algorithm>
#include <cstdio>

namespace corvel {

TrendBand trendBand(int column) {
    if (column == 2 || column == 13) return TrendBand::Separator;
    if (column >= 14 && column <= 23) return TrendBand::Hundreds;
    if (column >= 24 && column <= 33) return TrendBand::Tens;
    if (column >= 34 && column <= 43) return TrendBand::Units;
    return TrendBand::Plain;
}

Rgb trendBandColour(TrendBand band) {
    switch (band) {
    case TrendBand::Separator:
        return {100, 100, 100};
    case TrendBand::Hundreds:
        return {150, 150, 100};
    case TrendBand::Tens:
        return {100, 150, 150};
    case TrendBand::Units:
        return {120, 120, 160};
    case TrendBand::Plain:
        break;
    }
    return {255, 255, 225};
}

TrendStyle trendStyle(const std::string &lotteryName) {
    TrendStyle style;
    style.threeDigitNumber = isThreeDigitGame(lotteryName);
    style.narrowIssue = lotteryName == "中国福彩3D" || lotteryName == "中国体彩排列3";
    return style;
}

std::string trendHeaderText(int column) {
    if (column == 0) return "记录期号";
    if (column == 1) return "开奖号码";
    if (column >= 3 && column <= 12) return std::to_string(column - 3);
    if (column >= 14 && column <= 43) return std::to_string((column - 14) % 10);
    return {};
}

std::string trendCellText(const TrendRow &row, int column, const TrendStyle &style) {
    if (column == 0) return std::to_string(row[0]);
    if (column == 1) {
        char text[32];
        std::snprintf(text, sizeof text, style.threeDigitNumber ? "%.3lld" : "%.5lld", static_cast<long long>(row[1]));
        return text;
    }
    if (column >= 3 && column <= 12) return row[size_t(column)] > 0 ? std::to_string(row[size_t(column)]) : "";
    if (column >= 14 && column <= 43) return row[size_t(column)] > 0 ? "●" : "";
    return {};
}

std::string trendSampleText(bool header, int column, const TrendStyle &style) {
    if (column == 0) return header ? "记录期号" : (style.threeDigitNumber ? "2001001" : "2001010101");
    if (column == 1) return header ? "开奖号码" : "000";
    if (column >= 14 && !header) return "●";
    return "0";
}

int trendRowCount(int draws) { return std::clamp(draws, 0, TrendMaxRows); }

int trendRowIndex(int draws, int r) { return draws - 1 - r; }

int trendColumnWidth(int column, int clientWidth, const TrendStyle &style, int minimum) {
    int width = 0;
    if (column == 0)
        width = style.narrowIssue ? 50 : 70;
    else if (column == 1)
        width = 50;
    else if (column == 2 || column == 13)
        width = 8;
    else
        width = (clientWidth - 140) / 42;
    return std::max(width, minimum);
}

} // namespace corvel
