// The recovery copy of unsaved changes: its schedule, its bytes, and the offer at start-up.
#include "DocumentState.h"
#include "MemoryDescriptionView.h"
#include "RecoveryKeeper.h"
#include "RecoveryOffer.h"
#include "RecoverySchedule.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {
Description sample(const QString& title)
{
    Description d;
    d.BookTitle = title;
    d[Headline] = QStringLiteral("Grow More With Less");
    d[MainBenefits] = QString::fromUtf8("Soil\r\nSeeds — 种子\r\nWatering");
    return d;
}

// A copy written ageSeconds ago, cut short by cut bytes.
QString writeCopy(const QString& folder, const ProcessIdentity& writer, const RecoveryCopy& copy, int ageSeconds,
                  int cut = 0)
{
    const QString path = folder + QLatin1Char('/') + writer.name() + RecoveryStore::Suffix;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    file.write(RecoveryCopyFormat::format(copy).chopped(cut));
    file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
    return path;
}
} // namespace

TEST(RecoverySchedule, ACopyFollowsTwoSecondsAfterTheFirstChangeItLacks)
{
    RecoverySchedule schedule;
    EXPECT_FALSE(schedule.pending());
    schedule.changed(1000);
    EXPECT_EQ(schedule.dueAt(), 3000);
    schedule.changed(2999);  // typing goes on: the first change waits no longer
    EXPECT_EQ(schedule.dueAt(), 3000);
    schedule.taken();
    EXPECT_FALSE(schedule.pending());
    schedule.changed(5000);
    EXPECT_EQ(schedule.dueAt(), 7000);
    schedule.wrote(199);  // ten times that is still under the pause
    EXPECT_EQ(schedule.dueAt(), 7000);
    schedule.wrote(201);
    schedule.changed(6000);
    EXPECT_EQ(schedule.dueAt(), 7010);
}

TEST(RecoverySchedule, SlowCopiesWaitForAPauseButNeverMoreThanThirtySeconds)
{
    RecoverySchedule schedule;
    schedule.wrote(2999);
    schedule.changed(0);
    schedule.changed(20000);
    EXPECT_EQ(schedule.dueAt(), 22000);  // two seconds after typing pauses
    schedule.changed(29000);
    EXPECT_EQ(schedule.dueAt(), 29990);
    schedule.wrote(3001);
    EXPECT_EQ(schedule.dueAt(), 30000);
}

TEST(RecoveryCopyFormat, ReadsBackExactlyAndRefusesACopyCutShortChangedOrTooLarge)
{
    const RecoveryCopy copy{QStringLiteral("/home/ann/My Books/100% Garden\nBasics.qvn"),
                            QDateTime(QDate(2026, 12, 7), QTime(17, 11, 47, 123), Qt::UTC), QStringLiteral("h_b_1_2"),
                            sample(QStringLiteral("Garden Basics"))};
    const QByteArray bytes = RecoveryCopyFormat::format(copy);
    const RecoveryCopyFormat::Parsed read = RecoveryCopyFormat::parse(bytes);
    ASSERT_TRUE(read.copy) << read.fault.toStdString();
    EXPECT_EQ(read.copy->description, copy.description);
    EXPECT_EQ(read.copy->ownerPath, copy.ownerPath);
    EXPECT_EQ(read.copy->written, copy.written);
    EXPECT_EQ(read.copy->writer, copy.writer);

    EXPECT_EQ(RecoveryCopyFormat::parse(bytes.chopped(1)).fault, "truncated");
    EXPECT_EQ(RecoveryCopyFormat::parse(bytes.first(40)).fault, "truncated");
    EXPECT_EQ(RecoveryCopyFormat::parse(bytes + 'x').fault, "corrupt");
    QByteArray changed = bytes;
    changed[changed.size() - 5] = 'X';
    EXPECT_EQ(RecoveryCopyFormat::parse(changed).fault, "corrupt");
    const QByteArray length = "Length: " + QByteArray::number(bytes.size() - bytes.indexOf("\r\n\r\n") - 4);
    EXPECT_EQ(RecoveryCopyFormat::parse(QByteArray(bytes).replace(length, "Length: 67108864")).fault, "truncated");
    EXPECT_EQ(RecoveryCopyFormat::parse(QByteArray(bytes).replace(length, "Length: 67108865")).fault,
              "larger than the description size limit");
}

