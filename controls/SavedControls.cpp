#include "SavedControls.h"

#include "ButtonPicture.h"

#include <QBuffer>
#include <QFont>

#include <algorithm>
#include <optional>
#include <utility>

namespace {
QString Quoted(QString text)
{
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString FormatFont(const QFont& font)
{
    QString text = QStringLiteral("Font(%1, %2").arg(Quoted(font.family()), QString::number(font.pointSizeF()));
    if (font.bold())
        text += QStringLiteral(", Bold");
    if (font.italic())
        text += QStringLiteral(", Italic");
    if (font.underline())
        text += QStringLiteral(", Underline");
    if (font.strikeOut())
        text += QStringLiteral(", Strikeout");
    return text + QLatin1Char(')');
}

QString FormatPicture(const ButtonPicture& picture)
{
    if (!picture.sourcePath().isEmpty())
        return QStringLiteral("Picture(%1)").arg(Quoted(picture.sourcePath()));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.image().save(&buffer, "PNG");
    return QStringLiteral("PictureData(\"%1\")").arg(QString::fromLatin1(png.toBase64()));
}

QString FormatValue(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::LongLong: // colours
        return QStringLiteral("0x") +
               QStringLiteral("%1").arg(static_cast<qulonglong>(value.toLongLong()), 8, 16, QLatin1Char('0')).toUpper();
    case QMetaType::Int:
        return QString::number(value.toInt());
    case QMetaType::QFont:
        return FormatFont(value.value<QFont>());
    default:
        if (value.metaType() == QMetaType::fromType<ButtonPicture>())
            return FormatPicture(value.value<ButtonPicture>());
        return Quoted(value.toString());
    }
}

// The text is read by hand rather than by patterns: compiling the patterns cost the main
// window's start more than reading its eleven buttons.
bool IsNameStart(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
}

bool IsNameChar(QChar c)
{
    return IsNameStart(c) || (c >= u'0' && c <= u'9');
}

// How many characters from the start make a name: a letter or '_', then letters, digits, '_'.
qsizetype NameLength(QStringView text)
{
    if (text.isEmpty() || !IsNameStart(text.front()))
        return 0;
    qsizetype length = 1;
    while (length < text.size() && IsNameChar(text[length]))
        ++length;
    return length;
}

// At most nine decimal digits with an optional minus: a number that fits.
bool IsDecimal(QStringView text)
{
    const QStringView digits = text.startsWith(u'-') ? text.sliced(1) : text;
    return !digits.isEmpty() && digits.size() <= 9 && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
}

// "0x" and one to eight hexadecimal digits; the digits, or nothing.
std::optional<QStringView> HexadecimalDigits(QStringView text)
{
    if (text.size() < 3 || text.size() > 10 || text[0] != u'0' || (text[1] != u'x' && text[1] != u'X'))
        return std::nullopt;
    const QStringView digits = text.sliced(2);
    const auto isHex = [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    };
    return std::all_of(digits.begin(), digits.end(), isHex) ? std::optional(digits) : std::nullopt;
}

// Font(...), Picture(...) or PictureData(...): the kind and what the brackets hold.
std::optional<std::pair<QString, QString>> Call(const QString& text)
{
    const qsizetype open = text.indexOf(u'(');
    if (open < 0 || !text.endsWith(u')'))
        return std::nullopt;
    const QString kind = text.first(open);
    if (kind != QLatin1String("Font") && kind != QLatin1String("Picture") && kind != QLatin1String("PictureData"))
        return std::nullopt;
    return std::pair{kind, text.sliced(open + 1, text.size() - open - 2)};
}

// Splits the arguments of Name(...): quoted strings and bare words, separated by commas.
std::optional<QStringList> Arguments(const QString& inside)
{
    QStringList arguments;
    qsizetype i = 0;
    while (i < inside.size()) {
        while (i < inside.size() && inside[i].isSpace())
            ++i;
        QString argument;
        if (i < inside.size() && inside[i] == QLatin1Char('"')) {
            ++i;
            for (;;) {
                if (i >= inside.size())
                    return std::nullopt;
                if (inside[i] == QLatin1Char('"')) {
                    if (i + 1 < inside.size() && inside[i + 1] == QLatin1Char('"')) {
                        argument += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                argument += inside[i++];
            }
            while (i < inside.size() && inside[i].isSpace())
                ++i;
        } else {
            while (i < inside.size() && inside[i] != QLatin1Char(','))
                argument += inside[i++];
            argument = argument.trimmed();
        }
        arguments.append(argument);
        if (i < inside.size()) {
            if (inside[i] != QLatin1Char(','))
                return std::nullopt;
            ++i;
        }
    }
    return arguments;
}

std::optional<QVariant> ParseValue(const QString& text, QString& problem)
{
    if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return QVariant(true);
    if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return QVariant(false);
    if (IsDecimal(text))
        return QVariant(text.toInt());
    if (const auto digits = HexadecimalDigits(text))
        return QVariant(static_cast<qlonglong>(digits->toULongLong(nullptr, 16)));
    if (text.startsWith(QLatin1Char('"'))) {
        const auto parts = Arguments(text);
        if (parts && parts->size() == 1)
            return QVariant(parts->front());
        problem = QStringLiteral("unterminated or malformed string");
        return std::nullopt;
    }
    const auto call = Call(text);
    const auto arguments = call ? Arguments(call->second) : std::nullopt;
    if (!arguments || arguments->isEmpty()) {
        problem = QStringLiteral("unknown value %1").arg(text);
        return std::nullopt;
    }
    const QString& kind = call->first;
    if (kind == QLatin1String("Font")) {
        bool ok = false;
        const double points = arguments->size() > 1 ? arguments->at(1).toDouble(&ok) : 0;
        if (!ok || points <= 0) {
            problem = QStringLiteral("a font needs a family and a point size");
            return std::nullopt;
        }
        QFont font(arguments->at(0));
        font.setPointSizeF(points);
        for (qsizetype i = 2; i < arguments->size(); ++i) {
            const QString flag = arguments->at(i).toLower();
            if (flag == QLatin1String("bold"))
                font.setBold(true);
            else if (flag == QLatin1String("italic"))
                font.setItalic(true);
            else if (flag == QLatin1String("underline"))
                font.setUnderline(true);
            else if (flag == QLatin1String("strikeout"))
                font.setStrikeOut(true);
            else {
                problem = QStringLiteral("unknown font style %1").arg(arguments->at(i));
                return std::nullopt;
            }
        }
        return QVariant(font);
    }
    ButtonPicture picture;
    if (kind == QLatin1String("Picture")) {
        picture = ButtonPicture::Load(arguments->at(0));
    } else {
        QImage image;
        image.loadFromData(QByteArray::fromBase64(arguments->at(0).toLatin1()), "PNG");
        picture = ButtonPicture::FromImage(image, image.hasAlphaChannel() ? ButtonPicture::Kind::Icon
                                                                          : ButtonPicture::Kind::Bitmap);
    }
    if (picture.isNull()) {
        problem = QStringLiteral("cannot read the picture");
        return std::nullopt;
    }
    return QVariant::fromValue(picture);
}
} // namespace

QString FormatSavedControls(const QList<SavedControl>& controls)
{
    QString text;
    for (const SavedControl& control : controls) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += QLatin1Char('[') + control.name + QStringLiteral("]\n");
        for (const PropertyBag::Entry& entry : control.properties.Entries())
            text += entry.first + QStringLiteral(" = ") + FormatValue(entry.second) + QLatin1Char('\n');
    }
    return text;
}

bool ParseSavedControls(const QString& text, QList<SavedControl>& controls, QString* error)
{
    QList<SavedControl> parsed;
    QString lineEndings = text;
    lineEndings.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QStringList lines = lineEndings.split(u'\n');
    for (qsizetype number = 0; number < lines.size(); ++number) {
        const QString line = lines[number].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QString problem;
        if (line.size() > 2 && line.startsWith(u'[') && line.endsWith(u']') &&
            NameLength(QStringView(line).sliced(1)) == line.size() - 2) {
            parsed.append({line.sliced(1, line.size() - 2), {}});
            continue;
        }
        // Key = value: a name, blanks, '=', and everything after it.
        const qsizetype keyLength = NameLength(line);
        qsizetype equals = keyLength;
        while (equals < line.size() && line[equals].isSpace())
            ++equals;
        if (keyLength == 0 || equals == line.size() || line[equals] != u'=')
            problem = QStringLiteral("expected [Name] or Key = value");
        else if (parsed.isEmpty())
            problem = QStringLiteral("a property before the first [Name]");
        else if (const auto value = ParseValue(line.sliced(equals + 1).trimmed(), problem))
            parsed.last().properties.WriteProperty(line.first(keyLength), *value);
        if (!problem.isEmpty()) {
            if (error)
                *error = QStringLiteral("line %1: %2").arg(number + 1).arg(problem);
            return false;
        }
    }
    controls = parsed;
    return true;
}

PropertyBag SavedPropertiesOf(const QList<SavedControl>& controls, const QString& name)
{
    for (const SavedControl& control : controls)
        if (control.name == name)
            return control.properties;
    return {};
}
