// The preview window in the real web engine on the test's own X server, and the helper
// program that carries it.
#include "Form2.h"
#include "Form2Layout.h"
#include "HtmlGenerators.h"
#include "PreviewEngine.h"
#include "PreviewPage.h"
#include "PreviewProtocol.h"
#include "RequestBlocker.h"
#include "TempFolder.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
// The engine's switches and our scheme must be in place before the application object.
const bool EnginePrepared = (PreviewEngine::Prepare(), true);
constexpr int LoadTimeoutMs = 30000;
constexpr qsizetype MB = 1024 * 1024;
const QString NonAscii = u"\u00c9t\u00e9 \u2014 \u201cquoted\u201d \u00fc\u00df \u20ac5"_s;

// A description as the author types it: headings, a list, an italic tag.
Description example()
{
    const QString sections[] = {u"My Book"_s, u"A sub-headline"_s, u"Line one\r\nLine <i>two</i>"_s, u"Why read it"_s,
                                u"Fast\r\nEasy"_s, NonAscii, u"Buy now"_s, u"Order the paperback"_s};
    Description d;
    for (int i = 0; i < 8; ++i)
        d[SectionIndex(i)] = sections[i];
    return d;
}

// A fragment of about the given UTF-8 size, ending in a paragraph of its own.
const QString Paragraph = u"<p>Chapter text that goes on and on, \u00e9t\u00e9 after \u00e9t\u00e9.</p>\r\n"_s;
QString largeFragment(qsizetype bytes, const QString& lastWords)
{
    return Paragraph.repeated(bytes / Paragraph.toUtf8().size() + 1) + u"<p id=\"last\">"_s + lastWords + u"</p>"_s;
}

// Opens a fresh preview window and looks into its page. The page's own scripts are off;
// the checks run in a world of their own, which the page cannot reach.
class PreviewWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(EnginePrepared); }
    bool open(const QString& page)
    {
        form = std::make_unique<Form2>();
        QSignalSpy loaded(form.get(), &Form2::pageLoaded);
        form->showPage(page.toUtf8());
        form->show();
        return QTest::qWaitForWindowExposed(form.get()) && (!loaded.isEmpty() || loaded.wait(LoadTimeoutMs))
               && loaded.first().first().toBool();
    }
    bool reload()
    {
        QSignalSpy reloaded(form->browser(), &QWebEngineView::loadFinished);
        form->browser()->page()->triggerAction(QWebEnginePage::Reload);
        return reloaded.wait(LoadTimeoutMs) && reloaded.first().first().toBool();
    }
    QVariant probe(const QString& script)
    {
        QVariant result;
        bool done = false;
        form->browser()->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, [&](const QVariant& v) {
            result = v;
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, LoadTimeoutMs)) << qPrintable(script);
        return result;
    }
    QString computed(const char* selector, const char* property)
    {
        return probe(u"getComputedStyle(document.querySelector('%1')).getPropertyValue('%2')"_s.arg(
                         QLatin1String(selector), QLatin1String(property)))
            .toString();
    }
    int count(const char* selector)
    {
        return probe(u"document.querySelectorAll('%1').length"_s.arg(QLatin1String(selector))).toInt();
    }
    QString text(const char* expression = "document.body.innerText") { return probe(QLatin1String(expression)).toString(); }

    std::unique_ptr<Form2> form;
};
} // namespace

TEST_F(PreviewWindow, WindowIsLaidOutAsDesigned)
{
    Form2 form;
    EXPECT_EQ(form.windowTitle(), "Preview");
    EXPECT_EQ(form.size(), QSize(743, 647));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint),
              Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form.windowIcon().isNull());
    QPushButton* close = form.closeButton();
    EXPECT_EQ(close->objectName(), "cmdClose");
    EXPECT_EQ(close->text(), "Close");
    EXPECT_EQ(close->geometry(), QRect(652, 611, 81, 25));
    EXPECT_TRUE(close->isDefault());
    // Border outside the client area on three sides, bottom edge 12 pixels above the button.
    EXPECT_EQ(form.browser()->objectName(), "WebBrowser1");
    EXPECT_EQ(form.browser()->geometry(), QRect(-2, -2, 747, 601));
    EXPECT_EQ(form.browser()->contextMenuPolicy(), Qt::NoContextMenu);

    EXPECT_EQ(Form2Layout::BrowserGeometry(QSize(800, 500), 470), QRect(-2, -2, 804, 460));
    const QRect screen(0, 0, 1600, 1200);
    EXPECT_EQ(Form2Layout::CentredPosition(QRect(100, 100, 1000, 800), QSize(600, 400), screen), QPoint(300, 300));
    // Kept on the screen when the owner hangs over its edge.
    EXPECT_EQ(Form2Layout::CentredPosition(QRect(-500, -300, 400, 300), QSize(743, 647), screen), QPoint(0, 0));
    EXPECT_EQ(Form2Layout::CentredPosition(QRect(1400, 1000, 400, 300), QSize(743, 647), screen), QPoint(857, 553));
}

