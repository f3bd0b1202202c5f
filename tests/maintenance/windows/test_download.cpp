// The download window against a small HTTP server on 127.0.0.1 answering canned replies.

#include "maintenance/windows/u_download2.h"
#include "store/appdir.h"
#include "store/database.h"
#include "store/drawtable.h"
#include "testsupport.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkProxy>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace corvel;
using corvel::test::tableLines;

namespace {

const QString Fc3d = QStringLiteral("中国福彩3D");
const QString Pl3 = QStringLiteral("中国体彩排列3");

// Answers each request path with a canned HTTP response; a path marked silent is
// accepted and never answered.
class CannedServer {
public:
    CannedServer() {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *socket = server_.nextPendingConnection()) serve(socket);
        });
    }
    QString url(const QString &path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
    }
    void reply(const QString &path, const QByteArray &raw) { replies_[path] = raw; }
    void silent(const QString &path) { replies_[path] = QByteArray(); }
    // Sends the headers of a long body, then one byte every `ms` for ever.
    void trickle(const QString &path, int ms) { trickle_[path] = ms; }
    QStringList requests;

    static QByteArray response(int status, const QByteArray &reason, const QByteArray &body,
                               const QByteArray &extra = {}) {
        return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\nContent-Type: text/plain\r\n" + extra +
               "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    }
    static QByteArray ok(const QByteArray &body) { return response(200, "OK", body); }

private:
    void serve(QTcpSocket *socket) {
        socket->setParent(&server_);
        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            *buffer += socket->readAll();
            if (!buffer->contains("\r\n\r\n")) return;
            const QString path = QString::fromLatin1(buffer->split(' ').value(1));
            requests << path;
            if (trickle_.contains(path)) {
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 1000000\r\n\r\n");
                auto *timer = new QTimer(socket);
                QObject::connect(timer, &QTimer::timeout, socket, [socket] { socket->write("2"); });
                timer->start(trickle_.value(path));
                return;
            }
            const QByteArray raw = replies_.value(path, response(404, "Not Found", "<html>404</html>"));
            if (raw.isEmpty()) return; // silent
            socket->write(raw);
            socket->disconnectFromHost();
        });
    }
    QTcpServer server_;
    QMap<QString, QByteArray> replies_;
    QMap<QString, int> trickle_;
};

QByteArray drawFile(int from, int to) {
    QByteArray text;
    for (int issue = from; issue <= to; ++issue)
        text += QByteArray::number(issue) + ' ' + QByteArray::number(issue % 10) + ' ' +
                QByteArray::number(issue / 10 % 10) + ' ' + QByteArray::number(issue / 100 % 10) + "\r\n";
    return text;
}

// The draws of drawFile as table lines.
QStringList drawLines(int from, int to) {
    QStringList lines;
    for (int issue = from; issue <= to; ++issue)
        lines << QStringLiteral("%1 %2%3%4").arg(issue).arg(issue % 10).arg(issue / 10 % 10).arg(issue / 100 % 10);
    return lines;
}

QByteArray chartPage(int from, int to) {
    QByteArray page = "<html>\r\n<body>\r\n<table id=\"cpdata\">\r\n";
    for (int issue = from; issue <= to; ++issue) {
        page += "<tr><td height=\"22\">" + QByteArray::number(issue).mid(2) + "</td>\r\n";
        for (int d : {issue % 10, issue / 10 % 10, issue / 100 % 10})
            page += "<td>" + QByteArray::number(d) + "</td>\r\n";
        page += "</tr>\r\n";
    }
    return page + "</table>\r\n</body>\r\n</html>\r\n";
}

// A program folder with 中国福彩3D and 中国体彩排列3, remembered settings of its own and
// a download window.
struct DownloadWindow {
    test::TempAppDir dir;
    QTemporaryDir settingsDir;
    CannedServer server;
    std::unique_ptr<Tfrmdownload2> window;

