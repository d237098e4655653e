// What a warm helper reads from its editor, as it arrives in pieces; and the version check.
#include "PreviewCommandReader.h"
#include "PreviewProtocol.h"

#include <gtest/gtest.h>

using Event = PreviewCommandReader::Event;
using namespace PreviewProtocol;

namespace {
const OwnerWindow Owner{0x2c00007, QRect(120, 80, 994, 747)};
} // namespace

TEST(PreviewCommandReader, PageArrivesInAnyPiecesWithItsOwner)
{
    const QByteArray page = QByteArray("<HTML>\n\xc3\xa9t\xc3\xa9\npage\n</HTML>");
    const QByteArray stream = NearLine() + AwayLine() + NearLine() + PageMessage(page, Owner);
    // One byte at a time, in two halves, and all at once give the same.
    for (const qsizetype step : {qsizetype(1), stream.size() / 2 + 1, stream.size()}) {
        SCOPED_TRACE(step);
        PreviewCommandReader reader;
        QList<Event> events;
        for (qsizetype at = 0; at < stream.size(); at += step) {
            EXPECT_FALSE(reader.hasPage());
            events += reader.feed(stream.mid(at, step));
        }
        EXPECT_EQ(events, (QList<Event>{Event::Near, Event::Away, Event::Near, Event::Page}));
        ASSERT_TRUE(reader.hasPage());
        EXPECT_EQ(reader.page(), page);
        EXPECT_EQ(reader.owner(), Owner);
        // Nothing after the page counts.
        EXPECT_TRUE(reader.feed(AwayLine() + "page 3\nabc").isEmpty());
        EXPECT_EQ(reader.page(), page);
    }
}

TEST(PreviewCommandReader, EmptyPageAndNoOwner)
{
    PreviewCommandReader reader;
    EXPECT_EQ(reader.feed(PageMessage({}, {})), QList<Event>{Event::Page});
    EXPECT_TRUE(reader.hasPage());
    EXPECT_TRUE(reader.page().isEmpty());
    EXPECT_EQ(reader.owner(), OwnerWindow{});
}

TEST(PreviewCommandReader, AnythingElseIsRefusedNotShown)
{
    // An older editor wrote the bare page; others may write what we do not know.
    for (const QByteArray stream : {QByteArray("<HTML><BODY>old</BODY></HTML>\n"), QByteArray("page -1\n"),
                                    QByteArray("page many\n"), QByteArray("near please\n"), QByteArray("\n")}) {
        SCOPED_TRACE(stream.constData());
        PreviewCommandReader reader;
        EXPECT_EQ(reader.feed(stream + PageMessage("x", {})), QList<Event>{Event::Malformed});
        EXPECT_FALSE(reader.hasPage());
        EXPECT_TRUE(reader.feed(PageMessage("x", {})).isEmpty());
    }
}

TEST(PreviewProtocol, VersionAndIdleTimeTravelInTheArguments)
{
    const QStringList arguments = HelperArguments(1500);
    EXPECT_EQ(ParseVersion(arguments), Version);
    EXPECT_EQ(ParseIdleMs(arguments), 1500);
    EXPECT_EQ(ParseIdleMs(HelperArguments()), DefaultIdleMs);
    // An editor from before versions said none.
    EXPECT_EQ(ParseVersion({}), 0);
    EXPECT_EQ(ParseVersion({"--owner=5"}), 0);
    EXPECT_EQ(ParseIdleMs({"--idle-ms=soon"}), DefaultIdleMs);
    EXPECT_EQ(HelloLine(), "quorvane-preview " + QByteArray::number(Version) + "\n");
    // Both refusals name both versions.
    EXPECT_TRUE(HelperRefusal(1).contains(QStringLiteral("version %1").arg(Version)));
    EXPECT_TRUE(HelperRefusal(1).contains(QStringLiteral("version 1")));
    EXPECT_TRUE(EditorRefusal("quorvane-preview 3\n").contains(QStringLiteral("version 3")));
    EXPECT_TRUE(EditorRefusal("something else\n").contains(QStringLiteral("version unknown")));
}

TEST(PreviewProtocol, OwnerRoundTrips)
{
    EXPECT_EQ(ParseOwnerArguments(OwnerArguments(Owner)), Owner);
    EXPECT_EQ(ParseOwnerArguments(OwnerArguments({})), OwnerWindow{});
    EXPECT_EQ(ParseOwnerArguments({"--owner-geometry=1,2,3"}), OwnerWindow{});
}
