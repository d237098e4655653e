#include "DocumentDialogs.h"

#include "NewDescriptionWizard.h"
#include "QtFileDialogBackend.h"
#include "frmNew.h"

#include <QPointer>
#include <QWidget>

void InstallDocumentDialogs(QWidget* mainWindow)
{
    static QtFileDialogBackend fileDialogs;
    SetFileDialogBackend(&fileDialogs);

    const QPointer<QWidget> owner(mainWindow);
    SetNewDescriptionWizard([owner] {
        // A fresh window each time: the title starts empty, the choices from the settings.
        frmNew wizard(owner.data());
        wizard.exec();
    });
}