TEST(RecoveryOffer, OffersCopiesOfEndedEditorsNewestFirstAndLeavesARunningOnesAlone)
{
    TempFolder temp;
    const QString folder = temp.file(QStringLiteral("recovery"));
    QDir().mkpath(folder);
    QProcess sleeper;
    sleeper.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    ASSERT_TRUE(sleeper.waitForStarted());
    const ProcessIdentity running = *ProcessIdentity::ofProcess(sleeper.processId());
    // This process's number with other start times: processes that have ended.
    ProcessIdentity older = ProcessIdentity::current(), newer = older, damaged = older;
    older.startTicks += 1;
    newer.startTicks += 2;
    damaged.boot = QStringLiteral("an-earlier-boot");

    const QDateTime when = QDateTime::currentDateTimeUtc();
    const Description untitled = sample(QString());
    writeCopy(folder, older, {QString(), when, older.name(), untitled}, 60);
    const QString newerPath =
        writeCopy(folder, newer, {QStringLiteral("/books/Garden Basics.qvn"), when, newer.name(), sample("G")}, 30);
    const QString runningPath = writeCopy(folder, running, {{}, when, running.name(), sample("R")}, 0);
    const QString damagedPath = writeCopy(folder, damaged, {{}, when, damaged.name(), sample("D")}, 10, 1);
    const QString leftover = temp.write("recovery/" + older.name() + RecoveryStore::Suffix + QStringLiteral(".Ab12Cd"), "half");
    const QByteArray runningBytes = TempFolder::read(runningPath);

    ResetDocumentState();
    Document().CurrentFileName = QStringLiteral("earlier.qvn");
    MemoryDescriptionView boxes;
    Document().Boxes = &boxes;
    ScriptedMessages messages;
    messages.answer(MsgAnswer::No).answer(MsgAnswer::Yes);
    const RecoveryStore store(folder);
    EXPECT_TRUE(OfferRecoveryCopies(store));

    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.texts()[0],
              "Quorvane was closed before the changes to 'Garden Basics.qvn' were saved. Restore them?");
    EXPECT_EQ(messages.texts()[1], "Quorvane was closed before a new description was saved. Restore them?");
    EXPECT_EQ(messages.shown()[1].buttons, MsgButtons::YesNo);
    EXPECT_EQ(messages.shown()[1].caption, "Quorvane");
    EXPECT_EQ(boxes.description(), untitled);
    EXPECT_TRUE(Document().CurrentFileName.isEmpty());
    EXPECT_TRUE(Document().DocumentDirty);

    EXPECT_FALSE(QFileInfo::exists(newerPath));  // declined
    EXPECT_TRUE(QFileInfo::exists(store.ownCopyPath()));  // taken over
    EXPECT_TRUE(QFileInfo::exists(folder + "/damaged/" + QFileInfo(damagedPath).fileName()));
    EXPECT_FALSE(QFileInfo::exists(leftover));
    EXPECT_EQ(TempFolder::read(runningPath), runningBytes);
    Document().Boxes = nullptr;
    sleeper.kill();
    sleeper.waitForFinished();
}

TEST(RecoveryKeeper, KeepsACopyWhileChangesAreUnsavedAndDropsItOnceTheyAreNot)
{
    TempFolder temp;
    const RecoveryStore store(temp.file(QStringLiteral("state/Quorvane/recovery")));
    ResetDocumentState();
    Document().CurrentFolder = temp.path();
    Document().CurrentFileName = QStringLiteral("book.qvn");
    const Description typed = sample(QStringLiteral("Typed"));
    RecoveryKeeper keeper([&typed] { return [typed] { return typed; }; }, store);

    Document().DocumentDirty = true;
    keeper.changed();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(store.ownCopyPath()); }, 10000));
    keeper.writer().wait();
    const auto read = RecoveryCopyFormat::parse(TempFolder::read(store.ownCopyPath()));
    ASSERT_TRUE(read.copy);
    EXPECT_EQ(read.copy->description, typed);
    EXPECT_EQ(read.copy->ownerPath, temp.file(QStringLiteral("book.qvn")));

    Document().DocumentDirty = false;  // saved
    keeper.storedOrReplaced();
    EXPECT_FALSE(QFileInfo::exists(store.ownCopyPath()));

    Document().DocumentDirty = true;  // and changed again when the session ends without asking
    keeper.changed();
    keeper.finish(true);
    EXPECT_TRUE(QFileInfo::exists(store.ownCopyPath()));
}

// A link in place of the recovery folder, or of its damaged/ folder, leads somewhere that is
// not ours: its mode stays, and no copy goes there.
TEST(RecoveryStore, ALinkInPlaceOfItsFoldersIsNotUsedAndWhatItNamesKeepsItsMode)
{
    TempFolder temp;
    const QString shared = temp.file(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkpath(shared));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    const QString folder = temp.file(QStringLiteral("recovery"));
    ASSERT_TRUE(QFile::link(shared, folder));
    const RecoveryStore linked(folder);
    EXPECT_NE(linked.save("copy"), 0);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(shared).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 01777u);
    EXPECT_TRUE(QDir(shared).isEmpty());

    // A real folder by the same name is made the user's alone, once.
    QFile::remove(folder);
    const RecoveryStore real(folder);
    EXPECT_EQ(real.save("copy"), 0);
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u);

    // A damaged copy stays where it is rather than go through a link to the user's folder.
    ProcessIdentity ended = ProcessIdentity::current();
    ended.startTicks += 1;
    const QString damaged = writeCopy(folder, ended, {{}, QDateTime::currentDateTimeUtc(), ended.name(), sample("D")}, 0, 1);
    ASSERT_TRUE(QFile::link(shared, folder + QStringLiteral("/damaged")));
    EXPECT_EQ(real.claim(damaged), std::nullopt);
    EXPECT_TRUE(QDir(shared).isEmpty());
}
