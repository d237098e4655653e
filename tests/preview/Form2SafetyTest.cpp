#include "PreviewPage.h"
#include "PreviewWindowFixture.h"
#include "RequestBlocker.h"
#include "TempFolder.h"

#include <QImage>
#include <QTcpServer>
#include <QUrl>

namespace {
// Counts every connection a page tries to make to the address it names.
class Listener {
public:
    Listener()
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                ++m_connections;
                socket->close();
            }
        });
    }
    QString url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_server.serverPort()).arg(path);
    }
    int connections() const { return m_connections; }

private:
    QTcpServer m_server;
    int m_connections = 0;
};

const QString Paragraph = QStringLiteral("<p>Chapter text that goes on and on, \u00e9t\u00e9 after \u00e9t\u00e9.</p>\r\n");

// A fragment whose UTF-8 comes to about the given number of bytes.
QString largeFragment(qsizetype approximateBytes, const QString& lastWords)
{
    const QString& paragraph = Paragraph;
    approximateBytes = approximateBytes * paragraph.size() / paragraph.toUtf8().size();
    QString fragment;
    fragment.reserve(approximateBytes + 200);
    while (fragment.size() < approximateBytes)
        fragment += paragraph;
    return fragment + QStringLiteral("<p id=\"last\">") + lastWords + QStringLiteral("</p>");
}
} // namespace

using UntrustedPage = PreviewWindowFixture;

TEST_F(UntrustedPage, RunsNoScriptAndLoadsNothing)
{
    Listener listener;
    TempFolder folder;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString localPicture = folder.file(QStringLiteral("local.png"));
    ASSERT_TRUE(picture.save(localPicture));

    const QString fragment =
        QStringLiteral("<H2>Safe</H2>"
                       "<script>document.body.setAttribute('data-ran', 'yes'); document.title = 'ran';</script>"
                       "<script src=\"%1\"></script>"
                       "<img id=\"remote\" src=\"%2\">"
                       "<img id=\"local\" src=\"%3\">"
                       "<link rel=\"stylesheet\" href=\"%4\">"
                       "<iframe src=\"%5\"></iframe>"
                       "<img src=\"x\" onerror=\"document.body.setAttribute('data-ran', 'onerror')\">"
                       "<p id=\"end\">End</p>")
            .arg(listener.url(QStringLiteral("script.js")), listener.url(QStringLiteral("picture.png")),
                 QUrl::fromLocalFile(localPicture).toString(), listener.url(QStringLiteral("style.css")),
                 listener.url(QStringLiteral("frame.html")));
    ASSERT_TRUE(open(BuildPreviewPage(PreviewTarget::Kindle, fragment)));
    QTest::qWait(1500);

    EXPECT_EQ(listener.connections(), 0);
    EXPECT_FALSE(probe(QStringLiteral("document.body.hasAttribute('data-ran')")).toBool());
    EXPECT_NE(form->browser()->title(), QStringLiteral("ran"));
    EXPECT_EQ(probe(QStringLiteral("document.getElementById('remote').naturalWidth")).toInt(), 0);
    EXPECT_EQ(probe(QStringLiteral("document.getElementById('local').naturalWidth")).toInt(), 0);
    EXPECT_GT(form->requestBlocker()->blockedCount(), 0);
    EXPECT_EQ(probe(QStringLiteral("document.getElementById('end').textContent")).toString(), QStringLiteral("End"));
}

TEST_F(UntrustedPage, ClickedLinkAndRefreshGoNowhere)
{
    Listener listener;
    const QString fragment = QStringLiteral(
                                 "<meta http-equiv=\"refresh\" content=\"1; url=%1\">"
                                 "<a href=\"%2\" style=\"display:block; width:400px; height:200px; "
                                 "background:#00ff00\">Visit</a><p>Still here</p>")
                                 .arg(listener.url(QStringLiteral("refresh")), listener.url(QStringLiteral("link")));
    ASSERT_TRUE(open(BuildPreviewPage(PreviewTarget::CreateSpace, fragment)));
    const QUrl before = form->browser()->url();

    // The link sits at the page's margins (40, 20): click well inside it.
    QWidget* page = form->browser()->focusProxy();
    ASSERT_NE(page, nullptr);
    QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(150, 100));
    QTest::mouseClick(page, Qt::MiddleButton, {}, QPoint(150, 100));
    QTest::qWait(2500);

    EXPECT_EQ(listener.connections(), 0);
    EXPECT_EQ(form->browser()->url(), before);
    EXPECT_TRUE(bodyText().contains(QStringLiteral("Still here")));
}

