#pragma once

#include "Form2.h"
#include "PreviewEngine.h"

#include <QSignalSpy>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <memory>

// The engine's switches and our scheme must be in place before the application object.
inline const bool PreviewEnginePrepared = (PreviewEngine::Prepare(), true);

// Opens a real preview window on the test's X server and looks into its page. The
// page's own scripts are off; the checks run in a world of their own, which the page
// cannot reach and which the page's settings do not switch off.
class PreviewWindowFixture : public ::testing::Test {
protected:
    static constexpr int LoadTimeoutMs = 30000;

    void SetUp() override { ASSERT_TRUE(PreviewEnginePrepared); }

    // Shows a fresh window with the page; true once the page has loaded.
    bool open(const QString& page)
    {
        form = std::make_unique<Form2>();
        QSignalSpy loaded(form.get(), &Form2::pageLoaded);
        form->showPage(page.toUtf8());
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return false;
        if (loaded.isEmpty() && !loaded.wait(LoadTimeoutMs))
            return false;
        return loaded.first().first().toBool();
    }

    // Runs an expression beside the page and returns its value.
    QVariant probe(const QString& script)
    {
        QVariant result;
        bool done = false;
        form->browser()->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                               [&](const QVariant& value) {
                                                   result = value;
                                                   done = true;
                                               });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, LoadTimeoutMs)) << qPrintable(script);
        return result;
    }

    QString computed(const QString& selector, const QString& property)
    {
        return probe(QStringLiteral("getComputedStyle(document.querySelector('%1')).getPropertyValue('%2')")
                         .arg(selector, property))
            .toString();
    }

    QString bodyText() { return probe(QStringLiteral("document.body ? document.body.innerText : ''")).toString(); }

    std::unique_ptr<Form2> form;
};

