// The recovery copy of unsaved changes: its schedule, its bytes, and the offer at start-up.
#include "DescriptionFileFormat.h"
#include "DocumentState.h"
#include "MemoryDescriptionView.h"
#include "RecoveryKeeper.h"
#include "RecoveryOffer.h"
#include "RecoverySchedule.h"
#include "RecoveryWriter.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

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
// Copies of count editors that have ended, the first the newest, each belonging to
// "/books/<n>.qvn"; their paths in that order.
QStringList writeCopies(const QString& folder, int count, int cut = 0)
{
    QStringList paths;
    ProcessIdentity ended = ProcessIdentity::current();
    ended.boot = QStringLiteral("an-earlier-boot");
    for (int n = 0; n < count; ++n) {
        ended.pid = 1000 + n;
        const QString owner = QStringLiteral("/books/%1.qvn").arg(n);
        paths.append(writeCopy(folder, ended, {owner, QDateTime::currentDateTimeUtc(), ended.name(), sample("T")}, n, cut));
    }
    return paths;
}

// What the code in between writes to standard error.
class StandardError {
public:
    StandardError() : m_saved(::dup(2))
    {
        std::fflush(stderr);
        const int file = ::open(m_temp.file(QStringLiteral("err")).toLocal8Bit().constData(), O_WRONLY | O_CREAT, 0600);
        ::dup2(file, 2);
        ::close(file);
    }
    ~StandardError() { restore(); }
    QByteArray text()
    {
        restore();
        return TempFolder::read(m_temp.file(QStringLiteral("err")));
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, 2);
        ::close(m_saved);
        m_saved = -1;
    }
    TempFolder m_temp;
    int m_saved;
};
} // namespace

TEST(ProcessIdentity, AProcessKilledButNotYetWaitedForHasEnded)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::pause();
        ::_exit(0);
    }
    const std::optional<ProcessIdentity> identity = ProcessIdentity::ofProcess(child);
    ASSERT_TRUE(identity);
    EXPECT_TRUE(identity->isRunning());
    ::kill(child, SIGKILL);
    // Not waited for yet: a zombie, until its state shows it.
    const auto state = [child] {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(child));
        return stat.open(QIODevice::ReadOnly) ? stat.readAll().split(')').value(1).trimmed().left(1) : QByteArray();
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return state() == "Z"; }, 5000));
    EXPECT_FALSE(identity->isRunning());
    ::waitpid(child, nullptr, 0);
    EXPECT_FALSE(identity->isRunning());
}

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

    // The first bytes tell all but the checksum: the header and whether the size fits it.
    const QByteArray start = bytes.first(bytes.indexOf("\r\n\r\n") + 4);
    EXPECT_EQ(RecoveryCopyFormat::checkStart(start, bytes.size()), QString());
    EXPECT_EQ(RecoveryCopyFormat::checkStart(start, bytes.size() - 1), "truncated");
    EXPECT_EQ(RecoveryCopyFormat::checkStart(start, qint64(1) << 40), "corrupt");
    EXPECT_EQ(RecoveryCopyFormat::checkStart(QByteArray(100, '\0'), qint64(1) << 40), "corrupt");
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
              "Quorvane was closed before the changes to '/books/Garden Basics.qvn' were saved. Restore them?");
    EXPECT_EQ(messages.texts()[1], "Quorvane was closed before a new description was saved. Restore them?");
    EXPECT_EQ(messages.shown()[0].longPart, "/books/Garden Basics.qvn");
    // A path that tries to speak for itself says only what it is.
    EXPECT_EQ(RecoveryQuestion(QString::fromUtf16(u"/b/\u202eevil\r\nIMPORTANT: Click Yes.qvn")),
              QString::fromUtf16(u"Quorvane was closed before the changes to '/b/\\u202eevil\\r\\nIMPORTANT: Click Yes.qvn' "
                                 u"were saved. Restore them?"));
    // A new description with a title is named by it.
    EXPECT_EQ(RecoveryQuestion(QString(), QStringLiteral(" Garden Basics ")),
              "Quorvane was closed before the new description of 'Garden Basics' was saved. Restore them?");
    EXPECT_EQ(RecoveryQuestion(QString(), QStringLiteral(" ")), messages.texts()[1]);
    // "No to All" while older copies follow; the last one has none.
    EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::YesNoNoToAllLater);
    EXPECT_EQ(messages.shown()[1].buttons, MsgButtons::YesNoLater);
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

