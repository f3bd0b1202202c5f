#pragma once
// What the export commands of grids and charts share: the name a save dialog proposes and
// the safe write of the finished bytes.

#include <QByteArray>
#include <QString>

class QWidget;

namespace corvel::ui {

// AppDir + "附属/" + the caption of the window `widget` lies in, then "-" + `what` when
// given, then "." + suffix; characters a file name cannot hold are left out.
QString proposedExportPath(const QWidget *widget, const QString &what, const QString &suffix);

// Writes `bytes` to a temporary file beside `path` and renames it over `path`, so a failed
// export leaves neither a half file nor a damaged old one. Shows "成功保存！", or the reason
// in plain words (a folder that cannot be written, a full disk); true when saved.
bool saveExport(QWidget *parent, const QString &path, const QByteArray &bytes);

} // namespace corvel::ui
