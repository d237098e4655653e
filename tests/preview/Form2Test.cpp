#include "Form2Layout.h"
#include "HtmlGenerators.h"
#include "PreviewPage.h"
#include "PreviewWindowFixture.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>

namespace {
// A description as the author types it: headings, a list, an italic tag.
Description example()
{
    Description d;
    d[Headline] = QStringLiteral("My Book");
    d[Subheadline] = QStringLiteral("A sub-headline");
    d[OpeningRemarks] = QStringLiteral("Line one\r\nLine <i>two</i>");
    d[BenefitsHeadline] = QStringLiteral("Why read it");
    d[MainBenefits] = QStringLiteral("Fast\r\nEasy");
    d[KindleCallToAction] = QStringLiteral("Buy now");
    d[CreateSpaceCallToAction] = QStringLiteral("Order the paperback");
    return d;
}

const QString KindleFragment = GenerateKindleHTML(example());
const QString CreateSpaceFragment = GenerateCreatespaceHTML(example());

QMenu* visibleMenu()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* menu = qobject_cast<QMenu*>(w); menu && menu->isVisible())
            return menu;
    return nullptr;
}
} // namespace

using PreviewWindow = PreviewWindowFixture;

TEST_F(PreviewWindow, WindowIsLaidOutAsDesigned)
{
    Form2 form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Preview"));
    EXPECT_EQ(form.size(), QSize(743, 647));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(form.windowIcon().isNull());

    QPushButton* close = form.findChild<QPushButton*>(QStringLiteral("cmdClose"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), QStringLiteral("Close"));
    EXPECT_EQ(close->geometry(), QRect(652, 611, 81, 25));
    EXPECT_TRUE(close->isDefault());

    QWebEngineView* browser = form.findChild<QWebEngineView*>(QStringLiteral("WebBrowser1"));
    ASSERT_NE(browser, nullptr);
    // Border outside the client area on three sides, bottom edge 12 pixels above the button.
    EXPECT_EQ(browser->geometry(), QRect(-2, -2, 747, 601));
    EXPECT_EQ(close->y() - (browser->geometry().bottom() + 1), 12);
    EXPECT_EQ(browser->contextMenuPolicy(), Qt::NoContextMenu);
}

TEST(PreviewLayout, BrowserFollowsTheClientAreaAndTheButton)
{
    EXPECT_EQ(Form2Layout::BrowserGeometry(QSize(800, 500), 470), QRect(-2, -2, 804, 460));
    EXPECT_EQ(Form2Layout::CentredPosition(QRect(100, 100, 1000, 800), QSize(600, 400), QRect(0, 0, 1600, 1200)),
              QPoint(300, 300));
    // Kept on the screen when the owner hangs over its edge.
    EXPECT_EQ(Form2Layout::CentredPosition(QRect(-500, -300, 400, 300), QSize(743, 647), QRect(0, 0, 1600, 1200)),
              QPoint(0, 0));
    EXPECT_EQ(Form2Layout::CentredPosition(QRect(1400, 1000, 400, 300), QSize(743, 647), QRect(0, 0, 1600, 1200)),
              QPoint(857, 553));
}

TEST_F(PreviewWindow, KindlePageImitatesTheStore)
{
    ASSERT_TRUE(open(BuildPreviewPage(PreviewTarget::Kindle, KindleFragment)));
    EXPECT_EQ(computed(QStringLiteral("h2"), QStringLiteral("color")), QStringLiteral("rgb(228, 121, 17)"));
    EXPECT_EQ(computed(QStringLiteral("h2"), QStringLiteral("font-size")), QStringLiteral("16px"));
    EXPECT_TRUE(computed(QStringLiteral("h2"), QStringLiteral("font-family")).startsWith(QStringLiteral("Verdana")));
    EXPECT_EQ(computed(QStringLiteral("h2"), QStringLiteral("font-weight")), QStringLiteral("700"));
    EXPECT_TRUE(computed(QStringLiteral("body"), QStringLiteral("font-family")).startsWith(QStringLiteral("Verdana")));
    // Markup typed into a section takes effect.
    EXPECT_EQ(computed(QStringLiteral("i"), QStringLiteral("font-style")), QStringLiteral("italic"));
    EXPECT_EQ(probe(QStringLiteral("document.querySelectorAll('h2').length")).toInt(), 2);
}

