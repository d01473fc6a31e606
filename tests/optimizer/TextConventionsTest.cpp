// The conventions of a .editorconfig as rules and checks: named texts, random texts against the
// conventions written out as plainly as possible, and trailing blanks against sed.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ProgramRunner.h"
#include "TestText.h"
#include "optimizer/TextConventions.h"

namespace venkora {
namespace {

using K = LineEndKind;

// "t" trims, "l", "c", "r" ask for LF, CR LF, CR, "F" / "f" for a final line end or none, "u" /
// "U" for UTF-8 without or with a byte order mark.
TextConventions Conventions(std::string_view code) {
    TextConventions c;
    for (const char letter : code) {
        if (letter == 't') c.trimTrailingBlanks = true;
        if (letter == 'l' || letter == 'c' || letter == 'r') {
            c.lineEnd = letter == 'l' ? K::Lf : letter == 'c' ? K::CrLf : K::Cr;
        }
        if (letter == 'F' || letter == 'f') c.finalLineEnd = letter == 'F';
        if (letter == 'u' || letter == 'U') {
            c.utf8 = letter == 'U' ? TextConventions::Utf8::WithBom : TextConventions::Utf8::WithoutBom;
        }
    }
    return c;
}

// The broken conventions by their letters, in the order t, l/c/r, F/f, u/U.
std::string Letters(const BrokenConventions& b) {
    return std::string(b.trailingBlanks ? "t" : "") + (b.lineEnds ? "e" : "") +
           (b.finalLineEnd ? "f" : "") + (b.utf8 ? "u" : "");
}

TEST(TextConventions, NamedTexts) {
    const struct {
        const char* code;
        std::string text;
        std::string expected;
        const char* broken;
    } rows[] = {
        {"t", "a \t \nb\t\n \t", "a\nb\n", "t"},             // mixed runs, the last line too
        {"t", "a \rb \r\n \n\r c", "a\rb\r\n\n\r c", "t"},   // in front of every CR and LF
        {"t", " a\n\tb", " a\n\tb", ""},                     // line starts stay
        {"l", "a\r\nb\rc\n\rd", "a\nb\nc\nd", "e"},
        {"r", "a\nb\r\n", "a\rb\r", "e"},
        {"c", "a\nb", "a\r\nb", "e"},
        {"c", "a\r\n", "a\r\n", ""},
        {"F", "a", "a\r\n", "f"},                            // no line end: a CR LF text
        {"F", "a\nb", "a\nb\n", "f"},
        {"F", "a\rb\n", "a\rb\n", ""},
        {"lF", "a\r\nb", "a\nb\n", "ef"},                    // the kind asked for
        {"F", "", "", ""},
        {"tF", "  ", "", "tf"},                              // emptied: no line end
        {"f", "a\n\r\n\r", "a", "f"},
        {"tf", "a \n \n", "a", "tf"},
        {"u", "a\xC3\xA4", "a\xC3\xA4", ""},
        {"u", "\xEF\xBB\xBF" "a", "\xEF\xBB\xBF" "a", "u"},  // checked, never changed
        {"u", "a\xE4", "a\xE4", "u"},
        {"U", "a", "a", "u"},
        {"U", "\xEF\xBB\xBF" "a", "\xEF\xBB\xBF" "a", ""},
        {"U", "", "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.code) + " " + test::Escaped(row.text));
        const TextConventions conventions = Conventions(row.code);
        EXPECT_EQ(Letters(FindBrokenConventions(row.text, conventions)), row.broken);
        std::string text = row.text;
        EXPECT_EQ(ApplyConventions(text, conventions), row.text != row.expected);
        EXPECT_EQ(text, row.expected);
    }
}

// Deletes one blank in front of a CR, an LF or the end until there is none.
std::string TrimmedOneByOne(std::string text) {
    for (std::size_t at = 0; at < text.size();) {
        const bool blank = text[at] == ' ' || text[at] == '\t';
        const bool beforeEnd = at + 1 == text.size() || text[at + 1] == '\r' || text[at + 1] == '\n';
        if (blank && beforeEnd) {
            text.erase(at, 1);
            at = 0;
        } else {
            ++at;
        }
    }
    return text;
}

// Each convention on its own, and all of them, on random texts: what each does alone, and that
// the whole result keeps every one of them.
TEST(TextConventions, RandomTextsFollowEachConvention) {
    std::mt19937_64 random(0xEC22);
    for (int i = 0; i < 4000; ++i) {
        std::string text(random() % (i < 3000 ? 10 : 200), ' ');
        for (char& c : text) c = "a \t\r\n"[random() % 5];
        SCOPED_TRACE(test::Escaped(text));
        const K kind = K(random() % 3);
        std::string converted;
        ConvertLineEnds(text, kind, converted);
        std::string ended = text;
        if (!text.empty() && text.back() != '\r' && text.back() != '\n') {
            ended += LineEndBytes(LineEndKindOf(text));
        }
        std::string unended = text;
        while (!unended.empty() && (unended.back() == '\r' || unended.back() == '\n')) unended.pop_back();
        TextConventions lineEnd;
        lineEnd.lineEnd = kind;
        const std::pair<TextConventions, std::string> alone[] = {
            {Conventions("t"), TrimmedOneByOne(text)},
            {lineEnd, converted},
            {Conventions("F"), ended},
            {Conventions("f"), unended},
        };
        for (const auto& [conventions, expected] : alone) {
            std::string result = text;
            EXPECT_EQ(ApplyConventions(result, conventions), expected != text);
            EXPECT_EQ(result, expected);
            EXPECT_EQ(FindBrokenConventions(text, conventions).AnyApplied(), expected != text);
        }
        TextConventions all = lineEnd;
        all.trimTrailingBlanks = true;
        all.finalLineEnd = random() % 2 == 0;
        std::string result = text;
        ApplyConventions(result, all);
        EXPECT_FALSE(FindBrokenConventions(result, all).Any()) << test::Escaped(result);
    }
}

// trim_trailing_whitespace is what sed -E 's/[ \t]+$//' does to LF lines, and in CR LF lines the
// blanks in front of the CR go; in both the last line counts, with or without a line end.
TEST(TextConventions, TrailingBlanksGoAsSedDeletesThem) {
    std::mt19937_64 random(0x5ED);
    const ProgramRunner sed("sed");
    for (int i = 0; i < 100; ++i) {
        std::string lf(random() % 400, ' ');
        for (char& c : lf) c = "ab \t\t  \n"[random() % 8];
        std::string crLf;
        for (const char c : lf) crLf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        const std::pair<std::string, const char*> cases[] = {
            {lf, R"(s/[ \t]+$//)"}, {crLf, R"(s/[ \t]+(\r?)$/\1/)"}};
        for (const auto& [text, script] : cases) {
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
