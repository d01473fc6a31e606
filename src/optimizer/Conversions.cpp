#include "optimizer/Conversions.h"

#include "optimizer/Sweep.h"

namespace venkora {

void TabsToSpaces(std::string& text, std::uint8_t n) { SweepToFixpoint(text, "\t", std::string(n, ' ')); }

void SpacesToTabs(std::string& text, std::uint8_t n) { SweepToFixpoint(text, std::string(n, ' '), "\t"); }

void DeleteSpacesAfterTabs(std::string& text) { SweepToFixpoint(text, "\t ", "\t"); }

}  // namespace venkora
