#include "HttpUpdateNetwork.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {
QNetworkRequest freshRequest(const QUrl& url, int timeoutMs)
{
    QNetworkRequest request(url);
    // Never a stale copy: not from a cache of ours, nor from a proxy's.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    request.setTransferTimeout(timeoutMs);
    return request;
}

// Why a finished reply is no good, or empty when it brought the whole body.
QString replyFault(QNetworkReply* reply, qint64 received)
{
    if (reply->error() != QNetworkReply::NoError)
        return reply->errorString();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 0 && (status < 200 || status > 299))
        return QStringLiteral("HTTP status %1").arg(status);
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() != received)
        return QStringLiteral("%1 of %2 bytes received").arg(received).arg(length.toLongLong());
    return {};
}
} // namespace

QString HttpUpdateNetwork::DownloadToFile(const QUrl& url, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return file.errorString();

    QNetworkAccessManager manager;
    std::unique_ptr<QNetworkReply> reply(manager.get(freshRequest(url, DownloadTimeoutMs)));
    qint64 received = 0;
    bool written = true;
    const auto store = [&] {
        if (!reply->isOpen())
            return;
        const QByteArray chunk = reply->readAll();
        received += chunk.size();
        written = written && file.write(chunk) == chunk.size();
        if (received > MaxDownloadSize)
            reply->abort();
    };
    QObject::connect(reply.get(), &QNetworkReply::readyRead, reply.get(), store);
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    store();

    QString fault = replyFault(reply.get(), received);
    if (fault.isEmpty() && received == 0)
        fault = QStringLiteral("empty file");
    if (fault.isEmpty() && (!written || !file.flush()))
        fault = file.errorString();
    file.close();
    if (!fault.isEmpty())
        file.remove();
    return fault;
}

void HttpUpdateNetwork::Fetch(const QUrl& url, qint64 maxBytes, std::function<void(std::optional<QByteArray>)> done)
{
    auto* manager = new QNetworkAccessManager(QCoreApplication::instance());
    QNetworkReply* reply = manager->get(freshRequest(url, FetchTimeoutMs));
    auto body = std::make_shared<QByteArray>();
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, body, maxBytes] {
        body->append(reply->readAll());
        if (body->size() > maxBytes)
            reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, manager, [manager, reply, body, maxBytes, done] {
        if (reply->isOpen())
            body->append(reply->readAll());
        const bool whole = replyFault(reply, body->size()).isEmpty() && body->size() <= maxBytes;
        manager->deleteLater();
        done(whole ? std::optional<QByteArray>(*body) : std::nullopt);
    });
}
