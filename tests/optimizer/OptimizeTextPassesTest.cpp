// The optimizer pipeline on hand-made texts: the deletion groups, the conversions, their order,
// the status texts, NUL bytes and the default record. Every expected text is also checked
// against the reference in NaiveSweep.h, so the examples vouch for the reference as well.

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "NaiveSweep.h"
#include "TestText.h"
#include "optimizer/OptimizeOptions.h"
#include "optimizer/TextPasses.h"

namespace venkora {
namespace {

using namespace std::string_literals;
using test::Escaped;
using O = OptimizeOptions;
using Switch = std::int32_t OptimizeOptions::*;

// A record with the given 32-bit fields set to 1.
OptimizeOptions With(std::initializer_list<Switch> on, std::uint8_t width = 2,
                     std::string s = {}) {
    OptimizeOptions options;
    for (const Switch field : on) {
        options.*field = 1;
    }
    options.tabbreite = width;
    options.bendefZeichen = std::move(s);
    return options;
}

OptimizeOptions Set(OptimizeOptions options, Switch field, std::int32_t value) {
    options.*field = value;
    return options;
}

struct Outcome {
    std::string text;
    std::vector<std::string> statuses;
};

Outcome Engine(std::string text, const OptimizeOptions& options) {
    Outcome run{std::move(text), {}};
    OptimizeTextPasses(run.text, options, LineEndKindOf(run.text),
                       [&run](std::string_view status) { run.statuses.emplace_back(status); });
    return run;
}

Outcome Reference(std::string text, const OptimizeOptions& options) {
    Outcome run{std::move(text), {}};
    naive::OptimizeTextPasses(run.text, options, LineEndKindOf(run.text), run.statuses);
    return run;
}

struct Row {
    const char* what;
    std::string input;
    OptimizeOptions options;
    std::string expected;
};

void CheckRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.what) + ": input " + Escaped(row.input) + ", " +
                     test::Describe(row.options));
        EXPECT_EQ(Engine(row.input, row.options).text, row.expected);
        EXPECT_EQ(Reference(row.input, row.options).text, row.expected)
            << "the reference disagrees with the example";
    }
}

TEST(OptimizeTextPasses, DeletesSpacesAndTabsAtLineEdges) {
    CheckRows({
        {"trailing spaces, however many", "ab   \r\ncd", With({&O::leerz, &O::leerzEnde}),
         "ab\r\ncd"},
        {"leading spaces", "\r\n  x", With({&O::leerz, &O::leerzAnf}), "\r\nx"},
        {"start and end of the text are no line breaks", "  ab  \r\n  cd  ",
         With({&O::leerz, &O::leerzAnf, &O::leerzEnde}), "  ab\r\ncd  "},
        {"end side only", "  ab  \r\n  cd  ", With({&O::leerz, &O::leerzEnde}),
         "  ab\r\n  cd  "},
        {"start side only", "  ab  \r\n  cd  ", With({&O::leerz, &O::leerzAnf}),
         "  ab  \r\ncd  "},
        {"group on with no side chosen", "a \r\n b", With({&O::leerz, &O::tab}), "a \r\n b"},
        {"a line of spaces is emptied, not removed", "a\r\n   \r\nb",
         With({&O::leerz, &O::leerzEnde}), "a\r\n\r\nb"},
        {"mixed white space at a line end: the space rule stops at the tab", "ab \t \r\ncd",
         With({&O::leerz, &O::leerzEnde, &O::tab, &O::tabEnde}), "ab \r\ncd"},
        {"spaces go first, so a tab behind them can go next", "ab\t \r\ncd",
         With({&O::leerz, &O::leerzEnde, &O::tab, &O::tabEnde}), "ab\r\ncd"},
        {"mixed white space at a line start", "x\r\n \t y",
         With({&O::leerz, &O::leerzAnf, &O::tab, &O::tabAnf}), "x\r\n y"},
        {"tabs at both sides", "a\t\t\r\n\t\tb", With({&O::tab, &O::tabAnf, &O::tabEnde}),
         "a\r\nb"},
        {"the space group leaves tabs alone", "a\t\r\n\tb",
         With({&O::leerz, &O::leerzAnf, &O::leerzEnde}), "a\t\r\n\tb"},
        {"LF CR line ends", "a\n\r b \n\rc", With({&O::leerz, &O::leerzAnf, &O::leerzEnde}),
         "a\n\rb\n\rc"},
        {"LF CR line ends, tabs", "a\t\t\n\r\t\tb", With({&O::tab, &O::tabAnf, &O::tabEnde}),
         "a\n\rb"},
        {"CR LF followed by CR holds an LF CR break too", "a \r\n\r b",
         With({&O::leerz, &O::leerzAnf, &O::leerzEnde}), "a\r\n\rb"},
        {"CR LF rule before LF CR rule: a break formed later stays behind a space",
         " \r \n\r", With({&O::leerz, &O::leerzEnde}), " \r\n\r"},
        {"CR LF rule before LF CR rule: a break formed later stays in front of a space",
         "\r\n \r ", With({&O::leerz, &O::leerzAnf}), "\r\n\r"},
        {"CR LF rule before LF CR rule, tabs", "\t\r\t\n\r", With({&O::tab, &O::tabEnde}),
         "\t\r\n\r"},
        {"lone LF and lone CR are no line breaks", "a \n b\t\r\tc \rd\t\ne",
         With({&O::leerz, &O::leerzAnf, &O::leerzEnde, &O::tab, &O::tabAnf, &O::tabEnde}),
         "a \n b\t\r\tc \rd\t\ne"},
    });
}

