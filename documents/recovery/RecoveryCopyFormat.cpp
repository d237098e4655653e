#include "RecoveryCopyFormat.h"

#include "DescriptionFileFormat.h"

#include <QCryptographicHash>
#include <QUrl>

namespace RecoveryCopyFormat {

namespace {

const QByteArray Marker = QByteArrayLiteral("[[[QVN RECOVERY]]]");
const QByteArray LineEnd = QByteArrayLiteral("\r\n");
const QByteArray HeaderEnd = QByteArrayLiteral("\r\n\r\n");
// The header's fields, in the order they are written.
constexpr const char* Fields[] = {"File: ", "Written: ", "Process: ", "Length: ", "SHA-256: "};
enum Field { FileField, WrittenField, ProcessField, LengthField, ChecksumField, FieldCount };

QByteArray checksum(QByteArrayView body)
{
    return QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex();
}

Parsed fault(const char* what)
{
    return {std::nullopt, QString::fromLatin1(what)};
}

} // namespace

QByteArray format(const RecoveryCopy& copy)
{
    const QByteArray body = DescriptionFileFormat::format(copy.description);
    if (body.size() > DescriptionFileFormat::MaxFileBytes)
        return {};
    const QByteArray values[FieldCount] = {
        QUrl::toPercentEncoding(copy.ownerPath, "/"),
        copy.written.toUTC().toString(Qt::ISODateWithMs).toLatin1(),
        copy.writer.toLatin1(),
        QByteArray::number(body.size()),
        checksum(body),
    };
    QByteArray bytes = Marker + LineEnd;
    for (int i = 0; i < FieldCount; ++i)
        bytes += Fields[i] + values[i] + LineEnd;
    bytes += LineEnd;
    bytes.reserve(bytes.size() + body.size());
    bytes += body;
    return bytes;
}

Parsed parse(QByteArrayView bytes)
{
    const qsizetype headerEnd = QByteArrayView(bytes.first(qMin<qsizetype>(bytes.size(), MaxHeaderBytes))).indexOf(HeaderEnd);
    if (!bytes.startsWith(Marker + LineEnd))
        return Marker.startsWith(bytes.first(qMin(bytes.size(), Marker.size()))) ? fault("truncated") : fault("corrupt");
    if (headerEnd < 0)
        return bytes.size() < MaxHeaderBytes ? fault("truncated") : fault("corrupt");

    const QList<QByteArray> lines = bytes.first(headerEnd).toByteArray().split('\n');
    if (lines.size() != FieldCount + 1)
        return fault("corrupt");
    QByteArray values[FieldCount];
    for (int i = 0; i < FieldCount; ++i) {
        QByteArray line = lines[i + 1];
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.startsWith(Fields[i]))
            return fault("corrupt");
        values[i] = line.mid(qstrlen(Fields[i]));
    }

    bool numeric = false;
    const qint64 length = values[LengthField].toLongLong(&numeric);
    if (!numeric || length < 0)
        return fault("corrupt");
    if (length > DescriptionFileFormat::MaxFileBytes)
        return fault("larger than the description size limit");
    const QByteArrayView body = bytes.sliced(headerEnd + HeaderEnd.size());
    if (body.size() < length)
        return fault("truncated");
    if (body.size() > length || checksum(body) != values[ChecksumField])
        return fault("corrupt");

    RecoveryCopy copy;
    copy.ownerPath = QUrl::fromPercentEncoding(values[FileField]);
    copy.written = QDateTime::fromString(QString::fromLatin1(values[WrittenField]), Qt::ISODateWithMs);
    copy.writer = QString::fromLatin1(values[ProcessField]);
    DescriptionFileFormat::Content content = DescriptionFileFormat::parse(body);
    if (!content.recognised || content.linesRead != DescriptionFileFormat::LineCount || !copy.written.isValid())
        return fault("corrupt");
    copy.description = std::move(content.description);
    return {std::move(copy), {}};
}

} // namespace RecoveryCopyFormat
