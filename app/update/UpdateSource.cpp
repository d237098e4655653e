#include "UpdateSource.h"

#include "SettingsStore.h"
#include "UpdateDeployment.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace {
constexpr qsizetype PublicKeySize = 32;

std::optional<UpdateSource>& chosenSource()
{
    static std::optional<UpdateSource> source;
    return source;
}
} // namespace

QString InstallerFileName()
{
    return QStringLiteral("Quorvane_Update.run");
}

bool UpdateSource::usable() const
{
    return !versionUrl.isEmpty() && publicKey.size() == PublicKeySize;
}

QString UpdateSource::cacheFolder() const
{
    return QFileInfo(cacheFile).absolutePath();
}

QUrl UpdateSource::installerUrl() const
{
    return versionUrl.resolved(QUrl(QStringLiteral("/downloads/") + InstallerFileName()));
}

QUrl UpdateSource::signatureUrl() const
{
    return versionUrl.resolved(QUrl(QStringLiteral("/downloads/") + InstallerFileName() + QStringLiteral(".sig")));
}

UpdateSource DeployedUpdateSource()
{
    UpdateSource source;
    source.versionUrl = QUrl(qEnvironmentVariableIsSet("QUORVANE_UPDATE_URL")
                                 ? qEnvironmentVariable("QUORVANE_UPDATE_URL")
                                 : QString::fromLatin1(UpdateDeployment::VersionUrl));
    if (!source.versionUrl.isValid() || source.versionUrl.isRelative())
        source.versionUrl.clear();
    source.publicKey = QByteArray::fromBase64(qEnvironmentVariableIsSet("QUORVANE_UPDATE_PUBLIC_KEY")
                                                  ? qgetenv("QUORVANE_UPDATE_PUBLIC_KEY")
                                                  : QByteArray(UpdateDeployment::PublicKey));
    source.cacheFile = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                       QStringLiteral("/Quorvane/latestversion.txt");
    return source;
}

UpdateSource CurrentUpdateSource()
{
    return chosenSource() ? *chosenSource() : DeployedUpdateSource();
}

void SetUpdateSource(std::optional<UpdateSource> source)
{
    chosenSource() = std::move(source);
}

bool UpdateCheckEnabled()
{
    return SettingsStore::toCheckBox(SettingsStore::read(SettingKey::CheckForUpdates, QStringLiteral("1")));
}
