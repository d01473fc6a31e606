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

// The most bytes a text may hold (CEditViewPlus::kTextLimit) as the messages write it.
inline constexpr std::string_view kTextLimit = "1.048.575";

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

// --- The edit view (src/editview) -----------------------------------------------------------

// The status line's pane of the line ends the text holds.
inline constexpr std::string_view kLineEndsCrLf = "CR LF";
inline constexpr std::string_view kLineEndsLf = "LF";
inline constexpr std::string_view kLineEndsCr = "CR";
inline constexpr std::string_view kLineEndsMixed = "gemischt";
// Converting the line ends would pass the limit; %1 is kTextLimit.
inline constexpr std::string_view kLineEndsTooLong =
    "Mit diesen Zeilenenden wäre der Text länger als %1 Bytes. Der Text bleibt unverändert.";

// The caret's line and column in the status line; %1 is the line, %2 the column.
inline constexpr std::string_view kCaretPane = "Z %1, Sp %2";
// The message pane after a search: nothing found (%1 is the text searched for), or how many
// places "Alle ersetzen" replaced (%1).
inline constexpr std::string_view kNotFound = "„%1“ wurde nicht gefunden.";
inline constexpr std::string_view kReplacedOne = "1 Stelle ersetzt.";
inline constexpr std::string_view kReplacedMany = "%1 Stellen ersetzt.";
// The message pane when the replacement (%1) holds a character the document's code page lacks.
inline constexpr std::string_view kReplacementNotEncodable =
    "„%1“ lässt sich in der Kodierung dieses Dokuments nicht schreiben.";

// --- Optimizing (src/optimizer, app/CQuendelView) -------------------------------------------

// The status line while a group of rules runs.
inline constexpr std::string_view kStatusLeerzeichen = "Lösche Leerzeichen...";
inline constexpr std::string_view kStatusTabulatoren = "Lösche Tabulatoren...";
inline constexpr std::string_view kStatusZeilenumbrueche = "Lösche Zeilenumbrüche...";
inline constexpr std::string_view kStatusBenutzerdefiniert = "Lösche benutzerdefinierte Zeichen...";

// The view's messages: no selection to optimize; the result would pass the limit (%1 is
// kTextLimit).
inline constexpr std::string_view kOptimizeNoSelection = "Bitte wählen Sie einen Bereich, den Sie optimieren wollen.";
inline constexpr std::string_view kOptimizedTooLong =
    "Der Text wäre danach länger als %1 Bytes und passt nicht in das Dokument. Der Text bleibt unverändert.";

// The dialog "Optimieren": frames, check boxes, radio buttons and labels.
inline constexpr std::string_view kOptimizeTitle = "Optimieren";
inline constexpr std::string_view kOptimizeDelete = "Löschen";
inline constexpr std::string_view kOptimizeSpaces = "Leerzeichen";
inline constexpr std::string_view kOptimizeTabs = "Tabulatoren";
inline constexpr std::string_view kOptimizeLineBreaks = "Zeilenumbrüche";
inline constexpr std::string_view kOptimizeAllBreaks = "alle";
inline constexpr std::string_view kOptimizeEmptyLinesOnly = "nur Leerzeilen";
inline constexpr std::string_view kOptimizeUserDefined = "Benutzerdefiniert";
inline constexpr std::string_view kOptimizeCharacter = "Zeichen:";
inline constexpr std::string_view kOptimizeAtLineEnd = "am Zeilenende";
inline constexpr std::string_view kOptimizeAtLineStart = "am Zeilenanfang";
inline constexpr std::string_view kOptimizeConvert = "Umwandeln (alle)";
inline constexpr std::string_view kOptimizeSpacesToTabs = "Leerzeichen zu Tabulatoren";
inline constexpr std::string_view kOptimizeTabsToSpaces = "Tabulatoren zu Leerzeichen";
inline constexpr std::string_view kOptimizeSurplus = "Überzählige löschen";
inline constexpr std::string_view kOptimizeWidth = "Breite";
inline constexpr std::string_view kOptimizeRange = "Bereich";
inline constexpr std::string_view kOptimizeSelection = "Markierung";
inline constexpr std::string_view kOptimizeWholeDocument = "gesamtes Dokument";
// OK refused: a group is on without a side, or the user-defined one without a character.
inline constexpr std::string_view kOptimizeNoSideForSpaces =
    "Bitte wählen Sie Zeilenanfang und/oder Zeilenende für das optimieren der Leerzeichen.";
inline constexpr std::string_view kOptimizeNoSideForTabs =
    "Bitte wählen Sie Zeilenanfang und/oder Zeilenende für das optimieren der Tabulatoren.";
inline constexpr std::string_view kOptimizeNoSideForUserDefined =
    "Bitte wählen Sie Zeilenanfang und/oder Zeilenende für das optimieren der Benutzerdefinierten Zeichen.";
