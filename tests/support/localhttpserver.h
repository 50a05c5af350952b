#pragma once

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

// A tiny HTTP server on 127.0.0.1 for the tests: answers GET requests for the paths it was given with their
// bytes, and every other path with 404, and reports and logs each request. Each connection carries one
// request and is closed after the answer.
class LocalHttpServer : public QTcpServer
{
    Q_OBJECT

public:
    explicit LocalHttpServer(QObject *parent = nullptr);

    void serve(const QString &path, const QByteArray &contentType, const QByteArray &body);
    // Answers the path with a redirection (302) to the target address.
    void redirect(const QString &path, const QUrl &target);
    // The address of a path on this server; the server listens from its construction on.
    QUrl url(const QString &path) const;

    // The paths asked for so far, queries included, in the order the requests came.
    QStringList requests() const { return m_requests; }
    // The requests whose path starts with the prefix.
    QStringList requestsStartingWith(const QString &prefix) const;
    // Waits until a request whose path starts with the prefix has come; false when none came in time.
    bool waitForRequest(const QString &prefix, int timeoutMs = 30000) const;

Q_SIGNALS:
    // A request for the path has arrived.
    void requested(const QString &path);

private:
    struct Resource
    {
        QByteArray contentType;
        QByteArray body;
        QByteArray location; // a redirection's target, else empty
    };

    void answer(QTcpSocket *socket);

    QHash<QString, Resource> m_resources;
    QStringList m_requests;
};
