// Golden cases of corvel-report: every folder tests/data/<command>/<case>/ is one test,
// run as the built executable and compared with the output stored beside it.
//
// A case folder holds
//   args          the arguments, one a line, the command first (none for the history
//                 report); a line starting with '#' is a comment. Placeholders:
//                   {data}          the folder tests/data
//                   {tmp}           an empty temporary folder of this run
//                   {bundled:NAME}  resources/data/NAME_history.txt as 保存开奖 writes
//                                   it (issue and digits), written into {tmp}
//   expected.txt  stdout, byte for byte
//   status        the exit status, when it is not 0
//   stderr.txt    stderr, when the run writes to it (without the file stderr is empty)
//   the inputs    history excerpts, condition and list files the arguments name.
// The tool runs in the case folder, so an input of the case is named by its file name;
// inputs that several cases of a command share lie beside the case folders
// (tests/data/follow/history.txt is ../history.txt), inputs of several commands in
// tests/data itself ({data}/fc3d_tail800.txt). In stdout and stderr the paths of {data}
// and {tmp} read as their placeholders.
//
// Adding a case needs nothing but its folder. To write the expected files from what the
// tool prints now, run the cases with the switch CORVEL_UPDATE_GOLDEN=1:
//   CORVEL_UPDATE_GOLDEN=1 ./build/test_report --gtest_filter='*Golden*'
// then read `git diff tests/data` before committing: it pins whatever the tool printed.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path DataDir = fs::path(CORVEL_SOURCE_DIR) / "tests" / "data";

struct GoldenCase {
    std::string command; // the folder under tests/data
    std::string name;    // the case folder
    fs::path dir() const { return DataDir / command / name; }
    std::string label() const { return "tests/data/" + command + "/" + name; }
};
// What GoogleTest prints for a case.
void PrintTo(const GoldenCase &c, std::ostream *out) { *out << c.label(); }

// Every case folder, in name order (the listing is the same on every machine).
std::vector<GoldenCase> discoverCases() {
    std::vector<GoldenCase> cases;
    std::error_code error;
    for (const fs::directory_entry &command : fs::directory_iterator(DataDir, error)) {
        if (!command.is_directory()) continue;
        for (const fs::directory_entry &folder : fs::directory_iterator(command.path()))
            if (folder.is_directory())
                cases.push_back({command.path().filename().string(), folder.path().filename().string()});
    }
    std::sort(cases.begin(), cases.end(),
              [](const GoldenCase &a, const GoldenCase &b) { return a.label() < b.label(); });
    return cases;
}

// The test's name: the case's label with every character GoogleTest does not take as '_'.
std::string testName(const ::testing::TestParamInfo<GoldenCase> &info) {
    std::string name = info.param.command + "_" + info.param.name;
    for (char &c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

bool updating() { return qgetenv("CORVEL_UPDATE_GOLDEN") == "1"; }

QString qpath(const fs::path &path) { return QString::fromStdString(path.string()); }

QByteArray readBytes(const fs::path &path, bool *exists = nullptr) {
    QFile file(qpath(path));
    const bool opened = file.open(QIODevice::ReadOnly);
    if (exists) *exists = opened;
    return opened ? file.readAll() : QByteArray();
}

void writeBytes(const fs::path &path, const QByteArray &bytes) {
    QFile file(qpath(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.string();
    file.write(bytes);
}

// A bundled history as the reports read it: "issue digits", CR LF; the date is dropped.
QString bundledHistory(const QString &name, const QString &tmp) {
    const fs::path source = fs::path(CORVEL_SOURCE_DIR) / "resources" / "data" / (name.toStdString() + "_history.txt");
    bool exists = false;
    const QByteArray text = readBytes(source, &exists);
    EXPECT_TRUE(exists) << "no bundled history " << source.string();
    QByteArray draws;
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 2) draws += fields[0] + ' ' + fields[1] + "\r\n";
    }
    const QString path = tmp + QStringLiteral("/bundled_") + name + QStringLiteral(".txt");
    writeBytes(path.toStdString(), draws);
    return path;
}

QStringList caseArguments(const QByteArray &argsFile, const QString &tmp) {
    static const QRegularExpression bundled(QStringLiteral("\\{bundled:([A-Za-z0-9_]+)\\}"));
    QStringList args;
    QList<QByteArray> lines = argsFile.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QByteArray line : lines) {
        if (line.endsWith('\r')) line.chop(1);
        if (line.startsWith('#')) continue;
        QString arg = QString::fromUtf8(line);
        arg.replace(QStringLiteral("{data}"), qpath(DataDir));
        arg.replace(QStringLiteral("{tmp}"), tmp);
        for (QRegularExpressionMatch m = bundled.match(arg); m.hasMatch(); m = bundled.match(arg))
            arg.replace(m.capturedStart(), m.capturedLength(), bundledHistory(m.captured(1), tmp));
        args << arg;
    }
    return args;
}

// The output with the run's folders named by their placeholders.
QByteArray portable(QByteArray bytes, const QString &tmp) {
    bytes.replace(qpath(DataDir).toUtf8(), "{data}");
    bytes.replace(tmp.toUtf8(), "{tmp}");
    return bytes;
}

// A line as the diff prints it: quoted, control characters (a CR, a tab) made visible.
std::string shown(const QByteArray &line) {
    std::string text(1, '"');
    for (const char c : line) {
        if (c == '\r')
            text += "\\r";
        else if (c == '\t')
            text += "\\t";
        else
            text += c;
    }
    text += '"';
    return text;
}

qsizetype lineCount(const QList<QByteArray> &lines) { return lines.size() - (lines.last().isEmpty() ? 1 : 0); }

// Empty when the texts are equal; otherwise the first differing line, its number and the
// section it belongs to (the nearest line above it starting with '#').
std::string firstDifference(const QByteArray &expected, const QByteArray &actual) {
    if (expected == actual) return {};
    const QList<QByteArray> want = expected.split('\n'), got = actual.split('\n');
    qsizetype at = 0;
    while (at < want.size() && at < got.size() && want[at] == got[at]) ++at;
    std::string section;
    for (qsizetype i = std::min(at, want.size() - 1); i >= 0 && section.empty(); --i)
        if (want[i].startsWith('#')) section = want[i].toStdString();
    const auto line = [at](const QList<QByteArray> &lines) {
        // split() leaves an empty last item after a final newline: that is the end.
        const bool end = at >= lines.size() || (at == lines.size() - 1 && lines[at].isEmpty());
        return end ? std::string("(end of output)") : shown(lines[at]);
    };
    std::string text = "first difference at line " + std::to_string(at + 1);
    if (!section.empty()) text += " (section \"" + section + "\")";
    text += "\n  expected: " + line(want) + "\n  actual:   " + line(got);
    text +=
        "\n  (" + std::to_string(lineCount(want)) + " lines expected, " + std::to_string(lineCount(got)) + " printed)";
    return text;
}

class Golden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, Case) {
    const GoldenCase &c = GetParam();
    const fs::path dir = c.dir();
    bool hasArgs = false;
    const QByteArray argsFile = readBytes(dir / "args", &hasArgs);
    ASSERT_TRUE(hasArgs) << c.label() << ": a case folder needs an args file";
    const QTemporaryDir tmpDir;
    ASSERT_TRUE(tmpDir.isValid());
    const QString tmp = tmpDir.path();
    const QStringList args = caseArguments(argsFile, tmp);

