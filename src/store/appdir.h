#pragma once
// The program's own folders and the user's desktop folder.

#include <QString>

namespace corvel {

// Chooses AppDir: the program's folder when it is writable (portable use), otherwise
// the per-user data folder. Creates 数据库/, 附属/, 图片/, 帮助/ and puts the bundled
// pictures and help pages there when they are missing. Sets corvel::AppDir.
void initAppDir(const QString &programDir);

QString appDir();        // AppDir as a QString, ending with '/'
QString databasePath();  // AppDir + "数据库/彩票数据.db"
QString attachmentDir(); // AppDir + "附属/"
QString pictureDir();    // AppDir + "图片/"

// A folder of the user's shell: "Desktop" gives the desktop folder, or the home folder
// where there is none. Any other name gives an empty text.
QString ShellFolderPath(const QString &name);

} // namespace corvel
