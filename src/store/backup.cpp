#include "store/backup.h"

#include "core/usererror.h"
#include "store/catalogue.h"
#include "store/database.h"
#include "store/drawtable.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <filesystem>
#include <system_error>

namespace corvel {

namespace {

const QString SafetyTag = QStringLiteral("-安全副本-");
const QString RestoreSuffix = QStringLiteral(".restore");
// An older restore moved the database aside under this name before moving the new one in.
const QString MovedAsideSuffix = QStringLiteral(".old");

[[noreturn]] void fail(const QString &message) { throw UserError(message.toStdString()); }

QString timestamp() { return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")); }

QString sameFile(const QString &path) { return QFileInfo(path).absoluteFilePath(); }

void removeWithJournals(const QString &path) {
    QFile::remove(path);
    for (const char *suffix : {"-journal", "-wal", "-shm"}) QFile::remove(path + QString::fromLatin1(suffix));
}

// Renames `from` over `to` in one step: `to` is either the old or the new file, never missing.
void replaceFile(const QString &from, const QString &to) {
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()), std::filesystem::path(to.toStdU16String()),
                            error);
    if (error)
        fail(QStringLiteral("无法把 %1 改名为 %2：%3").arg(from, to, QString::fromLocal8Bit(error.message().c_str())));
}

QString oneLine(const QStringList &problems) { return problems.mid(0, 3).join(QStringLiteral("；")); }

} // namespace

QString summaryText(const DatabaseSummary &summary) {
    if (summary.isEmpty()) return QStringLiteral("没有彩票");
    QStringList parts;
    for (const TableRows &t : summary) parts << QStringLiteral("%1 %2期").arg(t.lottery).arg(t.rows);
    return parts.join(QStringLiteral("，"));
}

void recoverDatabase(const QString &path) {
    // Opening reads the schema: SQLite rolls a hot journal back at the first read.
    Connection con(path);
}

QStringList integrityProblems(const QString &path) {
    try {
        Connection con(path);
        QSqlQuery q(con.db());
        if (!q.exec(QStringLiteral("pragma integrity_check(10)")))
            return {databaseMessage(QStringLiteral("无法检查数据库"), q.lastError())};
        QStringList problems;
        while (q.next()) problems << q.value(0).toString();
        if (problems == QStringList{QStringLiteral("ok")}) return {};
        return problems.isEmpty() ? QStringList{QStringLiteral("完整性检查没有结果")} : problems;
    } catch (const UserError &e) {
        return {QString::fromStdString(e.what())};
    }
}

DatabaseSummary databaseSummary(const QString &path) {
    Connection con(path);
    DatabaseSummary summary;
    const QString suffix = QStringLiteral("彩票号码表");
    QSqlQuery q(con.db());
    if (!q.exec(QStringLiteral("select name from sqlite_master where type='table' order by name")))
        fail(databaseMessage(QStringLiteral("数据库错误"), q.lastError()));
    QStringList lotteries;
    while (q.next()) {
        const QString table = q.value(0).toString();
        if (table.endsWith(suffix) && table.size() > suffix.size()) lotteries << table.chopped(suffix.size());
    }
    for (const QString &lottery : lotteries)
        if (validLotteryName(lottery)) summary << TableRows{lottery, drawTableCount(con.db(), lottery)};
    return summary;
}

void vacuumInto(QSqlDatabase &db, const QString &file, const QString &shownName) {
    QSqlQuery q(db);
    if (!q.prepare(QStringLiteral("vacuum into ?"))) fail(databaseMessage(QStringLiteral("数据库错误"), q.lastError()));
    q.addBindValue(file);
    if (!q.exec()) {
        const QSqlError error = q.lastError();
        if (isDiskFull(error)) fail(diskFullMessage(shownName));
        fail(databaseMessage(QStringLiteral("无法写入文件 %1").arg(shownName), error));
    }
}

void copyDatabase(QSqlDatabase &db, const QString &target) {
    const QString temp = target + QStringLiteral(".part");
    removeWithJournals(temp);
    try {
        vacuumInto(db, temp, target);
    } catch (...) {
        removeWithJournals(temp);
        throw;
    }
    const QStringList problems = integrityProblems(temp);
    if (!problems.isEmpty()) {
        removeWithJournals(temp);
        fail(QStringLiteral("复制的数据库没有通过完整性检查（%1）").arg(oneLine(problems)));
    }
    try {
        replaceFile(temp, target);
    } catch (...) {
        removeWithJournals(temp);
        throw;
    }
}

