#pragma once
// New draws from the network: the two sources, the check of what they send, appending
// the new issues, and one HTTP GET with a time-out.

#include "core/drawparse.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QSqlDatabase>
#include <QString>
#include <QUrl>
#include <set>
#include <string>
#include <vector>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace corvel {

enum class DrawSource {
    DrawFile,  // the data server's plain 3D draw file
    ChartPage, // the chart site's Pick-3 page
};

struct DownloadTarget {
    QString lottery; // the draw table written, whatever lottery was open
    DrawSource source;
    QString settingsKey;  // where the source address is remembered
    QString resourcePath; // the resource on the source's server
    int port = -1;        // the source's port, -1 for the scheme's own
};

// 中国福彩3D from the draw file, then 中国体彩排列3 from the chart page.
const std::vector<DownloadTarget> &downloadTargets();

// The remembered source address of a target (empty until the user sets one).
QString savedSourceAddress(const DownloadTarget &target);
void saveSourceAddress(const DownloadTarget &target, const QString &address);

// The address the user typed as an http(s) URL; an invalid URL for anything else.
QUrl sourceUrl(const QString &address);

// The URL of a target's source: a full address as typed, or a server given by its host
// name alone (with or without a port), which gets the target's own resource path and,
// without a port, the target's port. An invalid URL when the address is not http(s).
QUrl targetUrl(const DownloadTarget &target, const QString &address);

// What a draw table holds before a download: the last issue in issue order (0 for an
// empty table) and every issue. Throws UserError (database, or a last issue that is
// not a number).
struct StoredIssues {
    int64_t last = 0;
    std::set<std::string> all;
};
StoredIssues storedIssues(QSqlDatabase &db, const QString &lottery);

// Reads the body by its source's rules, picks the new draws and appends them in one
// transaction. Returns the number appended. Throws UserError, with nothing appended,
// when the body is not readable or the database refuses.
int appendDownload(QSqlDatabase &db, const QString &lottery, DrawSource source, const QByteArray &body,
                   const StoredIssues &before);

// AppDir + "号码.txt": each download is written there; it is removed before each one.
QString workingFilePath();
void removeWorkingFile();
// Writes the body to the working file; false when it could not be written.
bool writeWorkingFile(const QByteArray &body);

struct FetchResult {
    bool ok = false;
    QByteArray body;
    QString error; // why it failed, for the user
};

// One HTTP GET at a time, asynchronous: redirects followed, given up when nothing
// arrives for `idleMs` or when the whole transfer takes longer than `deadlineMs`
// (a server that trickles one byte at a time ends too), refused when the body grows
// beyond MaxBytes. Every failure gets a reason a user understands.
class HttpFetch : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 MaxBytes = 16 * 1024 * 1024;

    explicit HttpFetch(QObject *parent = nullptr);
    ~HttpFetch() override;

    void get(const QUrl &url, int idleMs, int deadlineMs);
    bool busy() const { return !reply_.isNull(); }
    // Drops the running request without a finished signal.
    void abort();
    // Stops the running request; finished() then reports it as cancelled by the user.
    void cancel();

signals:
    void finished(const corvel::FetchResult &result);

private:
    enum class Stop { None, Deadline, TooLarge, Cancelled };
    void stop(Stop why);
    void onFinished();
    void onProgress(qint64 received);
    QString failure(QNetworkReply *reply) const;

    QNetworkAccessManager *manager_;
    QTimer *deadline_;
    QPointer<QNetworkReply> reply_;
    Stop stopped_ = Stop::None;
    int idleMs_ = 0;
    int deadlineMs_ = 0;
};

} // namespace corvel
