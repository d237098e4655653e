#include "UpdateCheck.h"

// The update check comes with its own windows; until then there is never an update.
bool CheckForUpdates(QWidget*)
{
    return false;
}