QString backupLoss(const QString &dbPath, const QString &target) {
    const QString failed = QStringLiteral("备份失败：");
    if (sameFile(target) == sameFile(dbPath)) fail(QStringLiteral("不能把数据库备份到它自己上面！"));
    if (!QFileInfo(dbPath).isFile()) fail(failed + QStringLiteral("数据库文件 %1 不存在").arg(dbPath));
    if (const QString refusal = databaseRefusal(dbPath); !refusal.isEmpty()) fail(failed + refusal);
    const QFileInfo targetInfo(target);
    if (!QFileInfo(targetInfo.absolutePath()).isDir())
        fail(failed + QStringLiteral("文件夹 %1 不存在").arg(targetInfo.absolutePath()));
    // The copy is renamed over the target: a device or pipe would be replaced by a plain file.
    if (targetInfo.isDir()) fail(failed + QStringLiteral("%1 是一个文件夹").arg(target));
    if (targetInfo.exists() && !targetInfo.isFile())
        fail(failed + QStringLiteral("%1 不是普通文件（设备、管道或套接字），不能用备份替换").arg(target));
    if (!targetInfo.exists() && targetInfo.isSymLink())
        fail(failed + QStringLiteral("%1 是一个失效的链接").arg(target));
    if (!targetInfo.exists() || targetInfo.size() == 0) return {};
    if (!databaseRefusal(target).isEmpty())
        return QStringLiteral("文件 %1 已经存在，但不是本程序的彩票数据库，备份会替换它。").arg(target);
    DatabaseSummary existing, incoming;
    try {
        existing = databaseSummary(target);
        incoming = databaseSummary(dbPath);
    } catch (const UserError &e) {
        return QStringLiteral("无法读取已有的备份 %1（%2），备份会替换它。")
            .arg(target, QString::fromStdString(e.what()));
    }
    QStringList lost;
    for (const TableRows &old : existing) {
        const auto same = std::find_if(incoming.begin(), incoming.end(),
                                       [&](const TableRows &t) { return t.lottery == old.lottery; });
        if (same == incoming.end())
            lost << QStringLiteral("%1：已有的备份中有%2期，数据库中没有这种彩票").arg(old.lottery).arg(old.rows);
        else if (same->rows < old.rows)
            lost << QStringLiteral("%1：已有的备份中有%2期，数据库中只有%3期")
                        .arg(old.lottery)
                        .arg(old.rows)
                        .arg(same->rows);
    }
    if (lost.isEmpty()) return {};
    return QStringLiteral("已有的备份 %1 比要备份的数据库多：\n%2").arg(target, lost.join(QChar(u'\n')));
}

DatabaseSummary backupDatabase(const QString &dbPath, const QString &target, bool replaceLarger) {
    const QString failed = QStringLiteral("备份失败：");
    const QString loss = backupLoss(dbPath, target);
    if (!loss.isEmpty() && !replaceLarger) fail(failed + loss);
    try {
        Connection con(dbPath);
        copyDatabase(con.db(), target);
    } catch (const UserError &e) {
        fail(failed + QString::fromStdString(e.what()));
    }
    return databaseSummary(target);
}

DatabaseCheck checkDatabase(const QString &path) {
    DatabaseCheck check;
    check.integrity = integrityProblems(path);
    if (!check.integrity.isEmpty()) return check;
    try {
        check.catalogue = catalogueProblems(path);
        if (check.catalogue.isEmpty()) check.lotteries = databaseSummary(path);
    } catch (const UserError &e) {
        check.catalogue << QString::fromStdString(e.what());
    }
    return check;
}

QStringList safetyCopies(const QString &dbPath) {
    const QFileInfo info(dbPath);
    const QString pattern = info.completeBaseName() + SafetyTag + QStringLiteral("*.") + info.suffix();
    QStringList names = QDir(info.absolutePath()).entryList({pattern}, QDir::Files, QDir::Name | QDir::Reversed);
    for (QString &name : names) name = info.absolutePath() + QChar(u'/') + name;
    return names;
}

