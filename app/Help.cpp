#include "Help.h"

// The help book and its window come with the help services; until then there is
// nothing to open.
void ShowHelp() {}
