#pragma once

#include <functional>

// How NewDescription reaches the new-description wizard without knowing its window:
// the program installs a function that shows the wizard modally and returns when it
// closes. Without one, New shows nothing and changes nothing.
using NewDescriptionWizard = std::function<void()>;

// Installs the wizard; returns the one it replaces.
NewDescriptionWizard SetNewDescriptionWizard(NewDescriptionWizard wizard);

void ShowNewDescriptionWizard();
