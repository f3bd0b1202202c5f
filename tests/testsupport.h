#pragma once
// Shared fixtures: a temporary AppDir with its own database, and answers for dialogs.

#include "core/drawhistory.h"
#include "core/numberlist.h"
#include "enginesupport.h"
#include "ui/dialogs.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace corvel {
class Tfrmmain;
}

namespace corvel::test {

// A temporary program folder: AppDir points at it and its sub-folders exist. The
// database is created on demand. Restores dialog and print hooks when it ends.
class TempAppDir {
public:
    TempAppDir();
    ~TempAppDir();
    QString path() const; // ends with '/'
    QString databasePath() const;
    // Creates the database with the given lotteries (digits of each draw as text "123").
    void createDatabase(const QList<QPair<QString, QStringList>> &lotteries);

private:
    QTemporaryDir dir_;
};

// Leaves in `folder` a copy of the database file `dbPath` as a crash in the middle of an
// import leaves it: the file half rewritten and its rollback journal beside it (the
// lottery's draw table is being replaced). Returns the copy's path; the original stays whole.
QString leaveCrashedCopy(const QString &dbPath, const QString &lottery, const QString &folder);

// Draws "issue digits" for a history of `count` draws starting at 2007001 with
// pseudo-random digits from `seed`.
QStringList makeDraws(int count, unsigned seed = 1, int digits = 3);

// While it lives, a Qt warning containing `text` is expected and does not fail the test
// (the test main fails every other warning); the test fails when it never came.
class ExpectedWarning {
public:
    explicit ExpectedWarning(QString text);
    ~ExpectedWarning();
    ExpectedWarning(const ExpectedWarning &) = delete;
    ExpectedWarning &operator=(const ExpectedWarning &) = delete;

    // For the test main: whether `message` is an expected warning (and counts it).
    static bool consume(const QString &message);

private:
    QString text_;
    int seen_ = 0;
};

// The number of pages of a PDF file a printing test wrote, or -1 when it cannot be read.
int pdfPageCount(const QString &path);

// One run of the built corvel-report executable.
struct ReportRun {
    int exitCode = -1; // -1 when it did not finish
    QStringList lines; // stdout, empty lines dropped
    QByteArray output; // stdout as written
    QString error;     // stderr, trimmed
};
ReportRun runReport(const QStringList &args);
// The input files of a report run: writes `bytes` to `path` (replacing the file) and
// returns the path.
QString writeFile(const QString &path, const QByteArray &bytes);
// A history text as the reports read it: "issue digits" and CR LF for every draw.
QString writeHistoryFile(const QString &path, const DrawTable &draws);
// A section of a report: the lines after the line `header` up to the next line starting
// with '#'; empty without the header.
QStringList reportSection(const QStringList &lines, const QString &header);

// Records the messages shown and answers every question with `answer` (an offered
// action counts as a question), and the folders a message's button opened.
struct MessageLog {
    explicit MessageLog(bool answer = true);
    ~MessageLog();
    std::vector<ui::Message> messages;
    QStringList openedFolders;
    QString lastText() const { return messages.empty() ? QString() : messages.back().text; }
    bool contains(const QString &text) const;
};

// Opens `lottery` as a user does: 打开彩票, pick it in the catalogue (and the digit window
// `window` 0–2 if given), "打开". False when the lottery is not listed or does not open.
bool openThroughCatalogue(Tfrmmain &main, const QString &lottery, int window = -1);

// The rows of a draw table of the database file at `path` in issue order as "issue
// digits" (an empty cell as '-'); tableLines reads the program's database.
QStringList tableLinesOf(const QString &path, const QString &lottery);
QStringList tableLines(const QString &lottery);

} // namespace corvel::test
