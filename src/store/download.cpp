#include "store/download.h"

#include "core/intconv.h"
#include "core/usererror.h"
#include "store/appdir.h"
#include "store/database.h"
#include "store/drawio.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>

namespace corvel {

const std::vector<DownloadTarget> &downloadTargets() {
    static const std::vector<DownloadTarget> targets{
        {QStringLiteral("中国福彩3D"), DrawSource::DrawFile, QStringLiteral("download/fc3d"), QStringLiteral("/3d.txt"),
         881},
        {QStringLiteral("中国体彩排列3"), DrawSource::ChartPage, QStringLiteral("download/pl3"),
         QStringLiteral("/Pls/ZongheZs-200.html"), -1},
    };
    return targets;
}

QString savedSourceAddress(const DownloadTarget &target) { return QSettings().value(target.settingsKey).toString(); }

void saveSourceAddress(const DownloadTarget &target, const QString &address) {
    QSettings().setValue(target.settingsKey, address.trimmed());
}

QUrl sourceUrl(const QString &address) {
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {};
    return url;
}

QUrl targetUrl(const DownloadTarget &target, const QString &address) {
    QUrl url = sourceUrl(address);
    if (!url.isValid() || (!url.path().isEmpty() && url.path() != QLatin1String("/"))) return url;
    if (url.port() < 0 && target.port > 0) url.setPort(target.port);
    url.setPath(target.resourcePath);
    return url;
}

StoredIssues storedIssues(QSqlDatabase &db, const QString &lottery) {
    requireValidLotteryName(lottery);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const QString issue = quoteIdent(QStringLiteral("记录期号"));
    if (!q.exec(QStringLiteral("select %1 from %2 order by %1").arg(issue, quoteIdent(drawTableName(lottery)))))
        throw UserError(databaseMessage(QStringLiteral("数据库错误"), q.lastError()).toStdString());
    StoredIssues stored;
    std::string last;
    bool any = false;
    while (q.next()) {
        last = q.value(0).toString().toStdString();
        stored.all.insert(last);
        any = true;
    }
    if (any && !tryStrToInt64(last, stored.last)) throw UserError("表中最后的期号“" + last + "”不是数字");
    return stored;
}

int appendDownload(QSqlDatabase &db, const QString &lottery, DrawSource source, const QByteArray &body,
                   const StoredIssues &before) {
    const std::string_view text(body.constData(), size_t(body.size()));
    std::vector<ParsedDraw> draws;
    try {
        draws = source == DrawSource::DrawFile ? parseDrawFile(text) : parseChartPage(text);
    } catch (const UserError &e) {
        throw UserError(std::string("下载的内容无法识别（") + e.what() + "）");
    }
    const std::vector<ParsedDraw> fresh = selectNewDraws(draws, before.last, before.all);
    if (fresh.empty()) return 0;
    try {
        appendDraws(db, lottery, fresh);
    } catch (const UserError &e) {
        throw UserError(std::string("保存失败（") + e.what() + "）");
    }
    return int(fresh.size());
}

QString workingFilePath() { return appDir() + QStringLiteral("号码.txt"); }

void removeWorkingFile() { QFile::remove(workingFilePath()); }

bool writeWorkingFile(const QByteArray &body) {
    QSaveFile file(workingFilePath());
    return file.open(QIODevice::WriteOnly) && file.write(body) == body.size() && file.commit();
}

HttpFetch::HttpFetch(QObject *parent)
    : QObject(parent), manager_(new QNetworkAccessManager(this)), timer_(new QTimer(this)) {
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (!reply_) return;
        timedOut_ = true;
        reply_->abort();
    });
}

HttpFetch::~HttpFetch() { abort(); }

void HttpFetch::get(const QUrl &url, int timeoutMs) {
    abort();
    timedOut_ = false;
    tooLarge_ = false;
    timeoutMs_ = timeoutMs;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    reply_ = manager_->get(request);
    connect(reply_, &QNetworkReply::finished, this, &HttpFetch::onFinished);
    connect(reply_, &QNetworkReply::downloadProgress, this, &HttpFetch::onProgress);
    timer_->start(timeoutMs_);
}

void HttpFetch::abort() {
    timer_->stop();
    if (!reply_) return;
    QNetworkReply *reply = reply_;
    reply_.clear();
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void HttpFetch::onProgress(qint64 received) {
    if (!reply_) return;
    if (received > MaxBytes) {
        tooLarge_ = true;
        reply_->abort();
        return;
    }
    timer_->start(timeoutMs_); // something arrived: the time-out counts from now
}

void HttpFetch::onFinished() {
    timer_->stop();
    QNetworkReply *reply = reply_;
    reply_.clear();
    if (!reply) return;
    reply->deleteLater();
    FetchResult result;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (timedOut_) {
        result.error = QStringLiteral("服务器在%1秒内没有响应").arg(QString::number(timeoutMs_ / 1000.0));
    } else if (tooLarge_) {
        result.error = QStringLiteral("下载的内容过大");
    } else if (status.isValid() && status.toInt() >= 400) {
        result.error = QStringLiteral("服务器返回错误 %1 %2")
                           .arg(status.toInt())
                           .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
                           .trimmed();
    } else if (reply->error() != QNetworkReply::NoError) {
        result.error = reply->errorString();
    } else {
        result.ok = true;
        result.body = reply->readAll();
    }
    emit finished(result);
}

} // namespace corvel