TEST_F(PreviewWindow, PagesLookAsInTheStoresAndEachPreviewIsFresh)
{
    ASSERT_TRUE(open(BuildPreviewPage(PreviewTarget::Kindle, GenerateKindleHTML(example()))));
    // Both captioned "Preview"; a screen reader is told which fragment it shows.
    EXPECT_EQ(form->windowTitle(), u"Preview"_s);
    EXPECT_EQ(form->accessibleDescription(), u"Kindle description"_s);
    for (bool reloaded : {false, true}) {
        SCOPED_TRACE(reloaded ? "after a reload" : "as loaded");
        EXPECT_EQ(computed("h2", "color"), "rgb(228, 121, 17)");
        EXPECT_EQ(computed("h2", "font-size"), "16px");
        EXPECT_EQ(computed("h2", "font-weight"), "700");
        EXPECT_TRUE(computed("h2", "font-family").startsWith("Verdana"));
        EXPECT_TRUE(computed("body", "font-family").startsWith("Verdana"));
        // Markup typed into a section takes effect.
        EXPECT_EQ(computed("i", "font-style"), "italic");
        EXPECT_EQ(count("h2"), 2);
        EXPECT_TRUE(text().contains(NonAscii));
        if (!reloaded) {
            ASSERT_TRUE(reload());
        }
    }
    form->closeButton()->click();
    EXPECT_FALSE(form->isVisible());

    // The next preview, in a fresh window: only its own page, bold for both headings.
    ASSERT_TRUE(open(BuildPreviewPage(PreviewTarget::CreateSpace, GenerateCreatespaceHTML(example()))));
    EXPECT_EQ(form->browser()->accessibleDescription(), u"CreateSpace description"_s);
    EXPECT_TRUE(computed("body", "font-family").startsWith("Arial"));
    EXPECT_EQ(computed("body", "font-size"), "14.5px");
    EXPECT_EQ(computed("li", "font-size"), "14.5px");
    EXPECT_EQ(computed("i", "font-style"), "italic");
    EXPECT_EQ(count("h2"), 0);
    EXPECT_EQ(text("Array.from(document.querySelectorAll('b')).map(b => b.textContent + ':' + "
                   "getComputedStyle(b).fontWeight).join('|')"),
              "My Book:700|Why read it:700");
    EXPECT_TRUE(text().startsWith("My Book"));
    EXPECT_TRUE(text().trimmed().endsWith(u"Order the paperback"_s));
    EXPECT_FALSE(text().contains("Buy now"));
    EXPECT_EQ(probe(u"history.length"_s).toInt(), 1);
}

TEST_F(PreviewWindow, RightClickOpensNoMenuAndEnterOrEscCloses)
{
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        for (bool inPage : {false, true}) {
            SCOPED_TRACE(testing::Message() << "key " << key << (inPage ? " in the page" : " on the button"));
            ASSERT_TRUE(open(BuildPreviewPage(PreviewTarget::Kindle, GenerateKindleHTML(example()))));
            form->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
            QWidget* target = inPage ? form->browser()->focusProxy() : form->closeButton();
            ASSERT_NE(target, nullptr);
            if (inPage)
                QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(300, 400));
            // On the heading's text, where a menu would offer to copy.
            QTest::mouseClick(target, Qt::RightButton, {}, inPage ? QPoint(60, 30) : QPoint(10, 10));
            QTest::qWait(300);
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
            ASSERT_TRUE(form->isVisible());
            target->setFocus();
            QSignalSpy finished(form.get(), &QDialog::finished);
            QTest::keyClick(target, key);
            EXPECT_TRUE(finished.count() == 1 || finished.wait(5000));
            EXPECT_FALSE(form->isVisible());
        }
    }
}

