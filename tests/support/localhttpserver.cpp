#include "localhttpserver.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTest>

LocalHttpServer::LocalHttpServer(QObject *parent) : QTcpServer(parent)
{
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

void LocalHttpServer::serve(const QString &path, const QByteArray &contentType, const QByteArray &body)
{
    m_resources.insert(path, {contentType, body, QByteArray()});
}

void LocalHttpServer::redirect(const QString &path, const QUrl &target)
{
    m_resources.insert(path, {QByteArray("text/plain"), QByteArray("moved"), target.toEncoded()});
}

QUrl LocalHttpServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path));
}

QStringList LocalHttpServer::requestsStartingWith(const QString &prefix) const
{
    QStringList found;
    for (const QString &path : m_requests)
        if (path.startsWith(prefix))
            found << path;
    return found;
}

bool LocalHttpServer::waitForRequest(const QString &prefix, int timeoutMs) const
{
    return QTest::qWaitFor([&] { return !requestsStartingWith(prefix).isEmpty(); }, timeoutMs);
}

void LocalHttpServer::answer(QTcpSocket *socket)
{
    // Waits for the whole request head before answering.
    if (!socket->peek(socket->bytesAvailable()).contains("\r\n\r\n"))
        return;
    const QList<QByteArray> requestLine = socket->readLine().trimmed().split(' ');
    socket->readAll();
    const QString path = requestLine.size() >= 2 ? QString::fromLatin1(requestLine[1]) : QString();
    m_requests << path;
    Q_EMIT requested(path);
    const auto found = m_resources.constFind(path);
    const bool ok = found != m_resources.constEnd();
    const QByteArray body = ok ? found->body : QByteArray("not found");
    const QByteArray contentType = ok ? found->contentType : QByteArray("text/plain");
    const bool moved = ok && !found->location.isEmpty();
    QByteArray response(moved ? "HTTP/1.1 302 Found\r\nLocation: " + found->location + "\r\n"
                        : ok  ? QByteArray("HTTP/1.1 200 OK\r\n")
                              : QByteArray("HTTP/1.1 404 Not Found\r\n"));
    response += "Content-Type: " + contentType + "\r\nContent-Length: " + QByteArray::number(body.size()) +
                "\r\nConnection: close\r\nCache-Control: no-store\r\n\r\n" + body;
    socket->write(response);
    socket->disconnectFromHost();
}
