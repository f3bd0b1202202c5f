#pragma once
// Text files of the program: GBK code page, CR LF line ends. Every module reads and
// writes its text files through these two functions.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace corvel {

// Reads all lines (CR LF, LF or CR ends; no trailing empty line for a final line end;
// the one line reader of the program, splitLines) of the text readText gives. Throws
// UserError with the file layer's message when the file cannot be read, and refuses a file
// larger than MaxTextFileBytes unread.
QStringList readTextLines(const QString &path);

// The whole text of a file as UTF-8: UTF-16 with a byte order mark, UTF-8 (a byte order
// mark dropped) and otherwise GBK, as unicodeText tells them apart. A file holding NUL
// characters is refused. Same messages as readTextLines.
std::string readText(const QString &path);
// The same for a file that must be Unicode (condition files are UTF-8): text in the
// legacy code page is refused with a message that says so.
std::string readUnicodeText(const QString &path);
// The same as readText for bytes read already; `path` names the file in messages.
std::string decodeText(const QByteArray &bytes, const QString &path);

// Refuses a folder, and a device, pipe or socket (whose reading would block or never end),
// with a message that says what the path is. A path that does not exist passes: opening
// it says so.
void checkInputFile(const QString &path);

// Writes the lines, each followed by CR LF, to a temporary file next to `path` and
// renames it over `path`, so a failed write leaves the old file as it was.
// Throws UserError when the file cannot be written.
void writeTextLines(const QString &path, const QStringList &lines);

// Lines between the engine (UTF-8 std::string) and Qt, for the files above and for grids.
QStringList toQLines(const std::vector<std::string> &lines);
std::vector<std::string> toStdLines(const QStringList &lines);

// A whole file as bytes (checkInputFile first), and a whole file written from bytes the
// same safe way. Same messages as above.
QByteArray readFileBytes(const QString &path);
void writeFileBytes(const QString &path, const QByteArray &bytes);

// The message of a failed write: a full disk is said in plain words (when fewer bytes
// are free on the file's disk than were to be written), otherwise the file layer's text.
QString writeFailureMessage(const QString &path, const QString &detail, qint64 bytesNeeded, qint64 bytesFree);
// The message of a file that cannot be created: a missing folder or one that may not be
// written is said in plain words, otherwise the file layer's text.
QString createFailureMessage(const QString &path, const QString &detail);

// GBK conversion of a whole text.
QByteArray toGbk(const QString &text);
QString fromGbk(const QByteArray &bytes);

} // namespace corvel
