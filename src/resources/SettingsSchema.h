#pragma once
// Every setting the program keeps between runs, in one table: the section and key it is stored
// under, how its value is taken and its value when nothing usable is stored. Readers and writers
// name a setting by its id and take all of that from here (ProfileStore::ReadInteger and the
// rest). The names are those of the settings files of earlier runs and stay as they are:
// "StatusBars" also holds the toolbar's layout, and the recent files keep the framework's names.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/StoredSetting.h"

namespace venkora {

enum class SettingId : std::size_t {
    // The edit view (ViewSettings) and the main window's placement (CMainFrame).
    TabStops,
    WordWrap,
    ShowBlanks,
    WindowPlacement,
    // The display font (ViewSettings); with a height of 0 the other fields are not read.
    FontHeight,
    FontWeight,
    FontItalic,
    FontUnderline,
    FontPitchAndFamily,
    FontCharSet,
    FontFaceName,
    // The main window's bars (CMainFrame).
    ToolBarLayout,
    StatusBarShown,
    // The tip of the day (CTipDlg).
    TipStartUp,
    TipFilePos,
    TipTimeStamp,
    // The recent files, newest first (RecentFileList).
    RecentFile1,
    RecentFile2,
    RecentFile3,
    RecentFile4,
    // The switches of the optimize dialog in their stored order (OptimizeOptionKey).
    OptimizeLeerz,
    OptimizeBendef,
    OptimizeBendefAnf,
    OptimizeBendefEnde,
    OptimizeLeerzAnf,
    OptimizeLeerzEnde,
    OptimizeTab,
    OptimizeTabAnf,
    OptimizeTabEnde,
    OptimizeZeilenumbruch,
    OptimizeNurLeerzeilen,
    OptimizeBenutzerdefZeichen,
    OptimizeTabZuLeerz,
    OptimizeLoescheUeberz,
    OptimizeLeerzZuTab,
    OptimizeTabbreite,
};

namespace settings_schema {

// The rows' makers by kind.
constexpr StoredSetting Integer(std::string_view section, std::string_view key, std::int32_t byDefault) {
    return {section, key, StoredSetting::Kind::Integer, byDefault, {}};
}
constexpr StoredSetting Byte(std::string_view section, std::string_view key, std::int32_t byDefault) {
    return {section, key, StoredSetting::Kind::Byte, byDefault, {}};
}
constexpr StoredSetting Text(std::string_view section, std::string_view key, std::string_view byDefault = {}) {
    return {section, key, StoredSetting::Kind::Text, 0, byDefault};
}
constexpr StoredSetting Bytes(std::string_view section, std::string_view key) {
    return {section, key, StoredSetting::Kind::Bytes, 0, {}};
}

struct Row {
    SettingId id;
    StoredSetting setting;
};

// In the order of the ids.
inline constexpr Row kRows[] = {
    {SettingId::TabStops, Integer("Einstellungen", "TabStops", 32)},  // dialog units
    {SettingId::WordWrap, Integer("Einstellungen", "Zeilenumbruch", 0)},  // 0 = off
    {SettingId::ShowBlanks, Integer("Einstellungen", "Leerraum", 0)},  // 0 = blanks not shown
    {SettingId::WindowPlacement, Text("Einstellungen", "FensterPos")},  // ten numbers, WindowPlacement
    {SettingId::FontHeight, Integer("Schriftart", "Höhe", -13)},  // pixels; 0 = the default font
    {SettingId::FontWeight, Integer("Schriftart", "Dicke", 400)},
    {SettingId::FontItalic, Byte("Schriftart", "Kursiv", 0)},
    {SettingId::FontUnderline, Byte("Schriftart", "Unterstrichen", 0)},
    {SettingId::FontPitchAndFamily, Byte("Schriftart", "PitchAndFamily", 49)},  // fixed pitch, modern
    {SettingId::FontCharSet, Byte("Schriftart", "CharSet", 1)},
    {SettingId::FontFaceName, Text("Schriftart", "Art", "Courier")},
    {SettingId::ToolBarLayout, Bytes("StatusBars", "Symbolleiste")},  // QMainWindow::saveState
    {SettingId::StatusBarShown, Integer("StatusBars", "Statusleiste", 1)},  // 0 = hidden
    {SettingId::TipStartUp, Integer("Tip", "StartUp", 0)},  // 0 = the tip shows at start-up
    {SettingId::TipFilePos, Integer("Tip", "FilePos", 0)},  // byte offset, unsigned
    {SettingId::TipTimeStamp, Text("Tip", "TimeStamp")},  // the tips file's modification time
    {SettingId::RecentFile1, Text("Recent File List", "File1")},
    {SettingId::RecentFile2, Text("Recent File List", "File2")},
    {SettingId::RecentFile3, Text("Recent File List", "File3")},
    {SettingId::RecentFile4, Text("Recent File List", "File4")},
    {SettingId::OptimizeLeerz, Integer("OptimierenDlg", "Leerz", 0)},
    {SettingId::OptimizeBendef, Integer("OptimierenDlg", "Bendef", 0)},
    {SettingId::OptimizeBendefAnf, Integer("OptimierenDlg", "BendefAnf", 0)},
    {SettingId::OptimizeBendefEnde, Integer("OptimierenDlg", "BendefEnde", 0)},
    {SettingId::OptimizeLeerzAnf, Integer("OptimierenDlg", "LeerzAnf", 0)},
    {SettingId::OptimizeLeerzEnde, Integer("OptimierenDlg", "LeerzEnde", 0)},
    {SettingId::OptimizeTab, Integer("OptimierenDlg", "Tab", 0)},
    {SettingId::OptimizeTabAnf, Integer("OptimierenDlg", "TabAnf", 0)},
    {SettingId::OptimizeTabEnde, Integer("OptimierenDlg", "TabEnde", 0)},
    {SettingId::OptimizeZeilenumbruch, Integer("OptimierenDlg", "Zeilenumbruch", 0)},
    {SettingId::OptimizeNurLeerzeilen, Integer("OptimierenDlg", "Nur Leerzeilen", 0)},
    {SettingId::OptimizeBenutzerdefZeichen, Text("OptimierenDlg", "Benutzerdef Zeichen")},
    {SettingId::OptimizeTabZuLeerz, Integer("OptimierenDlg", "Tab zu Leerz", 0)},
    {SettingId::OptimizeLoescheUeberz, Integer("OptimierenDlg", "Loesche ueberz", 0)},
    {SettingId::OptimizeLeerzZuTab, Integer("OptimierenDlg", "Leerz zu Tab", 0)},
    {SettingId::OptimizeTabbreite, Byte("OptimierenDlg", "Tabbreite", 2)},  // spaces per tab
};

constexpr bool RowsFollowTheIds() {
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        if (static_cast<std::size_t>(kRows[i].id) != i) return false;
    }
    return true;
}
static_assert(RowsFollowTheIds());

}  // namespace settings_schema

// The row of `id`.
constexpr const StoredSetting& Setting(SettingId id) {
    return settings_schema::kRows[static_cast<std::size_t>(id)].setting;
}

// The slot of the recent-file list that holds its `index`-th file (0 is the newest).
constexpr const StoredSetting& RecentFileSetting(std::size_t index) {
    return Setting(static_cast<SettingId>(static_cast<std::size_t>(SettingId::RecentFile1) + index));
}
inline constexpr std::size_t kRecentFileSlots =
    static_cast<std::size_t>(SettingId::RecentFile4) - static_cast<std::size_t>(SettingId::RecentFile1) + 1;

}  // namespace venkora