    DownloadWindow(const QStringList &fc3d, const QStringList &pl3) {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        dir.createDatabase({{Fc3d, fc3d}, {Pl3, pl3}});
        window = std::make_unique<Tfrmdownload2>();
        window->timeoutMs = 2000;
        window->show();
    }
    void sources(const QString &fc3dPath, const QString &pl3Path) {
        window->edtfc3durl->setText(fc3dPath.isEmpty() ? QString() : server.url(fc3dPath));
        window->edtpl3url->setText(pl3Path.isEmpty() ? QString() : server.url(pl3Path));
    }
    void run(int choice) {
        window->comdown->setCurrentIndex(choice);
        QSignalSpy done(window.get(), &Tfrmdownload2::downloadFinished);
        window->btndown->click();
        if (done.isEmpty()) {
            ASSERT_TRUE(done.wait(15000));
        }
    }
    QString status() const { return window->lbltitle->text(); }
};

} // namespace

TEST(DownloadWindow, AppendsOnlyIssuesAboveTheLastStored) {
    DownloadWindow w({QStringLiteral("2007120 021"), QStringLiteral("2007121 121"), QStringLiteral("2007122 221")},
                     {QStringLiteral("2007001 999")});
    w.server.reply(QStringLiteral("/3d.txt"), CannedServer::ok(drawFile(2007120, 2007125)));
    w.server.reply(QStringLiteral("/Pls/ZongheZs-200.html"), CannedServer::ok(chartPage(2007001, 2007004)));
    w.sources(QStringLiteral("/3d.txt"), QStringLiteral("/Pls/ZongheZs-200.html"));
    EXPECT_EQ(w.window->comdown->currentText(), QStringLiteral("所有彩票"));
    w.run(0);
    EXPECT_EQ(tableLines(Fc3d), QStringList({QStringLiteral("2007120 021"), QStringLiteral("2007121 121"),
                                             QStringLiteral("2007122 221")}) +
                                    drawLines(2007123, 2007125));
    EXPECT_EQ(tableLines(Pl3), QStringList{QStringLiteral("2007001 999")} + drawLines(2007002, 2007004));
    EXPECT_TRUE(w.status().contains(QStringLiteral("中国福彩3D：新增3期"))) << w.status().toStdString();
    EXPECT_TRUE(w.status().contains(QStringLiteral("中国体彩排列3：新增3期"))) << w.status().toStdString();
    EXPECT_TRUE(w.status().startsWith(QStringLiteral("下载完成\n"))) << w.status().toStdString();
    EXPECT_TRUE(w.window->btnclose->isVisible());
    EXPECT_FALSE(w.window->btndown->isVisible());
    QFile working(appDir() + QStringLiteral("号码.txt"));
    ASSERT_TRUE(working.open(QIODevice::ReadOnly));
    EXPECT_EQ(working.readAll(), chartPage(2007001, 2007004)); // the last download stays on disk
}

TEST(DownloadWindow, EmptyTableTakesEverythingAndRepeatsAreStoredOnce) {
    DownloadWindow w({}, {});
    QByteArray body = drawFile(2007001, 2007003);
    body.replace(' ', ',');
    body += drawFile(2007002, 2007002);
    w.server.reply(QStringLiteral("/3d.txt"), CannedServer::ok(body));
    w.sources(QStringLiteral("/3d.txt"), QStringLiteral(""));
    w.run(1);
    EXPECT_EQ(tableLines(Fc3d), drawLines(2007001, 2007003));
    EXPECT_TRUE(w.status().contains(QStringLiteral("新增3期")));
    EXPECT_FALSE(w.status().contains(Pl3)); // not chosen
}

TEST(DownloadWindow, ChoosingPickThreeLeavesThe3DTableAlone) {
    DownloadWindow w({QStringLiteral("2007001 123")}, {});
    w.server.reply(QStringLiteral("/3d.txt"), CannedServer::ok(drawFile(2007002, 2007009)));
    w.server.reply(QStringLiteral("/Pls/ZongheZs-200.html"), CannedServer::ok(chartPage(2007001, 2007002)));
    w.sources(QStringLiteral("/3d.txt"), QStringLiteral(""));
    w.window->edtpl3url->setText(
        w.server.url(QStringLiteral(""))); // the server alone: the page's own path is asked for
    w.run(2);
    EXPECT_EQ(tableLines(Fc3d), QStringList{QStringLiteral("2007001 123")});
    EXPECT_EQ(tableLines(Pl3), drawLines(2007001, 2007002));
    EXPECT_EQ(w.server.requests, QStringList{QStringLiteral("/Pls/ZongheZs-200.html")});
}

