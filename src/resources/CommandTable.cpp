#include "resources/CommandTable.h"

#include "resources/CommandIds.h"

namespace venkora {

namespace {

constexpr unsigned kCtrl = KeyChord::kCtrl;
constexpr unsigned kShift = KeyChord::kShift;
constexpr unsigned kAlt = KeyChord::kAlt;

constexpr CommandRow kRows[] = {
    // id, menu text, key, second key, toolbar image, prompt, tooltip
    {kIdFileNew, "&Neu", {kCtrl, 'N'}, {}, ":/icons/new.svg", "Erstellt ein neues Dokument.", "Neu"},
    {kIdFileOpen, "Ö&ffnen...", {kCtrl, 'O'}, {}, ":/icons/open.svg",
     "Öffnet ein bestehendes Dokument.", "Öffnen"},
    {kIdFileClose, "", {}, {}, "", "Schließt das aktive Dokument.", "Schließen"},
    {kIdFileSave, "S&peichern", {kCtrl, 'S'}, {}, ":/icons/save.svg",
     "Speichert das aktive Dokument.", "Speichern"},
    {kIdFileSaveAs, "Speichern &unter...", {}, {}, "",
     "Speichert das aktive Dokument unter neuem Namen.", "Speichern unter"},
    {kIdFilePageSetup, "", {}, {}, "", "Ändert die Druckoptionen.", "Seite einrichten"},
    {kIdFilePrintSetup, "Drucker&einrichtung...", {}, {}, "",
     "Ändert den Drucker und die Druckoptionen.", "Druckereinrichtung"},
    {kIdFilePrint, "&Drucken...", {kCtrl, 'P'}, {}, ":/icons/print.svg",
     "Druckt das aktive Dokument.", "Drucken"},
    {kIdFilePrintPreview, "Sei&tenansicht", {}, {}, "", "Zeigt ganze Seiten an.", "Seitenansicht"},
    // The greyed place of the recent-file list in the menu; the entries take its place.
    {kIdFileMruFirst, "Letzte Datei", {}, {}, "", "Öffnet dieses Dokument.", "", kIdFileMruLast},
    {kIdAppExit, "&Beenden", {}, {}, "",
     "Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen.", "Beenden"},

    {kIdEditUndo, "&Rückgängig", {kCtrl, 'Z'}, {kAlt, KeyChord::kBackspace}, ":/icons/undo.svg",
     "Macht die letzte Aktion rückgängig.", "Rückgängig"},
    {kIdEditRedo, "Wieder&herstellen", {kCtrl, 'Y'}, {kCtrl | kShift, 'Z'}, "",
     "Wiederholt die vorher rückgängig gemachte Aktion.",
     "Wiederherstellen"},
    {kIdOptimize, "&Optimieren...", {}, {}, ":/icons/optimize.svg",
     "Optimiert unnötige Zeichen aus einem Dokument", "Optimieren"},
    {kIdEditCut, "&Ausschneiden", {kCtrl, 'X'}, {kShift, KeyChord::kDelete}, ":/icons/cut.svg",
     "Entfernt die Markierung und überträgt sie in die Zwischenablage.", "Ausschneiden"},
    {kIdEditCopy, "&Kopieren", {kCtrl, 'C'}, {kCtrl, KeyChord::kInsert}, ":/icons/copy.svg",
     "Kopiert die Markierung und überträgt sie in die Zwischenablage.", "Kopieren"},
    {kIdEditPaste, "E&infügen", {kCtrl, 'V'}, {kShift, KeyChord::kInsert}, ":/icons/paste.svg",
     "Fügt den Inhalt der Zwischenablage ein.", "Einfügen"},
    // Clear, clear all and the framework's select all (57642) are on the edit area's context
    // menu only; the menu's "Alles markieren" is the program's own command.
    {kIdEditClear, "&Löschen", {}, {}, "", "Löscht die Markierung.", "Löschen"},
    {kIdEditClearAll, "", {}, {}, "", "Löscht alles.", "Alles löschen"},
    {kIdEditFind, "&Suchen...", {kCtrl, 'F'}, {}, "", "Sucht den angegebenen Text.", "Suchen"},
    {kIdEditRepeat, "&Weitersuchen", {0, KeyChord::F(3)}, {}, "", "Wiederholt die letzte Aktion.",
     "Wiederholen"},
    {kIdEditRepeatUp, "", {kShift, KeyChord::F(3)}, {}, "",
     "Sucht den zuletzt gesuchten Text nach oben.", "Nach oben weitersuchen"},
    {kIdEditReplace, "&Ersetzen...", {kCtrl, 'H'}, {}, "", "Ersetzt einen bestimmten Text durch einen anderen.",
     "Ersetzen"},
    {kIdEditSelectAll, "Alles &markieren", {}, {}, "", "Markiert das gesamte Dokument.", "Alles markieren"},
    {kIdSelectAllText, "Alles &markieren", {}, {}, "", "Markiert den gesamten Text",
     "Alles markieren"},
    {kIdLineEndsToCrLf, "In &CR LF umwandeln", {}, {}, "",
     "Wandelt jedes Zeilenende in CR LF um (Windows)", "Zeilenenden in CR LF"},
    {kIdLineEndsToLf, "In &LF umwandeln", {}, {}, "", "Wandelt jedes Zeilenende in LF um (Linux, Unix)",
     "Zeilenenden in LF"},

    {kIdGoToLine, "&Gehe zu Zeile...", {kCtrl, 'G'}, {}, "", "Setzt die Einfügemarke an den Anfang einer Zeile.",
     "Gehe zu Zeile"},
    // "R": the "L" of "Leerraum" is taken by "Tab &Länge..." in the same menu.
    {kIdViewWhitespace, "Leer&raum anzeigen", {}, {}, "",
     "Zeigt Leerzeichen, Tabulatoren und Zeilenenden an oder blendet sie aus.", "Leerraum anzeigen"},
    {kIdToggleWordWrap, "&Zeilenumbruch", {}, {}, "", "Schaltet den Zeilenumbruch ein/aus",
     "Zeilenumbruch"},
    {kIdViewToolbar, "&Symbolleiste", {}, {}, "", "Blendet die Symbolleiste ein oder aus.",
     "Symbolleiste ein-/ausschalten"},
    {kIdViewStatusBar, "S&tatusleiste", {}, {}, "", "Blendet die Statusleiste ein oder aus.",
     "Statusleiste ein-/ausschalten"},
    {kIdTabLength, "Tab &Länge...", {}, {}, "", "Ändert die Tabulator Länge", "Tabulator Länge"},
    {kIdDisplayFont, "S&chriftart...", {}, {}, "", "Ändert die zur Anzeige verwendete Schriftart",
     "Schriftart"},
    {kIdWindowSplit, "", {}, {}, "", "Teilt das aktive Fenster in Ausschnitte.", "Teilen"},
    // The program has no panes: the keys reach commands that nothing handles.
    {kIdNextPane, "", {0, KeyChord::F(6)}, {}, "", "Wechselt zum nächsten Fensterausschnitt.",
     "Nächster Ausschnitt"},
    {kIdPrevPane, "", {kShift, KeyChord::F(6)}, {}, "",
     "Springt zum vorherigen Fensterausschnitt zurück.", "Vorheriger Ausschnitt"},

    {kIdTipOfTheDay, "", {}, {}, "", "Zeigt einen der Tips und Tricks an.", ""},
    {kIdAppAbout, "Inf&o über Venkora...", {}, {}, ":/icons/about.svg",
     "Zeigt Programm-Informationen, Versionsnummer und Copyright an.", "Info"},
};

constexpr unsigned kFileMenu[] = {
    kIdFileNew, kIdFileOpen, kIdFileSave, kIdFileSaveAs, 0, kIdFilePrint, kIdFilePrintPreview,
    kIdFilePrintSetup, 0, kIdFileMruFirst, 0, kIdAppExit,
};
constexpr unsigned kLineEndsMenu[] = {kIdLineEndsToCrLf, kIdLineEndsToLf};
constexpr MenuPopup kEditSubmenus[] = {{"&Zeilenenden", kLineEndsMenu}};
constexpr unsigned kEditMenu[] = {
    kIdEditUndo, kIdEditRedo, 0, kIdOptimize, MenuPopup::kSubmenu, 0, kIdEditCut, kIdEditCopy,
    kIdEditPaste, 0, kIdSelectAllText, 0, kIdEditFind, kIdEditReplace, kIdEditRepeat, kIdGoToLine,
};
constexpr unsigned kViewMenu[] = {
    kIdToggleWordWrap, kIdViewWhitespace, 0, kIdViewToolbar, kIdViewStatusBar, 0, kIdTabLength,
    kIdDisplayFont,
};
constexpr unsigned kHelpMenu[] = {kIdAppAbout};
constexpr MenuPopup kMenuBar[] = {
    {"&Datei", kFileMenu},
    {"&Bearbeiten", kEditMenu, kEditSubmenus},
    {"&Ansicht", kViewMenu},
    {kHelpMenuTitle, kHelpMenu},
};

constexpr unsigned kToolBar[] = {
    kIdFileNew, kIdFileOpen, kIdFileSave, 0, kIdEditUndo, 0, kIdEditCut, kIdEditCopy,
    kIdEditPaste, 0, kIdOptimize, 0, kIdFilePrint, 0, kIdAppAbout,
};

}  // namespace

std::span<const CommandRow> CommandRows() { return kRows; }

std::span<const MenuPopup> MainMenu() { return kMenuBar; }

std::span<const unsigned> MainToolBar() { return kToolBar; }

}  // namespace venkora
