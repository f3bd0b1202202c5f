#pragma once
// The program's own folders and the user's desktop folder.

#include <QString>

namespace corvel {

// The name of the installed desktop entry, which also marks an installed program.
inline constexpr char DesktopId[] = "org.corvel.Corvel.desktop";

// Whether the program in `programDir` was installed: `<prefix>/bin` beside its desktop
// entry in `<prefix>/share/applications`.
bool installedProgram(const QString &programDir);

// Chooses AppDir: the per-user data folder for an installed program or where the
// program's folder is not writable, otherwise the program's folder (portable use). Creates 数据库/, 附属/, 图片/, 帮助/
// and puts the bundled pictures and help pages there when they are missing. Sets corvel::AppDir.
void initAppDir(const QString &programDir);

QString appDir();        // AppDir as a QString, ending with '/'
QString databasePath();  // AppDir + "数据库/彩票数据.db"
QString attachmentDir(); // AppDir + "附属/"
QString pictureDir();    // AppDir + "图片/"

// A folder of the user's shell: "Desktop" gives the desktop folder, or the home folder
// where there is none. Any other name gives an empty text.
QString ShellFolderPath(const QString &name);

} // namespace corvel
