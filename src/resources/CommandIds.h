#pragma once
// The numbers of the program's commands and strings, beside the framework's standard ones
// (core/StandardIds.h), which they include. A command's prompt and tooltip are in its row of the
// command table (CommandTable), found by this number; the other strings are in StringTable.

#include "core/StandardIds.h"

namespace venkora {

// Resource 128: the main menu, the accelerator table, the toolbar, the main icon and the
// document string (seven fields separated by line feeds).
inline constexpr unsigned kIdrMainFrame = 128;

// The program's own commands.
inline constexpr unsigned kIdTipOfTheDay = 104;
inline constexpr unsigned kIdOptimize = 32772;
inline constexpr unsigned kIdToggleWordWrap = 32773;
inline constexpr unsigned kIdTabLength = 32774;
inline constexpr unsigned kIdDisplayFont = 32775;
inline constexpr unsigned kIdSelectAllText = 32776;
inline constexpr unsigned kIdLineEndsToCrLf = 32777;
inline constexpr unsigned kIdLineEndsToLf = 32778;
inline constexpr unsigned kIdGoToLine = 32780;
inline constexpr unsigned kIdViewWhitespace = 32781;
inline constexpr unsigned kIdEditRepeatUp = 32782;

// The status line's pane that shows the document's line ends.
inline constexpr unsigned kIdIndicatorLineEnds = 32779;
// The status line's pane that shows the caret's line and column.
inline constexpr unsigned kIdIndicatorCaret = 32783;

// Strings of the tips: the help-menu item, the heading of the tip dialog, its text when the tips
// file is missing, the message when the file cannot be read, and the help menu's title.
inline constexpr unsigned kIdsTipsMenuItem = 105;
inline constexpr unsigned kIdsTipHeading = 106;
inline constexpr unsigned kIdsTipsFileMissing = 107;
inline constexpr unsigned kIdsTipsFileReadError = 108;
inline constexpr unsigned kIdsHelpMenuTitle = 109;

// The maker's web address, shown as the link of the about dialog.
inline constexpr unsigned kIdsMakerWebAddress = 61204;

}  // namespace venkora
