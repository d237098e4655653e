#include "Splash.h"

#include "frmSplash.h"

QWidget* ShowSplash(QWidget* owner)
{
    // On top from its first showing: a later change of that flag makes the system window anew.
    return new frmSplash(owner, Qt::WindowStaysOnTopHint);
}
