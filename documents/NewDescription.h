#pragma once

#include <QString>

// What the new-description wizard does, apart from its window.

// A title can start a description once it holds more than blanks.
bool IsUsableBookTitle(const QString& typedTitle);

// The standard sentences built around the title.
QString BenefitsHeadlineTemplate(const QString& title);
QString KindleCallToActionTemplate(const QString& title);
QString CreateSpaceCallToActionTemplate(const QString& title);

// The wizard's OK: the trimmed title becomes CurrentBookTitle, the document loses its
// file, all nine boxes are emptied, the title box (and, as chosen, the headline) get the
// title, the templates fill sections 3, 6 and 7 when asked, and the document is unsaved.
void StartNewDescription(const QString& typedTitle, bool useTitleAsHeading, bool prePopulate);

// The wizard's two remembered choices.
struct WizardChoices {
    bool useTitleAsHeading = false;
    bool prePopulate = false;
};
WizardChoices ReadWizardChoices();
void StoreWizardChoices(const WizardChoices& choices);
