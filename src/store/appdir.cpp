#include "store/appdir.h"

#include "core/u_public.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace corvel {

namespace {

bool writableFolder(const QString &dir) {
    QTemporaryFile probe(dir + QStringLiteral("/.corvel-probe-XXXXXX"));
    return probe.open();
}

// Copies the bundled files of a resource folder into `target` unless they exist.
void installBundled(const QString &resourceDir, const QString &target) {
    QDirIterator it(resourceDir, QDir::Files);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = target + QFileInfo(src).fileName();
        if (QFile::exists(dst)) continue;
        if (QFile::copy(src, dst))
            QFile::setPermissions(dst, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

} // namespace

bool installedProgram(const QString &programDir) {
    return QFileInfo::exists(programDir + QStringLiteral("/../share/applications/") + QString::fromUtf8(DesktopId));
}

void initAppDir(const QString &programDir) {
    QString dir = QDir(programDir).absolutePath();
    if (installedProgram(dir) || !writableFolder(dir))
        dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    AppDir = dir.toStdString();
    for (const char *sub : {"数据库", "附属", "图片", "帮助"}) QDir().mkpath(dir + QString::fromUtf8(sub));
    installBundled(QStringLiteral(":/图片"), pictureDir());
    installBundled(QStringLiteral(":/帮助"), appDir() + QStringLiteral("帮助/"));
}

QString appDir() { return QString::fromStdString(AppDir); }
QString databasePath() { return appDir() + QStringLiteral("数据库/彩票数据.db"); }
QString attachmentDir() { return appDir() + QStringLiteral("附属/"); }
QString pictureDir() { return appDir() + QStringLiteral("图片/"); }

QString ShellFolderPath(const QString &name) {
    if (name != QLatin1String("Desktop")) return {};
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QDir(desktop).exists()) return desktop;
    return QDir::homePath();
}

} // namespace corvel
