// The document code page: which code page a text gets, UTF-8 validity, stepping through
// characters, cutting at boundaries, case-insensitive comparison and the conversions for typing
// and the clipboard.

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/CodePage.h"

namespace venkora {
namespace {

using namespace std::literals;
using Kind = CodePage::Kind;

const CodePage kUtf8{Kind::Utf8};
const CodePage kWindows1252{Kind::Windows1252};

struct ValidityCase {
    std::string_view label;
    std::string_view bytes;
    bool valid;
};

const ValidityCase kValidityCases[] = {
    {"empty", "", true},
    {"ASCII", "Zeile\r\n", true},
    {"NUL bytes", "a\0b\0"sv, true},
    {"umlauts", "Grüße", true},
    {"euro sign", "\xE2\x82\xAC", true},
    {"four-byte emoji", "\xF0\x9F\x98\x80", true},
    {"last code point U+10FFFF", "\xF4\x8F\xBF\xBF", true},
    {"U+D7FF before the surrogates", "\xED\x9F\xBF", true},
    {"U+E000 after the surrogates", "\xEE\x80\x80", true},
    {"overlong slash C0 AF", "\xC0\xAF", false},
    {"overlong C1 BF", "\xC1\xBF", false},
    {"overlong three bytes for U+07FF", "\xE0\x9F\xBF", false},
    {"overlong four bytes for U+FFFF", "\xF0\x8F\xBF\xBF", false},
    {"high surrogate U+D800", "\xED\xA0\x80", false},
    {"low surrogate U+DFFF", "\xED\xBF\xBF", false},
    {"above U+10FFFF", "\xF4\x90\x80\x80", false},
    {"lead byte F5", "\xF5\x80\x80\x80", false},
    {"bytes FE and FF", "\xFE\xFF", false},
    {"lone continuation byte", "a\x80", false},
    {"two-byte sequence cut off at the end", "a\xC3", false},
    {"three-byte sequence cut off at the end", "\xE2\x82", false},
    {"four-byte sequence cut off at the end", "\xF0\x9F\x98", false},
    {"lead byte followed by ASCII", "\xC3" "A", false},
    {"continuation byte too many", "\xE2\x82\xAC\xAC", false},
    {"Windows-1252 umlaut", "Gr\xFC\xDF" "e", false},
};

TEST(CodePage, Utf8ValidityAndChoiceForLoadedText) {
    for (const ValidityCase& c : kValidityCases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(CodePage::IsValidUtf8(c.bytes), c.valid);
        EXPECT_EQ(CodePage::ForLoadedText(c.bytes, true).kind(),
                  c.valid ? Kind::Utf8 : Kind::Windows1252);
        EXPECT_EQ(CodePage::ForLoadedText(c.bytes, false).kind(), Kind::Windows1252);
    }
}

TEST(CodePage, NewDocumentFollowsTheLocale) {
    EXPECT_EQ(CodePage::ForNewDocument(true), kUtf8);
    EXPECT_EQ(CodePage::ForNewDocument(false), kWindows1252);
}

// A text and the offsets at which its characters start, the end included.
struct SteppingCase {
    std::string_view label;
    std::string_view text;
    std::vector<std::size_t> boundaries;
};

const SteppingCase kUtf8SteppingCases[] = {
    {"empty", "", {0}},
    {"mixed valid and invalid",
     "a\xC3\xA4\x80\xE2\x82\xAC\xE2\x82" "b\xF0\x9F\x98\x80\xC3",
     {0, 1, 3, 4, 7, 8, 9, 10, 14, 15}},
    {"surplus continuation bytes after a character", "\xC3\xA4\xA4\xA4", {0, 2, 3, 4}},
    {"cut-off sequence before a whole one", "\xE2\x82\xE2\x82\xAC", {0, 1, 2, 5}},
    {"stray lead byte before a character", "\xE2\xC3\xA4", {0, 1, 3}},
    {"only continuation bytes", "\x80\x80\x80\x80\x80", {0, 1, 2, 3, 4, 5}},
    {"surrogate bytes one by one", "\xED\xA0\x80" "x", {0, 1, 2, 3, 4}},
    {"above U+10FFFF byte by byte", "\xF4\x90\x80\x80", {0, 1, 2, 3, 4}},
    {"overlong form byte by byte", "\xC0\xAF\xE2\x82\xAC", {0, 1, 2, 5}},
    {"NUL between characters", "\xC3\xA4\0\xC3\xA4"sv, {0, 2, 3, 5}},
};

const SteppingCase kWindows1252SteppingCases[] = {
    {"every byte is a character", "\xC3\xA4\x80\xE2\x82\xAC" "a", {0, 1, 2, 3, 4, 5, 6, 7}},
};

void CheckStepping(const CodePage& codePage, const SteppingCase& c) {
    SCOPED_TRACE(c.label);
    std::vector<std::size_t> forward{0};
    while (forward.back() < c.text.size() && forward.size() <= c.text.size()) {
        forward.push_back(codePage.Next(c.text, forward.back()));
    }
    EXPECT_EQ(forward, c.boundaries);

    std::vector<std::size_t> backward{c.text.size()};
    while (backward.front() > 0 && backward.size() <= c.text.size()) {
        backward.insert(backward.begin(), codePage.Previous(c.text, backward.front()));
    }
    EXPECT_EQ(backward, c.boundaries);

    std::size_t expected = 0;
    for (std::size_t pos = 0; pos <= c.text.size(); ++pos) {
        for (std::size_t boundary : c.boundaries) {
            if (boundary <= pos) expected = boundary;
        }
        EXPECT_EQ(codePage.BoundaryAtOrBefore(c.text, pos), expected) << "pos " << pos;
    }
}

TEST(CodePage, SteppingAndBoundariesInUtf8) {
    for (const SteppingCase& c : kUtf8SteppingCases) CheckStepping(kUtf8, c);
}

// Every text of up to five bytes drawn from ASCII, continuation bytes and lead bytes of every
// length: stepping back and cutting agree with stepping forward from the start.
TEST(CodePage, Utf8SteppingBackAgreesWithSteppingForward) {
    constexpr unsigned char kBytes[] = {'a',  0x80, 0x9F, 0xA4, 0xBF, 0xC3,
                                        0xE0, 0xE2, 0xED, 0xF0, 0xF4, 0xFF};
    std::vector<std::string> texts{""};
    for (std::size_t length = 1; length <= 5; ++length) {
        const std::size_t count = texts.size();
        for (std::size_t i = 0; i < count; ++i) {
            if (texts[i].size() + 1 != length) continue;
            for (unsigned char byte : kBytes) texts.push_back(texts[i] + static_cast<char>(byte));
        }
    }
    for (const std::string& text : texts) {
        std::vector<bool> isBoundary(text.size() + 1, false);
        isBoundary[0] = true;
        for (std::size_t pos = 0; pos < text.size();) {
            const std::size_t next = kUtf8.Next(text, pos);
            ASSERT_GT(next, pos);
            ASSERT_LE(next, text.size());
            ASSERT_EQ(kUtf8.Previous(text, next), pos) << testing::PrintToString(text);
            isBoundary[next] = true;
            pos = next;
        }
        std::size_t lastBoundary = 0;
        for (std::size_t pos = 0; pos <= text.size(); ++pos) {
            if (isBoundary[pos]) lastBoundary = pos;
            ASSERT_EQ(kUtf8.BoundaryAtOrBefore(text, pos), lastBoundary)
                << testing::PrintToString(text) << " pos " << pos;
        }
    }
}

TEST(CodePage, SteppingAndBoundariesInWindows1252) {
    for (const SteppingCase& c : kWindows1252SteppingCases) CheckStepping(kWindows1252, c);
}

TEST(CodePage, WhiteSpaceIsTabToCarriageReturnAndSpace) {
    for (int value = 0; value < 256; ++value) {
        const char byte = static_cast<char>(value);
        const bool expected = (value >= 9 && value <= 13) || value == 32;
        EXPECT_EQ(CodePage::IsWhiteSpace(byte), expected) << "byte " << value;
    }
}

struct EqualNoCaseCase {
    std::string_view label;
    Kind kind;
    std::string_view a;
    std::string_view b;
    bool equal;
};

const EqualNoCaseCase kEqualNoCaseCases[] = {
    {"empty spans", Kind::Utf8, "", "", true},
    {"ASCII", Kind::Utf8, "Optimieren", "oPTIMIEREN", true},
    {"ASCII different letters", Kind::Utf8, "abc", "abd", false},
    {"umlauts", Kind::Utf8, "ÄÖÜ", "äöü", true},
    {"umlaut against its base letter", Kind::Utf8, "Ä", "A", false},
    {"sharp s stays itself", Kind::Utf8, "STRAßE", "straße", true},
    {"different lengths", Kind::Utf8, "Straße", "STRASSE", false},
    {"prefix only", Kind::Utf8, "ab", "abc", false},
    {"Y with diaeresis", Kind::Utf8, "Ÿ", "ÿ", true},
    {"Œ Š Ž", Kind::Utf8, "ŒŠŽ", "œšž", true},
    {"multiplication and division sign", Kind::Utf8, "×", "÷", false},
    {"invalid bytes compared exactly", Kind::Utf8, "a\xFF" "b", "A\xFF" "B", true},
    {"different invalid bytes", Kind::Utf8, "a\xFF", "a\xFE", false},
    {"invalid byte is no letter to fold", Kind::Utf8, "\xC4" "x", "\xE4" "x", false},
    {"invalid against valid", Kind::Utf8, "\xC3" "A", "\xC3\xA4", false},
    {"NUL", Kind::Utf8, "a\0B"sv, "A\0b"sv, true},
    {"1252 umlauts", Kind::Windows1252, "\xC4\xD6\xDC", "\xE4\xF6\xFC", true},
    {"1252 Y with diaeresis", Kind::Windows1252, "\x9F", "\xFF", true},
    {"1252 Œ Š Ž", Kind::Windows1252, "\x8C\x8A\x8E", "\x9C\x9A\x9E", true},
    {"1252 multiplication and division sign", Kind::Windows1252, "\xD7", "\xF7", false},
    {"1252 sharp s and y with diaeresis", Kind::Windows1252, "\xDF", "\xFF", false},
    {"1252 undefined bytes", Kind::Windows1252, "\x81\x8D", "\x81\x8D", true},
    {"1252 different lengths", Kind::Windows1252, "\xDF", "ss", false},
    {"1252 ASCII", Kind::Windows1252, "Bereit", "BEREIT", true},
};

TEST(CodePage, EqualNoCase) {
    for (const EqualNoCaseCase& c : kEqualNoCaseCases) {
        SCOPED_TRACE(c.label);
        const CodePage codePage(c.kind);
        EXPECT_EQ(codePage.EqualNoCase(c.a, c.b), c.equal);
        EXPECT_EQ(codePage.EqualNoCase(c.b, c.a), c.equal);
    }
}

struct EncodeCase {
    std::string_view label;
    std::string_view utf8;
    std::optional<std::string_view> bytes;
};

const EncodeCase kWindows1252EncodeCases[] = {
    {"ASCII with NUL", "a\0b"sv, "a\0b"sv},
    {"euro sign", "€", "\x80"},
    {"German quotes and umlauts", "„Grüße“", "\x84Gr\xFC\xDF" "e\x93"},
    {"en dash", "–", "\x96"},
    {"sharp s", "ß", "\xDF"},
    {"undefined byte 0x81 by its control character", "\xC2\x81", "\x81"},
    {"l with stroke", "ł", std::nullopt},
    {"emoji", "\xF0\x9F\x98\x80", std::nullopt},
    {"control character U+0080", "\xC2\x80", std::nullopt},
    {"invalid UTF-8", "a\xFF", std::nullopt},
    {"overlong UTF-8", "\xC0\xAF", std::nullopt},
};

TEST(CodePage, EncodeIntoWindows1252) {
    for (const EncodeCase& c : kWindows1252EncodeCases) {
        SCOPED_TRACE(c.label);
        const std::optional<std::string> encoded = kWindows1252.Encode(c.utf8);
        ASSERT_EQ(encoded.has_value(), c.bytes.has_value());
        if (encoded) {
            EXPECT_EQ(*encoded, *c.bytes);
        }
    }
}

TEST(CodePage, EncodeIntoUtf8KeepsValidTextAndRefusesInvalid) {
    EXPECT_EQ(kUtf8.Encode("Grüße\0€"sv), "Grüße\0€"sv);
    EXPECT_EQ(kUtf8.Encode("\xF0\x9F\x98\x80"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(kUtf8.Encode("Gr\xFC\xDF" "e"), std::nullopt);
    EXPECT_EQ(kUtf8.Encode("\xED\xA0\x80"), std::nullopt);
}

TEST(CodePage, EveryWindows1252ByteSurvivesDecodeAndEncode) {
    for (int value = 0; value < 256; ++value) {
        const std::string byte(1, static_cast<char>(value));
        const std::string decoded = kWindows1252.Decode(byte);
        EXPECT_TRUE(CodePage::IsValidUtf8(decoded)) << "byte " << value;
        EXPECT_EQ(kWindows1252.Encode(decoded), byte) << "byte " << value;
    }
}

struct DecodeCase {
    std::string_view label;
    Kind kind;
    std::string_view bytes;
    std::string_view utf8;
};

const DecodeCase kDecodeCases[] = {
    {"1252 euro sign, quotes and dashes", Kind::Windows1252, "\x80\x84\x93\x96\x97",
     "€„“–—"},
    {"1252 Latin-1 letters", Kind::Windows1252, "Gr\xFC\xDF" "e \xFF", "Grüße ÿ"},
    {"1252 Y with diaeresis and undefined bytes", Kind::Windows1252, "\x9F\x81\x8D\x8F\x90\x9D",
     "Ÿ\u0081\u008D\u008F\u0090\u009D"},
    {"UTF-8 valid text unchanged", Kind::Utf8, "Grüße \xF0\x9F\x98\x80\0"sv,
     "Grüße \xF0\x9F\x98\x80\0"sv},
    {"UTF-8 invalid byte", Kind::Utf8, "a\xFF" "b", "a\uFFFD" "b"},
    {"UTF-8 cut-off sequence, one replacement per byte", Kind::Utf8, "\xE2\x82", "\uFFFD\uFFFD"},
    {"UTF-8 surrogate, one replacement per byte", Kind::Utf8, "\xED\xA0\x80",
     "\uFFFD\uFFFD\uFFFD"},
};

TEST(CodePage, DecodeForTheClipboard) {
    for (const DecodeCase& c : kDecodeCases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(CodePage(c.kind).Decode(c.bytes), c.utf8);
    }
}

}  // namespace
}  // namespace venkora
