#pragma once
// Condition files: a window's settings kept by the user as UTF-8 text, one `key=value` per
// line. Blank lines and lines starting with '#' are ignored; the keys are the names of the
// window's controls. The reader and the writer know nothing of any window: each window
// passes its own list of keys and reads the value forms it needs.
//
// Reading:
//   const ConditionFile file = parseConditionFile(text, {"chkb", "chkzhu6", "opt7", "edtdan1"});
//   settings.hundreds = file.indexList("chkb", 0, 9, settings.hundreds); // "0 3 5" -> {0, 3, 5}
//   settings.group6 = file.flag("chkzhu6", settings.group6);             // "0" or "1"
//   settings.mode = file.radio("opt7", 2, settings.mode);                // item index 0..1
//   settings.danma1 = file.text("edtdan1", settings.danma1);             // verbatim to end of line
// A key the file does not give keeps the value passed in (the window's default). An unknown
// key, a repeated key, a line without '=' or a value of the wrong form throws UserError
// with a message that names the line number, so a window can refuse the whole file before
// it changes anything.
//
// Writing:
//   ConditionWriter out;
//   out.comment("总体过滤条件");
//   out.indexList("chkb", {0, 3, 5});
//   out.flag("chkzhu6", true);
//   out.radio("opt7", 1);
//   out.text("edtdan1", "12 ");
//   const std::string text = out.str(); // lines ended by CR LF; parseConditionFile reads it back

#include <map>
#include <string>
#include <vector>

namespace corvel {

// One value of a condition file as written: the text after '=' (line end removed) and the
// 1-based line number it stands on.
struct ConditionValue {
    std::string key;
    std::string text;
    int line = 0;
};

// The value forms. Each throws UserError naming the value's line when the text does not fit.
// Indexes separated by blanks, each an integer from `low` to `high`; ascending, repeats
// collapsed; an empty text is the empty list.
std::vector<int> conditionIndexList(const ConditionValue &value, int low, int high);
// "1" or "0".
bool conditionFlag(const ConditionValue &value);
// An item index from 0 to itemCount − 1.
int conditionRadio(const ConditionValue &value, int itemCount);

class ConditionFile {
public:
    // The value given for `key`, or nullptr when the file does not give it.
    const ConditionValue *find(const std::string &key) const;
    bool has(const std::string &key) const { return find(key) != nullptr; }
    const std::map<std::string, ConditionValue> &values() const { return values_; }

    // The value of `key` in its form, or `fallback` when the file does not give it.
    std::vector<int> indexList(const std::string &key, int low, int high, const std::vector<int> &fallback) const;
    bool flag(const std::string &key, bool fallback) const;
    int radio(const std::string &key, int itemCount, int fallback) const;
    std::string text(const std::string &key, const std::string &fallback) const;

private:
    friend ConditionFile parseConditionFile(const std::string &text, const std::vector<std::string> &keys);
    std::map<std::string, ConditionValue> values_;
};

// Parses a whole condition file. `keys` are the keys the window knows. A UTF-8 byte-order
// mark at the start is skipped; lines end with CR LF, LF or CR (splitLines).
ConditionFile parseConditionFile(const std::string &text, const std::vector<std::string> &keys);

class ConditionWriter {
public:
    // "# text"; a text of several lines gives several comment lines.
    void comment(const std::string &text);
    void blankLine();
    void indexList(const std::string &key, const std::vector<int> &indexes);
    void flag(const std::string &key, bool on);
    void radio(const std::string &key, int index);
    // The text as it stands. Throws UserError when it holds a line break, which the file
    // could not give back.
    void text(const std::string &key, const std::string &value);

    // The file's text, every line ended by CR LF.
    std::string str() const;

private:
    void line(const std::string &text);
    std::string text_;
};

} // namespace corvel
