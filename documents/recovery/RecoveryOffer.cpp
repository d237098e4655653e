#include "RecoveryOffer.h"

#include "DescriptionFileFormat.h"
#include "DescriptionView.h"
#include "DocumentState.h"
#include "MessageBox.h"
#include "OneLineText.h"
#include "QuotedTexts.h"
#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>

namespace {
// Whether Ctrl+S may save the restored texts to the copy's file without asking: only while
// it is still a description file of its own. A file gone, of another kind, or a link that
// may lead anywhere by now is the author's to choose again.
bool stillADescription(const QString& path)
{
    const QFileInfo owner(path);
    if (!owner.isAbsolute() || owner.isSymLink() || !owner.isFile() ||
        !path.endsWith(DescriptionFileFormat::Extension, Qt::CaseInsensitive))
        return false;
    const WholeFile::ReadResult file = WholeFile::read(path, DescriptionFileFormat::MaxFileBytes);
    return file.errorNumber == 0 && !file.tooLarge && DescriptionFileFormat::parse(file.bytes).recognised;
}

// The copy's texts become the open description, still to be saved; its file on disk is
// not touched until the user saves.
void restore(const RecoveryCopy& copy)
{
    DocumentState& document = Document();
    if (document.Boxes)
        WriteDescription(*document.Boxes, copy.description);
    document.CurrentBookTitle = copy.description.BookTitle;
    if (!stillADescription(copy.ownerPath)) {
        document.CurrentFileName.clear();
    } else {
        const QFileInfo owner(copy.ownerPath);
        document.CurrentFolder = owner.absolutePath();
        document.CurrentFileName = owner.fileName();
    }
    document.DocumentDirty = true;
}
} // namespace

QString RecoveryQuestion(const QString& ownerPath, const QString& bookTitle)
{
    if (ownerPath.isEmpty())
        return bookTitle.trimmed().isEmpty()
                   ? QString::fromLatin1(QuotedTexts::RecoveryQuestionNew)
                   : QString::fromLatin1(QuotedTexts::RecoveryQuestionNewTitled).arg(OneLineText(bookTitle.trimmed()));
    // The path and the title come from a file: they may say nothing but what they are.
    return QString::fromLatin1(QuotedTexts::RecoveryQuestion).arg(OneLineText(ownerPath));
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
        MessageRequest question{RecoveryQuestion(copy->ownerPath, copy->description.BookTitle), MsgIcon::Question,
                                older ? MsgButtons::YesNoNoToAllLater : MsgButtons::YesNoLater, {}};
        // What the file names, the one part that may be long, shortened in the middle on screen.
        question.longPart = OneLineText(copy->ownerPath.isEmpty() ? copy->description.BookTitle.trimmed() : copy->ownerPath);
        const MsgAnswer answer = ShowMessage(question);
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
