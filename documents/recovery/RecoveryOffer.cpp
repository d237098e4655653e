#include "RecoveryOffer.h"

#include "DescriptionView.h"
#include "DocumentState.h"
#include "MessageBox.h"

#include <QFile>
#include <QFileInfo>

namespace {
// The copy's texts become the open description, still to be saved; its file on disk is
// not touched until the user saves.
void restore(const RecoveryCopy& copy)
{
    DocumentState& document = Document();
    if (document.Boxes)
        WriteDescription(*document.Boxes, copy.description);
    document.CurrentBookTitle = copy.description.BookTitle;
    if (copy.ownerPath.isEmpty()) {
        document.CurrentFileName.clear();
    } else {
        const QFileInfo owner(copy.ownerPath);
        document.CurrentFolder = owner.absolutePath();
        document.CurrentFileName = owner.fileName();
    }
    document.DocumentDirty = true;
}
} // namespace

QString RecoveryQuestion(const QString& ownerPath)
{
    if (ownerPath.isEmpty())
        return QStringLiteral("Quorvane was closed before a new description was saved. Restore them?");
    return QStringLiteral("Quorvane was closed before the changes to '%1' were saved. Restore them?")
        .arg(QFileInfo(ownerPath).fileName());
}

bool OfferRecoveryCopies(const RecoveryStore& store)
{
    const QStringList orphans = store.orphans();
    DamagedCopies damaged;
    bool taken = false;
    for (qsizetype i = 0; i < orphans.size(); ++i) {
        const std::optional<RecoveryCopy> copy = store.claim(orphans[i], damaged);
        if (!copy)
            continue;
        const bool older = i + 1 < orphans.size();
        const MsgAnswer answer = ShowMessage(RecoveryQuestion(copy->ownerPath), MsgIcon::Question,
                                             older ? MsgButtons::YesNoNoToAllLater : MsgButtons::YesNoLater);
        if (answer == MsgAnswer::Yes) {
            restore(*copy);
            taken = true;
            break;
        }
        if (answer == MsgAnswer::Cancel) {
            store.release(orphans[i]);
            break;
        }
        store.removeOwn();
        if (answer == MsgAnswer::NoToAll) {
            for (qsizetype j = i + 1; j < orphans.size(); ++j)
                store.discard(orphans[j]);
            break;
        }
    }
    damaged.report(store.damagedFolder());
    return taken;
}
