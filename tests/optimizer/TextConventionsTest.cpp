// The conventions of a .editorconfig as rules and checks: named texts, random texts against the
// conventions carried out one byte at a time, and trailing blanks against sed.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ProgramRunner.h"
#include "TestText.h"
#include "optimizer/TextConventions.h"

namespace venkora {
namespace {

// "t" trims; "l", "c", "r" ask for LF, CR LF, CR; "F" / "f" for a final line end or none; "u" /
// "U" for UTF-8 without or with a byte order mark.
TextConventions Conventions(std::string_view code) {
    TextConventions c;
    const auto has = [code](char letter) { return code.find(letter) != std::string_view::npos; };
    c.trimTrailingBlanks = has('t');
    using K = LineEndKind;
    if (has('l') || has('c') || has('r')) c.lineEnd = has('l') ? K::Lf : has('c') ? K::CrLf : K::Cr;
    if (has('F') || has('f')) c.finalLineEnd = has('F');
    using U = TextConventions::Utf8;
    if (has('u') || has('U')) c.utf8 = has('U') ? U::WithBom : U::WithoutBom;
    return c;
}

TEST(TextConventions, NamedTexts) {
    const struct { const char* code; std::string text, expected; const char* broken; } rows[] = {
        {"t", "a \t \nb\t\n \t", "a\nb\n", "t"},  // mixed runs, the last line too
        {"F", "a", "a\r\n", "f"},  // no line end: a CR LF text
        {"lF", "a\r\nb", "a\nb\n", "ef"},
        {"tF", "  ", "", "tf"},  // emptied: no line end
        {"u", "\xEF\xBB\xBF" "a", "\xEF\xBB\xBF" "a", "u"},  // checked, never changed
        {"u", "a\xE4", "a\xE4", "u"},
        {"U", "a", "a", "u"},
        {"U", "\xEF\xBB\xBF" "\xC3\xA4", "\xEF\xBB\xBF" "\xC3\xA4", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.code) + " " + test::Escaped(row.text));
        const BrokenConventions b = FindBrokenConventions(row.text, Conventions(row.code));
        EXPECT_EQ(std::string(b.trailingBlanks ? "t" : "") + (b.lineEnds ? "e" : "") +
                      (b.finalLineEnd ? "f" : "") + (b.utf8 ? "u" : ""), row.broken);
        std::string text = row.text;
        EXPECT_EQ(ApplyConventions(text, Conventions(row.code)), row.text != row.expected);
        EXPECT_EQ(text, row.expected);
    }
}

// All conventions on random texts: blanks deleted one at a time while one stands in front of a
// CR, an LF or the end, then the line ends converted, then the final line end.
TEST(TextConventions, RandomTextsFollowTheConventions) {
    std::mt19937_64 random(0xEC22);
    for (int i = 0; i < 6000; ++i) {
        std::string text(random() % (i < 5000 ? 10 : 200), ' ');
        for (char& c : text) c = "a \t\r\n"[random() % 5];
        const TextConventions conventions = Conventions(std::string(1, "tx"[random() % 2]) +
                                                        "lcrx"[random() % 4] + "Ffx"[random() % 3]);
        SCOPED_TRACE(test::Escaped(text) + " " + std::to_string(i));
        std::string expected = text;
        for (std::size_t at = 0; conventions.trimTrailingBlanks && at < expected.size();) {
            const bool blank = expected[at] == ' ' || expected[at] == '\t';
            const char next = at + 1 < expected.size() ? expected[at + 1] : '\n';
            at = blank && (next == '\r' || next == '\n') ? (expected.erase(at, 1), std::size_t{0})
                                                          : at + 1;
        }
        std::string converted;
        if (conventions.lineEnd && ConvertLineEnds(expected, *conventions.lineEnd, converted)) {
            expected = converted;
        }
        const std::size_t kept = expected.find_last_not_of("\r\n") + 1;  // 0 for none
        if (conventions.finalLineEnd == true && kept == expected.size() && kept > 0) {
            expected += LineEndBytes(conventions.lineEnd.value_or(LineEndKindOf(expected)));
        }
        if (conventions.finalLineEnd == false) expected.resize(kept);
        std::string result = text;
        EXPECT_EQ(ApplyConventions(result, conventions), expected != text);
        EXPECT_EQ(result, expected);
        EXPECT_EQ(FindBrokenConventions(text, conventions).AnyApplied(), expected != text);
        EXPECT_FALSE(FindBrokenConventions(result, conventions).Any());
    }
}

// trim_trailing_whitespace does what sed -E 's/[ \t]+$//' does to LF lines; in CR LF lines the
// blanks in front of the CR go. The last line counts, with or without a line end.
TEST(TextConventions, TrailingBlanksGoAsSedDeletesThem) {
    std::mt19937_64 random(0x5ED);
    const ProgramRunner sed("sed");
    for (int i = 0; i < 100; ++i) {
        std::string lf(random() % 400, ' ');
        for (char& c : lf) c = "ab \t\t  \n"[random() % 8];
        std::string crLf;
        for (const char c : lf) crLf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        for (const auto& [text, script] :
             {std::pair{lf, R"(s/[ \t]+$//)"}, {crLf, R"(s/[ \t]+(\r?)$/\1/)"}}) {
            SCOPED_TRACE(test::Escaped(text));
            const auto expected = sed.Run({"-E", script}, text);
            ASSERT_EQ(expected.exitCode, 0) << expected.err;
            std::string trimmed = text;
            ApplyConventions(trimmed, Conventions("t"));
            EXPECT_EQ(trimmed, expected.out);
        }
    }
}

}  // namespace
}  // namespace venkora
