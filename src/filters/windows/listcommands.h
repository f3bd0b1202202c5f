#pragma once
// Small pieces the cold-code, exclusion, interval and omission windows share: the
// numbers grid, the clipboard and the size guard of list files.

#include "core/numberlist.h"
#include "ui/numbergrid.h"
#include "ui/qtext.h"

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

class QTableView;
class QWidget;

namespace corvel {

namespace ui {
class GridModel;
}

namespace filters2 {

// "复制": the numbers joined by blanks, CR LF after every tenth, onto the clipboard.
void copyNumbers(const NumberList &numbers);
// "保存": the numbers as a grid list (ten a line) in a file chosen in a save dialog that
// proposes `proposed`; "成功保存！" after.
void saveNumbers(QWidget *parent, const NumberList &numbers, const QString &proposed);

// Reads a list file the window offers to load; a file far larger than any list is
// refused before it is read. Throws UserError.
QStringList readListFile(const QString &path);
// Reads a condition file (UTF-8; UTF-16 with a byte order mark is converted), refusing a
// file far larger than any condition file and one that is not Unicode text. Throws UserError.
std::string readConditionText(const QString &path);

} // namespace filters2

} // namespace corvel