TEST(DownloadWindow, RedirectsAreFollowedAndNothingNewIsSaid) {
    DownloadWindow w({QStringLiteral("2007005 111")}, {});
    w.server.reply(QStringLiteral("/old"), CannedServer::response(302, "Found", "", "Location: /3d.txt\r\n"));
    w.server.reply(QStringLiteral("/3d.txt"), CannedServer::ok(drawFile(2007001, 2007005)));
    w.sources(QStringLiteral("/old"), QStringLiteral(""));
    w.run(1);
    EXPECT_EQ(w.server.requests, (QStringList{QStringLiteral("/old"), QStringLiteral("/3d.txt")}));
    EXPECT_TRUE(w.status().contains(QStringLiteral("中国福彩3D：没有新的开奖号码"))) << w.status().toStdString();
    EXPECT_EQ(tableLines(Fc3d), QStringList{QStringLiteral("2007005 111")});
}

TEST(DownloadWindow, EveryFailureIsReportedAndStoresNothing) {
    const struct {
        QByteArray reply;
        QString expected;
    } cases[] = {
        {CannedServer::response(500, "Internal Server Error", "<html>oops</html>"), QStringLiteral("500")},
        {CannedServer::ok("<html><head><title>Error</title></head><body>维护中</body></html>"),
         QStringLiteral("无法识别")},
        {CannedServer::ok(""), QStringLiteral("空")},
        {CannedServer::ok(drawFile(2007001, 2007004) + "2007005 1 2"), QStringLiteral("第5行")},
        {QByteArray(), QStringLiteral("没有响应")},
    };
    for (const auto &c : cases) {
        DownloadWindow w({}, {});
        w.window->timeoutMs = 300;
        if (c.reply.isEmpty())
            w.server.silent(QStringLiteral("/3d.txt"));
        else
            w.server.reply(QStringLiteral("/3d.txt"), c.reply);
        w.sources(QStringLiteral("/3d.txt"), QStringLiteral(""));
        w.run(0);
        EXPECT_TRUE(w.status().contains(QStringLiteral("中国福彩3D："))) << w.status().toStdString();
        EXPECT_TRUE(w.status().contains(c.expected)) << w.status().toStdString();
        EXPECT_TRUE(w.status().contains(QStringLiteral("没有添加"))) << w.status().toStdString();
        EXPECT_TRUE(w.status().contains(QStringLiteral("中国体彩排列3：未设置下载地址"))) << w.status().toStdString();
        EXPECT_FALSE(w.status().contains(QStringLiteral("下载完成")));
        EXPECT_TRUE(tableLines(Fc3d).isEmpty());
    }
}

TEST(DownloadWindow, UnreachableServerIsReported) {
    DownloadWindow w({QStringLiteral("2007001 123")}, {});
    w.window->edtfc3durl->setText(QStringLiteral("http://127.0.0.1:1/3d.txt")); // nothing listens there
    w.window->edtpl3url->setText(QStringLiteral("ftp://example.com/pl3"));
    w.run(0);
    EXPECT_TRUE(w.status().contains(QStringLiteral("中国福彩3D：下载失败"))) << w.status().toStdString();
    EXPECT_TRUE(w.status().contains(QStringLiteral("中国体彩排列3：下载地址“ftp://example.com/pl3”无效")))
        << w.status().toStdString();
    EXPECT_EQ(tableLines(Fc3d), QStringList{QStringLiteral("2007001 123")});
}

TEST(DownloadWindow, SourceAddressesAreRemembered) {
    DownloadWindow w({}, {});
    w.window->edtfc3durl->setText(QStringLiteral(" http://data.example:881/3d.txt "));
    w.window->edtpl3url->setText(QStringLiteral("http://chart.example/Pls/ZongheZs-200.html"));
    emit w.window->edtfc3durl->editingFinished();
    Tfrmdownload2 again;
    EXPECT_EQ(again.edtfc3durl->text(), QStringLiteral("http://data.example:881/3d.txt"));
    EXPECT_EQ(again.edtpl3url->text(), QStringLiteral("http://chart.example/Pls/ZongheZs-200.html"));
}

