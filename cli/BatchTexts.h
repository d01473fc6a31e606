#pragma once
// Every text venkora-optimieren shows, in German, in one place: the usage errors, the help, the
// file errors, the lines of -v and the warnings. "%1", "%2", ... stand for what Fill puts in
// (an option, a value, a file name, a reason); the „“ quotes around them belong to the texts.

#include <initializer_list>
#include <string>
#include <string_view>

namespace venkora {

struct BatchTexts {
    // `pattern` with "%1" to "%9" replaced by the arguments in that order.
    static std::string Fill(std::string_view pattern,
                            std::initializer_list<std::string_view> arguments);

    // Every line on standard error, %1 being the message.
    static constexpr std::string_view kMessage = "venkora-optimieren: %1\n";
    // Behind a usage error.
    static constexpr std::string_view kUsageHint =
        "„venkora-optimieren --help“ liefert weitere Informationen.\n";
    // --version, %1 being the version number.
    static constexpr std::string_view kVersion = "venkora-optimieren %1\n";
    // A file name, option or value named in a message.
    static constexpr std::string_view kQuoted = "„%1“";

    // Usage errors. %1 of an unknown or ambiguous option is the option as given ("-x",
    // "--leer"), %2 of an ambiguous one the options it may mean, each quoted, with ", ".
    static constexpr std::string_view kUnknownOption = "unbekannte Option „%1“";
    static constexpr std::string_view kAmbiguousOption =
        "Option „%1“ ist mehrdeutig; möglich sind %2";
    // %1 is the option's full name without its dashes.
    static constexpr std::string_view kTakesNoValue = "„--%1“ nimmt keinen Wert an";
    static constexpr std::string_view kNeedsValue = "„--%1“ braucht einen Wert";
    static constexpr std::string_view kExpectsSides =
        "„--%1“ erwartet anfang, ende oder beide, nicht „%2“";
    static constexpr std::string_view kExpectsLineBreaks =
        "„--zeilenumbrueche“ erwartet alle oder leerzeilen, nicht „%1“";
    static constexpr std::string_view kExpectsLineEnd =
        "„--zeilenende“ erwartet crlf, lf oder cr, nicht „%1“";
    static constexpr std::string_view kExpectsWidth =
        "„--breite“ erwartet eine ganze Zahl von 0 bis 255, nicht „%1“";
    static constexpr std::string_view kNeedsCharacter =
        "„--benutzerdefiniert“ braucht mindestens ein Zeichen";
    static constexpr std::string_view kSetExpectsAssignment =
        "„--set“ erwartet SCHLÜSSEL=WERT, nicht „%1“";
    static constexpr std::string_view kSetUnknownKey = "unbekannter Schlüssel „%1“ für „--set“";
    static constexpr std::string_view kSetExpectsNumber =
        "„--set %1“ erwartet eine ganze Zahl im 32-Bit-Bereich, nicht „%2“";
    static constexpr std::string_view kInPlaceAndCheck =
        "„--vor-ort“ und „--pruefen“ schließen einander aus";
    static constexpr std::string_view kInPlaceNeedsFile =
        "„--vor-ort“ braucht mindestens eine Datei";
    static constexpr std::string_view kInPlaceNotStandardInput =
        "„--vor-ort“ kann die Standardeingabe nicht überschreiben";
    static constexpr std::string_view kNullNeedsCheck = "„--null“ gilt nur mit „--pruefen“";

    // Files. %1 of the failures is how the file is named (kQuoted or a standard stream), %2
    // a reason or statement worded by the core ("keine Berechtigung", "ist ein Verzeichnis").
    static constexpr std::string_view kStandardInput = "Standardeingabe";
    static constexpr std::string_view kStandardOutput = "Standardausgabe";
    static constexpr std::string_view kCannotRead = "%1: kann nicht gelesen werden: %2";
    static constexpr std::string_view kCannotWrite = "%1: kann nicht geschrieben werden: %2";
    static constexpr std::string_view kFileStatement = "%1: %2";
    static constexpr std::string_view kOutOfMemory =
        "nicht genug Arbeitsspeicher, um den Text zu bearbeiten";
    static constexpr std::string_view kReadingStandardInput =
        "lese Text von der Standardeingabe (Ende mit Strg+D)";

