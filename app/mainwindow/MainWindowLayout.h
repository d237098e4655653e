#pragma once

#include "CommandButtons.h"
#include "Description.h"
#include "Twips.h"

#include <QColor>
#include <QRect>
#include <QSize>

#include <array>
#include <vector>

// Where everything on the main window sits, in twips, and the colours it is drawn in.
namespace MainWindowLayout {

inline constexpr int ClientWidth = 14910;
inline constexpr int ClientHeight = 11205;

// The top bar with the command buttons and the title row.
inline constexpr TwipRect TopBar{0, 0, ClientWidth, 1515};

enum MainButton : int {
    NewButton,
    OpenButton,
    SaveButton,
    SaveAsButton,
    CopyKindleButton,
    CopyCreatespaceButton,
    PreviewKindleButton,
    PreviewCreatespaceButton,
    HelpButton,
    AboutButton,
    CloseButton,
    MainButtonCount
};

extern const std::array<ButtonDeclaration, MainButtonCount> Buttons;

inline constexpr TwipRect BookTitleLabel{210, 1110, 1065, 240};
inline constexpr TwipRect BookTitleBox{1365, 1110, 13395, 285};
// The light grey band behind the title row.
inline constexpr TwipRect TitleBand{0, 975, ClientWidth, 525};
// Between the button groups, under the buttons and under the title row.
extern const std::array<TwipLine, 6> SeparatorLines;

// Where the top bar's button groups (the runs between the vertical separators) go in a bar
// narrower than the design: in their order, left to right, a row filled before the next one
// begins. Each group's left edge (pixels) and row; a bar of the design's width or more gets
// the design's one row.
struct GroupPlace {
    int left;
    int row;
    bool operator==(const GroupPlace&) const = default;
};
std::vector<GroupPlace> FlowGroups(const std::vector<int>& widths, int available);

// The eight section boxes, in index order.
extern const std::array<TwipRect, SectionCount> SectionBoxes;

// The dotted frame around a section box.
TwipRect SectionFrame(int section);
// Where a caption label of the given size sits on the top edge of its frame (pixels).
QRect CaptionLabelRect(const QRect& frame, const QSize& labelSize);

inline const QColor White{255, 255, 255};
inline const QColor LightGrey{192, 192, 192};
inline const QColor TitleGrey{224, 224, 224};
inline const QColor Orange{255, 128, 0};
inline const QColor DarkBlue{0, 0, 128};

inline constexpr double BookTitlePointSize = 9.75;
inline constexpr double CaptionPointSize = 8.25;
inline const char* const FontFamily = "Verdana";

} // namespace MainWindowLayout
