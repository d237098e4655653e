#include "UpdateCheck.h"

#include "MessageBox.h"
#include "PackageOwnership.h"
#include "QuotedTexts.h"
#include "UpdateInstaller.h"
#include "UpdateSource.h"
#include "UpdateVersionText.h"
#include "VersionTextCache.h"
#include "WindowOperations.h"
#include "frmProgress.h"
#include "frmUpdateAvailable.h"

#include <QCoreApplication>
#include <QTimer>
#include <QtDebug>

namespace {
// The fresh version text is fetched well after the window is on screen: nobody waits for it.
constexpr int RefreshDelayMs = 1000;

void updateFailed(const QString& message, const QString& fault)
{
    qWarning("Update: %s", qPrintable(fault));
    ShowMessage(message, MsgIcon::Exclamation);
    Update().UpdateChosen = false;
}
} // namespace

UpdateState& Update()
{
    static UpdateState state;
    return state;
}

void ResetUpdateState()
{
    Update() = UpdateState{};
}

bool UpdateCheckWanted(const UpdateSource& source)
{
    // The package query runs a program, so it is asked last.
    return source.usable() && UpdateCheckEnabled() && !OwnedByPackage(QCoreApplication::applicationFilePath());
}

bool CheckForUpdates(QWidget* owner)
{
    const UpdateSource source = CurrentUpdateSource();
    RemoveOldInstallers(source);
    if (!UpdateCheckWanted(source))
        return false;
    if (RunUpdateCheck(ReadCachedVersionText(source), owner, source))
        return true;
    QTimer::singleShot(RefreshDelayMs, QCoreApplication::instance(), [source] { RefreshVersionText(source); });
    return false;
}

bool RunUpdateCheck(const QString& versionText, QWidget* owner, const UpdateSource& source)
{
    UpdateState& state = Update();
    const std::optional<UpdateOffer> offer = ReadVersionText(versionText);
    if (!offer)
        return false;
    state.LatestVersion = offer->LatestVersion;
    state.UpdateNotes = offer->UpdateNotes;
    if (!OffersUpdate(*offer))
        return false;
    if (ShowMessage(QString::fromLatin1(QuotedTexts::UpdateQuestion),
                    MsgIcon::Information, MsgButtons::YesNo) != MsgAnswer::Yes)
        return false;

    {
        frmUpdateAvailable notes(owner);
        notes.exec();
    }
    if (!state.UpdateChosen)
        return false;

    InstallerDownload installer;
    {
        frmProgress progress(owner);
        progress.Load();
        SetWindowTopmost(&progress, true);
        QCoreApplication::processEvents();
        installer = DownloadInstaller(source, *offer);
    }
    if (!installer.fault.isEmpty()) {
        updateFailed(QStringLiteral("The update could not be downloaded.\r\nPlease try again later."), installer.fault);
        return false;
    }
    if (!StartInstaller(installer.path)) {
        updateFailed(QStringLiteral("The update could not be started.\r\nPlease try again later."),
                     QStringLiteral("cannot start ") + installer.path);
        return false;
    }
    return true;
}
