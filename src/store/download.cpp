#include "store/download.h"

#include "core/intconv.h"
#include "core/textencoding.h"
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
    const QString text = address.trimmed();
    // An address with a scheme is taken as written; only a bare host name is completed.
    const QUrl url = text.contains(QStringLiteral("://")) ? QUrl(text, QUrl::StrictMode) : QUrl::fromUserInput(text);
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
    if (any && !tryStrToInt64(last, stored.last)) throw UserError("表中最后的期号“" + quotedPiece(last) + "”不是数字");
    return stored;
}

int appendDownload(QSqlDatabase &db, const QString &lottery, DrawSource source, const QByteArray &body,
                   const StoredIssues &before) {
    const std::string_view text(body.constData(), size_t(body.size()));
    std::vector<ParsedDraw> draws;
    try {
        draws = source == DrawSource::DrawFile ? parseDrawFileAfter(text, before.last)
                                               : parseChartPageAfter(text, before.last);
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
    : QObject(parent), manager_(new QNetworkAccessManager(this)), deadline_(new QTimer(this)) {
    deadline_->setSingleShot(true);
    connect(deadline_, &QTimer::timeout, this, [this] { stop(Stop::Deadline); });
}

HttpFetch::~HttpFetch() { abort(); }

void HttpFetch::get(const QUrl &url, int idleMs, int deadlineMs) {
    abort();
    stopped_ = Stop::None;
    idleMs_ = idleMs;
    deadlineMs_ = deadlineMs;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // Given up when nothing arrives for idleMs; the deadline bounds the whole transfer.
    request.setTransferTimeout(idleMs);
    reply_ = manager_->get(request);
    connect(reply_, &QNetworkReply::finished, this, &HttpFetch::onFinished);
    connect(reply_, &QNetworkReply::downloadProgress, this, &HttpFetch::onProgress);
    deadline_->start(deadlineMs);
}

void HttpFetch::abort() {
    deadline_->stop();
    if (!reply_) return;
    QNetworkReply *reply = reply_;
    reply_.clear();
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void HttpFetch::cancel() { stop(Stop::Cancelled); }

void HttpFetch::stop(Stop why) {
    if (!reply_ || stopped_ != Stop::None) return;
    stopped_ = why;
    reply_->abort(); // finished() follows
}

void HttpFetch::onProgress(qint64 received) {
    if (received > MaxBytes || (reply_ && reply_->bytesAvailable() > MaxBytes)) stop(Stop::TooLarge);
}

namespace {
QString seconds(int ms) { return QString::number(ms / 1000.0); }
} // namespace

QString HttpFetch::failure(QNetworkReply *reply) const {
    switch (stopped_) {
    case Stop::Deadline:
        return QStringLiteral("服务器在%1秒内没有传完数据").arg(seconds(deadlineMs_));
    case Stop::TooLarge:
        return QStringLiteral("下载的内容过大（超过%1 MB），不是开奖数据").arg(MaxBytes / (1024 * 1024));
    case Stop::Cancelled:
        return QStringLiteral("已取消");
    case Stop::None:
        break;
    }
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const int code = status.isValid() ? status.toInt() : 0;
    if (code >= 300 && code < 400)
        return QStringLiteral("服务器要求转到别的地址（%1），但没有给出有效的新地址").arg(code);
    if (code >= 400)
        return QStringLiteral("服务器返回错误 %1 %2")
            .arg(code)
            .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
            .trimmed();
    switch (reply->error()) {
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::TimeoutError:
        return QStringLiteral("服务器在%1秒内没有响应").arg(seconds(idleMs_));
    case QNetworkReply::TooManyRedirectsError:
        return QStringLiteral("服务器转向的次数太多");
    case QNetworkReply::InsecureRedirectError:
        return QStringLiteral("服务器要求从 https 转到不安全的 http 地址，已拒绝");
    case QNetworkReply::ProtocolUnknownError:
        return QStringLiteral("服务器转到了不支持的地址");
    case QNetworkReply::UnknownContentError:
    case QNetworkReply::ProtocolFailure:
        // Also a compressed body that unpacks to far more than it is (a compression bomb).
        return QStringLiteral("服务器发来的内容无法解读（可能是压缩数据已损坏或解压后过大）");
    default:
        break;
    }
    const QString text = reply->errorString().trimmed();
    return text.isEmpty() ? QStringLiteral("网络错误（代码 %1）").arg(int(reply->error())) : text;
}

void HttpFetch::onFinished() {
    deadline_->stop();
    QNetworkReply *reply = reply_;
    reply_.clear();
    if (!reply) return;
    reply->deleteLater();
    FetchResult result;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const bool answered = !status.isValid() || status.toInt() < 300;
    if (stopped_ == Stop::None && reply->error() == QNetworkReply::NoError && answered) {
        result.body = reply->read(MaxBytes + 1);
        if (result.body.size() > MaxBytes) {
            stopped_ = Stop::TooLarge;
            result.body.clear();
        } else {
            result.ok = true;
        }
    }
    if (!result.ok) result.error = failure(reply);
    emit finished(result);
}

} // namespace corvel
