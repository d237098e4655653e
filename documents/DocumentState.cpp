#include "DocumentState.h"

DocumentState& Document()
{
    static DocumentState state;
    return state;
}

void NotifyStoredOrReplaced()
{
    if (Document().StoredOrReplaced)
        Document().StoredOrReplaced();
}

void ResetDocumentState()
{
    Document() = DocumentState{};
}

QString DocumentState::currentPath() const
{
    return CurrentFolder + QLatin1Char('/') + CurrentFileName;
}
