// corvel-report backup | check: the database backup for scheduled use, and SQLite's
// integrity check of a database file. The only commands that open a database.

#include "core/usererror.h"
#include "report/report.h"
#include "store/backup.h"

#include <QCoreApplication>
#include <QString>
#include <ostream>

namespace corvel::report {

namespace {

// The SQL driver is a plugin: it needs an application object to be found. The object
// lives while the command runs (destroying it among the exit handlers is not safe).
template <class Command> int withApplication(Command command) {
    int argc = 1;
    char name[] = "corvel-report";
    char *argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    return command();
}

QString path(const std::string &arg) { return QString::fromLocal8Bit(arg.c_str()); }

const Command backupCommand("backup", "backup DATABASE TARGET",
                            [](const Args &args, std::ostream &out, std::ostream &err) {
                                if (args.size() != 2) {
                                    err << "usage: corvel-report backup DATABASE TARGET\n";
                                    return 2;
                                }
                                return withApplication([&] {
                                    const DatabaseSummary copied = backupDatabase(path(args[0]), path(args[1]));
                                    out << "ok\n";
                                    for (const TableRows &t : copied)
                                        out << t.lottery.toStdString() << "," << t.rows << "\n";
                                    return 0;
                                });
                            });

const Command checkCommand("check", "check DATABASE", [](const Args &args, std::ostream &out, std::ostream &err) {
    if (args.size() != 1) {
        err << "usage: corvel-report check DATABASE\n";
        return 2;
    }
    return withApplication([&] {
        const QStringList problems = integrityProblems(path(args[0]));
        if (problems.isEmpty()) {
            out << "ok\n";
            return 0;
        }
        for (const QString &problem : problems) out << problem.toStdString() << "\n";
        return 1;
    });
});

} // namespace

} // namespace corvel::report
