#include "PreviewProtocol.h"

namespace PreviewProtocol {
namespace {
const QString OwnerOption = QStringLiteral("--owner=");
const QString GeometryOption = QStringLiteral("--owner-geometry=");
} // namespace

QString HelperFileName()
{
    return QStringLiteral("quorvane-preview");
}

QStringList HelperArguments(const OwnerWindow& owner)
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

OwnerWindow ParseHelperArguments(const QStringList& arguments)
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
