// The main window's splash, file type registration, About and help window.
#include "AppTestSupport.h"
#include "FileTypeRegistration.h"
#include "HelpWindow.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmSplash.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace L = MainWindowLayout;

namespace {
// Notes every splash window that shows, and what stood around it at that moment.
class SplashWatch : public QObject {
public:
    explicit SplashWatch(QWidget* main) : m_main(main) { qApp->installEventFilter(this); }
    ~SplashWatch() override { qApp->removeEventFilter(this); }
    int shown = 0;
    bool topmost = false, ownedByMain = false, modal = true;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<frmSplash*>(watched)) {
            auto* splash = static_cast<frmSplash*>(watched);
            ++shown;
            topmost = topmost || splash->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            ownedByMain = splash->parentWidget() == m_main;
            modal = splash->isModal();
        }
        return false;
    }

private:
    QWidget* m_main;
};

class MainWindowShell : public FirstRunTest {};
} // namespace

TEST_F(MainWindowShell, LoadShowsTheSplashOnTopUntilTheWindowIsUpAndRegistersTheFileType)
{
    TempFolder temp;
    const QString dataHome = temp.file(QStringLiteral("share"));
    qputenv("XDG_DATA_HOME", dataHome.toUtf8());
    Document().CommandLineFile = temp.write(QStringLiteral("Book.qvn"), DescriptionFileBytes(QStringLiteral("Book")));

    frmMain window;
    SplashWatch watch(&window);
    ASSERT_TRUE(window.Load());
    EXPECT_GE(watch.shown, 1);
    EXPECT_TRUE(watch.topmost && watch.ownedByMain && !watch.modal);
    EXPECT_TRUE(window.findChildren<frmSplash*>().isEmpty() && window.isVisible());

    const QByteArray entry = TempFolder::read(dataHome + QStringLiteral("/applications/org.quorvane.Quorvane.desktop"));
    EXPECT_TRUE(entry.contains("Exec=" + FileTypeRegistration::DesktopExecProgram(QCoreApplication::applicationFilePath()).toUtf8() + " %f"));
    EXPECT_TRUE(FileTypeRegistration::ChangedFiles(
                    FileTypeRegistration::WantedFiles(dataHome, QCoreApplication::applicationFilePath())).isEmpty());
}

TEST_F(MainWindowShell, AboutOpensModalFromItsButtonAndOKClosesIt)
{
    frmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QString version;
    QWidget* owner = nullptr;
    {
        const auto answer = OnNextModal<frmAbout>([&](frmAbout* about) {
            version = about->lblVersion->text();
            owner = about->parentWidget();
            QTest::mouseClick(about->cmdOK, Qt::LeftButton);
        });
        QTest::mouseClick(window.button(L::AboutButton), Qt::LeftButton);
    }
    EXPECT_EQ(version, QStringLiteral("Version 1.4.18"));
    EXPECT_EQ(owner, &window);
    EXPECT_TRUE(window.findChildren<frmAbout*>().isEmpty());
}

TEST_F(MainWindowShell, F1AndTheHelpButtonShareOneHelpWindow)
{
    frmMain window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.boxes().widget(MainBenefits), Qt::Key_F1);
    const QList<HelpWindow*> afterF1 = window.findChildren<HelpWindow*>();
    ASSERT_EQ(afterF1.size(), 1);
    EXPECT_TRUE(afterF1.front()->isVisible());
    afterF1.front()->close();
    QTest::mouseClick(window.button(L::HelpButton), Qt::LeftButton);
    EXPECT_EQ(window.findChildren<HelpWindow*>(), afterF1);
    EXPECT_TRUE(afterF1.front()->isVisible());
}
