// The line-end kind of a whole text, and converting line ends: named examples, then random texts
// against the reading from left to right written out byte by byte.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "TestText.h"
#include "optimizer/LineEnds.h"

namespace venkora {
namespace {

using K = LineEndKind;

TEST(LineEnds, KindOfAWholeText) {
    const struct { const char* what; std::string text; LineEndKind kind; } rows[] = {
        {"empty", "", K::CrLf},        {"no line end", "a b\t", K::CrLf},
        {"LF only", "a\nb\n\n", K::Lf}, {"CR only", "\ra\rb", K::Cr},
        {"CR LF", "a\r\nb", K::CrLf},   {"LF CR", "a\n\rb", K::CrLf},
        {"mixed", "a\nb\rc", K::CrLf},
    };
    for (const auto& row : rows) EXPECT_EQ(LineEndKindOf(row.text), row.kind) << row.what;
}

// Each line end, read from left to right (a CR LF or LF CR pair is one, any other CR or LF is
// one), turned into `end`.
std::string ReadAndConverted(const std::string& text, const std::string& end) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string two = text.substr(i, 2);
        if (two == "\r\n" || two == "\n\r") ++i;
        out += two[0] == '\r' || two[0] == '\n' ? end : two.substr(0, 1);
    }
    return out;
}

// Short texts and ones long enough for the 16-byte scans, converted to every kind by every entry.
TEST(LineEnds, ConvertsEveryLineEndReadFromLeftToRight) {
    std::mt19937_64 random(0x5EED1E);
    for (int i = 0; i < 6000; ++i) {
        std::string text(random() % (i < 5000 ? 12 : 300), ' ');
        for (char& c : text) c = "ab\r\n\r\n"[random() % 6];
        for (const LineEndKind to : {K::CrLf, K::Lf, K::Cr}) {
            const std::string expected = ReadAndConverted(text, std::string(LineEndBytes(to)));
            SCOPED_TRACE(test::Escaped(text) + " to " + test::Escaped(LineEndBytes(to)));
            std::string result = "x";
            EXPECT_EQ(ConvertLineEnds(text, to, result), expected != text);
            EXPECT_EQ(result, "x" + expected);
            EXPECT_EQ(ConvertedLineEndsSize(text, to), expected.size());
            EXPECT_EQ(LineEndsAre(text, to), expected == text);
            std::string whole = text;
            ConvertLineEnds(whole, to);
            EXPECT_EQ(whole, expected);
            if (to == K::CrLf) continue;
            std::string inPlace = text;
            EXPECT_EQ(inPlace.substr(0, ConvertLineEndsInPlace(inPlace, to)), expected);
        }
    }
}

}  // namespace
}  // namespace venkora
