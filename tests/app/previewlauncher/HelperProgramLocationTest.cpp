// Where the editor finds its preview helper: beside itself in a build folder, or in the
// helper folder of an installation; and what the user reads when it is in neither.
#include "MessageBox.h"
#include "HelperProgramLocation.h"
#include "PreviewLauncher.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QString makeHelper(const TempFolder& folder, const QString& relativePath, bool executable = true)
{
    const QString path = folder.file(relativePath);
    QDir().mkpath(QFileInfo(path).path());
    folder.write(relativePath, "#!/bin/sh\n");
    QFile::setPermissions(path, executable ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
    return path;
}
} // namespace

TEST(HelperProgramLocation, InstalledHelperIsFoundFromTheProgramsFolder)
{
    TempFolder prefix;
    QDir(prefix.path()).mkpath(u"bin"_s);
    const QString installed = makeHelper(prefix, u"libexec/quorvane/quorvane-preview"_s);
    // The path comes back clean, as the user may read it in a message.
    EXPECT_EQ(FindPreviewHelper(prefix.file(u"bin"_s)), installed);
    EXPECT_EQ(PreviewHelperPlaces(prefix.file(u"bin"_s)),
              QStringList({prefix.file(u"bin/quorvane-preview"_s), installed}));
}

TEST(HelperProgramLocation, HelperBesideTheProgramComesFirst)
{
    TempFolder prefix;
    makeHelper(prefix, u"libexec/quorvane/quorvane-preview"_s);
    const QString beside = makeHelper(prefix, u"bin/quorvane-preview"_s);
    EXPECT_EQ(FindPreviewHelper(prefix.file(u"bin"_s)), beside);
}

TEST(HelperProgramLocation, OnlyAnExecutableFileCounts)
{
    TempFolder prefix;
    makeHelper(prefix, u"bin/quorvane-preview"_s, false);
    QDir(prefix.path()).mkpath(u"libexec/quorvane/quorvane-preview"_s);
    EXPECT_TRUE(FindPreviewHelper(prefix.file(u"bin"_s)).isEmpty());
}

TEST(HelperProgramLocation, MissingHelperIsReportedWithThePlacesLookedAt)
{
    ScriptedMessages messages;
    PreviewLauncher launcher(nullptr);
    launcher.setHelperPath(QString());
    EXPECT_EQ(launcher.run(u"<html></html>"_s), PreviewLauncher::Outcome::NotStarted);
    ASSERT_EQ(messages.shown().size(), 1u);
    const QStringList places = PreviewHelperPlaces(QCoreApplication::applicationDirPath());
    EXPECT_EQ(messages.shown()[0].text, PreviewHelperMissingMessage(places));
    EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Exclamation);
    for (const QString& place : places)
        EXPECT_TRUE(messages.shown()[0].text.contains(u'\n' + place)) << qPrintable(place);
    EXPECT_TRUE(places.last().endsWith(u"/libexec/quorvane/quorvane-preview"_s)) << qPrintable(places.last());
}