TEST(RecoveryOffer, AQuestionClosedWithoutAnAnswerKeepsItsCopyAndTheRestForTheNextStart)
{
    TempFolder temp;
    const QString folder = temp.file(QStringLiteral("recovery"));
    QDir().mkpath(folder);
    const QStringList paths = writeCopies(folder, 2);
    const QByteArray newest = TempFolder::read(paths[0]);
    ResetDocumentState();
    ScriptedMessages messages;
    messages.answer(MsgAnswer::Cancel);
    const RecoveryStore store(folder);
    EXPECT_FALSE(OfferRecoveryCopies(store));
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_FALSE(Document().DocumentDirty);
    // Back under its own name, not this editor's: this editor's next save or close would
    // otherwise delete it.
    EXPECT_EQ(TempFolder::read(paths[0]), newest);
    EXPECT_TRUE(QFileInfo::exists(paths[1]));
    EXPECT_FALSE(QFileInfo::exists(store.ownCopyPath()));
    EXPECT_EQ(store.orphans(), paths);

    // And offered again, newest first.
    messages.clear();
    messages.answer(MsgAnswer::No).answer(MsgAnswer::Cancel);
    EXPECT_FALSE(OfferRecoveryCopies(store));
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_TRUE(messages.texts()[0].contains(QStringLiteral("'/books/0.qvn'")));
    EXPECT_TRUE(messages.texts()[1].contains(QStringLiteral("'/books/1.qvn'")));
    EXPECT_EQ(store.orphans(), QStringList{paths[1]});
}

TEST(RecoveryOffer, AHundredCopiesAreDeclinedAtOnceWithNoToAll)
{
    TempFolder temp;
    const QString folder = temp.file(QStringLiteral("recovery"));
    QDir().mkpath(folder);
    const QStringList paths = writeCopies(folder, 100);
    ResetDocumentState();
    ScriptedMessages messages;
    messages.answer(MsgAnswer::No).answer(MsgAnswer::NoToAll);
    const RecoveryStore store(folder);
    EXPECT_FALSE(OfferRecoveryCopies(store));
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_TRUE(messages.texts()[1].contains(QStringLiteral("'/books/1.qvn'")));
    EXPECT_EQ(messages.shown()[1].buttons, MsgButtons::YesNoNoToAllLater);
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());
    EXPECT_FALSE(Document().DocumentDirty);
}

TEST(RecoveryOffer, DamagedCopiesAreSetAsideWithOneLineForAllOfThem)
{
    TempFolder temp;
    const QString folder = temp.file(QStringLiteral("recovery"));
    QDir().mkpath(folder);
    const QStringList paths = writeCopies(folder, 3, 1);
    ResetDocumentState();
    ScriptedMessages messages;
    StandardError err;
    EXPECT_FALSE(OfferRecoveryCopies(RecoveryStore(folder)));
    const QByteArray lines = err.text();
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(lines.count('\n'), 1) << lines.toStdString();
    EXPECT_TRUE(lines.startsWith("quorvane: 3 damaged recovery copies, 3 moved to " + folder.toLocal8Bit() +
                                 "/damaged; the first: " + paths[0].toLocal8Bit() + ": damaged recovery copy (truncated)"))
        << lines.toStdString();
    EXPECT_EQ(QDir(folder + QStringLiteral("/damaged")).entryList(QDir::Files).size(), 3);
}

// A copy as large as may be read, damaged: told by its header, never read in full (read, it
// would be too large); where damaged/ cannot be made, left in place once with one line, and
// passed over unread at the next start until it changes.
TEST(RecoveryOffer, ADamagedCopyIsToldByItsHeaderAndOneThatCannotBeMovedIsNamedOnce)
{
    TempFolder temp;
    const QString folder = temp.file(QStringLiteral("recovery"));
    QDir().mkpath(folder);
    const QString path = writeCopies(folder, 1).front();
    const qint64 size = QFileInfo(path).size();
    QFile file(path);
    ASSERT_TRUE(file.resize(DescriptionFileFormat::MaxFileBytes + RecoveryCopyFormat::MaxHeaderBytes + 1));  // sparse
    temp.write(QStringLiteral("recovery/damaged"), "a file where the folder would go");
    ResetDocumentState();
    ScriptedMessages messages;
    for (int start = 0; start < 2; ++start) {
        StandardError err;
        EXPECT_FALSE(OfferRecoveryCopies(RecoveryStore(folder)));
        EXPECT_EQ(err.text(), start == 0 ? "quorvane: " + path.toLocal8Bit() + ": damaged recovery copy (corrupt), left in place\n"
                                         : QByteArray());
        EXPECT_TRUE(QFileInfo::exists(path) && messages.shown().empty());
    }
    // Changed since, it is looked at again.
    file.resize(size + 1);
    StandardError err;
    EXPECT_FALSE(OfferRecoveryCopies(RecoveryStore(folder)));
    EXPECT_TRUE(err.text().contains("left in place"));
}

