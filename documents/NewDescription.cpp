#include "NewDescription.h"

#include "Description.h"
#include "DescriptionView.h"
#include "DocumentState.h"
#include "SettingsStore.h"

namespace {
// Blanks are spaces; a tab typed into the title is part of it.
QString trimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

QString checkBoxText(bool checked)
{
    return checked ? QStringLiteral("1") : QStringLiteral("0");
}
} // namespace

bool IsUsableBookTitle(const QString& typedTitle)
{
    return !trimBlanks(typedTitle).isEmpty();
}

QString BenefitsHeadlineTemplate(const QString& title)
{
    return QStringLiteral("In ") + title + QStringLiteral(" you will learn:");
}

QString KindleCallToActionTemplate(const QString& title)
{
    return QStringLiteral("Take action now. Scroll up and click the 'buy' button at the top of this page and you can read ")
        + title + QStringLiteral(" on your Kindle device, computer, tablet or smartphone.");
}

QString CreateSpaceCallToActionTemplate(const QString& title)
{
    return QStringLiteral(
               "Take action now. Scroll up and click the 'buy' button at the top of this page and  you will soon be reading ")
        + title + QStringLiteral(".");
}

void StartNewDescription(const QString& typedTitle, bool useTitleAsHeading, bool prePopulate)
{
    DocumentState& document = Document();
    const QString title = trimBlanks(typedTitle);
    document.CurrentBookTitle = title;
    // The folder stays, so the first Save starts where the last file was.
    document.CurrentFileName.clear();

    if (DescriptionView* boxes = document.Boxes) {
        for (int box = 0; box < BoxCount; ++box)
            boxes->setBoxText(box, QString());
        boxes->setBoxText(BookTitleBox, title);
        if (useTitleAsHeading)
            boxes->setBoxText(Headline, title);
        if (prePopulate) {
            boxes->setBoxText(BenefitsHeadline, BenefitsHeadlineTemplate(title));
            boxes->setBoxText(KindleCallToAction, KindleCallToActionTemplate(title));
            boxes->setBoxText(CreateSpaceCallToAction, CreateSpaceCallToActionTemplate(title));
        }
    }
    document.DocumentDirty = true;
    NotifyStoredOrReplaced();
}

WizardChoices ReadWizardChoices()
{
    WizardChoices choices;
    choices.useTitleAsHeading = SettingsStore::toCheckBox(SettingsStore::read(SettingKey::UseTitleAsHeading, "0"));
    choices.prePopulate = SettingsStore::toCheckBox(SettingsStore::read(SettingKey::Prepopulate, "0"));
    return choices;
}

void StoreWizardChoices(const WizardChoices& choices)
{
    SettingsStore::write(SettingKey::UseTitleAsHeading, checkBoxText(choices.useTitleAsHeading));
    SettingsStore::write(SettingKey::PrePopulate, checkBoxText(choices.prePopulate));
}
