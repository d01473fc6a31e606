#pragma once
// The space and tab conversions, each computed in one pass over the text. Every function gives
// byte for byte what SweepToFixpoint gives for the rule named beside it; N spaces are the
// pattern P (empty for N = 0).

#include <cstdint>
#include <string>

namespace venkora {

// TAB -> P: every tab becomes N spaces (N = 0 deletes the tabs). A text whose capacity holds
// the longer result grows in place.
void TabsToSpaces(std::string& text, std::uint8_t n);

// P -> TAB: each run of k spaces becomes k / N tabs followed by k % N spaces (N = 0: no change).
void SpacesToTabs(std::string& text, std::uint8_t n);

// TAB SP -> TAB: deletes every space that stands directly behind a tab, however many in a row.
void DeleteSpacesAfterTabs(std::string& text);

}  // namespace venkora
