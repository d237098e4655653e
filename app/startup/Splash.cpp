#include "Splash.h"

#include "frmSplash.h"

QWidget* ShowSplash(QWidget* owner)
{
    return new frmSplash(owner);
}
