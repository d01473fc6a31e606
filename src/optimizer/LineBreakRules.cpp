#include "optimizer/LineBreakRules.h"

#include "optimizer/Sweep.h"

namespace venkora {

void DeleteBeforeBreaks(std::string& text, std::string_view s, std::string_view brk) {
    SweepToFixpoint(text, std::string(s) + std::string(brk), brk);
}

void DeleteAfterBreaks(std::string& text, std::string_view brk, std::string_view s) {
    SweepToFixpoint(text, std::string(brk) + std::string(s), brk);
}

void CollapseCrLfRuns(std::string& text) { SweepToFixpoint(text, "\r\n\r\n", "\r\n"); }

void DeleteBreaks(std::string& text, std::string_view brk) { SweepToFixpoint(text, brk, ""); }

}  // namespace venkora