QString makeSafetyCopy(const QString &dbPath) {
    const QFileInfo info(dbPath);
    const QString copy = info.absolutePath() + QChar(u'/') + info.completeBaseName() + SafetyTag + timestamp() +
                         QChar(u'.') + info.suffix();
    try {
        Connection con(dbPath);
        copyDatabase(con.db(), copy);
    } catch (const UserError &e) {
        fail(QStringLiteral("无法保存数据库的安全副本，没有做任何改动：%1").arg(QString::fromStdString(e.what())));
    }
    const QStringList copies = safetyCopies(dbPath);
    for (qsizetype i = SafetyCopiesKept; i < copies.size(); ++i) QFile::remove(copies[i]);
    return copy;
}

QString safetyCopyNote(const QString &dbPath) {
    return QStringLiteral("替换前会自动把当前数据库保存为安全副本（在 %1 文件夹中，保留最近%2份），"
                          "如有误，可用“数据恢复”从安全副本还原。")
        .arg(QDir::toNativeSeparators(QFileInfo(dbPath).absolutePath()))
        .arg(SafetyCopiesKept);
}

DatabaseSummary checkRestoreCandidate(const QString &source, const QString &dbPath) {
    if (sameFile(source) == sameFile(dbPath)) fail(QStringLiteral("不能用数据库文件自己恢复数据库！"));
    const QString refusal = databaseRefusal(source);
    if (!refusal.isEmpty()) fail(refusal);
    const QStringList problems = integrityProblems(source);
    if (!problems.isEmpty())
        fail(QStringLiteral("文件 %1 已损坏，没有通过数据库完整性检查：\n%2").arg(source, problems.join(QChar(u'\n'))));
    return databaseSummary(source);
}

DatabaseSummary restoreDatabase(const QString &source, const QString &dbPath) {
    checkRestoreCandidate(source, dbPath);
    const QString temp = dbPath + RestoreSuffix;
    {
        Connection con(source);
        copyDatabase(con.db(), temp);
    }
    if (QFileInfo(dbPath).isFile()) {
        try {
            makeSafetyCopy(dbPath);
        } catch (const UserError &) {
            // A database SQLite cannot copy any more is still the user's data: keep it as it is.
            const QFileInfo info(dbPath);
            const QString raw = info.absolutePath() + QChar(u'/') + info.completeBaseName() + SafetyTag + timestamp() +
                                QChar(u'.') + info.suffix();
            if (!QFile::copy(dbPath, raw)) {
                removeWithJournals(temp);
                throw;
            }
        }
    }
    // The old file's journal (rolled back by the safety copy's reading) must not meet the new file.
    for (const char *suffix : {"-journal", "-wal", "-shm"}) QFile::remove(dbPath + QString::fromLatin1(suffix));
    try {
        replaceFile(temp, dbPath);
    } catch (...) {
        removeWithJournals(temp);
        throw;
    }
    return databaseSummary(dbPath);
}

QString keepInterruptedRestore(const QString &dbPath) {
    QStringList said;
    const QString movedAside = dbPath + MovedAsideSuffix;
    if (!QFileInfo::exists(dbPath) && QFileInfo(movedAside).isFile()) {
        if (QFile::rename(movedAside, dbPath))
            said << QStringLiteral("上次数据恢复被中断，数据库文件不在原处；已把留下的原数据库 %1 放回原处。")
                        .arg(movedAside);
        else
            said << QStringLiteral("上次数据恢复被中断，原数据库留在 %1，无法放回原处；请用“数据恢复”从它恢复。")
                        .arg(movedAside);
    }
    const QString leftover = dbPath + RestoreSuffix;
    if (QFileInfo(leftover).isFile()) {
        const QFileInfo info(dbPath);
        const QString kept = info.absolutePath() + QChar(u'/') + info.completeBaseName() +
                             QStringLiteral("-未完成的恢复-") + timestamp() + QChar(u'.') + info.suffix();
        const bool moved = QFile::rename(leftover, kept);
        said << QStringLiteral("上次数据恢复没有完成，数据库保持恢复前的内容。未完成恢复的文件已保留为 %1，"
                               "需要时可用“数据恢复”从它或原来的备份再恢复一次。")
                    .arg(moved ? kept : leftover);
    }
    return said.join(QChar(u'\n'));
}

} // namespace corvel
