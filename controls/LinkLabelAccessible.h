#pragma once

#include <QAccessibleWidget>

class LinkLabel;

// What assistive tools see of a LinkLabel: a link named by its caption that can be opened.
class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* link);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    LinkLabel* link() const;
};
