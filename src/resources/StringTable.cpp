#include "resources/StringTable.h"

#include <algorithm>
#include <array>

#include "resources/CommandIds.h"

namespace venkora {

namespace {

// One text for the ids first..last; a range only for the recent-file entries.
struct Entry {
    unsigned first;
    unsigned last;
    std::string_view text;
};

constexpr auto kEntries = std::to_array<Entry>({
    {kIdTipOfTheDay, kIdTipOfTheDay, "Zeigt einen der Tips und Tricks an."},
    {kIdsTipsMenuItem, kIdsTipsMenuItem, "Ti&ps und Tricks..."},
    {kIdsTipHeading, kIdsTipHeading, "Wußten Sie schon..."},
    {kIdsTipsFileMissing, kIdsTipsFileMissing,
     "Tips-Datei ist im vorgeschriebenen Verzeichnis nicht vorhanden"},
    {kIdsTipsFileReadError, kIdsTipsFileReadError, "Probleme beim Lesen der Tips-Datei"},
    {kIdsHelpMenuTitle, kIdsHelpMenuTitle, "&?"},
    // Window title, document name, new-file type name, filter name, filter extension, file type
    // identifier, file type name.
    {kIdrMainFrame, kIdrMainFrame, "Venkora\n\nVenkora\n\n\nVenkorar.Document\nVenkora Document"},
    {kIdOptimize, kIdOptimize, "Optimiert unnötige Zeichen aus einem Dokument\nOptimieren"},
    {kIdToggleWordWrap, kIdToggleWordWrap, "Schaltet den Zeilenumbruch ein/aus\nZeilenumbruch"},
    {kIdTabLength, kIdTabLength, "Ändert die Tabulator Länge\nTabulator Länge"},
    {kIdDisplayFont, kIdDisplayFont, "Ändert die zur Anzeige verwendete Schriftart\nSchriftart"},
    {kIdSelectAllText, kIdSelectAllText, "Markiert den gesamten Text\nAlles markieren"},
    {kIdsAppTitle, kIdsAppTitle, "Venkora"},
    {kIdsIdleMessage, kIdsIdleMessage, "Bereit"},
    {kIdsFileTooLarge, kIdsFileTooLarge,
     "Die Datei ist zu groß, um geöffnet zu werden.\n"
     "Venkora bearbeitet Dateien bis höchstens 1.048.575 Bytes."},
    {kIdFileNew, kIdFileNew, "Erstellt ein neues Dokument.\nNeu"},
    {kIdFileOpen, kIdFileOpen, "Öffnet ein bestehendes Dokument.\nÖffnen"},
    {kIdFileClose, kIdFileClose, "Schließt das aktive Dokument.\nSchließen"},
    {kIdFileSave, kIdFileSave, "Speichert das aktive Dokument.\nSpeichern"},
    {kIdFileSaveAs, kIdFileSaveAs,
     "Speichert das aktive Dokument unter neuem Namen.\nSpeichern unter"},
    {kIdFilePageSetup, kIdFilePageSetup, "Ändert die Druckoptionen.\nSeite einrichten"},
    {kIdFilePrintSetup, kIdFilePrintSetup,
     "Ändert den Drucker und die Druckoptionen.\nDruckereinrichtung"},
    {kIdFilePrint, kIdFilePrint, "Druckt das aktive Dokument.\nDrucken"},
    {kIdFilePrintPreview, kIdFilePrintPreview, "Zeigt ganze Seiten an.\nSeitenansicht"},
    {kIdFileMruFirst, kIdFileMruLast, "Öffnet dieses Dokument."},
    {kIdEditClear, kIdEditClear, "Löscht die Markierung.\nLöschen"},
    {kIdEditClearAll, kIdEditClearAll, "Löscht alles.\nAlles löschen"},
    {kIdEditCopy, kIdEditCopy,
     "Kopiert die Markierung und überträgt sie in die Zwischenablage.\nKopieren"},
    {kIdEditCut, kIdEditCut,
     "Entfernt die Markierung und überträgt sie in die Zwischenablage.\nAusschneiden"},
    {kIdEditFind, kIdEditFind, "Sucht den angegebenen Text.\nSuchen"},
    {kIdEditPaste, kIdEditPaste, "Fügt den Inhalt der Zwischenablage ein.\nEinfügen"},
    {kIdEditRepeat, kIdEditRepeat, "Wiederholt die letzte Aktion.\nWiederholen"},
    {kIdEditReplace, kIdEditReplace,
     "Ersetzt einen bestimmten Text durch einen anderen.\nErsetzen"},
    {kIdEditSelectAll, kIdEditSelectAll, "Markiert das gesamte Dokument.\nAlles markieren"},
    {kIdEditUndo, kIdEditUndo, "Macht die letzte Aktion rückgängig.\nRückgängig"},
    {kIdEditRedo, kIdEditRedo,
     "Wiederholt die vorher rückgängig gemachte Aktion.\nWiederherstellen"},
    {kIdWindowSplit, kIdWindowSplit, "Teilt das aktive Fenster in Ausschnitte.\nTeilen"},
    {kIdAppAbout, kIdAppAbout,
     "Zeigt Programm-Informationen, Versionsnummer und Copyright an.\nInfo"},
    {kIdAppExit, kIdAppExit,
     "Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen.\nBeenden"},
    {kIdNextPane, kIdNextPane, "Wechselt zum nächsten Fensterausschnitt.\nNächster Ausschnitt"},
    {kIdPrevPane, kIdPrevPane,
     "Springt zum vorherigen Fensterausschnitt zurück.\nVorheriger Ausschnitt"},
    {kIdIndicatorExt, kIdIndicatorExt, "ER"},
    {kIdIndicatorCaps, kIdIndicatorCaps, "UF"},
    {kIdIndicatorNum, kIdIndicatorNum, "NUM"},
    {kIdIndicatorScroll, kIdIndicatorScroll, "RF"},
    {kIdIndicatorOverwrite, kIdIndicatorOverwrite, "ÜB"},
    {kIdIndicatorRecord, kIdIndicatorRecord, "MA"},
    {kIdViewToolbar, kIdViewToolbar,
     "Blendet die Symbolleiste ein oder aus.\nSymbolleiste ein-/ausschalten"},
    {kIdViewStatusBar, kIdViewStatusBar,
     "Blendet die Statusleiste ein oder aus.\nStatusleiste ein-/ausschalten"},
    {kIdsWindowSize, kIdsWindowSize, "Ändert die Fenstergröße."},
    {kIdsWindowMove, kIdsWindowMove, "Ändert die Position des Fensters."},
    {kIdsWindowMinimize, kIdsWindowMinimize, "Verkleinert das Fenster zu einem Symbol."},
    {kIdsWindowMaximize, kIdsWindowMaximize, "Vergrößert das Fenster zu voller Größe."},
    {kIdsWindowNext, kIdsWindowNext, "Wechselt zum nächsten Dokumentfenster."},
    {kIdsWindowPrevious, kIdsWindowPrevious, "Wechselt zum vorherigen Dokumentfenster."},
    {kIdsWindowClose, kIdsWindowClose,
     "Schließt das aktive Fenster und fordert zur Dokumentspeicherung auf."},
    {kIdsWindowRestore, kIdsWindowRestore,
     "Stellt das Fenster in seiner normalen Größe wieder her."},
    {kIdsWindowTaskList, kIdsWindowTaskList, "Aktiviert die Task-Liste."},
});

}  // namespace

std::optional<std::string_view> StringTable::Find(unsigned id) {
    const auto found = std::find_if(kEntries.begin(), kEntries.end(), [id](const Entry& entry) {
        return entry.first <= id && id <= entry.last;
    });
    if (found == kEntries.end()) return std::nullopt;
    return found->text;
}

std::string_view StringTable::Prompt(unsigned id) {
    const std::string_view text = Find(id).value_or(std::string_view{});
    return text.substr(0, text.find('\n'));
}

std::string_view StringTable::Tooltip(unsigned id) {
    const std::string_view text = Find(id).value_or(std::string_view{});
    const std::size_t lineFeed = text.find('\n');
    return lineFeed == std::string_view::npos ? std::string_view{} : text.substr(lineFeed + 1);
}

}  // namespace venkora
