#include "Description.h"

const std::array<SectionInfo, SectionCount> SectionTable = {{
    {Headline, "Headline", " HEADLINE ", false, 11.25, true, true, true, true},
    {Subheadline, "Subheadline", " SUB-HEADLINE ", false, 9, true, false, true, true},
    {OpeningRemarks, "OpeningRemarks", " OPENING REMARKS ", true, 9, false, false, true, true},
    {BenefitsHeadline, "BenefitsHeadline", " BENEFITS HEADLINE ", false, 11.25, true, true, true, true},
    {MainBenefits, "MainBenefits", " MAIN BENEFITS ", true, 9, false, false, true, true},
    {ClosingRemarks, "ClosingRemarks", " CLOSING REMARKS ", true, 9, false, false, true, true},
    {KindleCallToAction, "KindleCallToAction", " CALL TO ACTION FOR KINDLE BOOK ", true, 9, false, false,
     true, false},
    {CreateSpaceCallToAction, "CreateSpaceCallToAction", " CALL TO ACTION FOR CREATESPACE PRINT BOOK ", true, 9,
     false, false, false, true},
}};
