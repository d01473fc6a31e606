#pragma once
// Settings files written by hand in QSettings' INI format, each with one value looked up in it
// and what QSettings reads there as a string. QtIniReader has to read the same; the Qt tests
// check each sample against QSettings itself.

#include <optional>
#include <string_view>

namespace venkora {

struct IniSample {
    std::string_view file;
    std::string_view section;
    std::string_view key;
    std::optional<std::string_view> value;  // nullopt: no string there
};

using namespace std::string_view_literals;

inline constexpr IniSample kIniSamples[] = {
    // Names: raw UTF-8, Latin-1 and UTF-16 escapes, a blank, case, the top level.
    {"[A]\nH\xC3\xB6he=1\n", "A", "H\xC3\xB6he", "1"},
    {"[A]\nx%E4=2\n", "A", "x\xC3\xA4", "2"},
    {"[A]\ny%U00e4=3\n", "A", "Y\xC3\x84", "3"},
    {"[Gr%FC%DFe%20%U03A9]\nk=v\n", "Gr\xC3\xBC\xC3\x9F" "e \xCE\xA9", "k", "v"},
    {"[a]\nX=1\n", "A", "x", "1"},
    {"  [ B ]  \n  k = v \n", "B", "k", "v"},
    {"g=1\n[General]\nh=2\n", "", "h", "2"},
    {"[General]\nh=2\n", "General", "h", std::nullopt},
    {"[%General]\nk=3\n", "General", "k", "3"},
    {"[A]\nb\\c=1\n", "A", "b/c", "1"},
    {"[A%2]\nk=1\n", "A%2", "k", "1"},
    // Values: blanks, quotes, escapes, continued lines.
    {"[A]\nx= a \\t \n", "A", "x", "a \t"},
    {"[A]\nx=\" a \"\n", "A", "x", " a "},
    {"[A]\nx=\"a\" b \"c\"\n", "A", "x", "ab c"},
    {"[A]\nx=\"ab; \\\"x\\\"\\t=\xC3\xBC\"\n", "A", "x", "ab; \"x\"\t=\xC3\xBC"},
    {"[A]\nx=a=b\n", "A", "x", "a=b"},
    {"[A]\nx=a ; c\n", "A", "x", "a"},
    {"[A]\nx=\\x41\\x1g\\101\\0\n", "A", "x", "A\x01g" "A\0"sv},
    {"[A]\nx=\\xd83d\\xde00\n", "A", "x", "\xF0\x9F\x98\x80"},
    {"[A]\nx=\\xd83d\n", "A", "x", "?"},
    {"[A]\nx=\\q\\x\n", "A", "x", ""},
    {"[A]\nx=a\\\nb\n", "A", "x", "ab"},
    {"[A]\nx=\"a\nb\"\n", "A", "x", "a\nb"},
    {"[A]\nx=\n", "A", "x", ""},
    {"[A]\nx=@@x\n", "A", "x", "@x"},
    {"[A]\nx=@String(a\\0\\x62)\n", "A", "x", "a\0b"sv},
    {"[A]\nx=@Ding(1)\n", "A", "x", "@Ding(1)"},
    // No strings: lists and typed values.
    {"[A]\nx=a, b\n", "A", "x", std::nullopt},
    {"[A]\nx=@ByteArray(ab)\n", "A", "x", std::nullopt},
    {"[A]\nx=@Invalid()\n", "A", "x", std::nullopt},
    // Comments, line ends, repeats, malformed lines.
    {"[A]\n; x=1\n", "A", "x", std::nullopt},
    {"[A]\n#x=1\n", "A", "x", std::nullopt},
    {"[A]\r\nx=1\r\ny=2\r\n", "A", "y", "2"},
    {"\xEF\xBB\xBF[A]\nx=1\n", "A", "x", "1"},
    {"[A]\nx=1\nx=2\n", "A", "X", "2"},
    {"[A]\nMüll\n=1\n[B\nx=1\n", "B", "x", "1"},
    {"[A]\nMüll\n=1\n[B\nx=1\n", "A", "x", std::nullopt},
};

}  // namespace venkora
