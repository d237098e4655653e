// The editor's measure of the fold (Qt's text layout) against the preview's real web engine,
// for both fragments on every kind of page that folds.
#include "FoldMeasure.h"
#include "Form2.h"
#include "HtmlGenerators.h"
#include "PreviewEngine.h"
#include "SettingsStore.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const bool EnginePrepared = (PreviewEngine::Prepare(), true);

Description book(const QString& opening, const QString& subheadline = u"A plan for small plots, season by season"_s)
{
    Description d;
    const QString sections[] = {u"Grow More Food"_s, subheadline, opening, u"What you will learn"_s,
                                u"Beds that feed a family\r\nWater less\r\n\r\nSoil that keeps"_s,
                                u"Every chapter ends with a plan.\r\nStart this weekend."_s, u"Buy it now."_s,
                                u"Order the paperback."_s};
    for (int i = 0; i < SectionCount; ++i)
        d[SectionIndex(i)] = sections[i];
    return d;
}
const QString Sentence = u"Most gardens waste half their space on paths, and the rest on plants that never pay back. "_s;
const Description Long = book(Sentence.repeated(9) + u"\r\nThis book shows another way."_s);
const Description Short = book(u"Start small."_s, u"Plots"_s);

// Where the engine puts "Read more", from the column's top edge; -1 when it shows none.
double markerTop(Form2& form)
{
    QVariant result;
    bool done = false;
    form.browser()->page()->runJavaScript(
        u"(() => { const m = document.querySelector('.qvn-more'); return m ? m.getBoundingClientRect().top - "
        "document.querySelector('.qvn-column').getBoundingClientRect().top : -1; })()"_s,
        QWebEngineScript::ApplicationWorld, [&](const QVariant& v) { result = v, done = true; });
    return QTest::qWaitFor([&] { return done; }, 30000) ? result.toDouble() : -2;
}

double engineFold(const QString& page)
{
    Form2 form;
    QSignalSpy loaded(&form, &Form2::pageLoaded);
    form.showPage(page.toUtf8());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form) || (loaded.isEmpty() && !loaded.wait(30000)))
        return -2;
    return markerTop(form);
}
} // namespace

TEST(FoldMeasure, AgreesWithThePreviewToALineOnEveryPageForBothFragments)
{
    ASSERT_TRUE(EnginePrepared);
    for (const PreviewTarget target : {PreviewTarget::Kindle, PreviewTarget::CreateSpace}) {
        for (int profile = 0; profile < FoldProfileCount; ++profile) {
            if (!FoldProfileAt(profile).folds())
                continue;
            for (const Description* description : {&Long, &Short}) {
                const FoldPlace place = MeasureFold(*description, target, FoldProfileAt(profile));
                const QString fragment = target == PreviewTarget::Kindle ? GenerateKindleHTML(*description)
                                                                         : GenerateCreatespaceHTML(*description);
                const QString page = FoldedPreviewPage(BuildPreviewPage(target, fragment),
                                                       MeasureFoldMarks(*description, target, profile), profile);
                const double line = FoldProfileAt(profile).typePx * 1.42;
                SCOPED_TRACE(u"%1 on %2, fold at %3 in section %4"_s.arg(int(target)).arg(profile).arg(place.foldTop)
                                 .arg(int(place.section)).toStdString());
                ASSERT_TRUE(place.folds);
                const double engine = engineFold(page);
                EXPECT_NEAR(engine, place.foldTop, line);
                // What stands above "Read more" fits the collapsed height on the engine's page too.
                if (FoldProfileAt(profile).collapsedPx > 0)
                    EXPECT_LE(engine, FoldProfileAt(profile).collapsedPx);
            }
        }
    }
}

TEST(FoldMeasure, F6SwitchesThePreviewToTheNextKindOfPageAndTheSettingsFollow)
{
    Form2 form;
    form.setFoldMarks(MeasureFoldMarks(Long, PreviewTarget::Kindle, 0));
    QSignalSpy loaded(&form, &Form2::pageLoaded);
    form.showPage(BuildPreviewPage(PreviewTarget::Kindle, GenerateKindleHTML(Long)).toUtf8());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form) && (!loaded.isEmpty() || loaded.wait(30000)));
    EXPECT_TRUE(form.foldChoice()->isVisible());
    const double desktop = markerTop(form);
    EXPECT_GT(desktop, 140);
    QTest::keyClick(form.closeButton(), Qt::Key_F6);
    ASSERT_TRUE(loaded.size() == 2 || loaded.wait(30000));
    EXPECT_EQ(form.foldChoice()->currentText(), "Desktop page, older");
    EXPECT_EQ(SettingsStore::read(SettingKey::Fold, {}), "Desktop page, older");
    EXPECT_LE(markerTop(form), 140);
}