TEST(OptimizeTextPasses, DeletesLineBreaks) {
    const OptimizeOptions all = With({&O::zeilenumbruch});
    const OptimizeOptions onlyEmpty = With({&O::zeilenumbruch, &O::nurLeerzeilen});
    CheckRows({
        {"all: lines are joined", "a\r\nb\r\nc", all, "abc"},
        {"all: LF CR too", "a\n\rb\r\nc", all, "abc"},
        {"all: CR LF pairs that meet are deleted too", "a\r\r\n\nb", all, "ab"},
        {"all: LF CR pairs that meet are deleted too", "a\n\n\r\rb", all, "ab"},
        {"all: CR LF goes first and takes the LF of an LF CR", "a\r\n\rb", all, "a\rb"},
        {"all: CR LF goes first and takes the CR of an LF CR", "a\n\r\nb", all, "a\nb"},
        {"all: lone LF and lone CR stay", "a\nb\rc", all, "a\nb\rc"},
        {"all, with trailing spaces deleted first", "ab  \r\ncd",
         With({&O::leerz, &O::leerzEnde, &O::zeilenumbruch}), "abcd"},
        {"all, without the space group", "ab  \r\ncd", all, "ab  cd"},
        {"only empty lines: a run of CR LF shrinks to one", "a\r\n\r\n\r\nb", onlyEmpty,
         "a\r\nb"},
        {"only empty lines: one break stays at each edge", "\r\n\r\na\r\n\r\n", onlyEmpty,
         "\r\na\r\n"},
        {"only empty lines: single breaks stay", "a\r\nb\n\rc", onlyEmpty, "a\r\nb\n\rc"},
        {"only empty lines: two LF CR stay", "a\n\r\n\rb", onlyEmpty, "a\n\r\n\rb"},
        {"only empty lines: three LF CR give two", "a\n\r\n\r\n\rb", onlyEmpty, "a\n\r\n\rb"},
        {"only empty lines: four LF CR give two", "a\n\r\n\r\n\r\n\rb", onlyEmpty,
         "a\n\r\n\rb"},
        {"only empty lines: five LF CR give two", "a\n\r\n\r\n\r\n\r\n\rb", onlyEmpty,
         "a\n\r\n\rb"},
        {"only empty lines: six LF CR give two", "a\n\r\n\r\n\r\n\r\n\r\n\rb", onlyEmpty,
         "a\n\r\n\rb"},
        {"only empty lines: a line of spaces is not empty", "a\r\n   \r\nb", onlyEmpty,
         "a\r\n   \r\nb"},
        {"only empty lines: after the space group emptied the line", "a\r\n   \r\nb",
         With({&O::leerz, &O::leerzEnde, &O::zeilenumbruch, &O::nurLeerzeilen}), "a\r\nb"},
        {"only empty lines: after the tab group emptied the line", "a\r\n\t\t\r\nb",
         With({&O::tab, &O::tabAnf, &O::zeilenumbruch, &O::nurLeerzeilen}), "a\r\nb"},
    });
}

