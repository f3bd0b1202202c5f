#include "ui/exportfile.h"

#include "core/usererror.h"
#include "store/appdir.h"
#include "store/textfile.h"
#include "ui/dialogs.h"

#include <QWidget>

namespace corvel::ui {

namespace {

QString fileNameFrom(QString text) {
    text.remove(QStringLiteral("[*]"));
    QString name;
    for (const QChar c : text)
        if (!QStringLiteral("\\/:*?\"<>|").contains(c) && c.isPrint()) name += c;
    return name.trimmed();
}

} // namespace

QString proposedExportPath(const QWidget *widget, const QString &what, const QString &suffix) {
    QString name;
    for (const QWidget *w = widget; w && name.isEmpty(); w = w->parentWidget()) name = fileNameFrom(w->windowTitle());
    const QString detail = fileNameFrom(what);
    if (!detail.isEmpty()) name = name.isEmpty() ? detail : name + QLatin1Char('-') + detail;
    if (name.isEmpty()) name = QStringLiteral("导出");
    return attachmentDir() + name + QLatin1Char('.') + suffix;
}

bool saveExport(QWidget *parent, const QString &path, const QByteArray &bytes) {
    try {
        writeFileBytes(path, bytes);
    } catch (const UserError &e) {
        showError(parent, QString::fromStdString(e.what()));
        return false;
    }
    showInformation(parent, QStringLiteral("成功保存！"));
    return true;
}

} // namespace corvel::ui
