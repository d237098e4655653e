#pragma once

#include "Description.h"

#include <QString>

// The two HTML fragments that the store description fields take, built from the sections
// as typed: nothing is escaped, so tags the author types reach the page unchanged.

// Sections 0 to 6 with H2 headings, always ending in "<BR><BR>".
QString GenerateKindleHTML(const Description& description);
// Sections 0 to 5 and 7, bold instead of headings; section 6 contributes nothing.
QString GenerateCreatespaceHTML(const Description& description);
