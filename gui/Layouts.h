// Every window's geometry, in pixels of its client area, and its Tab order.
#pragma once

#include "gui/WindowLayout.h"

namespace vorel {

// The toolbar: eight buttons of 65 x 45, each overlapping its left neighbour by one pixel. The
// thème and the two-person report follow "&Vorel"; the four buttons after them and the window
// grew by 64 pixels each.
inline constexpr ControlPlace kMainWindowControls[] = {
    {"toolbar", {0, 0, 516, 50}, -1, Overlap::Backdrop},
    {"registerButton", {2, 2, 65, 45}, 0},
    {"reportButton", {66, 2, 65, 45}, 1, Overlap::Previous},
    {"themeButton", {130, 2, 65, 45}, 2, Overlap::Previous},
    {"coupleButton", {194, 2, 65, 45}, 3, Overlap::Previous},
    {"openButton", {258, 2, 65, 45}, 4, Overlap::Previous},
    {"helpButton", {322, 2, 65, 45}, 5, Overlap::Previous},
    {"aboutButton", {386, 2, 65, 45}, 6, Overlap::Previous},
    {"quitButton", {450, 2, 65, 45}, 7, Overlap::Previous},
};
inline constexpr WindowLayout kMainWindowLayout{{516, 50}, kMainWindowControls};

// The focus starts on OK, and Tab goes down the buttons before it reaches the grid.
inline constexpr ControlPlace kRegisterEditorControls[] = {
    {"bevel", {8, 8, 577, 313}, -1, Overlap::Backdrop},
    {"personGrid", {24, 24, 425, 281}, 5},
    {"rowNumber", {464, 24, 98, 13}},
    {"addButton", {464, 72, 105, 33}, 1},
    {"deleteButton", {464, 139, 105, 33}, 2},
    {"modifyButton", {464, 205, 105, 33}, 3},
    {"sortButton", {464, 272, 105, 33}, 4},
    {"okButton", {464, 332, 105, 27}, 0},
};
inline constexpr WindowLayout kRegisterEditorLayout{{592, 372}, kRegisterEditorControls};

// The three date fields share their borders, each overlapping the one before by a pixel.
inline constexpr ControlPlace kPersonEntryControls[] = {
    {"bevel", {8, 8, 300, 121}, -1, Overlap::Backdrop},
    {"nameLabel", {24, 24, 0, 0}},
    {"nameEdit", {24, 40, 273, 20}, 1},
    {"dateLabel", {24, 72, 0, 0}},
    {"dayEdit", {24, 88, 25, 20}, 2},
    {"monthEdit", {48, 88, 25, 20}, 3, Overlap::Previous},
    {"yearEdit", {72, 88, 41, 20}, 4, Overlap::Previous},
    {"okButton", {136, 138, 77, 27}, 0},
    {"cancelButton", {231, 138, 77, 27}, 5},
};
inline constexpr WindowLayout kPersonEntryLayout{{317, 176}, kPersonEntryControls};

inline constexpr ControlPlace kPersonChooserControls[] = {
    {"bevel", {8, 8, 449, 313}, -1, Overlap::Backdrop},
    {"personGrid", {24, 24, 417, 281}, 0},
    {"okButton", {296, 332, 77, 27}, 1},
    {"cancelButton", {380, 332, 77, 27}, 2},
};
inline constexpr WindowLayout kPersonChooserLayout{{464, 369}, kPersonChooserControls};

// Everything but OK stands on the panel, in the panel's coordinates.
inline constexpr ControlPlace kAboutBoxControls[] = {
    {"panel", {8, 8, 281, 169}, -1, Overlap::Backdrop},
    {"programIcon", {8, 8, 65, 57}},
    {"productName", {88, 16, 0, 0}},
    {"version", {88, 40, 0, 0}},
    {"authorship", {8, 80, 0, 0}},
    {"comments", {8, 104, 249, 17}},
    {"link", {8, 129, 160, 22}, 1},
    {"okButton", {111, 188, 75, 25}, 0},
};
inline constexpr WindowLayout kAboutBoxLayout{{298, 221}, kAboutBoxControls};

// The report window's toolbar buttons, on the toolbar, and the text at the window's design
// size; the toolbar and the text follow the window's size (its design placement is in
// gui/Placement.h). Tab goes from the buttons to the text and types a tab there; Ctrl+Tab
// leaves it.
inline constexpr int kReportToolbarHeight = 33;
inline constexpr ControlPlace kReportWindowControls[] = {
    {"saveButton", {8, 4, 25, 25}, 0},
    {"printButton", {40, 4, 25, 25}, 1},
    {"copyButton", {72, 4, 25, 25}, 2},
    {"reportEdit", {0, kReportToolbarHeight, 600, 300 - kReportToolbarHeight}, 3},
};
inline constexpr WindowLayout kReportWindowLayout{{}, kReportWindowControls};

// The start-up's pictures fill their windows.
inline constexpr QSize kLogoClient{360, 300};
inline constexpr QSize kSplashClient{632, 453};

}  // namespace vorel
