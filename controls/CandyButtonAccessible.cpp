#include "CandyButtonAccessible.h"

#include "CandyButton.h"

CandyButtonAccessible::CandyButtonAccessible(CandyButton* button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

CandyButton* CandyButtonAccessible::button() const
{
    return static_cast<CandyButton*>(widget());
}

QString CandyButtonAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return AccessibleCaption(button()->Caption());
    return QAccessibleWidget::text(t);
}

QAccessible::State CandyButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (!button()->Enabled()) {
        state.disabled = true;
        state.focusable = false;
    }
    return state;
}

QStringList CandyButtonAccessible::actionNames() const
{
    return {pressAction()};
}

void CandyButtonAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        button()->PressAsByEnter();
}

QString AccessibleCaption(const QString& caption)
{
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                text += caption[++i];
            continue;
        }
        text += caption[i];
    }
    return text;
}

namespace {
QAccessibleInterface* CandyButtonFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("CandyButton") && object && object->isWidgetType())
        return new CandyButtonAccessible(static_cast<CandyButton*>(object));
    return nullptr;
}
} // namespace

void InstallCandyButtonAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(CandyButtonFactory);
        return true;
    }();
    (void)installed;
}
