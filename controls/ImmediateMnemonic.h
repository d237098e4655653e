#pragma once

#include <QObject>

class QAbstractButton;

// A button's mnemonic (Alt and its underlined letter) normally clicks it a tenth of a
// second later, after showing it pressed; a key typed in that time (Enter on the default
// button) would act before the click. Attached to a button, the mnemonic clicks it at once.
class ImmediateMnemonic : public QObject {
    Q_OBJECT
public:
    static void attach(QAbstractButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
