#pragma once
// A printout as plain data: pages of texts and lines at page coordinates (printer
// pixels). Layout functions in the engine build it; src/ui/printing paints it, so a
// test can check a layout without a printer.

#include <functional>
#include <string>
#include <vector>

namespace corvel {

enum class PageFont {
    Title, // "录书", 18 point, bold italic
    Body   // "宋体", 10 point, regular
};

struct PageText {
    PageFont font = PageFont::Body;
    int x = 0;
    int y = 0; // top of the text
    std::string text;
};

struct PageLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct Page {
    std::vector<PageText> texts;
    std::vector<PageLine> lines;
};

struct PageGeometry {
    int width = 0;  // printable width W
    int height = 0; // page height H
    // Width of a text in the given font, in the same units (for centring titles).
    std::function<int(PageFont, const std::string &)> textWidth;
};

using PrintDocument = std::vector<Page>;

// Today's date as the printouts write it: year-month-day without leading zeros (2009-1-5).
std::string printDate();

} // namespace corvel
