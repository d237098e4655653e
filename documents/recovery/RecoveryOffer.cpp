#include "RecoveryOffer.h"

#include "DescriptionView.h"
#include "DocumentState.h"
#include "MessageBox.h"
#include "QuotedTexts.h"

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
        return QString::fromLatin1(QuotedTexts::RecoveryQuestionNew);
    return QString::fromLatin1(QuotedTexts::RecoveryQuestion).arg(QFileInfo(ownerPath).fileName());
}

bool OfferRecoveryCopies(const RecoveryStore& store)
{
    for (const QString& orphan : store.orphans()) {
        const std::optional<RecoveryCopy> copy = store.claim(orphan);
        if (!copy)
            continue;
        if (ShowMessage(RecoveryQuestion(copy->ownerPath), MsgIcon::Question, MsgButtons::YesNo) == MsgAnswer::Yes) {
            restore(*copy);
            return true;
        }
        store.removeOwn();
    }
    return false;
}