TEST(OptimizeTextPasses, LineBreakChoiceOtherThanZeroOrOneDeletesNothing) {
    for (const std::int32_t choice : {2, -1, 256, 257, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(choice);
        const Outcome run = Engine("a\r\n\r\nb\n\rc", Set(With({&O::zeilenumbruch}),
                                                      &O::nurLeerzeilen, choice));
        EXPECT_EQ(run.text, "a\r\n\r\nb\n\rc");
        EXPECT_EQ(run.statuses, std::vector<std::string>{"Lösche Zeilenumbrüche..."});
    }
}

TEST(OptimizeTextPasses, DeletesUserStringAtLineEdges) {
    CheckRows({
        {"a string of several bytes, repeatedly", "\r\nababx",
         With({&O::bendef, &O::bendefAnf}, 2, "ab"), "\r\nx"},
        {"both sides, whole copies only", "\r\naba\r\n",
         With({&O::bendef, &O::bendefAnf, &O::bendefEnde}, 2, "ab"), "\r\na\r\n"},
        {"the first line has no break in front of it", "**x**\r\n**y**\r\n",
         With({&O::bendef, &O::bendefAnf, &O::bendefEnde}, 2, "*"), "**x\r\ny\r\n"},
        {"parts of the string stay", "xb\r\naxb",
         With({&O::bendef, &O::bendefAnf, &O::bendefEnde}, 2, "ab"), "xb\r\naxb"},
        {"LF CR line ends", "ab\n\rabx",
         With({&O::bendef, &O::bendefAnf, &O::bendefEnde}, 2, "ab"), "\n\rx"},
        {"end side only", "ab\r\nabx", With({&O::bendef, &O::bendefEnde}, 2, "ab"), "\r\nabx"},
        {"group on with no side chosen", "ab\r\nab", With({&O::bendef}, 2, "ab"), "ab\r\nab"},
        {"a string that overlaps itself", "\r\naaax",
         With({&O::bendef, &O::bendefAnf}, 2, "aa"), "\r\nax"},
        {"a string made of a line break byte", "a\r\n\n\nb",
         With({&O::bendef, &O::bendefAnf}, 2, "\n"), "a\r\nb"},
        {"start rules run before end rules", "a\r\n\rb",
         With({&O::bendef, &O::bendefAnf, &O::bendefEnde}, 2, "\r"), "a\r\nb"},
        {"a string that is a line break", "a\r\n\r\n\r\nb",
         With({&O::bendef, &O::bendefAnf}, 2, "\r\n"), "a\r\nb"},
        {"CR LF rule before LF CR rule, end side", "x\rx\n\r",
         With({&O::bendef, &O::bendefEnde}, 2, "x"), "x\r\n\r"},
        {"CR LF rule before LF CR rule, start side", "\r\nx\rx",
         With({&O::bendef, &O::bendefAnf}, 2, "x"), "\r\n\r"},
        {"one space does what the trailing space rule does", "ab   \r\ncd",
         With({&O::bendef, &O::bendefEnde}, 2, " "), "ab\r\ncd"},
        {"one space, but after the tab group", "a \t \r\nb",
         With({&O::tab, &O::tabEnde, &O::bendef, &O::bendefEnde}, 2, " "), "a \t\r\nb"},
        {"the space group instead, before the tab group", "a \t \r\nb",
         With({&O::leerz, &O::leerzEnde, &O::tab, &O::tabEnde}), "a \r\nb"},
        {"one space, but after the line breaks went", "ab  \r\ncd",
         With({&O::zeilenumbruch, &O::bendef, &O::bendefEnde}, 2, " "), "ab  cd"},
    });
}

// The examples with "^" for the line end, in CR LF, LF and CR texts alike: an LF or CR text gives
// what its CR LF twin gives, with its own line ends; a lone LF or CR there is a line break.
TEST(OptimizeTextPasses, LfAndCrTextsGoAsTheirCrLfTwins) {
    const OptimizeOptions spacesEnd = With({&O::leerz, &O::leerzEnde});
    const OptimizeOptions userBoth = With({&O::bendef, &O::bendefAnf, &O::bendefEnde}, 2, "ab");
    const std::vector<Row> rows = {
        {"start and end of the text are no line breaks", "  ab  ^  cd  ",
         With({&O::leerz, &O::leerzAnf, &O::leerzEnde}), "  ab^cd  "},
        {"the space rule stops at the tab", "ab \t ^cd",
         With({&O::leerz, &O::leerzEnde, &O::tab, &O::tabEnde}), "ab ^cd"},
        {"mixed blanks at a line start", "x^ \t y",
         With({&O::leerz, &O::leerzAnf, &O::tab, &O::tabAnf}), "x^ y"},
        {"a line of spaces is emptied, not removed", "a^   ^b", spacesEnd, "a^^b"},
        {"only empty lines, one break stays at each edge", "^^a^^^b^^",
         With({&O::zeilenumbruch, &O::nurLeerzeilen}), "^a^b^"},
        {"only empty lines after the spaces went", "a^   ^b",
         With({&O::leerz, &O::leerzEnde, &O::zeilenumbruch, &O::nurLeerzeilen}), "a^b"},
        {"all line breaks, trailing spaces first", "ab  ^cd^^e",
         Set(spacesEnd, &O::zeilenumbruch, 1), "abcde"},
        {"the user string whole and repeatedly", "^ababx^aba^", userBoth, "^x^a^"},
        {"one space as the user string comes after the tabs", "a \t ^b",
         With({&O::tab, &O::tabEnde, &O::bendef, &O::bendefEnde}, 2, " "), "a \t^b"},
        {"conversions after the deletions", "   a   ^   b   ",
         With({&O::leerz, &O::leerzAnf, &O::leerzEnde, &O::leerzZuTab, &O::loescheUeberz}),
         "\ta^b\t"},
    };
    for (const LineEndKind kind : {LineEndKind::CrLf, LineEndKind::Lf, LineEndKind::Cr}) {
        std::vector<Row> placed = rows;
        for (Row& row : placed) {
            for (std::string* text : {&row.input, &row.expected}) {
                for (std::size_t at; (at = text->find('^')) != std::string::npos;) {
                    text->replace(at, 1, LineEndBytes(kind));
                }
            }
            EXPECT_EQ(LineEndKindOf(row.input), kind) << row.what;
        }
        CheckRows(placed);
    }
    // While the user string holds CR or LF, a text goes by the CR LF rules as it is.
    const OptimizeOptions userString = With({&O::leerz, &O::leerzEnde, &O::bendef}, 2, "x\r");
    CheckRows({{"LF text, string with CR", "a \nb", userString, "a \nb"},
               {"CR text, string with CR", "a \rb", userString, "a \rb"},
               {"string without CR", "a \rb", Set(userString, &O::bendef, 0), "a\rb"}});
}

TEST(OptimizeTextPasses, EmptyUserStringDeletesNothing) {
    const Outcome run = Engine("a\r\nb\n\rc", With({&O::bendef, &O::bendefAnf, &O::bendefEnde}));
    EXPECT_EQ(run.text, "a\r\nb\n\rc");
    EXPECT_EQ(run.statuses, std::vector<std::string>{"Lösche benutzerdefinierte Zeichen..."});
}

TEST(OptimizeTextPasses, ConvertsTabsAndSpaces) {
    CheckRows({
        {"a tab becomes two spaces by default", "a\tb", With({&O::tabZuLeerz}), "a  b"},
        {"six spaces, width 4", "a      b", With({&O::leerzZuTab}, 4), "a\t  b"},
        {"six spaces, width 4, surplus deleted", "a      b",
         With({&O::leerzZuTab, &O::loescheUeberz}, 4), "a\tb"},
        {"surplus deletion only behind tabs", "a\t  b   c",
         With({&O::leerzZuTab, &O::loescheUeberz}, 4), "a\tb   c"},
        {"spaces that stood behind a tab before", "a\t b",
         With({&O::leerzZuTab, &O::loescheUeberz}, 4), "a\tb"},
        {"a run is cut from its left end", "a       b", With({&O::leerzZuTab}, 3), "a\t\t b"},
        {"a run shorter than the width stays", "a   b", With({&O::leerzZuTab}, 4), "a   b"},
        {"a run shorter than the width stays, surplus deletion on", "a   b",
         With({&O::leerzZuTab, &O::loescheUeberz}, 4), "a   b"},
        {"width 0: tabs are deleted", "\ta\t\tb\t", With({&O::tabZuLeerz}, 0), "ab"},
        {"width 0: spaces stay", "a  b ", With({&O::leerzZuTab}, 0), "a  b "},
        {"width 0: surplus deletion still works", "a\t  b  c",
         With({&O::leerzZuTab, &O::loescheUeberz}, 0), "a\tb  c"},
        {"width 1: a tab becomes one space", "a\tb\t\tc", With({&O::tabZuLeerz}, 1), "a b  c"},
        {"width 1: every space becomes a tab", "a  b c", With({&O::leerzZuTab}, 1),
         "a\t\tb\tc"},
        {"width 255: a tab becomes 255 spaces", "\t", With({&O::tabZuLeerz}, 255),
         std::string(255, ' ')},
        {"width 255: 300 spaces", std::string(300, ' '), With({&O::leerzZuTab}, 255),
         "\t" + std::string(45, ' ')},
        {"start and end of lines and of the text", "  a\r\n    ",
         With({&O::leerzZuTab}, 2), "\ta\r\n\t\t"},
        {"white space the deletion groups left standing", "   a   \r\n   b   ",
         With({&O::leerz, &O::leerzAnf, &O::leerzEnde, &O::leerzZuTab, &O::loescheUeberz}, 2),
         "\ta\r\nb\t"},
        {"after the line breaks went", "a \r\n b", With({&O::zeilenumbruch, &O::leerzZuTab}, 2),
         "a\tb"},
        {"both on: the tabs come back", "a\t\tb", With({&O::tabZuLeerz, &O::leerzZuTab}, 2),
         "a\t\tb"},
        {"both on, surplus deleted", "a   b",
         With({&O::tabZuLeerz, &O::leerzZuTab, &O::loescheUeberz}, 2), "a\tb"},
        {"both on: a tab and a space", "a\t b", With({&O::tabZuLeerz, &O::leerzZuTab}, 2),
         "a\t b"},
        {"surplus deletion alone does nothing", "a\t  b", With({&O::loescheUeberz}, 2),
         "a\t  b"},
        {"surplus deletion with tabs to spaces does nothing more", "a\t  b",
         With({&O::tabZuLeerz, &O::loescheUeberz}, 2), "a    b"},
    });
}

TEST(OptimizeTextPasses, NulBytesAreOrdinaryBytes) {
    CheckRows({
        {"a space behind a NUL", "a\0 \r\n\0b"s, With({&O::leerz, &O::leerzEnde}),
         "a\0\r\n\0b"s},
        {"text behind a NUL is processed", "\0ab  \r\n  cd"s,
         With({&O::leerz, &O::leerzAnf, &O::leerzEnde}), "\0ab\r\ncd"s},
        {"a NUL inside a break breaks it", "a \r\0\n b"s,
         With({&O::leerz, &O::leerzAnf, &O::leerzEnde, &O::zeilenumbruch}), "a \r\0\n b"s},
        {"NUL as the user string", "\0\0\r\n\0\0x"s,
         With({&O::bendef, &O::bendefAnf, &O::bendefEnde}, 2, "\0"s), "\r\nx"s},
        {"a user string with a NUL inside", "\r\na\0ba\0bc\r\na\0c"s,
         With({&O::bendef, &O::bendefAnf}, 2, "a\0b"s), "\r\nc\r\na\0c"s},
        {"NUL next to converted tabs", "\0\t\0"s, With({&O::tabZuLeerz}, 2), "\0  \0"s},
        {"NUL next to converted spaces", "\0  \0"s, With({&O::leerzZuTab}, 2), "\0\t\0"s},
        {"all line breaks between NULs", "\0\r\n\0"s, With({&O::zeilenumbruch}), "\0\0"s},
    });
}

const std::vector<std::string> kAllStatuses = {
    "Lösche Leerzeichen...",
    "Lösche Tabulatoren...",
    "Lösche Zeilenumbrüche...",
    "Lösche benutzerdefinierte Zeichen...",
};

TEST(OptimizeTextPasses, GroupsAnnounceThemselvesInOrderEvenWithNothingToDo) {
    const Outcome run = Engine("abc", With({&O::leerz, &O::tab, &O::zeilenumbruch, &O::bendef}, 2,
                                       "x"));
    EXPECT_EQ(run.text, "abc");
    EXPECT_EQ(run.statuses, kAllStatuses);
}

TEST(OptimizeTextPasses, EachGroupAnnouncesOnlyItself) {
    const std::pair<Switch, const std::string&> groups[] = {
        {&O::leerz, kAllStatuses[0]},
        {&O::tab, kAllStatuses[1]},
        {&O::zeilenumbruch, kAllStatuses[2]},
        {&O::bendef, kAllStatuses[3]},
    };
    for (const auto& [group, status] : groups) {
        SCOPED_TRACE(status);
        EXPECT_EQ(Engine("", With({group}, 2, "x")).statuses, std::vector<std::string>{status});
    }
}

TEST(OptimizeTextPasses, GroupsSwitchedOffDoNothingWhateverTheirSides) {
    OptimizeOptions options = With({&O::leerzAnf, &O::leerzEnde, &O::tabAnf, &O::tabEnde,
                                    &O::nurLeerzeilen, &O::bendefAnf, &O::bendefEnde},
                                   2, "x");
    const std::string text = "x \r\n x\t\r\n\tx\r\n\r\nx \n\r x\t\n\r\tx";
    for (const std::int32_t choice : {0, 1}) {
        options.nurLeerzeilen = choice;
        SCOPED_TRACE(test::Describe(options));
        const Outcome run = Engine(text, options);
        EXPECT_EQ(run.text, text);
        EXPECT_TRUE(run.statuses.empty());
    }
}

TEST(OptimizeTextPasses, ConversionsAnnounceNothing) {
    const Outcome run =
        Engine("a\t b  c", With({&O::tabZuLeerz, &O::leerzZuTab, &O::loescheUeberz}));
    EXPECT_EQ(run.text, "a\tb\tc");
    EXPECT_TRUE(run.statuses.empty());
}

TEST(OptimizeTextPasses, AnyNonZeroSwitchValueMeansOn) {
    // Every switch below has something to do in this text.
    const std::string text = "a \r\n b\t\r\n\tc\r\n\r\n*d*\r\ne  f\t g";
    const Switch switches[] = {&O::leerz, &O::leerzAnf, &O::leerzEnde, &O::tab, &O::tabAnf,
                               &O::tabEnde, &O::zeilenumbruch, &O::bendef, &O::bendefAnf,
                               &O::bendefEnde, &O::leerzZuTab, &O::loescheUeberz};
    for (const std::int32_t on : {1, -1, 2, 256, 65536, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(on);
        OptimizeOptions options = With({&O::nurLeerzeilen}, 2, "*");
        for (const Switch field : switches) {
            options.*field = on;
        }
        const Outcome run = Engine(text, options);
        EXPECT_EQ(run.text, "a\r\nb\r\nc\r\nd\r\ne\tf\tg");
        EXPECT_EQ(run.statuses, kAllStatuses);
    }
}

TEST(OptimizeTextPasses, TabsToSpacesRunsWhateverTheValueOfItsSwitch) {
    for (const std::int32_t on : {-1, 256, INT_MIN}) {
        SCOPED_TRACE(on);
        EXPECT_EQ(Engine("a\tb", Set(O{}, &O::tabZuLeerz, on)).text, "a  b");
    }
}

TEST(OptimizeTextPasses, RangeChoiceDoesNotMatter) {
    const OptimizeOptions options = With({&O::leerz, &O::leerzEnde, &O::zeilenumbruch});
    for (const std::int32_t range : {0, 1, -1}) {
        EXPECT_EQ(Engine("a \r\nb", Set(options, &O::bereich, range)).text, "ab");
    }
}

TEST(OptimizeTextPasses, WorksWithoutStatusSink) {
    std::string text = " a \r\n\t b\t\r\n\r\n";
    OptimizeTextPasses(text, With({&O::leerz, &O::leerzAnf, &O::leerzEnde, &O::tab,
                                   &O::tabAnf, &O::tabEnde, &O::zeilenumbruch,
                                   &O::nurLeerzeilen, &O::bendef},
                                  2, "b"), LineEndKind::CrLf);
    EXPECT_EQ(text, " a\r\n b\r\n");
}

TEST(OptimizeTextPasses, EmptyTextStaysEmpty) {
    OptimizeOptions options = With({&O::leerz, &O::leerzAnf, &O::leerzEnde, &O::tab,
                                    &O::tabAnf, &O::tabEnde, &O::zeilenumbruch, &O::bendef,
                                    &O::bendefAnf, &O::bendefEnde, &O::tabZuLeerz,
                                    &O::leerzZuTab, &O::loescheUeberz},
                                   1, " ");
    EXPECT_EQ(Engine("", options).text, "");
}

// The entry for a text that must stay as it is (a mapped file): it says whether the result is in
// the result string or is the source itself, copies nothing the rules leave alone, and never
// outgrows a result reserved to OptimizedSizeBound.
TEST(OptimizeText, LeavesTheSourceAndSaysWhereTheResultIs) {
    const OptimizeOptions blanks =
        With({&O::leerz, &O::leerzAnf, &O::leerzEnde, &O::tab, &O::tabAnf, &O::tabEnde});
    struct Case {
        const char* what;
        std::string source;
        OptimizeOptions options;
        bool inResult;
        std::string expected;
    };
    const Case cases[] = {
        {"no switch", " a \r\n", OptimizeOptions{}, false, " a \r\n"},
        {"nothing to delete", " a\r\nb \t", blanks, false, " a\r\nb \t"},
        {"blanks deleted", "a\t \r\n \tb", blanks, true, "a\r\nb"},
        {"a lone LF next to a blank line", "x \n \r\n", blanks, true, "x\n\r\n"},
        {"a pass that works in place", "a\r\nb", With({&O::zeilenumbruch}), true, "ab"},
        {"tabs widened after blanks went", " \r\n\t\ta\t\tb \r\n",
         Set(blanks, &O::tabZuLeerz, 1), true, "\r\na    b\r\n"},
        {"tabs widened in the source", "\t\t", With({&O::tabZuLeerz}, 8), true,
         std::string(16, ' ')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string source = c.source;
        std::string result;
        result.reserve(OptimizedSizeBound(source, c.options));
        const char* reserved = result.data();
        const bool inResult = OptimizeText(source, result, c.options, LineEndKindOf(source));
        EXPECT_EQ(source, c.source);
        EXPECT_EQ(inResult, c.inResult);
        EXPECT_EQ(inResult ? result : source, c.expected);
        EXPECT_EQ(result.data(), reserved) << "the result was reallocated";
        if (!inResult) {
            EXPECT_EQ(result, "");
        }
    }
}

TEST(OptimizeOptions, FreshRecordHasEverythingOffAndWidthTwo) {
    const OptimizeOptions o;
    EXPECT_EQ(o.bendefZeichen, "");
    EXPECT_EQ(o.tabbreite, 2);
    const Switch switches[] = {&O::bendefAnf, &O::bendefEnde, &O::bendef, &O::leerzAnf,
                               &O::leerzEnde, &O::leerz, &O::bereich, &O::tabAnf, &O::tab,
                               &O::tabEnde, &O::zeilenumbruch, &O::nurLeerzeilen,
                               &O::leerzZuTab, &O::tabZuLeerz, &O::loescheUeberz};
    for (const Switch field : switches) {
        EXPECT_EQ(o.*field, 0);
    }
}

}  // namespace
}  // namespace venkora
