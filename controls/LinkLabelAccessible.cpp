#include "LinkLabelAccessible.h"

#include "LinkLabel.h"

LinkLabelAccessible::LinkLabelAccessible(LinkLabel* link)
    : QAccessibleWidget(link, QAccessible::Link)
{
}

LinkLabel* LinkLabelAccessible::link() const
{
    return static_cast<LinkLabel*>(widget());
}

QString LinkLabelAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && link()->accessibleName().isEmpty())
        return link()->text();
    return QAccessibleWidget::text(t);
}

QStringList LinkLabelAccessible::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void LinkLabelAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        link()->activate();
    else
        QAccessibleWidget::doAction(actionName);
}

namespace {
QAccessibleInterface* LinkLabelFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("LinkLabel") && object && object->isWidgetType())
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    return nullptr;
}
} // namespace

void InstallLinkLabelAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(LinkLabelFactory);
        return true;
    }();
    (void)installed;
}
