#include "core/CodePage.h"

#include <algorithm>
#include <cassert>
#include <array>

namespace venkora {

namespace {

// The characters of the Windows-1252 bytes 0x80 to 0x9F. The five bytes the code page leaves
// undefined stand for the C1 control of the same value, so that every byte has a character.
constexpr std::array<char32_t, 32> kWindows1252High{
    U'\u20AC', U'\u0081', U'\u201A', U'\u0192', U'\u201E', U'\u2026', U'\u2020', U'\u2021',
    U'\u02C6', U'\u2030', U'\u0160', U'\u2039', U'\u0152', U'\u008D', U'\u017D', U'\u008F',
    U'\u0090', U'\u2018', U'\u2019', U'\u201C', U'\u201D', U'\u2022', U'\u2013', U'\u2014',
    U'\u02DC', U'\u2122', U'\u0161', U'\u203A', U'\u0153', U'\u009D', U'\u017E', U'\u0178',
};

constexpr char32_t kReplacementCharacter = U'\uFFFD';

unsigned char Byte(std::string_view text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]);
}

// One decoded UTF-8 character; length 0 when the byte at its position starts no valid sequence.
struct Utf8Char {
    char32_t code;
    std::size_t length;
};

// Decodes the sequence starting at `pos` by the well-formed byte ranges of UTF-8: no overlong
// forms, no surrogates, nothing above U+10FFFF, nothing cut off by the end of the text.
Utf8Char DecodeUtf8(std::string_view text, std::size_t pos) {
    const unsigned char lead = Byte(text, pos);
    if (lead < 0x80) return {lead, 1};

    std::size_t length = 0;
    char32_t code = 0;
    unsigned char secondMin = 0x80;
    unsigned char secondMax = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
        if (lead == 0xE0) secondMin = 0xA0;  // overlong below U+0800
        if (lead == 0xED) secondMax = 0x9F;  // surrogates U+D800..U+DFFF
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
        if (lead == 0xF0) secondMin = 0x90;  // overlong below U+10000
        if (lead == 0xF4) secondMax = 0x8F;  // above U+10FFFF
    } else {
        return {0, 0};
    }
    if (text.size() - pos < length) return {0, 0};

    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char byte = Byte(text, pos + i);
        const unsigned char min = i == 1 ? secondMin : 0x80;
        const unsigned char max = i == 1 ? secondMax : 0xBF;
        if (byte < min || byte > max) return {0, 0};
        code = (code << 6) | (byte & 0x3Fu);
    }
    return {code, length};
}

// Writes the UTF-8 sequence of `code` to `out` and returns its length.
std::size_t EncodeUtf8(char32_t code, std::array<char, 4>& out) {
    auto put = [&out](std::size_t at, char32_t bits) { out[at] = static_cast<char>(bits); };
    if (code < 0x80) {
        put(0, code);
        return 1;
    }
    if (code < 0x800) {
        put(0, 0xC0 | (code >> 6));
        put(1, 0x80 | (code & 0x3F));
        return 2;
    }
    if (code < 0x10000) {
        put(0, 0xE0 | (code >> 12));
        put(1, 0x80 | ((code >> 6) & 0x3F));
        put(2, 0x80 | (code & 0x3F));
        return 3;
    }
    put(0, 0xF0 | (code >> 18));
    put(1, 0x80 | ((code >> 12) & 0x3F));
    put(2, 0x80 | ((code >> 6) & 0x3F));
    put(3, 0x80 | (code & 0x3F));
    return 4;
}

void AppendUtf8(std::string& out, char32_t code) {
    std::array<char, 4> bytes{};
    out.append(bytes.data(), EncodeUtf8(code, bytes));
}

char32_t Windows1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kWindows1252High[byte - 0x80u];
    return byte;
}

std::optional<char> UnicodeToWindows1252(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
    const auto found = std::find(kWindows1252High.begin(), kWindows1252High.end(), code);
    if (found == kWindows1252High.end()) return std::nullopt;
    return static_cast<char>(0x80 + (found - kWindows1252High.begin()));
}

// Case folding for the find command: ASCII and the Latin-1 letters À..Þ (without ×) fold to
// their small forms, and so do Š, Œ, Ž and Ÿ. ß has no capital here and stays as it is. Only
// characters below U+0800 change, into characters below U+0800 (FirstBytesNoCase relies on it).
char32_t FoldCase(char32_t code) {
    if (code >= U'A' && code <= U'Z') return code + (U'a' - U'A');
    if (code >= U'\u00C0' && code <= U'\u00DE' && code != U'\u00D7') return code + 0x20;
    switch (code) {
        case U'\u0160': return U'\u0161';  // Š
        case U'\u0152': return U'\u0153';  // Œ
        case U'\u017D': return U'\u017E';  // Ž
        case U'\u0178': return U'\u00FF';  // Ÿ
        default: return code;
    }
}

unsigned char FoldCaseWindows1252(unsigned char byte) {
    const char32_t folded = FoldCase(Windows1252ToUnicode(byte));
    // Every small form of a letter above has a byte of its own.
    return static_cast<unsigned char>(*UnicodeToWindows1252(folded));
}

}  // namespace

CodePage CodePage::ForLoadedText(std::string_view bytes, bool localeIsUtf8) {
    return CodePage(localeIsUtf8 && IsValidUtf8(bytes) ? Kind::Utf8 : Kind::Windows1252);
}