inline constexpr std::string_view kOptimizeNoCharacter =
    "Bitte geben Sie ein benutzerdefiniertes Zeichen ein, wenn Sie benutzerdefiniert wählen.";

// --- The application (src/app, src/main.cpp) ------------------------------------------------

// The dialog "Tabulatoren Länge": its title is also the label of its field.
inline constexpr std::string_view kTabLength = "Tabulatoren Länge";

// The dialog "Gehe zu Zeile": its field and the range of lines it takes (%1 is the last line).
inline constexpr std::string_view kGoToLineTitle = "Gehe zu Zeile";
inline constexpr std::string_view kLineNumber = "&Zeilennummer:";
inline constexpr std::string_view kLineRange = "(1 bis %1)";

// Printing from the command line (on standard error): arguments missing, the printer asked
// for (%1) not installed, no printer at all.
inline constexpr std::string_view kPdfNameMissing =
    "Nach --pdf fehlt der Name der PDF-Datei (venkora --pdf AUSGABE.pdf DATEI).";
inline constexpr std::string_view kPrinterAndFileMissing =
    "Nach -pt fehlen der Name des Druckers und die Datei (venkora -pt DRUCKER DATEI).";
inline constexpr std::string_view kPrinterOrFileMissing =
    "Nach -pt fehlt der Drucker oder die Datei (venkora -pt DRUCKER DATEI).";
inline constexpr std::string_view kNoFileToPrint = "Es ist keine Datei zum Drucken angegeben.";
inline constexpr std::string_view kPrinterNotInstalled = "Der Drucker „%1“ ist nicht installiert.";
inline constexpr std::string_view kNoPrinterForCommandLine =
    "Es ist kein Drucker installiert. Mit „venkora --pdf AUSGABE.pdf DATEI“ drucken Sie in eine PDF-Datei.";
// Why the PDF may not be written under the name given: %1 is that name, %2 one of the two
// statements below or one of the core's (core/FileFailure).
inline constexpr std::string_view kPdfRefused = "„%1“ %2.";
inline constexpr std::string_view kPdfIsPrintedFile =
    "ist die Datei, die gedruckt wird; die PDF-Datei braucht einen anderen Namen";
inline constexpr std::string_view kPdfIsNoPdf = "ist keine PDF-Datei und wird nicht überschrieben";

// On standard error, behind "venkora: ", when Qt finds no display to connect to.
inline constexpr std::string_view kNoDisplay =
    "Keine grafische Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY sind leer oder nicht erreichbar). Ohne "
    "Anzeige druckt „venkora --pdf AUSGABE.pdf DATEI“ in eine PDF-Datei.";

// --- The tip of the day and the about box (src/tips, src/about) -----------------------------

inline constexpr std::string_view kTipsTitle = "Tipps und Tricks";
inline constexpr std::string_view kTipsAtStartup = "&Tipps beim Starten anzeigen";
inline constexpr std::string_view kNextTip = "&Nächster Tipp";
inline constexpr std::string_view kClose = "&Schließen";

// %1 of the version line is the version number.
inline constexpr std::string_view kAboutTitle = "Info über Venkora";
inline constexpr std::string_view kAboutVersion = "Venkora Version %1";
inline constexpr std::string_view kAboutMakers = "Geschrieben von Talberg,\nfreie Software unter der GPL.";

// --- A document's file changed by another program (src/platform/CDocument) ------------------

// %1 is the document's title. Asked when the window becomes active again: for an unmodified
// document, for a modified one, and before saving over the changed file.
inline constexpr std::string_view kChangedElsewhereReload =
    "„%1“ wurde außerhalb von Venkora geändert. Neu laden?";
inline constexpr std::string_view kChangedElsewhereReloadLosingChanges =
    "„%1“ wurde außerhalb von Venkora geändert. Neu laden?\nIhre Änderungen in Venkora gehen dabei verloren.";
inline constexpr std::string_view kChangedElsewhereSave =
    "„%1“ wurde außerhalb von Venkora geändert. Trotzdem speichern?";

// --- The command line (src/main.cpp, app/CQuendelApp) ---------------------------------------

