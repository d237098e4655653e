#include "HttpDownload.h"

#include "LowSpeedRule.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {
QNetworkRequest freshRequest(const QUrl& url)
{
    QNetworkRequest request(url);
    // Never a stale copy: not from a cache of ours, nor from a proxy's.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    // One stream per connection, so that a full read buffer holds the server back.
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    // The bytes as served, which is what the signatures cover.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    return request;
}

QString seconds(int ms)
{
    return QString::number(ms / 1000.0) + QStringLiteral(" s");
}

QString tooLarge(qint64 maxBytes)
{
    return QStringLiteral("more than %1 bytes").arg(maxBytes);
}

// Why a finished reply is no good, or empty when it brought the whole body.
QString replyFault(QNetworkReply* reply, qint64 received)
{
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

// Runs the request to its end, handing each piece of the body to take (false: it could not
// keep it). Too much, too slowly, or (for a text) not whole in time ends it.
template <typename Take>
QString fetch(const QUrl& url, const HttpDownload::Limits& limits, Take take)
{
    QNetworkAccessManager manager;
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QNetworkReply> reply(manager.get(freshRequest(url)));
    reply->setReadBufferSize(HttpDownload::ReadBufferSize);
    LowSpeedRule rule(limits.windowMs, HttpDownload::MinBytesPerWindow);
    qint64 received = 0;
    QString fault;
    const auto fail = [&](const QString& why) {
        if (fault.isEmpty())
            fault = why;
        reply->abort();
    };

    QByteArray piece(HttpDownload::ReadBufferSize, Qt::Uninitialized);
    const auto store = [&] {
        while (fault.isEmpty() && reply->isOpen()) {
            const qint64 size = reply->read(piece.data(), piece.size());
            if (size <= 0)
                return;
            received += size;
            rule.arrived(clock.elapsed(), size);
            if (received > limits.maxBytes)
                return fail(tooLarge(limits.maxBytes));
            if (!take(piece.constData(), size))
                return fail(QStringLiteral("what arrived could not be kept"));
        }
    };
    QObject::connect(reply.get(), &QNetworkReply::readyRead, reply.get(), store);
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, reply.get(), [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > limits.maxBytes)
            return fail(tooLarge(limits.maxBytes));
        // A body that only the closing connection ends cannot be told from a cut-off one,
        // and the network layer does not hold such a body back while we write: refused.
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status >= 200 && status <= 299 && !length.isValid() &&
            !reply->rawHeader("Transfer-Encoding").toLower().contains("chunked"))
            fail(QStringLiteral("no length and not chunked"));
    });

    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &watchdog, [&] {
        const qint64 now = clock.elapsed();
        if (limits.wholeWithinWindow && now >= limits.windowMs)
            return fail(QStringLiteral("not whole within %1").arg(seconds(limits.windowMs)));
        if (now >= rule.deadline())
            return fail(QStringLiteral("fewer than %1 bytes in %2")
                            .arg(HttpDownload::MinBytesPerWindow)
                            .arg(seconds(limits.windowMs)));
        qint64 next = rule.deadline();
        if (limits.wholeWithinWindow)
            next = std::min<qint64>(next, limits.windowMs);
        watchdog.start(static_cast<int>(next - now));
    });
    watchdog.start(limits.windowMs);

    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    watchdog.stop();
    store();
    return fault.isEmpty() ? replyFault(reply.get(), received) : fault;
}
} // namespace

int HttpDownload::WindowFromEnvironment()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("QUORVANE_UPDATE_WINDOW_MS", &ok);
    return ok && ms > 0 ? ms : DefaultWindowMs;
}

QString HttpDownload::ToFile(const QUrl& url, const QString& path, const Limits& limits)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return file.errorString();
    qint64 size = 0;
    QString fault = fetch(url, limits, [&](const char* data, qint64 length) {
        size += length;
        return file.write(data, length) == length;
    });
    if (fault.isEmpty() && size == 0)
        fault = QStringLiteral("empty file");
    if (fault.isEmpty() && !file.flush())
        fault = file.errorString();
    file.close();
    if (!fault.isEmpty())
        file.remove();
    return fault;
}

QString HttpDownload::Text(const QUrl& url, const Limits& limits, QByteArray& body)
{
    body.clear();
    const QString fault = fetch(url, limits, [&](const char* data, qint64 length) {
        body.append(data, length);
        return true;
    });
    if (!fault.isEmpty())
        body.clear();
    return fault;
}