using LargePage = PreviewWindowFixture;

TEST_F(LargePage, PageOverTwoMegabytesShowsItsLastWords)
{
    const QString lastWords = QStringLiteral("And these are the last words, \u00e9t\u00e9.");
    const QString page = BuildPreviewPage(PreviewTarget::Kindle, largeFragment(3 * 1024 * 1024, lastWords));
    ASSERT_GT(page.toUtf8().size(), 3 * 1024 * 1024);
    ASSERT_TRUE(open(page));
    EXPECT_TRUE(form->servedByScheme());
    EXPECT_EQ(probe(QStringLiteral("document.getElementById('last').textContent")).toString(), lastWords);
    EXPECT_TRUE(bodyText().trimmed().endsWith(lastWords));
    EXPECT_EQ(computed(QStringLiteral("p"), QStringLiteral("font-family")).left(7), QStringLiteral("Verdana"));

    // A reload serves the same page again.
    QSignalSpy reloaded(form->browser(), &QWebEngineView::loadFinished);
    form->browser()->page()->triggerAction(QWebEnginePage::Reload);
    ASSERT_TRUE(reloaded.wait(LoadTimeoutMs));
    EXPECT_EQ(probe(QStringLiteral("document.getElementById('last').textContent")).toString(), lastWords);
}

TEST_F(LargePage, PageThatGrowsTooLongWhenEncodedStillShows)
{
    // Under 2 MB as text, but markup and blanks triple when percent-encoded.
    const QString lastWords = QStringLiteral("Closing line.");
    const QString page = BuildPreviewPage(PreviewTarget::CreateSpace, largeFragment(1536 * 1024, lastWords));
    ASSERT_LT(page.toUtf8().size(), 2 * 1024 * 1024);
    EXPECT_FALSE(Form2::FitsInDataAddress(page.toUtf8()));
    ASSERT_TRUE(open(page));
    EXPECT_TRUE(form->servedByScheme());
    EXPECT_EQ(probe(QStringLiteral("document.getElementById('last').textContent")).toString(), lastWords);
}

TEST_F(LargePage, PageJustUnderTheAddressLimitGoesAsDataAddress)
{
    // About 1.95 MB once percent-encoded: the largest kind of page we still hand over directly.
    const QByteArray encodedParagraph = Paragraph.toUtf8().toPercentEncoding();
    const qsizetype bytes = qsizetype(1.95 * 1024 * 1024) * Paragraph.toUtf8().size() / encodedParagraph.size();
    const QString page = BuildPreviewPage(PreviewTarget::Kindle, largeFragment(bytes, QStringLiteral("Edge.")));
    ASSERT_GT(page.toUtf8().toPercentEncoding().size(), 1900 * 1024);
    EXPECT_TRUE(Form2::FitsInDataAddress(page.toUtf8()));
    ASSERT_TRUE(open(page));
    EXPECT_FALSE(form->servedByScheme());
    EXPECT_EQ(probe(QStringLiteral("document.getElementById('last').textContent")).toString(), QStringLiteral("Edge."));
}

TEST_F(LargePage, SmallPageGoesAsDataAddress)
{
    const QString page = BuildPreviewPage(PreviewTarget::Kindle, largeFragment(100 * 1024, QStringLiteral("Done.")));
    EXPECT_TRUE(Form2::FitsInDataAddress(page.toUtf8()));
    ASSERT_TRUE(open(page));
    EXPECT_FALSE(form->servedByScheme());
    EXPECT_EQ(form->browser()->url().scheme(), QStringLiteral("data"));
    EXPECT_EQ(probe(QStringLiteral("document.getElementById('last').textContent")).toString(), QStringLiteral("Done."));
}