// "venkora --help" and "venkora --version" on standard output; %1 of the version is its number.
inline constexpr std::string_view kUsage =
    "Aufruf: venkora [+N] [DATEI]\n"
    "        venkora --wiederherstellen\n"
    "        venkora -p DATEI\n"
    "        venkora -pt DRUCKER DATEI\n"
    "        venkora --pdf AUSGABE.pdf DATEI\n"
    "\n"
    "Ein deutscher Texteditor, der Textdateien optimiert. Ohne DATEI beginnt er mit einem\n"
    "leeren, unbenannten Dokument. Gibt es DATEI noch nicht, wohl aber ihren Ordner, beginnt\n"
    "er mit einem leeren Dokument dieses Namens, das „Speichern“ dort anlegt.\n"
    "\n"
    "  +N                  die Einfügemarke an den Anfang der Zeile N setzen; CR LF, CR und\n"
    "                      LF beenden je eine Zeile. Ohne N oder hinter der letzten Zeile:\n"
    "                      die letzte Zeile\n"
    "  -p DATEI            DATEI auf dem Standarddrucker drucken und enden\n"
    "  -pt DRUCKER DATEI   DATEI auf DRUCKER drucken und enden\n"
    "  --pdf AUSGABE.pdf DATEI\n"
    "                      DATEI in die PDF-Datei AUSGABE.pdf (A4) drucken und enden\n"
    "  --wiederherstellen  die abgelegten ungesicherten Texte auflisten (Pfad, Stand, Größe)\n"
    "  --help              diese Hilfe anzeigen\n"
    "  --version           Versionsnummer anzeigen\n"
    "\n"
    "Gedruckt wird ohne Fenster und ohne grafische Anzeige, mit den gespeicherten\n"
    "Einstellungen der Ansicht. -p und -pt gelten auch groß geschrieben; -Embedding und\n"
    "-Automation starten ohne den Tipp des Tages. Ein Argument, das mit „+“ beginnt, ist nie\n"
    "eine Datei (eine solche Datei heißt ./+NAME).\n"
    "\n"
    "Rückgabewert: 0, wenn der Editor geschlossen wurde oder das Drucken gelang, sonst 1.\n"
    "Mehr in „man venkora“.\n";
inline constexpr std::string_view kVersion = "venkora %1\n";
// Behind "venkora: " on standard error: the usage or version could not be written (%1 is the
// system's reason), and a "+..." argument that names no line (%1), which the start passes over.
inline constexpr std::string_view kStandardOutputFailed = "Die Standardausgabe kann nicht geschrieben werden: %1.";
inline constexpr std::string_view kNoLineNumber =
    "„%1“ ist keine Zeilennummer (+N mit N ab 1) und wird übergangen.";

// --- A project's .editorconfig in the editor (app/CQuendelDoc, app/CQuendelView) ------------

// In the message pane: the text was brought to the project's conventions before saving (%1
// names them as .editorconfig does, separated by ", "); it would then pass the limit (%1 is
// kTextLimit) and was saved unchanged; an .editorconfig the document follows cannot be read
// (%1 is its name, %2 the line) or is no regular file (%1 is its name).
inline constexpr std::string_view kConformedForSaving = "Vor dem Speichern nach .editorconfig angepasst: %1.";
inline constexpr std::string_view kConformedTooLong =
    "Nach .editorconfig angepasst wäre der Text länger als %1 Bytes; er wird unverändert gespeichert.";
inline constexpr std::string_view kEditorConfigWrong =
    "„%1“ ist in Zeile %2 fehlerhaft; für dieses Dokument gilt kein .editorconfig.";
inline constexpr std::string_view kEditorConfigNotRegular =
    "„%1“ ist keine gewöhnliche Datei; für dieses Dokument gilt kein .editorconfig.";

// --- Unsaved text kept for a crash (app/RecoveryKeeper) ------------------------------------

// At start-up, for the unsaved text of an editor that ended without saving: %1 is the document's
// name, %2 when its text was kept (TT.MM.JJJJ HH:MM).
inline constexpr std::string_view kRestoreQuestion =
    "Venkora wurde nicht ordnungsgemäß beendet. Ungesicherte Änderungen an „%1“ (Stand %2) "
    "wiederherstellen?";
inline constexpr std::string_view kRestoreTime = "dd.MM.yyyy HH:mm";  // QDateTime's format
// A recovery file that cannot be read as one (%1) was put aside under the name %2.
inline constexpr std::string_view kRestoreDamaged =
    "Die Wiederherstellungsdatei „%1“ ist beschädigt und wurde als „%2“ beiseitegelegt.";
// In the status line, once, when the unsaved text cannot be kept (%1 the reason).
inline constexpr std::string_view kRecoveryWriteFailed =
    "Ungesicherter Text kann nicht zur Wiederherstellung abgelegt werden: %1. Es wird später erneut versucht.";
// "venkora --wiederherstellen" on standard output: the folder (%1), and a line per file: its
// document (%1), when it was written (%2), its size in bytes (%3) and what it is (%4, one of the
// states below, or nothing).
inline constexpr std::string_view kRecoveryFolder = "Wiederherstellungsdateien in „%1“:\n";
inline constexpr std::string_view kRecoveryNone = "Keine Wiederherstellungsdateien in „%1“.\n";
inline constexpr std::string_view kRecoveryLine = "„%1“  Stand %2  %3 Bytes%4\n";
inline constexpr std::string_view kRecoveryRunning = "  (Venkora läuft noch)";
inline constexpr std::string_view kRecoveryDeclined = "  (verworfen)";
inline constexpr std::string_view kRecoveryDamagedState = "  (beschädigt)";

}  // namespace text

}  // namespace venkora