TEST_F(PreviewWindow, CreateSpacePageIsPlainArialWithBoldForHeadings)
{
    ASSERT_TRUE(open(BuildPreviewPage(PreviewTarget::CreateSpace, CreateSpaceFragment)));
    EXPECT_TRUE(computed(QStringLiteral("body"), QStringLiteral("font-family")).startsWith(QStringLiteral("Arial")));
    EXPECT_EQ(computed(QStringLiteral("body"), QStringLiteral("font-size")), QStringLiteral("14.5px"));
    EXPECT_EQ(computed(QStringLiteral("li"), QStringLiteral("font-size")), QStringLiteral("14.5px"));
    EXPECT_EQ(probe(QStringLiteral("document.querySelectorAll('h2').length")).toInt(), 0);
    // Bold stands in for both headings.
    EXPECT_EQ(probe(QStringLiteral("Array.from(document.querySelectorAll('b')).map(b => b.textContent + ':' + "
                                   "getComputedStyle(b).fontWeight).join('|')"))
                  .toString(),
              QStringLiteral("My Book:700|Why read it:700"));
    EXPECT_EQ(computed(QStringLiteral("i"), QStringLiteral("font-style")), QStringLiteral("italic"));
    EXPECT_TRUE(bodyText().startsWith(QStringLiteral("My Book")));
    EXPECT_TRUE(bodyText().trimmed().endsWith(QStringLiteral("Order the paperback")));
}

TEST_F(PreviewWindow, NonAsciiTextShowsAsTyped)
{
    const QString text = QStringLiteral("\u00c9t\u00e9 \u2014 \u201cquoted\u201d \u00fc\u00df \u20ac5");
    ASSERT_TRUE(open(BuildPreviewPage(PreviewTarget::Kindle, text)));
    EXPECT_EQ(bodyText().trimmed(), text);
}

TEST_F(PreviewWindow, ReloadKeepsThePage)
{
    ASSERT_TRUE(open(BuildPreviewPage(PreviewTarget::Kindle, KindleFragment)));
    QSignalSpy reloaded(form->browser(), &QWebEngineView::loadFinished);
    form->browser()->page()->triggerAction(QWebEnginePage::Reload);
    ASSERT_TRUE(reloaded.wait(LoadTimeoutMs));
    EXPECT_TRUE(reloaded.first().first().toBool());
    EXPECT_TRUE(bodyText().startsWith(QStringLiteral("My Book")));
    EXPECT_EQ(computed(QStringLiteral("h2"), QStringLiteral("color")), QStringLiteral("rgb(228, 121, 17)"));
}

TEST_F(PreviewWindow, SecondPreviewShowsOnlyTheNewContent)
{
    ASSERT_TRUE(open(BuildPreviewPage(PreviewTarget::Kindle, QStringLiteral("<H2>First page</H2>"))));
    form->closeButton()->click();
    EXPECT_FALSE(form->isVisible());
    ASSERT_TRUE(open(BuildPreviewPage(PreviewTarget::CreateSpace, QStringLiteral("<B>Second page</B>"))));
    EXPECT_EQ(bodyText().trimmed(), QStringLiteral("Second page"));
    EXPECT_EQ(probe(QStringLiteral("document.querySelectorAll('h2').length")).toInt(), 0);
    EXPECT_EQ(probe(QStringLiteral("history.length")).toInt(), 1);
}

TEST_F(PreviewWindow, EnterAndEscapeClose)
{
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        // With the focus on the button, and with the focus inside the page.
        for (bool inPage : {false, true}) {
            ASSERT_TRUE(open(BuildPreviewPage(PreviewTarget::Kindle, KindleFragment)));
            form->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
            QWidget* target = form->closeButton();
            if (inPage) {
                target = form->browser()->focusProxy();
                ASSERT_NE(target, nullptr);
                QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(300, 400));
            }
            target->setFocus();
            QSignalSpy finished(form.get(), &QDialog::finished);
            QTest::keyClick(target, static_cast<Qt::Key>(key));
            EXPECT_TRUE(finished.count() == 1 || finished.wait(5000)) << "key " << key << " in page " << inPage;
            EXPECT_FALSE(form->isVisible());
        }
    }
}

TEST_F(PreviewWindow, RightClickOpensNoMenu)
{
    ASSERT_TRUE(open(BuildPreviewPage(PreviewTarget::Kindle, KindleFragment)));
    QWidget* page = form->browser()->focusProxy();
    ASSERT_NE(page, nullptr);
    for (QPoint at : {QPoint(60, 30), QPoint(300, 300)}) {
        QTest::mouseClick(page, Qt::RightButton, {}, at);
        QTest::qWait(500);
        EXPECT_EQ(visibleMenu(), nullptr);
    }
    QTest::mouseClick(form->closeButton(), Qt::RightButton);
    QTest::qWait(200);
    EXPECT_EQ(visibleMenu(), nullptr);
    EXPECT_TRUE(form->isVisible());
}
