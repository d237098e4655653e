#include "Splash.h"

// The splash window comes with the About window; until then the main window shows alone.
QWidget* ShowSplash(QWidget*)
{
    return nullptr;
}
