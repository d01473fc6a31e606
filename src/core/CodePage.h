#pragma once
// The code page of one document: how its bytes are shown, typed, copied, compared and stepped
// through. It never changes a stored byte. A document is UTF-8 when the locale is UTF-8 and its
// bytes are valid UTF-8, otherwise Windows-1252.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace venkora {

class CodePage {
public:
    enum class Kind { Utf8, Windows1252 };

    explicit CodePage(Kind kind = Kind::Utf8) : kind_(kind) {}

    // The code page for a loaded text: UTF-8 when `localeIsUtf8` and `bytes` are valid UTF-8
    // (no overlong forms, no surrogates, nothing above U+10FFFF; NUL bytes are allowed).
    static CodePage ForLoadedText(std::string_view bytes, bool localeIsUtf8);
    // The code page of a new, empty document.
    static CodePage ForNewDocument(bool localeIsUtf8);
    static bool IsValidUtf8(std::string_view bytes);

    Kind kind() const { return kind_; }
    bool operator==(const CodePage&) const = default;

    // Byte offset of the character after the one that starts at `pos` (pos < size). A byte that
    // starts no valid UTF-8 sequence is one character of its own.
    std::size_t Next(std::string_view text, std::size_t pos) const;
    // Byte offset of the start of the character that ends at `pos` (pos > 0).
    std::size_t Previous(std::string_view text, std::size_t pos) const;
    // Largest character boundary <= `pos`, so that text.substr(0, result) holds whole
    // characters only.
    std::size_t BoundaryAtOrBefore(std::string_view text, std::size_t pos) const;

    // White space for word wrapping: tab, LF, vertical tab, form feed, CR and space.
    static bool IsWhiteSpace(char byte);

    // Case-insensitive equality of two byte spans of equal length in this code page: ASCII and
    // the letters of Latin-1 (Windows-1252 also Š/š, Œ/œ, Ž/ž, Ÿ/ÿ), decoded per character in
    // UTF-8. Spans of different length are never equal.
    bool EqualNoCase(std::string_view a, std::string_view b) const;
    // The bytes that can begin a span EqualNoCase to one that begins with `text` (not empty): a
    // search tries only the positions holding one of them.
    std::array<bool, 256> FirstBytesNoCase(std::string_view text) const;
    // Writes the case-folded form of the character that begins at `pos` (pos < size) to `out`
    // and returns its length, which is the character's as Next steps. Two spans of equal length
    // are EqualNoCase exactly when their characters' folded forms, one after the other, are the
    // same bytes, so a search can compare folded bytes. In UTF-8 only characters of one or two
    // bytes change.
    std::size_t FoldCharacter(std::string_view text, std::size_t pos, std::array<char, 4>& out) const;

    // Encodes UTF-8 text (as typed into a dialog or the edit area) into this code page; nullopt
    // when a character has no byte in it or the input is not valid UTF-8. Never substitutes a
    // replacement character. In Windows-1252 the characters U+0081, U+008D, U+008F, U+0090 and
    // U+009D stand for the five bytes the code page leaves undefined.
    std::optional<std::string> Encode(std::string_view utf8) const;
    // Decodes bytes of this code page into UTF-8 (for the clipboard). The five undefined
    // Windows-1252 bytes become U+0081 ... U+009D, so every byte of such a document survives a
    // copy and paste; a byte that starts no valid UTF-8 sequence becomes U+FFFD.
    std::string Decode(std::string_view bytes) const;

private:
    Kind kind_;
};

}  // namespace venkora
