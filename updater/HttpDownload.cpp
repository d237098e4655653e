#include "HttpDownload.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <memory>

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
QString replyFault(QNetworkReply* reply, qint64 received, qint64 maxBytes)
{
    if (received > maxBytes)
        return QStringLiteral("more than %1 bytes").arg(maxBytes);
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 0 && (status < 200 || status > 299))
        return QStringLiteral("HTTP status %1 from %2").arg(status).arg(reply->url().toString());
    if (reply->error() != QNetworkReply::NoError)
        return reply->errorString();
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() != received)
        return QStringLiteral("%1 of %2 bytes received").arg(received).arg(length.toLongLong());
    return {};
}

// Runs the request to its end, handing each piece of the body to take; a piece that takes
// the total past maxBytes ends it.
template <typename Take>
QString fetch(const QUrl& url, qint64 maxBytes, int timeoutMs, Take take)
{
    QNetworkAccessManager manager;
    std::unique_ptr<QNetworkReply> reply(manager.get(freshRequest(url, timeoutMs)));
    qint64 received = 0;
    const auto store = [&] {
        if (!reply->isOpen() || received > maxBytes)
            return;
        const QByteArray chunk = reply->readAll();
        received += chunk.size();
        if (received > maxBytes)
            reply->abort();
        else
            take(chunk);
    };
    QObject::connect(reply.get(), &QNetworkReply::readyRead, reply.get(), store);
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    store();
    return replyFault(reply.get(), received, maxBytes);
}
} // namespace

QString HttpDownload::ToFile(const QUrl& url, const QString& path, qint64 maxBytes, int timeoutMs)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return file.errorString();
    bool written = true;
    qint64 size = 0;
    QString fault = fetch(url, maxBytes, timeoutMs, [&](const QByteArray& chunk) {
        size += chunk.size();
        written = written && file.write(chunk) == chunk.size();
    });
    if (fault.isEmpty() && size == 0)
        fault = QStringLiteral("empty file");
    if (fault.isEmpty() && (!written || !file.flush()))
        fault = file.errorString();
    file.close();
    if (!fault.isEmpty())
        file.remove();
    return fault;
}

std::optional<QByteArray> HttpDownload::Text(const QUrl& url, qint64 maxBytes, int timeoutMs)
{
    QByteArray body;
    if (!fetch(url, maxBytes, timeoutMs, [&](const QByteArray& chunk) { body += chunk; }).isEmpty())
        return std::nullopt;
    return body;
}
