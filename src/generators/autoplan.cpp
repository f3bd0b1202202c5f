#include "generators/autoplan.h"

#include "core/textencoding.h"
#include "core/usererror.h"

#include <algorithm>

namespace corvel {

namespace {

const char *const BadDrawMessage = "请输入三位数字";
const char *const PositionWords[3] = {"百", "十", "个"};
const char *const ClassWords[2][2] = {{"偶", "奇"}, {"小", "大"}}; // [mode][class]
const char *const PositionSuffix = "位";
const char *const AllPositions = "百十个位";
const char *const PlanTitles[2] = {"转换定位2码七期必中选号计划", "转换定位3码15期必中选号计划"};
const char *const ModePrefix = "模式：";
const char *const StatePrefix = "状态：";
constexpr size_t HeaderLines = 3;

int classOf(PlanMode mode, int digit) { return mode == PlanMode::Parity ? digit % 2 : (digit >= 5 ? 1 : 0); }

// The text split into UTF-8 characters.
std::vector<std::string> characters(const std::string &text) {
    std::vector<std::string> out;
    for (size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        length = std::min(length, text.size() - at);
        out.push_back(text.substr(at, length));
        at += length;
    }
    return out;
}

int positionIndex(const std::string &word) {
    for (int p = 0; p < 3; ++p)
        if (word == PositionWords[p]) return p;
    return -1;
}

// Mode and class of a class word; false when it is none.
bool classWord(const std::string &word, int &mode, int &cls) {
    for (mode = 0; mode < 2; ++mode)
        for (cls = 0; cls < 2; ++cls)
            if (word == ClassWords[mode][cls]) return true;
    return false;
}

// A bet as positions (0-based, ascending) with the class each must have.
struct ParsedBet {
    int mode = 0;
    std::vector<int> positions;
    std::vector<int> classes;
};

bool parseBet(const std::string &bet, ParsedBet &out) {
    const std::vector<std::string> c = characters(bet);
    out = {};
    size_t classStart = 0;
    if (c.size() == 5 && c[2] == PositionSuffix) {
        // "百十位奇偶": two position names in ascending order, "位", two class words.
        const int p = positionIndex(c[0]), q = positionIndex(c[1]);
        if (p < 0 || q < 0 || p >= q) return false;
        out.positions = {p, q};
        classStart = 3;
    } else if (c.size() == 7 && c[0] + c[1] + c[2] + c[3] == AllPositions) {
        out.positions = {0, 1, 2};
        classStart = 4;
    } else {
        return false;
    }
    for (size_t i = classStart; i < c.size(); ++i) {
        int mode = 0, cls = 0;
        if (!classWord(c[i], mode, cls)) return false;
        if (i > classStart && mode != out.mode) return false; // a bet is made in one mode
        out.mode = mode;
        out.classes.push_back(cls);
    }
    return true;
}

std::string betText(PlanMode mode, const std::vector<int> &positions, const Number &draw) {
    std::string text;
    if (positions.size() == 3) {
        text = AllPositions;
    } else {
        for (int p : positions) text += PositionWords[p];
        text += PositionSuffix;
    }
    for (int p : positions) text += digitClass(mode, draw[size_t(p)]);
    return text;
}

[[noreturn]] void damaged(size_t line, const std::string &detail) {
    throw UserError("计划文件第" + std::to_string(line) + "行有误：" + detail + "，计划未载入！");
}

std::string withoutPrefix(const std::string &line, const std::string &prefix, size_t lineNumber,
                          const std::string &what) {
    if (line.rfind(prefix, 0) != 0) damaged(lineNumber, "缺少“" + prefix + "”（" + what + "）");
    return line.substr(prefix.size());
}

std::vector<std::string> splitComma(const std::string &line) {
    std::vector<std::string> fields;
    size_t from = 0;
    for (;;) {
        const size_t comma = line.find(',', from);
        fields.push_back(line.substr(from, comma == std::string::npos ? std::string::npos : comma - from));
        if (comma == std::string::npos) return fields;
        from = comma + 1;
    }
}

bool isDrawText(const std::string &text) {
    return text.size() == 3 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::string planStateName(PlanState state) {
    switch (state) {
    case PlanState::Empty:
        return "未开始";
    case PlanState::Running:
        return "进行中";
    default:
        return "已结束";
    }
}

std::string planModeName(PlanMode mode) { return mode == PlanMode::Parity ? "奇偶模式" : "大小模式"; }

std::string digitClass(PlanMode mode, int digit) { return ClassWords[static_cast<int>(mode)][classOf(mode, digit)]; }

Number readPlanDraw(const std::string &text) {
    if (!isDrawText(text)) throw UserError(BadDrawMessage);
    return {text[0] - '0', text[1] - '0', text[2] - '0'};
}

std::string planIssueText(size_t rowNumber) { return "第" + std::to_string(rowNumber) + "期"; }

bool isBetDescription(PlanKind kind, const std::string &bet) {
    ParsedBet parsed;
    return parseBet(bet, parsed) && parsed.positions.size() == (kind == PlanKind::TwoDigit ? 2u : 3u);
}

NumberList betNumbers(const std::string &bet) {
    ParsedBet parsed;
    if (!parseBet(bet, parsed)) return {};
    const auto mode = static_cast<PlanMode>(parsed.mode);
    NumberList numbers;
    for (int v = 0; v < 1000; ++v) {
        const Number n = numberFromValue(v);
        bool fits = true;
        for (size_t i = 0; i < parsed.positions.size() && fits; ++i)
            fits = classOf(mode, n[size_t(parsed.positions[i])]) == parsed.classes[i];
        if (fits) numbers.push_back(n);
    }
    return numbers;
}

PlanState AutoPlan::state() const {
    if (ended_) return PlanState::Ended;
    return rows_.empty() ? PlanState::Empty : PlanState::Running;
}

NumberList AutoPlan::betList() const { return rows_.empty() ? NumberList{} : betNumbers(rows_.back().bet); }

void AutoPlan::restart() {
    rows_.clear();
    ended_ = false;
}

StepOutcome AutoPlan::step(PlanMode mode, const std::string &latest, const std::string &second) {
    if (ended_) throw UserError("计划已结束，请开始新计划！");
    if (kind_ == PlanKind::TwoDigit) return stepTwo(mode, readPlanDraw(latest));
    const Number latestDraw = readPlanDraw(latest);
    return stepThree(mode, latestDraw, readPlanDraw(second));
}

StepOutcome AutoPlan::stepTwo(PlanMode mode, const Number &latest) {
    std::vector<int> positions{0, 1};
    if (!rows_.empty()) {
        // The last bet, read back from its description: positions p and q, classes a and b.
        const std::vector<std::string> c = characters(rows_.back().bet);
        const int p = positionIndex(c[0]), q = positionIndex(c[1]);
        const bool sameA = digitClass(mode, latest[size_t(p)]) == c[3];
        const bool sameB = digitClass(mode, latest[size_t(q)]) == c[4];
        if (sameA && sameB) {
            ended_ = true;
            return StepOutcome::Won;
        }
        positions = {p, q};
        if (sameA) positions = {p, 3 - p - q}; // keep p, q gives way to the third position
        if (sameB) positions = {3 - p - q, q}; // keep q, p gives way to the third position
        std::sort(positions.begin(), positions.end());
    }
    rows_.push_back({numberText(latest), betText(mode, positions, latest)});
    return StepOutcome::Added;
}

StepOutcome AutoPlan::stepThree(PlanMode mode, const Number &latest, const Number &second) {
    if (!rows_.empty() && betText(mode, {0, 1, 2}, latest) == rows_.back().bet) {
        ended_ = true;
        return StepOutcome::Won;
    }
    std::string bet = AllPositions;
    for (size_t k = 0; k < 3; ++k) {
        const int now = classOf(mode, latest[k]);
        const bool changed = classOf(mode, second[k]) != now;
        bet += ClassWords[static_cast<int>(mode)][changed ? 1 - now : now];
    }
    rows_.push_back({numberText(latest), bet});
    return StepOutcome::Added;
}

std::vector<std::string> AutoPlan::write(PlanMode mode) const {
    std::vector<std::string> lines{PlanTitles[static_cast<int>(kind_)], ModePrefix + planModeName(mode),
                                   StatePrefix + planStateName(state())};
    for (size_t i = 0; i < rows_.size(); ++i)
        lines.push_back(planIssueText(i + 1) + "," + rows_[i].draw + "," + rows_[i].bet);
    return lines;
}

AutoPlan::Loaded AutoPlan::read(PlanKind kind, const std::vector<std::string> &given) {
    std::vector<std::string> lines = given;
    while (!lines.empty() && lines.back().find_first_not_of(" \t\r") == std::string::npos) lines.pop_back();
    const std::string title = PlanTitles[static_cast<int>(kind)];
    if (lines.empty() || lines[0] != title) damaged(1, "不是“" + title + "”的计划文件");
    if (lines.size() < HeaderLines) damaged(lines.size() + 1, "文件不完整");

    Loaded loaded{AutoPlan(kind), PlanMode::Parity};
    const std::string mode = withoutPrefix(lines[1], ModePrefix, 2, "奇偶模式或大小模式");
    if (mode == planModeName(PlanMode::Parity))
        loaded.mode = PlanMode::Parity;
    else if (mode == planModeName(PlanMode::Size))
        loaded.mode = PlanMode::Size;
    else
        damaged(2, "“" + quotedPiece(mode) + "”不是奇偶模式或大小模式");

    const std::string state = withoutPrefix(lines[2], StatePrefix, 3, "未开始、进行中或已结束");
    PlanState wanted = PlanState::Empty;
    if (state == planStateName(PlanState::Running))
        wanted = PlanState::Running;
    else if (state == planStateName(PlanState::Ended))
        wanted = PlanState::Ended;
    else if (state != planStateName(PlanState::Empty))
        damaged(3, "“" + quotedPiece(state) + "”不是未开始、进行中或已结束");

    for (size_t i = HeaderLines; i < lines.size(); ++i) {
        const size_t lineNumber = i + 1, rowNumber = i - HeaderLines + 1;
        const std::vector<std::string> fields = splitComma(lines[i]);
        if (fields.size() != 3) damaged(lineNumber, "应为“期数,开奖号,投注”三项");
        if (fields[0] != planIssueText(rowNumber))
            damaged(lineNumber, "期数应为“" + planIssueText(rowNumber) + "”，而不是“" + quotedPiece(fields[0]) + "”");
        if (!isDrawText(fields[1])) damaged(lineNumber, "开奖号“" + quotedPiece(fields[1]) + "”不是三位数字");
        if (!isBetDescription(kind, fields[2])) damaged(lineNumber, "“" + quotedPiece(fields[2]) + "”不是有效的投注");
        loaded.plan.rows_.push_back({fields[1], fields[2]});
    }
    const bool hasRows = !loaded.plan.rows_.empty();
    if (hasRows == (wanted == PlanState::Empty))
        damaged(3, "计划状态“" + quotedPiece(state) + "”与" + std::to_string(loaded.plan.rows_.size()) + "行计划不符");
    loaded.plan.ended_ = wanted == PlanState::Ended;
    return loaded;
}

} // namespace corvel
