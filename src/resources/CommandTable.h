#pragma once
// The program's commands, one row each (menu text, keys, toolbar image, prompt, tooltip), and
// the main window's menu bar and toolbar as lists of command ids. Adding a command is one row
// here plus its handler in a command table.

#include <span>
#include <string_view>

#include "core/CommandRow.h"

namespace venkora {

// The company word and the program's name, under which the settings are kept.
inline constexpr std::string_view kCompanyName = "talberg";
inline constexpr std::string_view kProgramName = "Venkora";
// The help menu's title, by which the frame finds that menu.
inline constexpr std::string_view kHelpMenuTitle = "&?";

std::span<const CommandRow> CommandRows();
// The main menu: "&Datei", "&Bearbeiten", "&Ansicht", "&?".
std::span<const MenuPopup> MainMenu();
// The toolbar's buttons, 0 for a separator.
std::span<const unsigned> MainToolBar();

}  // namespace venkora