    // --editorconfig: what keeps a file from being processed. %1 of the first two is the
    // .editorconfig as the library names it, %2 of the first the number of its wrong line; %1
    // of the third the reason.
    static constexpr std::string_view kEditorConfigWrong =
        "Zeile %2 von „%1“ ist fehlerhaft; die Datei bleibt unbearbeitet";
    static constexpr std::string_view kEditorConfigNotRegular =
        "„%1“ ist keine gewöhnliche Datei; die Datei bleibt unbearbeitet";
    static constexpr std::string_view kNoWorkingDirectory =
        "das Arbeitsverzeichnis ist nicht zu ermitteln (%1); die Datei bleibt unbearbeitet";
    // With -v at the end of the run, %1 being the properties as "name = value", with ", ".
    static constexpr std::string_view kNotApplied = "Aus .editorconfig nicht angewandt: %1\n";

    // -v: %1 names the file, %2 is its kind.
    static constexpr std::string_view kCrLfText = "CR-LF-Text";
    static constexpr std::string_view kLfText = "LF-Text";
    static constexpr std::string_view kCrText = "CR-Text";
    static constexpr std::string_view kChanged = "%1: %2, geändert";
    static constexpr std::string_view kUnchanged = "%1: %2, unverändert";

    // --gespeichert: %1 is the settings file, %2 the reason.
    static constexpr std::string_view kSettingsUnreadable =
        "Warnung: Die gespeicherten Einstellungen in „%1“ können nicht gelesen werden (%2); es "
        "gelten die Vorgaben.";

