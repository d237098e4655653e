#include "PanelAccessible.h"

#include <QWidget>

namespace {
const char* const PanelProperty = "quorvaneAccessiblePanel";

QAccessibleInterface* PanelFactory(const QString&, QObject* object)
{
    // Asked with the widget's own class first, before any interface Qt has for it.
    if (!object || !object->isWidgetType() || !object->property(PanelProperty).toBool())
        return nullptr;
    return new PanelAccessible(static_cast<QWidget*>(object));
}
} // namespace

PanelAccessible::PanelAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Grouping)
{
}

void PanelAccessible::Show(QWidget* widget, const QString& name)
{
    static const bool installed = [] {
        QAccessible::installFactory(PanelFactory);
        return true;
    }();
    (void)installed;
    widget->setProperty(PanelProperty, true);
    widget->setAccessibleName(name);
}

QAccessible::State PanelAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.focused = false;
    state.focusable = false;
    return state;
}
