// Command-line parsing of venkora-optimieren: option order, --set, --gespeichert, number
// ranges, modes and the usage errors.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "BatchOptions.h"
#include "optimizer/OptimizeOptionKey.h"
#include "core/MemoryProfileStore.h"

namespace venkora {
namespace {

using Result = std::variant<BatchOptions, BatchOptions::UsageError>;

Result ParseArgs(std::initializer_list<std::string_view> arguments) {
    const std::vector<std::string_view> list(arguments);
    return BatchOptions::Parse(list, [] {
        ADD_FAILURE() << "settings read without --gespeichert";
        return std::make_unique<MemoryProfileStore>();
    });
}

BatchOptions Parsed(std::initializer_list<std::string_view> arguments) {
    Result result = ParseArgs(arguments);
    if (const auto* error = std::get_if<BatchOptions::UsageError>(&result)) {
        ADD_FAILURE() << "unexpected usage error: " << error->message;
        return {};
    }
    return std::get<BatchOptions>(std::move(result));
}

std::string UsageErrorOf(std::initializer_list<std::string_view> arguments) {
    const Result result = ParseArgs(arguments);
    if (const auto* error = std::get_if<BatchOptions::UsageError>(&result)) return error->message;
    ADD_FAILURE() << "expected a usage error";
    return {};
}

OptimizeOptions WholeText() {
    OptimizeOptions options;
    options.bereich = 1;
    return options;
}

TEST(BatchOptions, NoArgumentsOptimizeStandardInputWithNothingSwitchedOn) {
    const BatchOptions batch = Parsed({});
    EXPECT_EQ(batch.request, BatchOptions::Request::Optimize);
    EXPECT_EQ(batch.optimize, WholeText());
    EXPECT_TRUE(batch.files.empty());
    EXPECT_FALSE(batch.inPlace || batch.check || batch.verbose);
}

TEST(BatchOptions, SideOptionsSetBothSidesExactly) {
    struct Case {
        std::string_view value;
        std::int32_t start;
        std::int32_t end;
    };
    for (const Case c : {Case{"anfang", 1, 0}, Case{"ende", 0, 1}, Case{"beide", 1, 1}}) {
        SCOPED_TRACE(c.value);
        const std::string leerz = "--leerzeichen=" + std::string(c.value);
        const std::string tab = "--tabulatoren=" + std::string(c.value);
        const std::string bendef = "--benutzerdefiniert-an=" + std::string(c.value);
        // Earlier --set values of 7 on both sides must not survive.
        const BatchOptions batch =
            Parsed({"--set", "LeerzAnf=7", "--set", "LeerzEnde=7", "--set", "TabAnf=7", "--set",
                    "TabEnde=7", "--set", "BendefAnf=7", "--set", "BendefEnde=7", leerz, tab,
                    bendef});
        const OptimizeOptions& o = batch.optimize;
        EXPECT_EQ(o.leerz, 1);
        EXPECT_EQ(o.tab, 1);
        EXPECT_EQ(o.bendef, 0) << "--benutzerdefiniert-an alone does not switch the group on";
        EXPECT_EQ(std::vector({o.leerzAnf, o.tabAnf, o.bendefAnf}),
                  std::vector({c.start, c.start, c.start}));
        EXPECT_EQ(std::vector({o.leerzEnde, o.tabEnde, o.bendefEnde}),
                  std::vector({c.end, c.end, c.end}));
    }
}

TEST(BatchOptions, LineBreakModes) {
    const BatchOptions alle = Parsed({"--set", "Nur Leerzeilen=5", "--zeilenumbrueche=alle"});
    EXPECT_EQ(alle.optimize.zeilenumbruch, 1);
    EXPECT_EQ(alle.optimize.nurLeerzeilen, 0);
    const BatchOptions leer = Parsed({"--zeilenumbrueche", "leerzeilen"});
    EXPECT_EQ(leer.optimize.zeilenumbruch, 1);
    EXPECT_EQ(leer.optimize.nurLeerzeilen, 1);
}

TEST(BatchOptions, UserDefinedStringAndItsSides) {
    // Without --benutzerdefiniert-an both sides; the string keeps every byte, '=' included.
    const BatchOptions plain = Parsed({"--benutzerdefiniert= a=b\t\xC3\xA4"});
    EXPECT_EQ(plain.optimize.bendef, 1);
    EXPECT_EQ(plain.optimize.bendefZeichen, " a=b\t\xC3\xA4");
    EXPECT_EQ(plain.optimize.bendefAnf, 1);
    EXPECT_EQ(plain.optimize.bendefEnde, 1);

    // Sides chosen before are kept, also by a second --benutzerdefiniert ...
    const BatchOptions before = Parsed({"--benutzerdefiniert-an=ende", "--benutzerdefiniert", "-x",
                                        "--benutzerdefiniert=y"});
    EXPECT_EQ(before.optimize.bendefZeichen, "y");
    EXPECT_EQ(before.optimize.bendefAnf, 0);
    EXPECT_EQ(before.optimize.bendefEnde, 1);

    // ... and sides chosen after override the default.
    const BatchOptions after = Parsed({"--benutzerdefiniert=-x", "--benutzerdefiniert-an=anfang"});
    EXPECT_EQ(after.optimize.bendefZeichen, "-x");
    EXPECT_EQ(after.optimize.bendefAnf, 1);
    EXPECT_EQ(after.optimize.bendefEnde, 0);
}

TEST(BatchOptions, LaterOptionsOverrideEarlierOnes) {
    EXPECT_EQ(Parsed({"--leerzeichen=beide", "--set", "Leerz=0"}).optimize.leerz, 0);
    EXPECT_EQ(Parsed({"--set", "Leerz=0", "--leerzeichen=beide"}).optimize.leerz, 1);
    EXPECT_EQ(Parsed({"--set", "Tabbreite=8", "--breite=3"}).optimize.tabbreite, 3);
    EXPECT_EQ(Parsed({"--breite=3", "--set", "Tabbreite=8"}).optimize.tabbreite, 8);
    EXPECT_EQ(Parsed({"--benutzerdefiniert=a", "--set", "Benutzerdef Zeichen="})
                  .optimize.bendefZeichen,
              "");
}

TEST(BatchOptions, SetTakesStoredKeysAndValues) {
    const BatchOptions batch =
        Parsed({"--set", "nUR lEERZEILEN=1", "--set=BENUTZERDEF ZEICHEN=a=b", "--set",
                "tab zu leerz=-13", "--set", "Tabbreite=300"});
    EXPECT_EQ(batch.optimize.nurLeerzeilen, 1);
    EXPECT_EQ(batch.optimize.bendefZeichen, "a=b");
    EXPECT_EQ(batch.optimize.tabZuLeerz, -13);
    EXPECT_EQ(batch.optimize.tabbreite, 44) << "Tabbreite keeps its low 8 bits";

    // Signed and unsigned spellings of the same 32 bits, at both ends of the range.
    const OptimizeOptionKey* leerz = FindOptimizeOptionKey("Leerz");
    ASSERT_NE(leerz, nullptr);
    struct Case {
        std::string_view value;
        std::uint32_t stored;
    };
    for (const Case c : {Case{"-13", 4294967283u}, Case{"4294967283", 4294967283u},
                         Case{"-2147483648", 0x80000000u}, Case{"+7", 7u}}) {
        SCOPED_TRACE(c.value);
        const std::string set = "Leerz=" + std::string(c.value);
        EXPECT_EQ(leerz->Integer(Parsed({"--set", set}).optimize), c.stored);
    }
}

TEST(BatchOptions, SetRejectsBadAssignments) {
    struct Case {
        std::string_view assignment;
        std::string_view named;  // what the message has to name
    };
    for (const Case c : {Case{"Leerz", "SCHLÜSSEL=WERT"}, Case{"Unbekannt=1", "„Unbekannt“"},
                         Case{"Bereich=1", "„Bereich“"}, Case{"Leerz=", "„“"},
                         Case{"Leerz=1x", "„1x“"}, Case{"Leerz=4294967296", "„4294967296“"},
                         Case{"Leerz=-2147483649", "„-2147483649“"}}) {
        SCOPED_TRACE(c.assignment);
        EXPECT_NE(UsageErrorOf({"--set", c.assignment}).find(c.named), std::string::npos);
    }
}

// Parses with a settings source that holds `store` and counts how often it is asked.
struct SavedParse {
    Result result;
    int reads = 0;
};

SavedParse ParseWithSaved(std::initializer_list<std::string_view> arguments,
                          const MemoryProfileStore& store) {
    SavedParse parse;
    const std::vector<std::string_view> list(arguments);
    parse.result = BatchOptions::Parse(list, [&] {
        ++parse.reads;
        return std::make_unique<MemoryProfileStore>(store);
    });
    return parse;
}

TEST(BatchOptions, SavedSettingsApplyWhereTheOptionStands) {
    MemoryProfileStore store;
    store.WriteString("optimierendlg", "LEERZ", "1");
    store.WriteString("OptimierenDlg", "LeerzEnde", "1");
    store.WriteString("OptimierenDlg", "Nur Leerzeilen", "4294967283");
    store.WriteString("OptimierenDlg", "Benutzerdef Zeichen", "#\xC3\xA4");
    store.WriteString("OptimierenDlg", "Tab", "ja");  // no number: the default
    store.WriteString("Anderswo", "Zeilenumbruch", "1");

    // Before: overridden by every stored switch, by the defaults where nothing is stored.
    const SavedParse before = ParseWithSaved(
        {"--tabulatoren=beide", "--breite=7", "--zeilenumbrueche=alle", "--gespeichert"}, store);
    ASSERT_TRUE(std::holds_alternative<BatchOptions>(before.result));
    const OptimizeOptions& o = std::get<BatchOptions>(before.result).optimize;
    EXPECT_EQ(o.leerz, 1);
    EXPECT_EQ(o.leerzAnf, 0);
    EXPECT_EQ(o.leerzEnde, 1);
    EXPECT_EQ(o.nurLeerzeilen, -13);
    EXPECT_EQ(o.bendefZeichen, "#\xC3\xA4");
    EXPECT_EQ(o.bendef, 0);
    EXPECT_EQ(o.tab, 0);
    EXPECT_EQ(o.tabAnf, 0);
    EXPECT_EQ(o.zeilenumbruch, 0);
    EXPECT_EQ(o.tabbreite, 2);
    EXPECT_EQ(o.bereich, 1);

    // After: later options win; the file is read once however often the option is given.
    const SavedParse after =
        ParseWithSaved({"--gespeichert", "--breite=7", "--leerzeichen=anfang", "--gespeichert",
                        "--set", "Leerz=0"},
                       store);
    ASSERT_TRUE(std::holds_alternative<BatchOptions>(after.result));
    EXPECT_EQ(std::get<BatchOptions>(after.result).optimize.tabbreite, 2);
    EXPECT_EQ(std::get<BatchOptions>(after.result).optimize.leerzEnde, 1);
    EXPECT_EQ(std::get<BatchOptions>(after.result).optimize.leerz, 0);
    EXPECT_EQ(after.reads, 1);

    // Nothing stored at all: every switch at its default.
    const SavedParse empty = ParseWithSaved({"--set", "Tab=1", "--gespeichert"}, {});
    ASSERT_TRUE(std::holds_alternative<BatchOptions>(empty.result));
    EXPECT_EQ(std::get<BatchOptions>(empty.result).optimize, WholeText());

    const SavedParse withValue = ParseWithSaved({"--gespeichert=ja"}, store);
    ASSERT_TRUE(std::holds_alternative<BatchOptions::UsageError>(withValue.result));
    EXPECT_EQ(std::get<BatchOptions::UsageError>(withValue.result).message,
              "„--gespeichert“ nimmt keinen Wert an");
    EXPECT_EQ(withValue.reads, 0);
}

TEST(BatchOptions, WidthIsAWholeNumberUpTo255) {
    EXPECT_EQ(Parsed({"--breite=0"}).optimize.tabbreite, 0);
    EXPECT_EQ(Parsed({"--breite=255"}).optimize.tabbreite, 255);
    EXPECT_EQ(Parsed({"--breite", "007"}).optimize.tabbreite, 7);
    for (std::string_view bad : {"256", "-1", "-0", "+7", "", "4x", "99999999999999999999999"}) {
        SCOPED_TRACE(bad);
        const std::string option = "--breite=" + std::string(bad);
        EXPECT_NE(UsageErrorOf({option}).find("„--breite“"), std::string::npos);
    }
}

TEST(BatchOptions, ModesAndFiles) {
    const BatchOptions inPlace = Parsed({"a", "-i", "--leerzeichen", "ende", "b"});
    EXPECT_TRUE(inPlace.inPlace);
    EXPECT_EQ(inPlace.files, (std::vector<std::string>{"a", "b"}));

    const BatchOptions bundled = Parsed({"-cv", "-", "x"});
    EXPECT_TRUE(bundled.check);
    EXPECT_TRUE(bundled.verbose);
    EXPECT_EQ(bundled.files, (std::vector<std::string>{"-", "x"}));

    // Behind "--" everything is a file name, "-" still meaning standard input.
    const BatchOptions ended = Parsed({"--pruefen", "--", "-i", "--help", "-"});
    EXPECT_FALSE(ended.inPlace);
    EXPECT_EQ(ended.request, BatchOptions::Request::Optimize);
    EXPECT_EQ(ended.files, (std::vector<std::string>{"-i", "--help", "-"}));

    EXPECT_TRUE(Parsed({"--vor-ort", "--ausfuehrlich", "f"}).verbose);
}

TEST(BatchOptions, UsageErrorsNameTheProblem) {
    struct Case {
        std::initializer_list<std::string_view> arguments;
        std::string_view named;
    };
    const Case cases[] = {
        {{"--leerzeichn=beide"}, "„--leerzeichn“"},
        {{"-cx"}, "„-x“"},
        {{"-xc"}, "„-x“"},
        {{"f", "-cä"}, "„-cä“"},  // a letter of more than one byte
        {{"--leer=ende"}, "„--leer“ ist mehrdeutig; möglich sind „--leerzeichen“, „--leerz-zu-"},
        {{"--v"}, "„--vor-ort“, „--version“"},
        {{"--pruef=ja"}, "„--pruefen“ nimmt keinen Wert an"},
        {{"--zeilenu"}, "„--zeilenumbrueche“ braucht einen Wert"},
        {{"--pruefen=ja"}, "„--pruefen“"},
        {{"--leerzeichen"}, "„--leerzeichen“ braucht einen Wert"},
        {{"--leerzeichen=links"}, "„links“"},
        {{"--tabulatoren=Anfang"}, "„Anfang“"},
        {{"--benutzerdefiniert-an=oben"}, "„oben“"},
        {{"--zeilenumbrueche=keine"}, "„keine“"},
        {{"--benutzerdefiniert="}, "„--benutzerdefiniert“"},
        {{"-i", "-c", "f"}, "„--pruefen“"},
        {{"--vor-ort"}, "mindestens eine Datei"},
        {{"-i", "f", "-"}, "Standardeingabe"},
        {{"--null", "f"}, "„--null“ gilt nur mit „--pruefen“"},
        {{"--nu"}, "„--nur-crlf“, „--null“"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(*c.arguments.begin());
        EXPECT_NE(UsageErrorOf(c.arguments).find(c.named), std::string::npos);
    }
}

TEST(BatchOptions, HelpAndVersionEndParsingWhereTheyStand) {
    EXPECT_EQ(Parsed({"-h"}).request, BatchOptions::Request::Help);
    EXPECT_EQ(Parsed({"-i", "--help"}).request, BatchOptions::Request::Help);
    EXPECT_EQ(Parsed({"--version", "--breite=x"}).request, BatchOptions::Request::Version);
    EXPECT_EQ(Parsed({"-cV", "--breite=x"}).request, BatchOptions::Request::Version);
    EXPECT_EQ(Parsed({"--vers"}).request, BatchOptions::Request::Version);
    EXPECT_NE(UsageErrorOf({"--breite=x", "--help"}).find("„x“"), std::string::npos);
}

}  // namespace
}  // namespace venkora