    QProcess process;
    process.setWorkingDirectory(qpath(dir));
    process.start(QStringLiteral(CORVEL_REPORT_EXE), args);
    ASSERT_TRUE(process.waitForFinished(60000)) << c.label() << ": corvel-report did not finish";
    ASSERT_EQ(process.exitStatus(), QProcess::NormalExit) << c.label() << ": corvel-report crashed";
    const int status = process.exitCode();
    const QByteArray out = portable(process.readAllStandardOutput(), tmp);
    const QByteArray err = portable(process.readAllStandardError(), tmp);

    if (updating()) {
        writeBytes(dir / "expected.txt", out);
        const auto keepIf = [&dir](bool keep, const char *file, const QByteArray &bytes) {
            if (keep)
                writeBytes(dir / file, bytes);
            else
                fs::remove(dir / file);
        };
        keepIf(status != 0, "status", QByteArray::number(status) + '\n');
        keepIf(!err.isEmpty(), "stderr.txt", err);
        std::cout << "[ golden   ] wrote " << c.label() << '\n';
        return;
    }

    bool hasExpected = false;
    const QByteArray expected = readBytes(dir / "expected.txt", &hasExpected);
    ASSERT_TRUE(hasExpected) << c.label() << ": no expected.txt (CORVEL_UPDATE_GOLDEN=1 writes it)";
    const QByteArray statusText = readBytes(dir / "status").trimmed();
    const int expectedStatus = statusText.isEmpty() ? 0 : statusText.toInt();
    EXPECT_EQ(status, expectedStatus) << c.label() << ": exit status; stderr: " << err.toStdString();
    const std::string errDiff = firstDifference(readBytes(dir / "stderr.txt"), err);
    if (!errDiff.empty()) ADD_FAILURE() << c.label() << ": stderr differs from stderr.txt, " << errDiff;
    const std::string outDiff = firstDifference(expected, out);
    if (!outDiff.empty()) ADD_FAILURE() << c.label() << ": stdout differs from expected.txt, " << outDiff;
}

INSTANTIATE_TEST_SUITE_P(Report, Golden, ::testing::ValuesIn(discoverCases()), testName);

TEST(GoldenDiff, NamesTheFirstDifferingLineAndItsSection) {
    EXPECT_EQ(firstDifference("a\nb\n", "a\nb\n"), "");
    EXPECT_EQ(firstDifference("# one\n1\n# two\n2\n3\n", "# one\n1\n# two\n2\n4\n"),
              "first difference at line 5 (section \"# two\")\n  expected: \"3\"\n  actual:   \"4\"\n"
              "  (5 lines expected, 5 printed)");
    // A missing or extra line reads as the end of one output; a CR is shown.
    EXPECT_EQ(firstDifference("1\n2\n", "1\n"),
              "first difference at line 2\n  expected: \"2\"\n  actual:   (end of output)\n"
              "  (2 lines expected, 1 printed)");
    EXPECT_EQ(firstDifference("1\n", "1\r\n"),
              "first difference at line 1\n  expected: \"1\"\n  actual:   \"1\\r\"\n  (1 lines expected, 1 printed)");
}

} // namespace