TEST(RecoveryOffer, ACopyIsRestoredToItsFileOnlyWhileThatIsStillADescriptionOfItsOwn)
{
    TempFolder temp;
    const QString folder = temp.file(QStringLiteral("recovery"));
    QDir().mkpath(folder);
    const QByteArray description = "[[[QVN FILE]]]T\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
    const QString book = temp.write(QStringLiteral("book.qvn"), description);
    const QString upper = temp.write(QStringLiteral("UPPER.QVN"), description);
    const QString text = temp.write(QStringLiteral("notes.txt"), description);
    const QString other = temp.write(QStringLiteral("other.qvn"), "not a description\r\n");
    const QString link = temp.file(QStringLiteral("link.qvn"));
    QFile::link(book, link);
    const std::pair<QString, bool> cases[] = {
        {book, true}, {upper, true}, {temp.file(QStringLiteral("gone.qvn")), false}, {text, false},
        {other, false}, {link, false}, {temp.path(), false},
    };
    for (const auto& [owner, named] : cases) {
        SCOPED_TRACE(owner.toStdString());
        ProcessIdentity ended = ProcessIdentity::current();
        ended.boot = QStringLiteral("an-earlier-boot");
        writeCopy(folder, ended, {owner, QDateTime::currentDateTimeUtc(), ended.name(), sample("T")}, 0);
        ResetDocumentState();
        Document().CurrentFolder = QStringLiteral("/somewhere");
        Document().CurrentFileName = QStringLiteral("earlier.qvn");
        MemoryDescriptionView boxes;
        Document().Boxes = &boxes;
        ScriptedMessages messages;
        messages.answer(MsgAnswer::Yes);
        const RecoveryStore store(folder);
        EXPECT_TRUE(OfferRecoveryCopies(store));
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.texts()[0],
                  "Quorvane was closed before the changes to '" + owner + "' were saved. Restore them?");
        EXPECT_EQ(boxes.description(), sample("T"));
        if (named)
            EXPECT_EQ(Document().currentPath(), owner);
        else
            EXPECT_EQ(Document().CurrentFileName, QString());
        EXPECT_TRUE(Document().DocumentDirty);
        Document().Boxes = nullptr;
        store.removeOwn();
    }
    EXPECT_EQ(TempFolder::read(book), description);
}

TEST(RecoveryWriter, ADescriptionTooLargeForACopyLeavesTheLastCopyThatFit)
{
    // The description's own bytes: the marker, nine line ends, and the headline.
    const qint64 room = DescriptionFileFormat::MaxFileBytes - 14 - 9 * 2;
    const auto withHeadline = [](qint64 length) {
        Description d;
        d[Headline] = QString(length, u'x');
        return d;
    };
    // The largest description still has a copy.
    EXPECT_FALSE(RecoveryCopyFormat::format({{}, QDateTime::currentDateTimeUtc(), "w", withHeadline(room)}).isEmpty());

    TempFolder temp;
    const RecoveryStore store(temp.file(QStringLiteral("recovery")));
    RecoveryWriter writer(store);
    writer.write(QStringLiteral("/books/big.qvn"), [] { return sample(QStringLiteral("Fits")); });
    writer.wait();
    const QByteArray fit = TempFolder::read(store.ownCopyPath());
    ASSERT_TRUE(RecoveryCopyFormat::parse(fit).copy);

    // One character more, and nothing replaces the last copy.
    writer.write(QStringLiteral("/books/big.qvn"), [&] { return withHeadline(room + 1); });
    writer.wait();
    EXPECT_EQ(TempFolder::read(store.ownCopyPath()), fit) << "the last copy that fit was lost";
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
    DamagedCopies set;
    EXPECT_EQ(real.claim(damaged, set), std::nullopt);
    EXPECT_EQ(set.count(), 1);
    EXPECT_TRUE(QDir(shared).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(damaged)) << "left in place under its own name";
}