TEST(DownloadWindow, ClosingDuringADownloadDropsIt) {
    DownloadWindow w({}, {});
    w.server.silent(QStringLiteral("/3d.txt"));
    w.sources(QStringLiteral("/3d.txt"), QStringLiteral(""));
    w.window->btndown->click();
    EXPECT_TRUE(w.window->downloading());
    EXPECT_FALSE(w.window->btnclose->isVisible());
    w.window->close();
    EXPECT_FALSE(w.window->downloading());
    QTest::qWait(50);
    EXPECT_TRUE(tableLines(Fc3d).isEmpty());
}

TEST(DownloadWindow, AServerThatTricklesIsGivenUpAtTheDeadline) {
    DownloadWindow w({QStringLiteral("2007001 123")}, {});
    w.server.trickle(QStringLiteral("/3d.txt"), 100); // every byte comes well within the idle time
    w.sources(QStringLiteral("/3d.txt"), QStringLiteral(""));
    w.window->timeoutMs = 1000;
    w.window->deadlineMs = 1500;
    w.run(1);
    EXPECT_TRUE(w.status().contains(QStringLiteral("中国福彩3D：下载失败（服务器在1.5秒内没有传完数据）")))
        << w.status().toStdString();
    EXPECT_EQ(tableLines(Fc3d), QStringList{QStringLiteral("2007001 123")});
}

TEST(DownloadWindow, CancelStopsASilentServerAndSkipsTheRest) {
    DownloadWindow w({QStringLiteral("2007001 123")}, {});
    w.server.silent(QStringLiteral("/3d.txt"));
    w.server.reply(QStringLiteral("/Pls/ZongheZs-200.html"), CannedServer::ok(chartPage(2007001, 2007002)));
    w.sources(QStringLiteral("/3d.txt"), QStringLiteral("/Pls/ZongheZs-200.html"));
    QSignalSpy done(w.window.get(), &Tfrmdownload2::downloadFinished);
    w.window->btndown->click();
    // While it waits: a busy bar and "取消", nothing else to press.
    EXPECT_TRUE(w.window->prgbusy->isVisible());
    EXPECT_TRUE(w.window->btncancel->isVisible());
    EXPECT_FALSE(w.window->btnclose->isVisible());
    QTest::qWait(100);
    w.window->btncancel->click();
    if (done.isEmpty()) {
        ASSERT_TRUE(done.wait(5000));
    }
    EXPECT_TRUE(w.status().startsWith(QStringLiteral("下载已取消\n"))) << w.status().toStdString();
    EXPECT_TRUE(w.status().contains(QStringLiteral("中国福彩3D：已取消"))) << w.status().toStdString();
    EXPECT_TRUE(w.status().contains(QStringLiteral("中国体彩排列3：已取消"))) << w.status().toStdString();
    EXPECT_TRUE(tableLines(Pl3).isEmpty()); // not fetched at all
    EXPECT_EQ(w.server.requests, QStringList{QStringLiteral("/3d.txt")});
    EXPECT_FALSE(w.window->prgbusy->isVisible());
    EXPECT_FALSE(w.window->btncancel->isVisible());
    EXPECT_TRUE(w.window->btnclose->isVisible());
}

TEST(DownloadWindow, ARedirectWithoutATargetIsSaidPlainly) {
    DownloadWindow w({}, {});
    w.server.reply(QStringLiteral("/3d.txt"), CannedServer::response(302, "Found", ""));
    w.sources(QStringLiteral("/3d.txt"), QStringLiteral(""));
    w.run(1);
    EXPECT_TRUE(w.status().contains(QStringLiteral("服务器要求转到别的地址（302），但没有给出有效的新地址")))
        << w.status().toStdString();
}

TEST(DownloadWindow, StoredIssuesWithABadLineDoNotBlockTheNewOnes) {
    DownloadWindow w({QStringLiteral("2007120 021"), QStringLiteral("2007121 121")}, {});
    w.server.reply(QStringLiteral("/3d.txt"), CannedServer::ok("2007120 0 2 x\r\n2007121 1 2 1\r\n2007122 2 2 1\r\n"));
    w.sources(QStringLiteral("/3d.txt"), QStringLiteral(""));
    w.run(1);
    EXPECT_TRUE(w.status().contains(QStringLiteral("中国福彩3D：新增1期"))) << w.status().toStdString();
    EXPECT_EQ(tableLines(Fc3d), (QStringList{QStringLiteral("2007120 021"), QStringLiteral("2007121 121"),
                                             QStringLiteral("2007122 221")}));
}
