#include "DocumentShortcuts.h"

#include "frmMain.h"

#include <QKeySequence>
#include <QShortcut>

void AddDocumentShortcuts(frmMain* window)
{
    const struct {
        QKeyCombination keys;
        void (frmMain::*handler)();
    } shortcuts[] = {
        {Qt::CTRL | Qt::Key_N, &frmMain::cmdNew_Click},
        {Qt::CTRL | Qt::Key_O, &frmMain::cmdOpen_Click},
        {Qt::CTRL | Qt::Key_S, &frmMain::cmdSave_Click},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_S, &frmMain::cmdSaveAs_Click},
    };
    for (const auto& shortcut : shortcuts) {
        auto* key = new QShortcut(QKeySequence(shortcut.keys), window, window, shortcut.handler);
        // A key held down would otherwise stack up dialogs.
        key->setAutoRepeat(false);
    }
}
