// The About and splash windows, their texts, and web addresses handed to the desktop.
#include "AboutBackground.h"
#include "AboutTexts.h"
#include "AppInfo.h"
#include "Deployment.h"
#include "KeyboardCue.h"
#include "OpenWebsite.h"
#include "ScriptedMessages.h"
#include "frmAbout.h"
#include "frmSplash.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>

namespace {
// Records what would have been opened, answering as told.
struct RecordingOpener {
    explicit RecordingOpener(bool succeed = true)
        : previous(SetUrlOpener([this, succeed](const QUrl& url) { opened.append(url.toString()); return succeed; }))
    {
    }
    ~RecordingOpener() { SetUrlOpener(previous); }
    QStringList opened;
    UrlOpener previous;
};
} // namespace

TEST(OpenWebsite, AnAddressNotBeginningWithHttpGetsItInFront)
{
    const struct { const char* given; const char* opened; } cases[] = {
        {"www.quorvane.example/contact/", "http://www.quorvane.example/contact/"},
        {"https://www.quorvane.example", "https://www.quorvane.example"},
        {"HTTP://WWW.QUORVANE.EXAMPLE", "HTTP://WWW.QUORVANE.EXAMPLE"},
        {"Https://secure.example/a", "Https://secure.example/a"},
        {"ftp://files.example/book.txt", "http://ftp://files.example/book.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WebsiteAddress(QString::fromLatin1(c.given)), QString::fromLatin1(c.opened)) << c.given;

    ScriptedMessages messages;
    RecordingOpener opener;
    OpenWebsite(QStringLiteral("www.quorvane.example/contact/"));
    OpenWebsite(QStringLiteral("HTTPS://www.quorvane.example/"));
    EXPECT_EQ(opener.opened, QStringList({"http://www.quorvane.example/contact/", "https://www.quorvane.example/"}));
    EXPECT_TRUE(messages.shown().empty());
}

TEST(OpenWebsite, AFailureIsReportedUnderTheMainWindowsCaption)
{
    ScriptedMessages messages;
    RecordingOpener opener(false);
    OpenWebsite(QStringLiteral("www.quorvane.example"));
    QWidget main;
    main.setObjectName(QStringLiteral("frmMain"));
    main.setWindowTitle(QStringLiteral("Quorvane - Garden Basics"));
    OpenWebsite(QStringLiteral("ftp://files.example"));

    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text,
              QStringLiteral("There was an error attempting to open the website at:\r\nhttp://www.quorvane.example."));
    EXPECT_EQ(messages.shown()[0].caption, QStringLiteral("Quorvane"));
    EXPECT_EQ(messages.shown()[1].text,
              QStringLiteral("There was an error attempting to open the website at:\r\nhttp://ftp://files.example."));
    EXPECT_EQ(messages.shown()[1].caption, QStringLiteral("Quorvane - Garden Basics"));
    EXPECT_EQ(messages.shown()[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(messages.shown()[1].buttons, MsgButtons::OK);
}

TEST(AboutTexts, CopyrightWordingsAndTheirEmptyAndRepeatedCases)
{
    EXPECT_EQ(AboutTexts::Version(), QStringLiteral("Version 1.4.18"));
    EXPECT_EQ(AboutTexts::AboutCopyright(QStringLiteral("2026 Ann Author")), QStringLiteral("Copyright \u00A9 2026 Ann Author"));
    EXPECT_EQ(AboutTexts::SplashCopyright(QStringLiteral("2026 Ann Author")),
              QStringLiteral("Copyright \u00A9 2026 Ann Author, all rights reserved"));

    EXPECT_EQ(AboutTexts::AboutCopyright(QString()), QStringLiteral("Copyright \u00A9 "));
    EXPECT_EQ(AboutTexts::SplashCopyright(QString()), QStringLiteral("Copyright \u00A9 , all rights reserved"));
    EXPECT_TRUE(AboutTexts::Disclaimer(AboutTexts::DisclaimerCaption(), QString()).endsWith(QStringLiteral("\u00A9 , all right reserved.")));

    EXPECT_EQ(AboutTexts::Disclaimer(QStringLiteral("[copyright] and again [copyright]."), QStringLiteral("2026 Ann")),
              QStringLiteral("2026 Ann and again 2026 Ann."));
    EXPECT_EQ(AboutTexts::Disclaimer(QStringLiteral("[copyright][copyright]"), QStringLiteral("[copyright]")),
              QStringLiteral("[copyright][copyright]"));
}

TEST(frmAbout, ShowsTheIdentityOpensItsLinksAndClosesWithOK)
{
    QWidget main;
    main.setWindowIcon(QIcon(QPixmap(32, 32)));
    frmAbout about(&main);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Quorvane"));
    EXPECT_EQ(about.lblTitle->text(), QStringLiteral("Quorvane"));
    EXPECT_TRUE(about.lblTitle->font().bold());
    EXPECT_EQ(about.lblVersion->text(), QStringLiteral("Version 1.4.18"));
    EXPECT_EQ(about.lblCopyright->text(), QStringLiteral("Copyright \u00A9 ") + AppInfo::LegalCopyright());
    EXPECT_TRUE(about.lblDisclaimer->text().endsWith(QStringLiteral("\u00A9 ") + AppInfo::LegalCopyright() +
                                                      QStringLiteral(", all right reserved.")));
    EXPECT_FALSE(about.lblDisclaimer->text().contains(QStringLiteral("[copyright]")));
    EXPECT_FALSE(about.Image1->pixmap().isNull());
    EXPECT_TRUE(about.Label7->text().contains(AppInfo::Website()));
    EXPECT_TRUE(about.Label6->text().contains(AppInfo::Email()));
    EXPECT_EQ(about.cmdOK->text(), QStringLiteral("OK"));

    RecordingOpener opener;
    emit about.Label6->linkActivated(QStringLiteral("#"));
    emit about.Label7->linkActivated(QStringLiteral("#"));
    EXPECT_EQ(opener.opened, QStringList({WebsiteAddress(AppInfo::ContactPage()), WebsiteAddress(AppInfo::Website())}));
    EXPECT_TRUE(AppInfo::ContactPage().endsWith(QStringLiteral("/contact/")));

    QTimer::singleShot(0, &about, [&about] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.cmdOK, Qt::LeftButton);
    });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

TEST(frmAbout, ALinkOpensOnceWithSpaceOrAHeldEnter)
{
    QWidget main;
    frmAbout about(&main);
    RecordingOpener opener;
    QTest::keyClick(about.Label7, Qt::Key_Space);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(about.Label7, &repeat);
    EXPECT_EQ(opener.opened, QStringList({WebsiteAddress(AppInfo::Website())}));
}

TEST(frmSplash, ShowsItselfWithTheIdentityAndTheCopyrightLineAcrossTheWindow)
{
    QWidget main;
    frmSplash splash(&main);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_FALSE(splash.isModal());
    EXPECT_EQ(splash.lblTitle->text(), QStringLiteral("Quorvane"));
    EXPECT_DOUBLE_EQ(splash.lblTitle->font().pointSizeF(), 20.25);
    EXPECT_EQ(splash.lblVersion->text(), QStringLiteral("Version 1.4.18"));
    EXPECT_DOUBLE_EQ(splash.lblVersion->font().pointSizeF(), 9.75);
    EXPECT_EQ(splash.lblCopyright->text(), AboutTexts::SplashCopyright(AppInfo::LegalCopyright()));
    EXPECT_EQ(splash.lblCopyright->x(), 0);
    EXPECT_EQ(splash.lblCopyright->width(), splash.width());
    EXPECT_EQ(splash.parentWidget(), &main);
    EXPECT_NE(splash.windowTitle(), QStringLiteral("Quorvane"));  // never taken for the main window
    // The same picture as the About window, drawn rather than plain.
    const QImage picture = splash.grab().toImage();
    EXPECT_NE(picture.pixelColor(2, splash.height() / 2), picture.pixelColor(splash.width() / 2, 5));
    // Pixel for pixel that picture, where no text lies over it: the spine, the paper, the pages.
    const QImage drawn = AboutBackground(splash.size()).toImage();
    for (const QPoint at : {QPoint(4, 120), QPoint(10, 235), QPoint(220, 20), QPoint(400, 60), QPoint(430, 200), QPoint(300, 170)})
        EXPECT_EQ(picture.pixel(at), drawn.pixel(at)) << at.x() << "," << at.y();
}

// Opened by a key, About draws OK with the keyboard's focus frame at once; opened by a
// click, only after the first Tab.
TEST(AboutWindow, ShowsWhereTheFocusIsWhenOpenedByAKey)
{
    KeyboardCue::WatchInput();
    QWidget owner;
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    const auto okShowsFocusAfter = [&](const std::function<void()>& press) {
        press();
        frmAbout about(&owner);
        about.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&about));
        about.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return about.cmdOK->hasFocus(); }, 3000));
        // What the style draws the button from.
        QStyleOptionButton option;
        option.initFrom(about.cmdOK);
        return option.state.testFlag(QStyle::State_HasFocus) && option.state.testFlag(QStyle::State_KeyboardFocusChange);
    };
    EXPECT_TRUE(okShowsFocusAfter([&] { QTest::keyClick(&owner, Qt::Key_Return); }));
    EXPECT_FALSE(okShowsFocusAfter([&] { QTest::mouseClick(&owner, Qt::LeftButton); }));
}
