#pragma once
// The two byte-string replacement operations every optimizer rule is defined by.

#include <cstddef>
#include <string>
#include <string_view>

namespace venkora {

// One left-to-right sweep: replaces each leftmost occurrence of `oldText` by `newText` and
// continues behind the inserted bytes, so occurrences never overlap and inserted bytes are not
// examined again in the same sweep. Returns the number of replacements; an empty `oldText`
// replaces nothing.
std::size_t ReplaceAllSweep(std::string& text, std::string_view oldText, std::string_view newText);

// Repeats ReplaceAllSweep until a sweep leaves the text unchanged. Rules that shrink the text
// are carried out in time proportional to the bytes they touch, not to the number of sweeps.
// A rule whose replacement equals its pattern changes nothing.
void SweepToFixpoint(std::string& text, std::string_view oldText, std::string_view newText);

}  // namespace venkora
