#pragma once
// The program's string table: every German text the editor shows. The strings of a number are
// looked up by it (a command's prompt and tooltip are those of its row in the command table);
// the others are named constants.

#include <optional>
#include <string_view>

namespace venkora {

class StringTable {
public:
    // A string that is no command's, in UTF-8; nullopt when there is none with this id.
    static std::optional<std::string_view> Find(unsigned id);
    // A command's prompt; for other strings the part before the first line feed, or the whole
    // string when it has none; empty for an unknown id.
    static std::string_view Prompt(unsigned id);
};

// The texts of no number, named by what they say and grouped by who shows them (UTF-8). "%1",
// "%2", ... stand for what is filled in where a text is shown (QString::arg); the „“ quotes
// around them belong to the texts. The core's words shared with the batch tool stay in their
// own tables: system errors (core/SystemErrorText), file statements (core/FileFailure), the
// reasons of a failed replacement (core/FileReplacement) and the names of keys (core/CommandRow).
namespace text {

// Buttons of several dialogs.
inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kCancel = "Abbrechen";

// --- The framework (src/platform) -----------------------------------------------------------

// The reason under a message when memory ran out while loading or saving.
inline constexpr std::string_view kOutOfMemory = "nicht genug Arbeitsspeicher";
// The number field of a dialog held something else; %1 and %2 are the least and the most.
inline constexpr std::string_view kEnterWholeNumber = "Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.";
// The title of the toolbar, shown in the menu of the bars.
inline constexpr std::string_view kToolBarTitle = "Symbolleiste";

// The document: the title of a new one; loading or saving failed, %1 being the file's name.
inline constexpr std::string_view kUntitled = "Unbenannt";
inline constexpr std::string_view kCannotOpen = "„%1“ kann nicht geöffnet werden.";
inline constexpr std::string_view kCannotSave = "„%1“ kann nicht gespeichert werden.";

// The file dialogs, the save question (%1 is the document's title) and the font dialog.
inline constexpr std::string_view kAllFiles = "Alle Dateien (*)";
inline constexpr std::string_view kOpenTitle = "Öffnen";
inline constexpr std::string_view kSaveAsTitle = "Speichern unter";
inline constexpr std::string_view kSaveChanges = "Änderungen in „%1“ speichern?";
inline constexpr std::string_view kYes = "&Ja";
inline constexpr std::string_view kNo = "&Nein";
inline constexpr std::string_view kFontTitle = "Schriftart";

// The dialogs "Suchen" and "Ersetzen".
inline constexpr std::string_view kFindTitle = "Suchen";
inline constexpr std::string_view kReplaceTitle = "Ersetzen";
inline constexpr std::string_view kFindWhat = "Suchen &nach:";
inline constexpr std::string_view kReplaceWith = "Ersetzen &durch:";
inline constexpr std::string_view kMatchCase = "&Groß-/Kleinschreibung beachten";
inline constexpr std::string_view kDirection = "Richtung";
inline constexpr std::string_view kUp = "Nach &oben";
inline constexpr std::string_view kDown = "Nach &unten";
inline constexpr std::string_view kFindNext = "&Weitersuchen";
inline constexpr std::string_view kReplace = "&Ersetzen";
inline constexpr std::string_view kReplaceAll = "&Alle ersetzen";

// Printing: the titles of Qt's print dialog and the preview, and the messages of a job. %1 of
// the printer's messages is the printer's name.
inline constexpr std::string_view kPrintTitle = "Drucken";
inline constexpr std::string_view kPreviewTitle = "Seitenansicht";
inline constexpr std::string_view kNoPrinter =
    "Es ist kein Drucker installiert.\nÜber die Seitenansicht können Sie in eine PDF-Datei drucken.";
inline constexpr std::string_view kPrinterCannotPrint = "Der Drucker „%1“ kann das Dokument nicht drucken.";
inline constexpr std::string_view kPrinterRefusedJob =
    "Der Drucker „%1“ hat den Druckauftrag abgelehnt; es wurde nichts gedruckt.";
// The pages chosen lie beyond the text: %1 is kPageWanted or kPagesWanted, %2 kPageCount or
// kPagesCount ("Die Seiten 7 bis 9 gibt es nicht: das Dokument hat 5 Seiten. ...").
inline constexpr std::string_view kNoPageInRange = "%1 gibt es nicht: das Dokument hat %2. Es wurde nichts gedruckt.";
inline constexpr std::string_view kPageWanted = "Die Seite %1";
inline constexpr std::string_view kPagesWanted = "Die Seiten %1 bis %2";
inline constexpr std::string_view kPageCount = "%1 Seite";
inline constexpr std::string_view kPagesCount = "%1 Seiten";

// The dialog "Druckereinrichtung".
inline constexpr std::string_view kPrintSetupTitle = "Druckereinrichtung";
inline constexpr std::string_view kPrinterGroup = "Drucker";
inline constexpr std::string_view kPrinterName = "&Name:";
inline constexpr std::string_view kPaperGroup = "Papier";
inline constexpr std::string_view kPaperSize = "&Größe:";
inline constexpr std::string_view kOrientationGroup = "Orientierung";
inline constexpr std::string_view kPortrait = "&Hochformat";
inline constexpr std::string_view kLandscape = "&Querformat";

}  // namespace text

}  // namespace venkora
