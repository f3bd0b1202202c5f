// corvel-report default-database: the database the program creates on its first start,
// written to a file of the caller's choice (the package ships it; a user can start over
// from it with 数据恢复).

#include "report/report.h"
#include "store/catalogue.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <ostream>

namespace corvel::report {

namespace {

const Command defaultDatabaseCommand("default-database", "default-database TARGET",
                                     [](const Args &args, std::ostream &out, std::ostream &err) {
                                         if (args.size() != 1) {
                                             err << "usage: corvel-report default-database TARGET\n";
                                             return 2;
                                         }
                                         const QString target = QString::fromLocal8Bit(args[0].c_str());
                                         if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
                                             err << "目标文件已存在：" << args[0] << "\n";
                                             return 1;
                                         }
                                         // The SQL driver is a plugin: it needs an application object to be found.
                                         int argc = 1;
                                         char name[] = "corvel-report";
                                         char *argv[] = {name, nullptr};
                                         const QCoreApplication app(argc, argv);
                                         ensureDefaultDatabase(target);
                                         out << "ok\n";
                                         return 0;
                                     });

} // namespace

} // namespace corvel::report
