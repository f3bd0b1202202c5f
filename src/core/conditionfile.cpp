#include "core/conditionfile.h"

#include "core/drawparse.h"
#include "core/textencoding.h"
#include "core/usererror.h"

#include <algorithm>
#include <charconv>

namespace corvel {

namespace {

std::string linePrefix(int line) { return "条件文件第" + std::to_string(line) + "行："; }

[[noreturn]] void refuse(int line, const std::string &what) { throw UserError(linePrefix(line) + what); }

[[noreturn]] void badValue(const ConditionValue &value, const std::string &expected) {
    refuse(value.line,
           "“" + quotedPiece(value.key) + "”的值“" + quotedPiece(value.text) + "”不对，应为" + expected + "！");
}

bool isSpaceOrTab(char c) { return c == ' ' || c == '\t'; }

std::string trimmed(const std::string &text) {
    size_t b = 0, e = text.size();
    while (b < e && isSpaceOrTab(text[b])) ++b;
    while (e > b && isSpaceOrTab(text[e - 1])) --e;
    return text.substr(b, e - b);
}

// A plain decimal number without sign; false for anything else or a value beyond int.
bool plainNumber(const std::string &text, int &value) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return true;
}

std::string rangeText(int low, int high) { return std::to_string(low) + "～" + std::to_string(high); }

} // namespace

std::vector<int> conditionIndexList(const ConditionValue &value, int low, int high) {
    std::vector<int> indexes;
    const std::string &text = value.text;
    size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && isSpaceOrTab(text[at])) ++at;
        const size_t start = at;
        while (at < text.size() && !isSpaceOrTab(text[at])) ++at;
        if (at == start) break;
        int index = 0;
        if (!plainNumber(text.substr(start, at - start), index) || index < low || index > high)
            badValue(value, "以空格分隔的" + rangeText(low, high) + "之间的序号");
        indexes.push_back(index);
    }
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    return indexes;
}

bool conditionFlag(const ConditionValue &value) {
    const std::string text = trimmed(value.text);
    if (text != "0" && text != "1") badValue(value, "0或1");
    return text == "1";
}

int conditionRadio(const ConditionValue &value, int itemCount) {
    int index = 0;
    if (!plainNumber(trimmed(value.text), index) || index >= itemCount)
        badValue(value, rangeText(0, itemCount - 1) + "之间的序号");
    return index;
}

const ConditionValue *ConditionFile::find(const std::string &key) const {
    const auto it = values_.find(key);
    return it == values_.end() ? nullptr : &it->second;
}

std::vector<int> ConditionFile::indexList(const std::string &key, int low, int high,
                                          const std::vector<int> &fallback) const {
    const ConditionValue *value = find(key);
    return value ? conditionIndexList(*value, low, high) : fallback;
}

bool ConditionFile::flag(const std::string &key, bool fallback) const {
    const ConditionValue *value = find(key);
    return value ? conditionFlag(*value) : fallback;
}

int ConditionFile::radio(const std::string &key, int itemCount, int fallback) const {
    const ConditionValue *value = find(key);
    return value ? conditionRadio(*value, itemCount) : fallback;
}

std::string ConditionFile::text(const std::string &key, const std::string &fallback) const {
    const ConditionValue *value = find(key);
    return value ? value->text : fallback;
}

ConditionFile parseConditionFile(const std::string &text, const std::vector<std::string> &keys) {
    ConditionFile file;
    int lineNumber = 0;
    for (const std::string_view view : splitLines(text)) {
        ++lineNumber;
        const std::string line(view);
        if (!validUtf8(line)) refuse(lineNumber, "不是UTF-8文本！");
        const std::string content = trimmed(line);
        if (content.empty() || content.front() == '#') continue;
        const size_t equals = line.find('=');
        if (equals == std::string::npos) refuse(lineNumber, "缺少“=”，应为“名称=值”的形式！");
        const std::string key = trimmed(line.substr(0, equals));
        if (std::find(keys.begin(), keys.end(), key) == keys.end())
            refuse(lineNumber, "未知的条件名“" + quotedPiece(key) + "”！");
        if (const ConditionValue *earlier = file.find(key))
            refuse(lineNumber,
                   "条件名“" + quotedPiece(key) + "”重复（第" + std::to_string(earlier->line) + "行已给出）！");
        file.values_[key] = {key, line.substr(equals + 1), lineNumber};
    }
    return file;
}

void ConditionWriter::line(const std::string &text) {
    text_ += text;
    text_ += "\r\n";
}

void ConditionWriter::comment(const std::string &text) {
    // Split as the reader splits, so a CR alone cannot end the comment early.
    const std::vector<std::string_view> parts = splitLines(text);
    if (parts.empty()) line("#");
    for (const std::string_view part : parts) line("# " + std::string(part));
}

void ConditionWriter::blankLine() { line(""); }

void ConditionWriter::indexList(const std::string &key, const std::vector<int> &indexes) {
    std::string value;
    for (int index : indexes) {
        if (!value.empty()) value += ' ';
        value += std::to_string(index);
    }
    line(key + "=" + value);
}

void ConditionWriter::flag(const std::string &key, bool on) { line(key + (on ? "=1" : "=0")); }

void ConditionWriter::radio(const std::string &key, int index) { line(key + "=" + std::to_string(index)); }

void ConditionWriter::text(const std::string &key, const std::string &value) {
    if (value.find_first_of("\r\n") != std::string::npos)
        throw UserError("“" + key + "”的内容含有换行，无法保存为条件文件！");
    line(key + "=" + value);
}

std::string ConditionWriter::str() const { return text_; }

} // namespace corvel
