#include "Help.h"

#include "HelpFile.h"
#include "HelpWindow.h"

#include <QCoreApplication>

void ShowHelp(QWidget* owner)
{
    ShowHelpFrom(owner, HelpFile::Candidates(QCoreApplication::applicationDirPath()));
}

void ShowHelpTopic(QWidget* owner, const QString& topic, const QString& anchor)
{
    ShowHelpFrom(owner, HelpFile::Candidates(QCoreApplication::applicationDirPath()), topic, anchor);
}

HelpWindow* ShowHelpFrom(QWidget* owner, const QStringList& candidates, const QString& topic, const QString& anchor)
{
    auto* window = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new HelpWindow(owner, candidates);
    // A missing help file gets no message box: the window itself says so.
    window->showTopic(topic.isEmpty() ? QString::fromLatin1(HelpFile::MainTopic) : topic, anchor);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
