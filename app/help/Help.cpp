#include "Help.h"

#include "HelpFile.h"
#include "HelpWindow.h"

#include <QCoreApplication>

void ShowHelp(QWidget* owner)
{
    ShowHelpFrom(owner, HelpFile::Candidates(QCoreApplication::applicationDirPath()));
}

HelpWindow* ShowHelpFrom(QWidget* owner, const QStringList& candidates)
{
    auto* window = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new HelpWindow(owner, candidates);
    // A missing help file gets no message box: the window itself says so.
    window->showTopic(QLatin1String(HelpFile::MainTopic));
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
