#include "resources/StringTable.h"

#include <algorithm>
#include <array>

#include "resources/CommandIds.h"
#include "resources/CommandTable.h"

namespace venkora {

namespace {

struct Entry {
    unsigned id;
    std::string_view text;
};

constexpr auto kEntries = std::to_array<Entry>({
    {kIdsTipsMenuItem, "Ti&ps und Tricks..."},
    {kIdsTipHeading, "Wußten Sie schon..."},
    {kIdsTipsFileMissing,
     "Tips-Datei ist im vorgeschriebenen Verzeichnis nicht vorhanden"},
    {kIdsTipsFileReadError, "Probleme beim Lesen der Tips-Datei"},
    {kIdsHelpMenuTitle, kHelpMenuTitle},
    // Window title, document name, new-file type name, filter name, filter extension, file type
    // identifier, file type name.
    {kIdrMainFrame, "Venkora\n\nVenkora\n\n\nVenkorar.Document\nVenkora Document"},
    {kIdsAppTitle, kProgramName},
    {kIdsIdleMessage, "Bereit"},
    // %1 is the file's name, %2 text::kTextLimit.
    {kIdsFileTooLarge,
     "Die Datei „%1“ ist zu groß, um geöffnet zu werden.\n"
     "Venkora bearbeitet Dateien bis höchstens %2 Bytes."},
    {kIdIndicatorExt, "ER"},
    {kIdIndicatorCaps, "UF"},
    {kIdIndicatorNum, "NUM"},
    {kIdIndicatorScroll, "RF"},
    {kIdIndicatorOverwrite, "ÜB"},
    {kIdIndicatorRecord, "MA"},
    {kIdsWindowSize, "Ändert die Fenstergröße."},
    {kIdsWindowMove, "Ändert die Position des Fensters."},
    {kIdsWindowMinimize, "Verkleinert das Fenster zu einem Symbol."},
    {kIdsWindowMaximize, "Vergrößert das Fenster zu voller Größe."},
    {kIdsWindowNext, "Wechselt zum nächsten Dokumentfenster."},
    {kIdsWindowPrevious, "Wechselt zum vorherigen Dokumentfenster."},
    {kIdsWindowClose,
     "Schließt das aktive Fenster und fordert zur Dokumentspeicherung auf."},
    {kIdsWindowRestore,
     "Stellt das Fenster in seiner normalen Größe wieder her."},
    {kIdsWindowTaskList, "Aktiviert die Task-Liste."},
    {kIdsMakerWebAddress, "https://talberg.example/venkora"},
});

}  // namespace

std::optional<std::string_view> StringTable::Find(unsigned id) {
    const auto found = std::find_if(kEntries.begin(), kEntries.end(), [id](const Entry& entry) {
        return entry.id == id;
    });
    if (found == kEntries.end()) return std::nullopt;
    return found->text;
}

std::string_view StringTable::Prompt(unsigned id) {
    if (const CommandRow* row = FindCommandRow(CommandRows(), id)) return row->prompt;
    const std::string_view text = Find(id).value_or(std::string_view{});
    return text.substr(0, text.find('\n'));
}

}  // namespace venkora