CodePage CodePage::ForNewDocument(bool localeIsUtf8) {
    return CodePage(localeIsUtf8 ? Kind::Utf8 : Kind::Windows1252);
}

bool CodePage::IsValidUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = DecodeUtf8(bytes, pos).length;
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

std::size_t CodePage::Next(std::string_view text, std::size_t pos) const {
    assert(pos < text.size() && BoundaryAtOrBefore(text, pos) == pos);
    if (kind_ == Kind::Windows1252) return pos + 1;
    return pos + std::max<std::size_t>(DecodeUtf8(text, pos).length, 1);
}

std::size_t CodePage::Previous(std::string_view text, std::size_t pos) const {
    assert(pos > 0 && pos <= text.size());
    if (kind_ == Kind::Utf8) {
        // A valid sequence that ends exactly at `pos` is the character; its lead byte cannot lie
        // inside another character. Otherwise the byte before `pos` stands alone.
        for (std::size_t length = 1; length <= 4 && length <= pos; ++length) {
            if (DecodeUtf8(text, pos - length).length == length) return pos - length;
        }
    }
    return pos - 1;
}

std::size_t CodePage::BoundaryAtOrBefore(std::string_view text, std::size_t pos) const {
    if (pos >= text.size()) return text.size();
    if (kind_ == Kind::Utf8) {
        // `pos` lies inside a character only when a valid sequence starting up to three bytes
        // before it reaches past it.
        for (std::size_t back = 1; back <= 3 && back <= pos; ++back) {
            if (DecodeUtf8(text, pos - back).length > back) return pos - back;
        }
    }
    return pos;
}

bool CodePage::IsWhiteSpace(char byte) { return byte == ' ' || (byte >= '\t' && byte <= '\r'); }

bool CodePage::EqualNoCase(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    if (kind_ == Kind::Windows1252) {
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (FoldCaseWindows1252(Byte(a, i)) != FoldCaseWindows1252(Byte(b, i))) return false;
        }
        return true;
    }
    // The capital and small forms folded here have UTF-8 sequences of the same length, so
    // characters that compare equal keep both spans at the same offset.
    for (std::size_t pos = 0; pos < a.size();) {
        const Utf8Char charA = DecodeUtf8(a, pos);
        const Utf8Char charB = DecodeUtf8(b, pos);
        if (charA.length == 0 || charB.length == 0) {
            if (charA.length != charB.length || a[pos] != b[pos]) return false;
            ++pos;
            continue;
        }
        if (FoldCase(charA.code) != FoldCase(charB.code)) return false;
        pos += charA.length;
    }
    return true;
}

std::array<bool, 256> CodePage::FirstBytesNoCase(std::string_view text) const {
    assert(!text.empty());
    std::array<bool, 256> first{};
    first[Byte(text, 0)] = true;
    if (kind_ == Kind::Windows1252) {
        const unsigned char folded = FoldCaseWindows1252(Byte(text, 0));
        for (unsigned byte = 0; byte < 256; ++byte) {
            if (FoldCaseWindows1252(static_cast<unsigned char>(byte)) == folded) first[byte] = true;
        }
        return first;
    }
    // A byte that starts no valid sequence matches only itself; a character matches the
    // characters of its folded form, which lie below U+0800 unless it is that form itself.
    const Utf8Char character = DecodeUtf8(text, 0);
    if (character.length == 0) return first;
    const char32_t folded = FoldCase(character.code);
    for (char32_t code = 0; code < 0x800; ++code) {
        const std::size_t length = code < 0x80 ? 1 : 2;
        if (FoldCase(code) == folded && length == character.length) {
            first[length == 1 ? code : 0xC0 | (code >> 6)] = true;
        }
    }
    return first;
}

std::size_t CodePage::FoldCharacter(std::string_view text, std::size_t pos, std::array<char, 4>& out) const {
    assert(pos < text.size());
    if (kind_ == Kind::Windows1252) {
        out[0] = static_cast<char>(FoldCaseWindows1252(Byte(text, pos)));
        return 1;
    }
    const Utf8Char character = DecodeUtf8(text, pos);
    if (character.length == 0) {
        out[0] = text[pos];
        return 1;
    }
    // The folded form has a sequence as long as the character's (see EqualNoCase).
    return EncodeUtf8(FoldCase(character.code), out);
}

std::optional<std::string> CodePage::Encode(std::string_view utf8) const {
    if (kind_ == Kind::Utf8) {
        if (!IsValidUtf8(utf8)) return std::nullopt;
        return std::string(utf8);
    }
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Utf8Char decoded = DecodeUtf8(utf8, pos);
        if (decoded.length == 0) return std::nullopt;
        const std::optional<char> byte = UnicodeToWindows1252(decoded.code);
        if (!byte) return std::nullopt;
        out.push_back(*byte);
        pos += decoded.length;
    }
    return out;
}

std::string CodePage::Decode(std::string_view bytes) const {
    std::string out;
    out.reserve(bytes.size());
    if (kind_ == Kind::Windows1252) {
        for (std::size_t pos = 0; pos < bytes.size(); ++pos) {
            AppendUtf8(out, Windows1252ToUnicode(Byte(bytes, pos)));
        }
        return out;
    }
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = DecodeUtf8(bytes, pos).length;
        if (length == 0) {
            AppendUtf8(out, kReplacementCharacter);
            ++pos;
        } else {
            out.append(bytes.substr(pos, length));
            pos += length;
        }
    }
    return out;
}

}  // namespace venkora
