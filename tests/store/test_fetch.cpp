// One HTTP GET with an inactivity time-out and a distant deadline: a server that keeps
// sending, however slowly, is waited for; one that goes quiet is given up after the time-out.

#include "store/download.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

using namespace corvel;

namespace {

// Sends the headers of a body of `bytes` bytes, then one byte of it every `stepMs`.
class TrickleServer {
public:
    TrickleServer(int bytes, int stepMs) {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this, bytes, stepMs] {
            QTcpSocket *socket = server_.nextPendingConnection();
            socket->setParent(&server_);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, bytes, stepMs] {
                socket->readAll();
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                              QByteArray::number(bytes) + "\r\nConnection: close\r\n\r\n");
                auto *timer = new QTimer(socket);
                auto sent = std::make_shared<int>(0);
                QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, sent, bytes] {
                    socket->write("7");
                    if (++*sent == bytes) {
                        timer->stop();
                        socket->disconnectFromHost();
                    }
                });
                timer->start(stepMs);
            });
        });
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/3d.txt").arg(server_.serverPort())); }

private:
    QTcpServer server_;
};

std::optional<FetchResult> fetch(const QUrl &url, int timeoutMs) {
    HttpFetch http;
    std::optional<FetchResult> result;
    QObject::connect(&http, &HttpFetch::finished, &http, [&result](const FetchResult &r) { result = r; });
    http.get(url, timeoutMs, 60000);
    if (!QTest::qWaitFor([&] { return result.has_value(); }, 20000)) return std::nullopt;
    return result;
}

} // namespace

TEST(HttpFetch, ASlowButSteadyServerIsWaitedFor) {
    TrickleServer server(12, 150); // 1.8 s in all, never quiet for a second
    const auto result = fetch(server.url(), 1000);
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(result->ok) << result->error.toStdString();
    EXPECT_EQ(result->body, QByteArray(12, '7'));
}

TEST(HttpFetch, AQuietServerTimesOut) {
    TrickleServer server(3, 3000); // the first byte comes after three seconds
    QElapsedTimer clock;
    clock.start();
    const auto result = fetch(server.url(), 300);
    ASSERT_TRUE(result.has_value());
    EXPECT_FALSE(result->ok);
    EXPECT_EQ(result->error, QStringLiteral("服务器在0.3秒内没有响应"));
    EXPECT_LT(clock.elapsed(), 2900); // given up before the first byte
}
