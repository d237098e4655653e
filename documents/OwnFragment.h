#pragma once

#include "Description.h"

#include <QStringView>

#include <optional>

// A Kindle or print fragment that this program generated, read back into the sections it
// came from: the description returned generates the same fragment, byte for byte. Nothing
// when the fragment is not one the generators could have made.
//
// Some things a fragment cannot tell: which side of a "<BR><BR>" a paragraph stood on when
// no heading or list stands between (opening or closing remarks, closing remarks or the
// call to action), whether a print fragment's first plain paragraph was the sub-headline,
// and whether a fragment without H2 headings was Kindle's or the print one. The reading
// chosen is the one an author most likely typed, and always one that regenerates the bytes.
// A fragment that ends in "<BR><BR>" is read as Kindle's when it can be, since the print
// one ends so only without a call to action.
struct OwnFragment {
    Description description;
    bool kindle = false;  // the Kindle generator gives the fragment back, else the print one
};

std::optional<OwnFragment> ReadOwnFragment(QStringView fragment);