TEST_F(PreviewWindow, UntrustedMarkupRunsNoScriptLoadsNothingAndGoesNowhere)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const QString remote = u"http://127.0.0.1:%1/"_s.arg(server.serverPort());
    TempFolder folder; // a picture of 1 by 1 pixel
    const QString local = folder.write(u"local.gif"_s, QByteArray::fromBase64("R0lGODlhAQABAIAAAP8AAAAAACwAAAAAAQABAAACAkQBADs="));

    // The link comes first, inside the page's margins (40, 20).
    const QString fragment =
        u"<a href=\"%1link\" style=\"display:block; width:400px; height:200px\">Visit</a>"
        "<meta http-equiv=\"refresh\" content=\"1; url=%1refresh\">"
        "<script>document.body.setAttribute('data-ran', 'yes'); document.title = 'ran';</script>"
        "<script src=\"%1script.js\"></script><link rel=\"stylesheet\" href=\"%1style.css\">"
        "<img id=\"remote\" src=\"%1picture.png\"><img id=\"local\" src=\"%2\"><iframe src=\"%1frame.html\"></iframe>"
        "<img src=\"x\" onerror=\"document.body.setAttribute('data-ran', 'onerror')\"><p id=\"end\">End</p>"_s.arg(
            remote, QUrl::fromLocalFile(local).toString());
    ASSERT_TRUE(open(BuildPreviewPage(PreviewTarget::CreateSpace, fragment)));
    const QUrl before = form->browser()->url();
    QWidget* page = form->browser()->focusProxy();
    ASSERT_NE(page, nullptr);
    QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(150, 100));
    QTest::mouseClick(page, Qt::MiddleButton, {}, QPoint(150, 100));
    QTest::qWait(2500);

    EXPECT_FALSE(server.hasPendingConnections());
    EXPECT_EQ(form->browser()->url(), before);
    EXPECT_FALSE(probe(u"document.body.hasAttribute('data-ran')"_s).toBool());
    EXPECT_NE(form->browser()->title(), "ran");
    EXPECT_EQ(probe(u"document.getElementById('remote').naturalWidth"_s).toInt(), 0);
    EXPECT_EQ(probe(u"document.getElementById('local').naturalWidth"_s).toInt(), 0);
    EXPECT_GT(form->requestBlocker()->blockedCount(), 0);
    EXPECT_EQ(text("document.getElementById('end').textContent"), "End");
}

TEST_F(PreviewWindow, LargePagesShowTheirLastWordsAndSurviveAReload)
{
    const qsizetype raw = Paragraph.toUtf8().size(), encoded = Paragraph.toUtf8().toPercentEncoding().size();
    const struct {
        PreviewTarget target;
        qsizetype bytes;
        bool fits; // in a data address; otherwise served through our scheme
    } rows[] = {
        {PreviewTarget::Kindle, 3 * MB, false},
        {PreviewTarget::CreateSpace, 3 * MB / 2, false}, // under 2 MB as text, over it percent-encoded
        {PreviewTarget::Kindle, qsizetype(1.95 * MB) * raw / encoded, true}, // the largest handed over directly
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.bytes << " bytes");
        const QString lastWords = u"The last words, \u00e9t\u00e9, of page "_s + QString::number(row.bytes);
        const QString page = BuildPreviewPage(row.target, largeFragment(row.bytes, lastWords));
        ASSERT_GT(page.toUtf8().toPercentEncoding().size(), 1900 * 1024);
        EXPECT_EQ(Form2::FitsInDataAddress(page.toUtf8()), row.fits);
        ASSERT_TRUE(open(page));
        EXPECT_EQ(form->servedByScheme(), !row.fits);
        EXPECT_EQ(text("document.getElementById('last').textContent"), lastWords);
        ASSERT_TRUE(reload());
        EXPECT_EQ(text("document.getElementById('last').textContent"), lastWords);
    }
}

TEST(PreviewHelper, EndsWhenTheEditorStopsListening)
{
    TempFolder folder;
    const QString page = folder.write(
        u"page.html"_s, PreviewProtocol::PageMessage(BuildPreviewPage(PreviewTarget::Kindle, u"<H2>A</H2>"_s).toUtf8(), {}));
    // head takes the lines up to "shown" and reads no more, as an editor that has gone away.
    QProcess shell;
    shell.start(u"/bin/sh"_s, {u"-c"_s, u"\"$0\" \"$2\" <\"$1\" | head -n 3"_s,
                               qEnvironmentVariable("QUORVANE_BIN_DIR") + u"/quorvane-preview"_s, page,
                               PreviewProtocol::HelperArguments().first()});
    EXPECT_TRUE(shell.waitForFinished(60000)) << "the helper kept its window open";
    EXPECT_EQ(shell.readAllStandardOutput(),
              PreviewProtocol::HelloLine() + PreviewProtocol::WarmLine() + PreviewProtocol::ShownLine());
}
