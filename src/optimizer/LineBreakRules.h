#pragma once
// The deletion rules of the optimizer, each computed in one pass over the text. Every function
// gives byte for byte what SweepToFixpoint gives for the rule named beside it. A line break is
// `brk`: the two-byte sequence CR LF or LF CR, or in an LF or CR text its one byte LF or CR.

#include <string>
#include <string_view>

namespace venkora {

inline constexpr std::string_view kCrLf = "\r\n";
inline constexpr std::string_view kLfCr = "\n\r";

// s brk -> brk: deletes copies of `s` standing directly in front of a line break.
void DeleteBeforeBreaks(std::string& text, std::string_view s, std::string_view brk);

// brk s -> brk: deletes copies of `s` standing directly behind a line break.
void DeleteAfterBreaks(std::string& text, std::string_view brk, std::string_view s);

// CR LF CR LF -> CR LF: shrinks every run of CR LF pairs to one pair.
void CollapseCrLfRuns(std::string& text);

// brk brk -> brk for a one-byte `brk`: shrinks every run of that byte to one.
void CollapseRuns(std::string& text, char brk);

// brk -> nothing: deletes the line breaks, also those that meet when the break between them goes.
void DeleteBreaks(std::string& text, std::string_view brk);

}  // namespace venkora
