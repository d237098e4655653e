#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

// A small HTTP/1.1 server on the loopback address for the update tests, answering each
// request on the test's own thread and closing the connection afterwards.
class LocalHttpServer : public QObject {
public:
    struct Response {
        QByteArray body;
        int status = 200;
        qint64 declaredLength = -1;  // the Content-Length sent; -1: the body's size
        bool stall = false;          // read the request and never answer
        int dripMs = 0;              // > 0: send dripBytes of the body at a time, this far apart
        int dripBytes = 1;
        bool sendLength = true;      // false: no Content-Length; the body ends with the connection
        bool chunked = false;        // the body in chunks, without Content-Length
    };

    LocalHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                ++m_open;
                connect(socket, &QTcpSocket::disconnected, this, [this] { --m_open; });
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            }
        });
    }

    void route(const QString& path, Response response) { m_routes.insert(path, std::move(response)); }
    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
    }
    // The request heads received, in order.
    const QList<QByteArray>& requests() const { return m_requests; }
    // Connections the clients have not closed yet.
    int openConnections() const { return m_open; }

    // An address on this machine where nobody listens: connections are refused.
    static QUrl refusedUrl(const QString& path)
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        const quint16 port = probe.serverPort();
        probe.close();
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path));
    }

private:
    void serve(QTcpSocket* socket)
    {
        QByteArray& head = m_pending[socket];
        head += socket->readAll();
        if (!head.contains("\r\n\r\n"))
            return;
        m_requests.append(head);
        const QString path = QString::fromLatin1(head.split(' ').value(1));
        m_pending.remove(socket);

        const auto found = m_routes.constFind(path);
        const Response response = found != m_routes.constEnd() ? *found : Response{"not here", 404};
        if (response.stall)
            return;
        const qint64 length = response.declaredLength >= 0 ? response.declaredLength : response.body.size();
        const QByteArray framing = response.chunked      ? QByteArray("Transfer-Encoding: chunked\r\n")
                                   : response.sendLength ? "Content-Length: " + QByteArray::number(length) + "\r\n"
                                                         : QByteArray();
        socket->write("HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n" + framing +
                      "Content-Type: application/octet-stream\r\nConnection: close\r\n\r\n");
        if (response.chunked) {
            for (qsizetype at = 0; at < response.body.size(); at += 65536) {
                const QByteArray chunk = response.body.mid(at, 65536);
                socket->write(QByteArray::number(chunk.size(), 16) + "\r\n" + chunk + "\r\n");
            }
            socket->write("0\r\n\r\n");
            socket->disconnectFromHost();
            return;
        }
        if (response.dripMs <= 0) {
            socket->write(response.body);
            socket->disconnectFromHost();
            return;
        }
        auto* drip = new QTimer(socket);
        connect(drip, &QTimer::timeout, socket, [socket, drip, body = response.body, step = response.dripBytes,
                                                 sent = qsizetype(0)]() mutable {
            socket->write(body.mid(sent, step));
            sent += step;
            if (sent >= body.size()) {
                drip->stop();
                socket->disconnectFromHost();
            }
        });
        connect(socket, &QTcpSocket::disconnected, drip, &QTimer::stop);
        drip->start(response.dripMs);
    }

    QTcpServer m_server;
    QHash<QString, Response> m_routes;
    QHash<QTcpSocket*, QByteArray> m_pending;
    QList<QByteArray> m_requests;
    int m_open = 0;
};
