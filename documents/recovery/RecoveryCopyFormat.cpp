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

namespace {
struct Header {
    QByteArray values[FieldCount];
    qsizetype bodyStart = 0;
    QString fault;
};

// The header of a copy of fileSize bytes that begins with bytes, and whether the file is as
// long as the header says: all of it from the first bytes alone.
Header readHeader(QByteArrayView bytes, qint64 fileSize)
{
    Header header;
    const auto failed = [&header](const char* what) {
        header.fault = QString::fromLatin1(what);
        return header;
    };
    const qsizetype headerEnd = QByteArrayView(bytes.first(qMin<qsizetype>(bytes.size(), MaxHeaderBytes))).indexOf(HeaderEnd);
    if (!bytes.startsWith(Marker + LineEnd))
        return failed(Marker.startsWith(bytes.first(qMin(bytes.size(), Marker.size()))) ? "truncated" : "corrupt");
    if (headerEnd < 0)
        return failed(fileSize < MaxHeaderBytes ? "truncated" : "corrupt");

    const QList<QByteArray> lines = bytes.first(headerEnd).toByteArray().split('\n');
    if (lines.size() != FieldCount + 1)
        return failed("corrupt");
    for (int i = 0; i < FieldCount; ++i) {
        QByteArray line = lines[i + 1];
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.startsWith(Fields[i]))
            return failed("corrupt");
        header.values[i] = line.mid(qstrlen(Fields[i]));
    }

    bool numeric = false;
    const qint64 length = header.values[LengthField].toLongLong(&numeric);
    if (!numeric || length < 0)
        return failed("corrupt");
    if (length > DescriptionFileFormat::MaxFileBytes)
        return failed("larger than the description size limit");
    header.bodyStart = headerEnd + HeaderEnd.size();
    if (fileSize - header.bodyStart < length)
        return failed("truncated");
    if (fileSize - header.bodyStart > length)
        return failed("corrupt");
    return header;
}
} // namespace

QString checkStart(QByteArrayView start, qint64 fileSize)
{
    return readHeader(start, fileSize).fault;
}

Parsed parse(QByteArrayView bytes)
{
    const Header header = readHeader(bytes, bytes.size());
    if (!header.fault.isEmpty())
        return {std::nullopt, header.fault};
    const QByteArray(&values)[FieldCount] = header.values;
    const QByteArrayView body = bytes.sliced(header.bodyStart);
    if (checksum(body) != values[ChecksumField])
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
