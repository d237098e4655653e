// candybutton-gallery: renders skinned buttons to PNG files, one button or a contact sheet of
// every style and state, with the same painting code as the program.
#include "ColorMath.h"
#include "ContactSheet.h"
#include "GalleryRenderer.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QRegularExpression>

#include <array>
#include <cstdio>
#include <optional>

namespace {
int Fail(const QString& message)
{
    std::fprintf(stderr, "candybutton-gallery: %s\n", qPrintable(message));
    return 2;
}

std::optional<int> ParseInteger(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// A number, or one of the names in order (their index is the value).
std::optional<int> ParseNamed(const QString& text, const QStringList& names)
{
    if (const auto number = ParseInteger(text))
        return number;
    const qsizetype index = names.indexOf(text.toLower());
    return index < 0 ? std::nullopt : std::optional<int>(int(index));
}

std::optional<QSize> ParseSize(const QString& text)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return QSize(match.captured(1).toInt(), match.captured(2).toInt());
}

std::optional<QColor> ParseBackground(QString text)
{
    if (text.startsWith(QLatin1Char('#')))
        text.remove(0, 1);
    if (!QRegularExpression(QStringLiteral("^[0-9A-Fa-f]{6}$")).match(text).hasMatch())
        return std::nullopt;
    return QColor::fromRgb(text.toUInt(nullptr, 16) | 0xFF000000u);
}

// Four RRGGBB values separated by commas: Up, Hover, Down, Bright.
std::optional<std::array<OleColor, 4>> ParseColors(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    std::array<OleColor, 4> colors{};
    for (int i = 0; i < 4; ++i) {
        const auto colour = ParseBackground(parts[i].trimmed());
        if (!colour)
            return std::nullopt;
        colors[i] = FromQColor(*colour);
    }
    return colors;
}

bool Save(const QImage& image, const QString& path)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "candybutton-gallery: cannot write %s\n", qPrintable(path));
    return false;
}
} // namespace

