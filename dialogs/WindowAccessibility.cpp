#include "WindowAccessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {
QAccessibleInterface* WindowFactory(const QString& className, QObject* object)
{
    // Asked for a widget's own class first and "QWidget" last, so every kind of control that
    // has an interface of its own keeps it.
    if (className != QLatin1String("QWidget") || !object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (!widget->isWindow() || widget->windowType() != Qt::Window)
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}
} // namespace

void InstallWindowAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(WindowFactory);
        return true;
    }();
    (void)installed;
}
