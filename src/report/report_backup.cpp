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

// The loss a refused backup named (to tell about --force), empty for other refusals.
QString backupLossOf(const Args &args) {
    try {
        return backupLoss(path(args[0]), path(args[1]));
    } catch (const UserError &) {
        return {};
    }
}

const std::string BackupUsage = "backup DATABASE TARGET [--force]";

const Command backupCommand("backup", BackupUsage, [](const Args &given, std::ostream &out, std::ostream &err) {
    Args args = given;
    const bool force = takeFlag(args, "force");
    if (args.size() != 2) {
        err << "usage: corvel-report " << BackupUsage << "\n";
        return 2;
    }
    return withApplication([&] {
        try {
            const DatabaseSummary copied = backupDatabase(path(args[0]), path(args[1]), force);
            out << "ok\n";
            for (const TableRows &t : copied) out << t.lottery.toStdString() << "," << t.rows << "\n";
            return 0;
        } catch (const UserError &e) {
            err << e.what() << "\n";
            if (!force && !backupLossOf(args).isEmpty()) err << "要替换它，请加 --force。\n";
            return 1;
        }
    });
});

// Prints what was checked, one line each, and the verdict last: "integrity,ok" (SQLite's
// integrity check) or its problems, "catalogue,ok" (every lottery has its draw and options
// tables) or its problems, the draws of each lottery, then "ok" (status 0) or "damaged"
// (status 1).
const Command checkCommand("check", "check DATABASE", [](const Args &args, std::ostream &out, std::ostream &err) {
    if (args.size() != 1) {
        err << "usage: corvel-report check DATABASE\n";
        return 2;
    }
    return withApplication([&] {
        const DatabaseCheck check = checkDatabase(path(args[0]));
        if (check.integrity.isEmpty()) out << "integrity,ok\n";
        for (const QString &problem : check.integrity) out << "integrity," << problem.toStdString() << "\n";
        if (check.integrity.isEmpty()) {
            if (check.catalogue.isEmpty()) out << "catalogue,ok\n";
            for (const QString &problem : check.catalogue) out << "catalogue," << problem.toStdString() << "\n";
        }
        for (const TableRows &t : check.lotteries) out << t.lottery.toStdString() << "," << t.rows << "\n";
        out << (check.ok() ? "ok\n" : "damaged\n");
        return check.ok() ? 0 : 1;
    });
});

} // namespace

} // namespace corvel::report
