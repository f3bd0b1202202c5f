#include "filters/windows/listcommands.h"

#include "core/usererror.h"
#include "store/textfile.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/gridmodel.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTableView>

namespace corvel::filters2 {

namespace {
// A list of 1000 numbers takes 4 KB; a file past this size is no list of this program.
constexpr qint64 MaxListFileSize = 1024 * 1024;
} // namespace

void copyNumbers(const NumberList &numbers) { ui::setClipboardText(q(clipboardText(numbers))); }

void saveNumbers(QWidget *parent, const NumberList &numbers, const QString &proposed) {
    const QString path = ui::getSaveFileName(parent, proposed);
    if (path.isEmpty()) return;
    if (ui::runCommand(parent, [&] { writeTextLines(path, toQLines(writeGridList(numbers))); }))
        ui::showInformation(parent, QStringLiteral("成功保存！"));
}

QStringList readListFile(const QString &path) {
    if (QFileInfo(path).size() > MaxListFileSize)
        throw UserError("文件“" + s(QFileInfo(path).fileName()) + "”太大，不是号码文件！");
    return readTextLines(path);
}

std::string readConditionText(const QString &path) {
    const QString name = QFileInfo(path).fileName();
    if (QFileInfo(path).size() > MaxListFileSize) throw UserError("文件“" + s(name) + "”太大，不是条件文件！");
    return readUnicodeText(path);
}

} // namespace corvel::filters2
