#pragma once
// The cells of the draw trend grid: 44 columns (issue, number, a separator, the counts of
// the digits 0..9, a separator, and the thirty position marks), a header row and one row
// per draw, newest first. Texts, fill bands, the sample texts that place a column's text,
// and the column widths.

#include "core/u_public.h"

#include <string>

namespace corvel {

constexpr int TrendColumns = 44;
// At most this many draws are shown.
constexpr int TrendMaxRows = 1000;
constexpr int TrendRowHeight = 24;

// The fill of a column band.
enum class TrendBand { Plain, Separator, Hundreds, Tens, Units };

struct Rgb {
    int red = 0, green = 0, blue = 0;
};

TrendBand trendBand(int column);
// The colour of a band; Plain has none of its own (the grid's tool-tip background).
Rgb trendBandColour(TrendBand band);

// How the open lottery is shown: three-digit games show "%0.3d" numbers and 7-digit issues.
struct TrendStyle {
    bool threeDigitNumber = true; // 中国福彩3D, 中国体彩排列3, 上海时时彩
    bool narrowIssue = true;      // 中国福彩3D, 中国体彩排列3: issue column 50 pixels
};
TrendStyle trendStyle(const std::string &lotteryName);

std::string trendHeaderText(int column);
std::string trendCellText(const TrendRow &row, int column, const TrendStyle &style);
// The text whose size centres a column's texts: every text of the column starts where
// this one would start if it were centred.
std::string trendSampleText(bool header, int column, const TrendStyle &style);

// Grid rows shown for `draws` draws (the header row not counted).
int trendRowCount(int draws);
// Index into the trend rows of grid row r (0 = newest draw).
int trendRowIndex(int draws, int r);

// Width of a column for a grid of the given client width; never below `minimum`.
int trendColumnWidth(int column, int clientWidth, const TrendStyle &style, int minimum = 1);

} // namespace corvel