int main(int argc, char* argv[])
{
    // A gallery needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Our --style is not Qt's widget style: keep the arguments away from QApplication.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Renders a CandyButton to a PNG file, or a contact sheet of every style and state.\n"
        "  candybutton-gallery --style S --state T --size WxH [--caption TEXT] [--picture FILE] [--align A]\n"
        "                      [--disabled] [--checked] [--background RRGGBB] [--scheme N]\n"
        "                      [--colors UP,HOVER,DOWN,BRIGHT] [--border-brightness N] --out FILE.png\n"
        "  candybutton-gallery --sheet FILE.png"));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("style"), QStringLiteral("Style number (0 to 7; others paint no face)."), QStringLiteral("S")},
        {QStringLiteral("state"), QStringLiteral("0 normal, 1 pressed, 2 focused, 3 hover, 4 checked."), QStringLiteral("T")},
        {QStringLiteral("size"), QStringLiteral("Width and height in pixels."), QStringLiteral("WxH")},
        {QStringLiteral("caption"), QStringLiteral("Caption; & marks the access key."), QStringLiteral("TEXT")},
        {QStringLiteral("picture"), QStringLiteral("Image file; with transparency it is an icon."), QStringLiteral("FILE")},
        {QStringLiteral("align"), QStringLiteral("0 above, 1 below, 2 left, 3 right."), QStringLiteral("A")},
        {QStringLiteral("disabled"), QStringLiteral("Enabled False.")},
        {QStringLiteral("checked"), QStringLiteral("Checked True.")},
        {QStringLiteral("background"), QStringLiteral("Host and button background (default FFFFFF)."), QStringLiteral("RRGGBB")},
        {QStringLiteral("scheme"), QStringLiteral("ColorScheme preset (1 to 6 set the four colours)."),
         QStringLiteral("N")},
        {QStringLiteral("colors"),
         QStringLiteral("ColorButtonUp, ColorButtonHover, ColorButtonDown and ColorBright, applied after --scheme."),
         QStringLiteral("UP,HOVER,DOWN,BRIGHT")},
        {QStringLiteral("border-brightness"), QStringLiteral("BorderBrightness, -100 (black) to 100 (white)."),
         QStringLiteral("N")},
        {QStringLiteral("out"), QStringLiteral("PNG file to write."), QStringLiteral("FILE.png")},
        {QStringLiteral("sheet"), QStringLiteral("Write the contact sheet to this PNG file."), QStringLiteral("FILE.png")},
    });
    parser.process(arguments);

    if (parser.isSet(QStringLiteral("sheet")))
        return Save(RenderContactSheet(), parser.value(QStringLiteral("sheet"))) ? 0 : 1;

    for (const char* required : {"style", "state", "size", "out"})
        if (!parser.isSet(QString::fromLatin1(required)))
            return Fail(QStringLiteral("--%1 is required (or --sheet FILE.png); see --help").arg(QLatin1String(required)));

    RenderRequest request;
    const auto style = ParseInteger(parser.value(QStringLiteral("style")));
    const auto state = ParseNamed(parser.value(QStringLiteral("state")),
                                  {QStringLiteral("normal"), QStringLiteral("pressed"), QStringLiteral("focused"),
                                   QStringLiteral("hover"), QStringLiteral("checked")});
    const auto size = ParseSize(parser.value(QStringLiteral("size")));
    if (!style)
        return Fail(QStringLiteral("--style takes a whole number"));
    if (!state)
        return Fail(QStringLiteral("--state takes a number or normal, pressed, focused, hover, checked"));
    if (!size)
        return Fail(QStringLiteral("--size takes WxH, such as 204x23"));
    request.style = *style;
    request.state = *state;
    request.size = *size;
    request.caption = parser.value(QStringLiteral("caption"));
    if (parser.isSet(QStringLiteral("picture"))) {
        request.picture = ButtonPicture::Load(parser.value(QStringLiteral("picture")));
        if (request.picture.isNull())
            return Fail(QStringLiteral("cannot read the picture %1").arg(parser.value(QStringLiteral("picture"))));
    }
    if (parser.isSet(QStringLiteral("align"))) {
        const auto align = ParseNamed(parser.value(QStringLiteral("align")),
                                      {QStringLiteral("above"), QStringLiteral("below"), QStringLiteral("left"),
                                       QStringLiteral("right")});
        if (!align)
            return Fail(QStringLiteral("--align takes a number or above, below, left, right"));
        request.pictureAlignment = *align;
    }
    request.disabled = parser.isSet(QStringLiteral("disabled"));
    request.checked = parser.isSet(QStringLiteral("checked"));
    if (parser.isSet(QStringLiteral("background"))) {
        const auto background = ParseBackground(parser.value(QStringLiteral("background")));
        if (!background)
            return Fail(QStringLiteral("--background takes RRGGBB, such as F0F0F0"));
        request.background = *background;
    }
    if (parser.isSet(QStringLiteral("scheme"))) {
        const auto scheme = ParseInteger(parser.value(QStringLiteral("scheme")));
        if (!scheme)
            return Fail(QStringLiteral("--scheme takes a whole number"));
        request.scheme = *scheme;
    }
    if (parser.isSet(QStringLiteral("colors"))) {
        const auto colors = ParseColors(parser.value(QStringLiteral("colors")));
        if (!colors)
            return Fail(QStringLiteral("--colors takes four RRGGBB values, such as 5099E9,90C0FF,2060A0,B0EDFF"));
        request.colors = *colors;
    }
    if (parser.isSet(QStringLiteral("border-brightness"))) {
        const auto brightness = ParseInteger(parser.value(QStringLiteral("border-brightness")));
        if (!brightness || *brightness < -100 || *brightness > 100)
            return Fail(QStringLiteral("--border-brightness takes a whole number from -100 to 100"));
        request.borderBrightness = *brightness;
    }
    return Save(RenderButton(request), parser.value(QStringLiteral("out"))) ? 0 : 1;
}
