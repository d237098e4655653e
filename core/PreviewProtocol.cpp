#include "PreviewProtocol.h"

namespace PreviewProtocol {
namespace {
const QString OwnerOption = QStringLiteral("--owner=");
const QString GeometryOption = QStringLiteral("--owner-geometry=");
const QString VersionOption = QStringLiteral("--protocol=");
const QString IdleOption = QStringLiteral("--idle-ms=");
const QByteArray HelloPrefix = QByteArrayLiteral("quorvane-preview ");

int intOption(const QStringList& arguments, const QString& option, int fallback)
{
    for (const QString& argument : arguments) {
        if (!argument.startsWith(option))
            continue;
        bool ok = false;
        const int value = argument.mid(option.size()).toInt(&ok);
        if (ok && value >= 0)
            return value;
    }
    return fallback;
}
} // namespace

QString HelperFileName()
{
    return QStringLiteral("quorvane-preview");
}

QStringList HelperArguments(int idleMs)
{
    return {VersionOption + QString::number(Version), IdleOption + QString::number(idleMs)};
}

int ParseVersion(const QStringList& arguments)
{
    return intOption(arguments, VersionOption, 0);
}

int ParseIdleMs(const QStringList& arguments)
{
    return intOption(arguments, IdleOption, DefaultIdleMs);
}

QString HelperRefusal(int editorVersion)
{
    return QStringLiteral("quorvane-preview: this preview program speaks version %1 of the hand-over and the editor "
                          "version %2; they come from different builds of Quorvane, so no preview is shown.")
        .arg(Version)
        .arg(editorVersion);
}

QString EditorRefusal(const QByteArray& helloLine)
{
    const QByteArray version = helloLine.startsWith(HelloPrefix) ? helloLine.mid(HelloPrefix.size()).trimmed()
                                                                 : QByteArrayLiteral("unknown");
    return QStringLiteral("quorvane: the preview program speaks version %1 of the hand-over and this editor version "
                          "%2; they come from different builds of Quorvane, so it was not used.")
        .arg(QString::fromLatin1(version))
        .arg(Version);
}

QStringList OwnerArguments(const OwnerWindow& owner)
{
    QStringList arguments;
    if (owner.windowId != 0)
        arguments << OwnerOption + QString::number(owner.windowId);
    if (owner.geometry.isValid()) {
        const QRect& g = owner.geometry;
        arguments << GeometryOption + QStringLiteral("%1,%2,%3,%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
    }
    return arguments;
}

OwnerWindow ParseOwnerArguments(const QStringList& arguments)
{
    OwnerWindow owner;
    for (const QString& argument : arguments) {
        if (argument.startsWith(OwnerOption)) {
            bool ok = false;
            const qulonglong id = argument.mid(OwnerOption.size()).toULongLong(&ok);
            if (ok)
                owner.windowId = static_cast<quintptr>(id);
        } else if (argument.startsWith(GeometryOption)) {
            const QStringList parts = argument.mid(GeometryOption.size()).split(QLatin1Char(','));
            if (parts.size() != 4)
                continue;
            int values[4] = {};
            bool allOk = true;
            for (int i = 0; i < 4; ++i) {
                bool ok = false;
                values[i] = parts[i].toInt(&ok);
                allOk = allOk && ok;
            }
            const QRect geometry(values[0], values[1], values[2], values[3]);
            if (allOk && geometry.isValid())
                owner.geometry = geometry;
        }
    }
    return owner;
}

QByteArray HelloLine()
{
    return HelloPrefix + QByteArray::number(Version) + '\n';
}

QByteArray WarmLine()
{
    return QByteArrayLiteral("warm\n");
}

QByteArray NearLine()
{
    return QByteArrayLiteral("near\n");
}

QByteArray AwayLine()
{
    return QByteArrayLiteral("away\n");
}

QByteArray PageMessage(const QByteArray& utf8Page, const OwnerWindow& owner, const QStringList& more)
{
    QByteArray header = QByteArrayLiteral("page ") + QByteArray::number(utf8Page.size());
    for (const QString& argument : OwnerArguments(owner) + more)
        header += ' ' + argument.toLatin1();
    return header + '\n' + utf8Page;
}

QByteArray ShownLine()
{
    return QByteArrayLiteral("shown\n");
}

QByteArray ReadyLine()
{
    return QByteArrayLiteral("ready\n");
}

QByteArray AliveLine()
{
    return QByteArrayLiteral("alive\n");
}

} // namespace PreviewProtocol
