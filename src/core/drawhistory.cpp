#include "core/drawhistory.h"

#include "core/intconv.h"
#include "core/usererror.h"

#include <algorithm>

namespace corvel {

namespace {

// Byte offset of the n-th UTF-8 character (or the size when there are fewer).
size_t utf8Offset(const std::string &s, size_t n) {
    size_t i = 0;
    while (i < s.size() && n > 0) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
        --n;
    }
    return i;
}

size_t utf8Length(const std::string &s) {
    size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

int32_t cellValue(const RawDraw &row, int column) {
    const auto &cell = row.digits[column - 1];
    // The standard conversion message, told where the empty cell is.
    if (!cell)
        throw UserError(notAnIntegerMessage("") + "（第" + row.issue + "期第" + std::to_string(column) +
                        "位开奖号码为空）");
    return *cell;
}

} // namespace

int32_t issueToInt(const std::string &issue, const std::string &lotteryName) {
    if (lotteryName == "黑龙江时时彩" || utf8Length(issue) <= 7) return strToInt(issue);
    return strToInt(issue.substr(utf8Offset(issue, 2)));
}

namespace {
// Fills a zeroed trend row.
void markTrendRow(TrendRow &row, int32_t issue, int64_t number, int d1, int d2, int d3) {
    row[0] = issue;
    row[1] = number;
    const int digits[3] = {d1, d2, d3};
    for (int p = 0; p < 3; ++p) {
        row[3 + digits[p]] += 1;
        row[14 + 10 * p + digits[p]] = 1;
    }
}
} // namespace

TrendRow makeTrendRow(int32_t issue, int64_t number, int d1, int d2, int d3) {
    TrendRow row{};
    markTrendRow(row, issue, number, d1, d2, d3);
    return row;
}

HistoryFill fillDrawHistory(const RawDrawTable &table, const std::string &lotteryName, int positionStart) {
    HistoryFill out;
    const size_t n = table.rows.size();
    out.history.resize(n); // zeroed, as are the trend rows, which are filled in place
    out.trend.resize(n);
    const bool three = isThreeDigitGame(lotteryName);
    for (size_t i = 0; i < n; ++i) {
        const RawDraw &raw = table.rows[i];
        try {
            DrawRow row{};
            row[0] = issueToInt(raw.issue, lotteryName);
            for (int j = 1; j <= 3; ++j) {
                const int v = cellValue(raw, positionStart + j - 1);
                if (v < 0 || v > 9)
                    throw UserError("第" + raw.issue + "期的开奖号码" + std::to_string(v) + "不是0到9的数字");
                row[j] = v;
            }
            int64_t number = 0;
            if (three) {
                number = cellValue(raw, 1) * 100 + cellValue(raw, 2) * 10 + cellValue(raw, 3);
            } else {
                // A table made with fewer digit columns shows the digits it has.
                for (int c = 1; c <= std::min(table.columnCount, 5); ++c) number = number * 10 + cellValue(raw, c);
            }
            out.history[i] = row;
            markTrendRow(out.trend[i], row[0], number, row[1], row[2], row[3]);
        } catch (const UserError &e) {
            out.error = e.what();
            break;
        }
    }
    out.issues.resize(n);
    for (size_t i = 0; i < n; ++i) {
        int64_t issue = 0;
        out.issues[i] = tryStrToInt64(table.rows[i].issue, issue) ? issue : out.history[i][0];
    }
    return out;
}

} // namespace corvel
