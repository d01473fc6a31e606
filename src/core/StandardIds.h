#pragma once
// The framework's standard numbers of commands and strings: the file, edit, window, view and
// help commands, the recent-file entries, the bars, the status indicators and the strings the
// framework itself shows. A command's prompt and tooltip are in its row of the program's command
// table (resources/CommandTable), found by this number.

namespace venkora {

// File commands.
inline constexpr unsigned kIdFileNew = 57600;
inline constexpr unsigned kIdFileOpen = 57601;
inline constexpr unsigned kIdFileClose = 57602;
inline constexpr unsigned kIdFileSave = 57603;
inline constexpr unsigned kIdFileSaveAs = 57604;
inline constexpr unsigned kIdFilePageSetup = 57605;
inline constexpr unsigned kIdFilePrintSetup = 57606;
inline constexpr unsigned kIdFilePrint = 57607;
inline constexpr unsigned kIdFilePrintDirect = 57608;
inline constexpr unsigned kIdFilePrintPreview = 57609;
// The recent-file entries; the first is also the menu item that holds the list's place.
inline constexpr unsigned kIdFileMruFirst = 57616;
inline constexpr unsigned kIdFileMruLast = 57631;

// Edit commands.
inline constexpr unsigned kIdEditClear = 57632;
inline constexpr unsigned kIdEditClearAll = 57633;
inline constexpr unsigned kIdEditCopy = 57634;
inline constexpr unsigned kIdEditCut = 57635;
inline constexpr unsigned kIdEditFind = 57636;
inline constexpr unsigned kIdEditPaste = 57637;
inline constexpr unsigned kIdEditRepeat = 57640;
inline constexpr unsigned kIdEditReplace = 57641;
inline constexpr unsigned kIdEditSelectAll = 57642;
inline constexpr unsigned kIdEditUndo = 57643;
inline constexpr unsigned kIdEditRedo = 57644;

// Window, application and pane commands.
inline constexpr unsigned kIdWindowSplit = 57653;
inline constexpr unsigned kIdAppAbout = 57664;
inline constexpr unsigned kIdAppExit = 57665;
inline constexpr unsigned kIdNextPane = 57680;
inline constexpr unsigned kIdPrevPane = 57681;

// Bar commands; also the window ids of the toolbar and the status bar.
inline constexpr unsigned kIdViewToolbar = 59392;
inline constexpr unsigned kIdViewStatusBar = 59393;

// Status-bar indicators; each string holds the indicator's text.
inline constexpr unsigned kIdIndicatorExt = 59136;
inline constexpr unsigned kIdIndicatorCaps = 59137;
inline constexpr unsigned kIdIndicatorNum = 59138;
inline constexpr unsigned kIdIndicatorScroll = 59139;
inline constexpr unsigned kIdIndicatorOverwrite = 59140;
inline constexpr unsigned kIdIndicatorRecord = 59141;

// Strings of the application.
inline constexpr unsigned kIdsAppTitle = 57344;
inline constexpr unsigned kIdsIdleMessage = 57345;

// Prompts of the window-menu commands.
inline constexpr unsigned kIdsWindowSize = 61184;
inline constexpr unsigned kIdsWindowMove = 61185;
inline constexpr unsigned kIdsWindowMinimize = 61186;
inline constexpr unsigned kIdsWindowMaximize = 61187;
inline constexpr unsigned kIdsWindowNext = 61188;
inline constexpr unsigned kIdsWindowPrevious = 61189;
inline constexpr unsigned kIdsWindowClose = 61190;
inline constexpr unsigned kIdsWindowRestore = 61202;
inline constexpr unsigned kIdsWindowTaskList = 61203;

// The message for a file too large to be opened.
inline constexpr unsigned kIdsFileTooLarge = 61701;

}  // namespace venkora
