#pragma once
// The line ends of a text. A text is an LF text when it holds LF but no CR, a CR text when it
// holds CR but no LF, and a CR LF text otherwise (CR LF or LF CR pairs, a mix of kinds, or no
// line end at all). The optimizer reads an LF or CR text as its CR LF twin: every LF (or CR)
// stands for one line break. Converting reads the line ends from left to right: a CR LF or
// LF CR pair is one line end, and any other CR or LF is one.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace venkora {

enum class LineEndKind { CrLf, Lf, Cr };

// The kind of a whole text (not of a part of it).
LineEndKind LineEndKindOf(std::string_view text);

// The bytes of one line end of `kind`: "\r\n", "\n" or "\r".
std::string_view LineEndBytes(LineEndKind kind);

// The size of `text` with every line end turned into `to`.
std::size_t ConvertedLineEndsSize(std::string_view text, LineEndKind to);

// Whether every line end of `text` is already `kind`, so that converting changes nothing.
bool LineEndsAre(std::string_view text, LineEndKind kind);

// Appends `text` with every line end turned into `to` to `result`; whether anything changed.
bool ConvertLineEnds(std::string_view text, LineEndKind to, std::string& result);

// Turns every line end of `text` into `to`: in the text itself for LF or CR, for CR LF through
// a copy of the converted size.
void ConvertLineEnds(std::string& text, LineEndKind to);

// Turns every line end of `text` into `to`, LF or CR, in the text itself, which that never
// lengthens; returns the size of the converted text at its front.
std::size_t ConvertLineEndsInPlace(std::span<char> text, LineEndKind to);

}  // namespace venkora
