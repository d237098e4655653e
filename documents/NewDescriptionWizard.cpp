#include "NewDescriptionWizard.h"

namespace {
NewDescriptionWizard& installedWizard()
{
    static NewDescriptionWizard wizard;
    return wizard;
}
} // namespace

NewDescriptionWizard SetNewDescriptionWizard(NewDescriptionWizard wizard)
{
    NewDescriptionWizard previous = std::move(installedWizard());
    installedWizard() = std::move(wizard);
    return previous;
}

void ShowNewDescriptionWizard()
{
    // A copy, so a wizard that installs another while it runs stays alive until it returns.
    const NewDescriptionWizard wizard = installedWizard();
    if (wizard)
        wizard();
}
