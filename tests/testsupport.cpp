#include "testsupport.h"

#include "core/u_public.h"
#include "core/usererror.h"
#include "maintenance/windows/u_index.h"
#include "shell/u_main.h"
#include "store/appdir.h"
#include "store/catalogue.h"
#include "store/database.h"
#include "store/drawtable.h"
#include "ui/printing.h"

#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTimer>
#include <gtest/gtest.h>
#include <random>

namespace corvel::test {

TempAppDir::TempAppDir() {
    AppDir = path().toStdString();
    for (const char *sub : {"数据库", "附属", "图片", "帮助"}) QDir().mkpath(path() + QString::fromUtf8(sub));
}

TempAppDir::~TempAppDir() {
    ui::dialogHooks() = {};
    ui::printHooks() = {};
}

QString TempAppDir::path() const { return dir_.path() + QLatin1Char('/'); }
QString TempAppDir::databasePath() const { return corvel::databasePath(); }

void TempAppDir::createDatabase(const QList<QPair<QString, QStringList>> &lotteries) {
    QList<BundledLottery> list;
    for (const auto &l : lotteries) {
        BundledLottery b;
        b.options = {l.first, 1, 10, 3, QStringLiteral("21:15"), QStringLiteral("1234567")};
        b.draws.columnCount = 3;
        for (const QString &line : l.second) {
            const QStringList items = line.split(QLatin1Char(' '));
            RawDraw row;
            row.issue = items[0].toStdString();
            b.draws.columnCount = std::max(3, int(items[1].size()));
            for (int c = 0; c < items[1].size() && c < 5; ++c) row.digits[c] = items[1][c].digitValue();
            b.draws.rows.push_back(row);
        }
        list << b;
    }
    corvel::createDatabase(databasePath(), list);
}

QString leaveCrashedCopy(const QString &dbPath, const QString &lottery, const QString &folder) {
    QDir().mkpath(folder);
    const QString copy = folder + QStringLiteral("/") + QFileInfo(dbPath).fileName();
    Connection con(dbPath);
    QSqlDatabase &db = con.db();
    QSqlQuery q(db);
    // A tiny cache makes SQLite write changed pages into the file before the commit.
    q.exec(QStringLiteral("pragma cache_size=1"));
    db.transaction();
    q.exec(QStringLiteral("delete from %1").arg(quoteIdent(drawTableName(lottery))));
    q.prepare(QStringLiteral("insert into %1 (\"记录期号\", \"1\", \"2\", \"3\") values (?, 1, 2, 3)")
                  .arg(quoteIdent(drawTableName(lottery))));
    for (int i = 0; i < 3000; ++i) {
        q.addBindValue(QString::number(3000000 + i));
        q.exec();
    }
    const QString journal = dbPath + QStringLiteral("-journal");
    if (QFileInfo(journal).size() > 0) {
        QFile::remove(copy);
        QFile::remove(copy + QStringLiteral("-journal"));
        QFile::copy(dbPath, copy);
        QFile::copy(journal, copy + QStringLiteral("-journal"));
    }
    q.finish();
    db.rollback();
    return copy;
}

QStringList makeDraws(int count, unsigned seed, int digits) {
    std::mt19937 rng(seed);
    QStringList out;
    for (int i = 0; i < count; ++i) {
        QString d;
        for (int k = 0; k < digits; ++k) d += QChar('0' + int(rng() % 10));
        const int year = 2000 + i / 999, n = i % 999 + 1;
        out << QStringLiteral("%1%2 %3").arg(year).arg(n, 3, 10, QLatin1Char('0')).arg(d);
    }
    return out;
}

namespace {
std::vector<std::pair<QString, int *>> &expectedWarnings() {
    static std::vector<std::pair<QString, int *>> expected;
    return expected;
}
} // namespace

ExpectedWarning::ExpectedWarning(QString text) : text_(std::move(text)) {
    expectedWarnings().emplace_back(text_, &seen_);
}

ExpectedWarning::~ExpectedWarning() {
    auto &expected = expectedWarnings();
    std::erase_if(expected, [this](const auto &e) { return e.second == &seen_; });
    EXPECT_GT(seen_, 0) << "expected Qt warning never came: " << text_.toStdString();
}

bool ExpectedWarning::consume(const QString &message) {
    for (auto &[text, seen] : expectedWarnings())
        if (message.contains(text)) {
            ++*seen;
            return true;
        }
    return false;
}

int pdfPageCount(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    // Page objects, not the page tree ("/Type /Pages").
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return int(QString::fromLatin1(file.readAll()).count(page));
}

ReportRun runReport(const QStringList &args) {
    QProcess p;
    p.start(QStringLiteral(CORVEL_REPORT_EXE), args);
    ReportRun r;
    if (!p.waitForFinished(60000)) return r;
    r.exitCode = p.exitCode();
    r.output = p.readAllStandardOutput();
    r.lines = QString::fromUtf8(r.output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    r.error = QString::fromUtf8(p.readAllStandardError()).trimmed();
    return r;
}

QString writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
    return path;
}

QString writeHistoryFile(const QString &path, const DrawTable &draws) {
    QByteArray text;
    for (const DrawRow &d : draws)
        text += QByteArray::number(d[0]) + ' ' + QByteArray::number(d[1]) + QByteArray::number(d[2]) +
                QByteArray::number(d[3]) + "\r\n";
    return writeFile(path, text);
}

QStringList reportSection(const QStringList &lines, const QString &header) {
    const qsizetype at = lines.indexOf(header);
    if (at < 0) return {};
    QStringList rows;
    for (qsizetype i = at + 1; i < lines.size() && !lines[i].startsWith(QLatin1Char('#')); ++i) rows << lines[i];
    return rows;
}

MessageLog::MessageLog(bool answer) {
    ui::dialogHooks().message = [this, answer](const ui::Message &m) {
        messages.push_back(m);
        return answer;
    };
    ui::dialogHooks().openFolder = [this](const QString &folder) { openedFolders << folder; };
}

MessageLog::~MessageLog() {
    ui::dialogHooks().message = nullptr;
    ui::dialogHooks().openFolder = nullptr;
}

bool MessageLog::contains(const QString &text) const {
    for (const auto &m : messages)
        if (m.text.contains(text)) return true;
    return false;
}

QStringList tableLinesOf(const QString &path, const QString &lottery) {
    Connection con(path);
    const RawDrawTable table = readDrawTable(con.db(), lottery);
    QStringList lines;
    for (const RawDraw &row : table.rows) {
        QString digits;
        for (int c = 0; c < table.columnCount; ++c)
            digits += row.digits[c] ? QString::number(*row.digits[c]) : QStringLiteral("-");
        lines << QString::fromStdString(row.issue) + QLatin1Char(' ') + digits;
    }
    return lines;
}

QStringList tableLines(const QString &lottery) { return tableLinesOf(databasePath(), lottery); }

bool openThroughCatalogue(Tfrmmain &main, const QString &lottery, int window) {
    // The catalogue is modal: it is answered from inside its own event loop.
    QTimer::singleShot(0, &main, [&main, lottery, window] {
        auto *index = main.findChild<Tfrmindex *>();
        if (!index) return;
        const auto items = index->lstcaipiao->findItems(lottery, Qt::MatchExactly);
        if (!items.isEmpty()) {
            index->lstcaipiao->setCurrentItem(items.first());
            if (window >= 0) index->optpos->button(window)->click();
            index->btnopen->click();
        }
        if (index->isVisible()) index->btnext->click();
    });
    main.command(QStringLiteral("mnuopen"))->trigger();
    return LotteryOpen;
}

} // namespace corvel::test
