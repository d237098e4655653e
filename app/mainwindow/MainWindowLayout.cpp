#include "MainWindowLayout.h"

namespace MainWindowLayout {

namespace {
constexpr auto Above = PicturePlacement::AboveCaption;
constexpr auto Left = PicturePlacement::LeftOfCaption;
constexpr int Large = 32;
constexpr int Small = 16;
} // namespace

const std::array<ButtonDeclaration, MainButtonCount> Buttons = {{
    {"cmdNew", "New", {45, 105, 945, 765}, "Create a new description file (Ctrl+N)", ":/icons/new.png", Above, Large},
    {"cmdOpen", "Open", {1005, 105, 945, 765}, "Open an existing description file (Ctrl+O)", ":/icons/open.png", Above, Large},
    {"cmdSave", "Save", {1965, 105, 945, 765}, "Save the current description file (Ctrl+S)", ":/icons/save.png", Above, Large},
    {"cmdSaveAs", "Save As...", {2925, 105, 945, 765}, "Save the current description file with a new name (Ctrl+Shift+S)",
     ":/icons/saveas.png", Above, Large},
    {"cmdCopyKindleHTML", "Copy Kindle Description", {4035, 120, 3060, 345},
     "Copy the Kindle description code to the clipboard", ":/icons/copykindle.png", Left, Small},
    {"cmdCopyCreatespaceHTML", "Copy Createspace Description", {4035, 540, 3060, 345},
     "Copy the Createspace description code to the clipboard", ":/icons/copycreatespace.png", Left, Small},
    {"cmdPreviewKindle", "Preview Kindle Description", {7260, 120, 3285, 345},
     "Preview how the Kindle description will look on Amazon's site", ":/icons/previewkindle.png", Left, Small},
    {"cmdPreviewCreatespace", "Preview Createspace Description", {7260, 540, 3285, 345},
     "Preview how the Createspace description will look on Amazon's site", ":/icons/previewcreatespace.png", Left,
     Small},
    {"cmdHelp", "Help", {10710, 120, 3030, 345}, "Get help on using Quorvane", ":/icons/help.png", Left, Small},
    {"CandyButton2", "About Quorvane", {10710, 540, 3030, 345}, "Show information about Quorvane",
     ":/icons/about.png", Left, Small},
    {"CandyButton3", "Close", {13905, 105, 945, 765}, "Close Quorvane", ":/icons/close.png", Above, Large},
}};

const std::array<TwipLine, 6> SeparatorLines = {{
    {3945, 60, 3945, 915},
    {7170, 45, 7170, 915},
    {10620, 45, 10620, 915},
    {13815, 60, 13815, 915},
    {0, 960, ClientWidth, 960},
    {0, 1470, ClientWidth, 1470},
}};

const std::array<TwipRect, SectionCount> SectionBoxes = {{
    {405, 1860, 14130, 390},
    {405, 2610, 14130, 315},
    {405, 3300, 14130, 1365},
    {405, 5130, 14130, 390},
    {405, 5880, 14130, 1800},
    {405, 8145, 14130, 945},
    {405, 9555, 14130, 420},
    {405, 10455, 14130, 420},
}};

std::vector<GroupPlace> FlowGroups(const std::vector<int>& widths, int available)
{
    std::vector<GroupPlace> places;
    int left = 0, row = 0;
    for (const int width : widths) {
        // A group wider than the bar still starts a row of its own, at the left edge.
        if (left > 0 && left + width > available) {
            left = 0;
            ++row;
        }
        places.push_back({left, row});
        left += width;
    }
    return places;
}

TwipRect SectionFrame(int section)
{
    // Wider on the left than on the right, and high enough above the box for its caption.
    const TwipRect& box = SectionBoxes[static_cast<size_t>(section)];
    constexpr int left = 165, right = 135, above = 135, below = 105;
    return {box.left - left, box.top - above, box.width + left + right, box.height + above + below};
}

QRect CaptionLabelRect(const QRect& frame, const QSize& labelSize)
{
    // Like a group-box title: a little in from the left corner, centred on the top edge.
    constexpr int indent = 8;
    return {frame.left() + indent, frame.top() - labelSize.height() / 2, labelSize.width(), labelSize.height()};
}

} // namespace MainWindowLayout
