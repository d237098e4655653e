#include "SavedControls.h"

#include "ButtonPicture.h"

#include <QBuffer>
#include <QFont>
#include <QRegularExpression>

#include <optional>

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
    static const QRegularExpression decimal(QStringLiteral("^-?\\d{1,9}$"));
    static const QRegularExpression hexadecimal(QStringLiteral("^0[xX]([0-9A-Fa-f]{1,8})$"));
    static const QRegularExpression call(QStringLiteral("^(Font|Picture|PictureData)\\((.*)\\)$"));
    if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return QVariant(true);
    if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return QVariant(false);
    if (decimal.match(text).hasMatch())
        return QVariant(text.toInt());
    if (const auto match = hexadecimal.match(text); match.hasMatch())
        return QVariant(static_cast<qlonglong>(match.captured(1).toULongLong(nullptr, 16)));
    if (text.startsWith(QLatin1Char('"'))) {
        const auto parts = Arguments(text);
        if (parts && parts->size() == 1)
            return QVariant(parts->front());
        problem = QStringLiteral("unterminated or malformed string");
        return std::nullopt;
    }
    const auto match = call.match(text);
    const auto arguments = match.hasMatch() ? Arguments(match.captured(2)) : std::nullopt;
    if (!arguments || arguments->isEmpty()) {
        problem = QStringLiteral("unknown value %1").arg(text);
        return std::nullopt;
    }
    const QString kind = match.captured(1);
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
    static const QRegularExpression section(QStringLiteral("^\\[([A-Za-z_][A-Za-z0-9_]*)\\]$"));
    static const QRegularExpression assignment(QStringLiteral("^([A-Za-z_][A-Za-z0-9_]*)\\s*=\\s*(.*)$"));
    QList<SavedControl> parsed;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (qsizetype number = 0; number < lines.size(); ++number) {
        const QString line = lines[number].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QString problem;
        if (const auto match = section.match(line); match.hasMatch()) {
            parsed.append({match.captured(1), {}});
            continue;
        }
        const auto match = assignment.match(line);
        if (!match.hasMatch())
            problem = QStringLiteral("expected [Name] or Key = value");
        else if (parsed.isEmpty())
            problem = QStringLiteral("a property before the first [Name]");
        else if (const auto value = ParseValue(match.captured(2).trimmed(), problem))
            parsed.last().properties.WriteProperty(match.captured(1), *value);
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
