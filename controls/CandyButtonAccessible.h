#pragma once

#include <QAccessibleWidget>

class CandyButton;

// What assistive tools see of a CandyButton: a push button named by its caption that can
// be pressed.
class CandyButtonAccessible : public QAccessibleWidget {
public:
    explicit CandyButtonAccessible(CandyButton* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    CandyButton* button() const;
};

// The caption as spoken: mnemonic ampersands gone, a doubled one kept as one.
QString AccessibleCaption(const QString& caption);

// Lets Qt's accessibility find the interface above; safe to call more than once.
void InstallCandyButtonAccessibility();