    // --help; %1 stands for the lines that list the stored keys.
    static constexpr std::string_view kHelp =
        "Aufruf: venkora-optimieren [OPTIONEN] [DATEI ...]\n"
        "\n"
        "Optimiert Textdateien: löscht überflüssige Leerzeichen, Tabulatoren und eine frei\n"
        "gewählte Zeichenfolge an Zeilenanfängen und Zeilenenden, löscht Zeilenumbrüche und\n"
        "wandelt Tabulatoren in Leerzeichen oder Leerzeichen in Tabulatoren um.\n"
        "Jede Datei wird nach ihren eigenen Zeilenenden gelesen: Enthält sie LF, aber kein CR\n"
        "(Unix), ist jedes LF ein Zeilenumbruch; enthält sie CR, aber kein LF (altes Mac OS),\n"
        "jedes CR; sonst (Windows, gemischt oder ohne Zeilenende) sind es die Bytepaare CR LF\n"
        "und LF CR. Enthält die Zeichenfolge von --benutzerdefiniert ein CR oder LF, gilt für\n"
        "jede Datei die Regel der Bytepaare. Ohne DATEI oder mit „-“ wird die Standardeingabe\n"
        "gelesen; das Ergebnis geht auf die Standardausgabe.\n"
        "\n"
        "Löschen:\n"
        "  --leerzeichen=anfang|ende|beide\n"
        "                      Leerzeichen am Zeilenanfang, am Zeilenende oder an beiden\n"
        "  --tabulatoren=anfang|ende|beide\n"
        "                      Tabulatoren am Zeilenanfang, am Zeilenende oder an beiden\n"
        "  --zeilenumbrueche=alle|leerzeilen\n"
        "                      alle Zeilenumbrüche oder nur die von Leerzeilen\n"
        "  --benutzerdefiniert=ZEICHEN\n"
        "                      die Zeichenfolge ZEICHEN an Zeilenanfang und Zeilenende\n"
        "  --benutzerdefiniert-an=anfang|ende|beide\n"
        "                      wo ZEICHEN gelöscht wird (Vorgabe: beide)\n"
        "\n"
        "Umwandeln:\n"
        "  --tab-zu-leerz      jeden Tabulator in BREITE Leerzeichen\n"
        "  --leerz-zu-tab      je BREITE Leerzeichen in einen Tabulator\n"
        "  --ueberzaehlige-loeschen\n"
        "                      dabei die Leerzeichen hinter Tabulatoren löschen\n"
        "  --breite=N          BREITE für beide Umwandlungen, 0 bis 255 (Vorgabe: 2)\n"
        "\n"
        "Zeilenenden:\n"
        "  --zeilenende=crlf|lf|cr\n"
        "                      nach allen Regeln jedes Zeilenende in CR LF, LF oder CR\n"
        "                      umwandeln; von links gelesen ist ein Paar CR LF oder LF CR\n"
        "                      ein Zeilenende, jedes andere CR oder LF ebenso\n"
        "  --nur-crlf          jede Datei wie eine mit CR-LF-Zeilenenden lesen: nur die\n"
        "                      Bytepaare CR LF und LF CR sind Zeilenumbrüche\n"
        "\n"
        "EditorConfig:\n"
        "  --editorconfig      zu jeder Datei die Eigenschaften aus ihren .editorconfig-\n"
        "                      Dateien (gelesen mit libeditorconfig; der Pfad wie angegeben,\n"
        "                      vom Arbeitsverzeichnis aus) nach allen Optionen anwenden:\n"
        "                      trim_trailing_whitespace = true löscht alle Leerzeichen und\n"
        "                      Tabulatoren vor jedem CR und LF und am Textende;\n"
        "                      end_of_line = lf|crlf|cr wandelt die Zeilenenden um wie\n"
        "                      --zeilenende; insert_final_newline = true schließt einen\n"
        "                      nicht leeren Text mit einem Zeilenende ab (seiner Art, ohne\n"
        "                      jedes Zeilenende CR LF), false löscht die Zeilenenden am\n"
        "                      Textende; charset = utf-8 (ohne BOM) oder utf-8-bom wird nur\n"
        "                      mit -c geprüft, nie umgewandelt. Alle anderen Eigenschaften\n"
        "                      (indent_style, indent_size, tab_width, max_line_length, ...)\n"
        "                      bleiben unbeachtet; -v nennt sie am Ende je einmal. Die\n"
        "                      Standardeingabe hat keinen Pfad und damit keine Eigenschaften.\n"
        "                      Mit -c: je Datei eine Zeile „DATEI: Eigenschaft, ...“ mit den\n"
        "                      Eigenschaften, die sie verletzt; Rückgabewert 1, wenn eine\n"
        "                      Datei eine verletzt (ein Prüfer für CI)\n"
        "  --null              mit -c: jeden Namen mit einem NUL-Byte statt eines\n"
        "                      Zeilenendes abschließen und ohne Eigenschaften (für xargs -0)\n"
        "\n"
        "Gespeicherte Einstellungen:\n"
        "  --gespeichert       übernimmt alle Einstellungen des Dialogs „Optimieren“ aus\n"
        "                      der Einstellungsdatei des Editors, talberg/Venkora.conf in\n"
        "                      $XDG_CONFIG_HOME oder ~/.config; was dort fehlt, erhält\n"
        "                      seine Vorgabe\n"
        "  --set SCHLÜSSEL=WERT\n"
        "                      setzt eine Einstellung unter ihrem Namen im Abschnitt\n"
        "                      „OptimierenDlg“, z. B. --set \"Nur Leerzeilen=1\" oder\n"
        "                      --set \"Benutzerdef Zeichen=ab\". Zahlen als 32-Bit-Werte mit\n"
        "                      oder ohne Vorzeichen („Tabbreite“ behält die unteren 8 Bit);\n"
        "                      Groß- und Kleinschreibung des Namens zählt nicht.\n"
        "                      Schlüssel:\n"
        "%1"
        "\n"
        "Alle Optionen wirken in der angegebenen Reihenfolge; spätere überschreiben frühere.\n"
        "Lange Optionen dürfen abgekürzt werden, solange die Abkürzung eindeutig ist.\n"
        "\n"
        "Arbeitsweise:\n"
        "  -i, --vor-ort       jede Datei an Ort und Stelle neu schreiben; Rechte,\n"
        "                      Eigentümer, Gruppe und harte Verknüpfungen bleiben\n"
        "                      erhalten. Unveränderte Dateien bleiben unberührt. Bearbeitet\n"
        "                      ein anderer Aufruf die Datei gerade, wird auf ihn gewartet.\n"
        "      --nicht-warten  mit -i: eine Datei, die gerade ein anderer Aufruf bearbeitet,\n"
        "                      nicht abwarten, sondern als Fehler melden\n"
        "  -c, --pruefen       nichts schreiben, nur die Namen der Dateien ausgeben, die\n"
        "                      sich ändern würden (auch nur in ihren Zeilenenden), je einen\n"
        "                      in einer Zeile\n"
        "  -v, --ausfuehrlich  Statusmeldungen und zu jeder Datei ihre Art (CR-LF-, LF- oder\n"
        "                      CR-Text) und ob sie sich ändert auf die Standardfehlerausgabe\n"
        "                      schreiben\n"
        "  -h, --help          diese Hilfe anzeigen\n"
        "  -V, --version       Versionsnummer anzeigen\n"
        "  --                  alles Weitere sind Dateinamen\n"
        "\n"
        "Rückgabewerte:\n"
        "  0  erledigt\n"
        "  1  mit --pruefen: mindestens eine Datei würde sich ändern (oder verletzt mit\n"
        "     --editorconfig ihr charset)\n"
        "  2  falscher Aufruf\n"
        "  3  eine Datei konnte nicht gelesen oder geschrieben werden (mit --nicht-warten\n"
        "     auch: eine Datei war gerade in Bearbeitung; mit --editorconfig auch: eine\n"
        "     ihrer .editorconfig-Dateien ist fehlerhaft oder keine gewöhnliche Datei)\n";
};

}  // namespace venkora
