#pragma once
// Number text and the number-list files every tool hands its bet lists through:
// the four written forms, their readers, the clipboard text and the bet-list printout.
// Files are produced and consumed here as lines of text; src/store/textfile writes and
// reads them (GBK, CR LF).

#include "core/pagemodel.h"

#include <array>
#include <string>
#include <vector>

namespace corvel {

// A three-digit number in position order (百, 十, 个).
using Number = std::array<int, 3>;
using NumberList = std::vector<Number>;

// The bet kinds of investment lists, by index: 0 "直选", 1 "全组选", 2 "组选3", 3 "组选6".
enum class BetKind { Direct = 0, AllGroup = 1, Group3 = 2, Group6 = 3 };
std::string betKindName(BetKind kind);
// Largest list of a kind: 1000 direct numbers, 210 group numbers, 90 group three,
// 120 group six.
int betKindLimit(BetKind kind);
// Whether `n` has the form the kind takes: any digits for "直选"; for the group kinds the
// digits in ascending order and no leopard, with exactly two equal for "组选3" and all
// different for "组选6".
bool fitsBetKind(BetKind kind, const Number &n);

// "%.3d": the digits with nothing between them (7 → "007").
std::string numberText(const Number &n);
Number numberFromValue(int value); // 0..999
int numberValue(const Number &n);

// Plain list: numbers separated by single blanks, every line ending with one blank.
// `perLine` numbers per line (0 = all on one line).
std::vector<std::string> writePlainList(const NumberList &numbers, int perLine = 0);
// Grid list: every number followed by a blank, a line ended after every tenth number and
// after the last one.
std::vector<std::string> writeGridList(const NumberList &numbers);
// Kind-headed grid list: kind + "共" + count + "注", then a grid-list body.
std::vector<std::string> writeKindHeadedList(const std::string &kind, const NumberList &numbers);
// Investment list: the kind index, the count, then one number per line.
std::vector<std::string> writeInvestmentList(int kindIndex, const NumberList &numbers);

// The digits of the number a piece of list text starts with (the rest of the piece is
// ignored). Throws UserError with the standard conversion message naming the first
// character that is no digit, or the empty text when the piece is shorter than three.
Number leadingNumber(const std::string &piece);

// The total filter's reader: pieces split at blanks, commas and tabs, the first three
// characters of each piece are a number. Throws UserError when a piece does not start
// with three digits.
NumberList readPieceList(const std::vector<std::string> &lines);

struct KindHeadedList {
    std::string kind;
    int count = 0; // the numbers read: the heading's count, or fewer when the file holds fewer
    NumberList numbers;
    // Set when the file holds fewer numbers than its heading says: the user is told, and
    // only the numbers present are used.
    std::string shortfall;
};
// The cold-code search's reader of its own kind-headed form: the kind from the start of
// line 1 ("组选6" when it is none of the others), the count between "共" and "注", then at
// most `count` numbers. Throws UserError for a file without such a heading (a plain list
// saved elsewhere), and for a count outside 0..1000.
KindHeadedList readKindHeadedList(const std::vector<std::string> &lines);

struct InvestmentList {
    int kind = 0;  // line 1
    int count = 0; // the numbers read: line 2, or fewer when the file holds fewer
    // At most line 2's count of numbers: the first three characters of each following line.
    NumberList numbers;
    // Set when the file holds fewer numbers than its count line says: the user is told,
    // and only the numbers present are used (never made-up 000 entries).
    std::string shortfall;
};
// The investment mode window's reader. Throws UserError (standard conversion message)
// when line 1 or 2 is not an integer or a number line does not start with three digits,
// "列表索引越界" for a kind outside 0..3, and a message for a count outside 0..1000.
InvestmentList readInvestmentList(const std::vector<std::string> &lines);

// True when the number's digit text occurs anywhere in the joined text (the reader of
// the base list intersection and the number count extraction).
bool listTextContains(const std::string &joinedText, const Number &n);
// All lines joined with one blank.
std::string joinLines(const std::vector<std::string> &lines);

// Clipboard text of "复制": every number's digits followed by a blank, CR LF after every
// tenth number.
std::string clipboardText(const NumberList &numbers);

// The bet-list printout: 75 numbers a page in three column pairs, title, count and date
// line, footer "共N页\第M页". `date` is the printout's date text (printDate()). A
// `betIssue` line ("投注期号：…") is written on the count line's row, flush with the right
// edge of the table; an empty one writes nothing.
PrintDocument layoutBetList(const PageGeometry &page, const std::string &title, const NumberList &numbers,
                            const std::string &date, const std::string &betIssue = {});

} // namespace corvel
