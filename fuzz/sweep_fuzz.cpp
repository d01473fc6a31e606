// Fuzz target: SweepToFixpoint, ReplaceAllSweep and the single-rule functions against the
// reference sweeps.
// Input: 3 bytes, then the pattern bytes, then the replacement bytes, then the text.
//   byte 0: what is checked, one of Mode
//   byte 1, bits 0-1: pattern length less one (the string S for the rule functions);
//           bits 2-4: replacement length; bit 5: LF CR instead of CR LF;
//           bit 6: replacement equal to the pattern; bit 7: bytes taken as they are instead of
//           mapped onto an alphabet
//   byte 2: the width N of the conversions

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "NaiveSweep.h"
#include "TestText.h"
#include "optimizer/Conversions.h"
#include "optimizer/LineBreakRules.h"
#include "optimizer/Sweep.h"

namespace {

using venkora::test::Escaped;

enum Mode : unsigned {
    kShrinkingRule,  // SweepToFixpoint with a replacement shorter than the pattern (or equal)
    kOneSweep,       // ReplaceAllSweep with any rule, count included
    kBeforeBreaks,
    kAfterBreaks,
    kCollapse,
    kDeleteBreaks,
    kTabsToSpaces,
    kSpacesToTabs,
    kSpacesAfterTabs,
    kModeCount,
};

constexpr std::string_view kRuleBytes = "ab\r\n";
constexpr std::string_view kLineBytes{"ab \t\r\n\0", 7};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    venkora::fuzz::FuzzInput input(data, size);
    const unsigned mode = input.Byte() % kModeCount;
    const unsigned layout = input.Byte();
    const std::uint8_t width = input.Byte();
    const bool generic = mode == kShrinkingRule || mode == kOneSweep;
    const std::string_view alphabet =
        (layout >> 7) & 1 ? std::string_view{} : generic ? kRuleBytes : kLineBytes;
    const std::string_view brk = (layout >> 5) & 1 ? venkora::kLfCr : venkora::kCrLf;

    // The pattern is at least one byte, except for a single sweep, where empty is allowed.
    const std::size_t oldLength = (layout & 3) + (mode == kOneSweep ? 0 : 1);
    std::string oldText = input.Bytes(oldLength, alphabet);
    if (oldText.empty() && mode != kOneSweep) {
        return -1;
    }
    std::string newText;
    if ((layout >> 6) & 1) {
        newText = oldText;
    } else {
        std::size_t newLength = (layout >> 2) & 7;
        if (mode == kShrinkingRule) {
            newLength %= oldText.size();
        }
        newText = input.Bytes(newLength, alphabet);
    }
    if (input.Remaining() > venkora::fuzz::kMaxTextLength) {
        return -1;
    }
    const std::string text = input.Rest(alphabet);

    const std::string s = oldText;
    const std::string spaces(width, ' ');
    std::function<void(std::string&)> engine;
    switch (mode) {
        case kShrinkingRule:
            engine = [&](std::string& t) { venkora::SweepToFixpoint(t, oldText, newText); };
            break;
        case kOneSweep: {
            std::string engineText = text;
            std::string referenceText = text;
            const std::size_t engineCount = venkora::ReplaceAllSweep(engineText, oldText, newText);
            const std::size_t referenceCount =
                venkora::naive::ReplaceAllSweep(referenceText, oldText, newText);
            if (engineText != referenceText || engineCount != referenceCount) {
                venkora::fuzz::Mismatch(
                    "ReplaceAllSweep " + Escaped(oldText) + " -> " + Escaped(newText) +
                    "\ninput:     " + Escaped(text) + "\nengine:    " + Escaped(engineText) +
                    " count " + std::to_string(engineCount) + "\nreference: " +
                    Escaped(referenceText) + " count " + std::to_string(referenceCount));
            }
            return 0;
        }
        case kBeforeBreaks:
            engine = [&](std::string& t) { venkora::DeleteBeforeBreaks(t, s, brk); };
            oldText = s + std::string(brk);
            newText = brk;
            break;
        case kAfterBreaks:
            engine = [&](std::string& t) { venkora::DeleteAfterBreaks(t, brk, s); };
            oldText = std::string(brk) + s;
            newText = brk;
            break;
        case kCollapse:
            engine = [](std::string& t) { venkora::CollapseCrLfRuns(t); };
            oldText = "\r\n\r\n";
            newText = "\r\n";
            break;
        case kDeleteBreaks:
            engine = [&](std::string& t) { venkora::DeleteBreaks(t, brk); };
            oldText = brk;
            newText = "";
            break;
        case kTabsToSpaces:
            engine = [&](std::string& t) { venkora::TabsToSpaces(t, width); };
            oldText = "\t";
            newText = spaces;
            break;
        case kSpacesToTabs:
            engine = [&](std::string& t) { venkora::SpacesToTabs(t, width); };
            oldText = spaces;
            newText = "\t";
            break;
        default:
            engine = [](std::string& t) { venkora::DeleteSpacesAfterTabs(t); };
            oldText = "\t ";
            newText = "\t";
            break;
    }

    std::string engineText = text;
    engine(engineText);
    std::string referenceText = text;
    venkora::naive::SweepToFixpoint(referenceText, oldText, newText);
    if (engineText != referenceText) {
        venkora::fuzz::Mismatch("mode " + std::to_string(mode) + ", rule " + Escaped(oldText) +
                                " -> " + Escaped(newText) + "\ninput:     " + Escaped(text) +
                                "\nengine:    " + Escaped(engineText) +
                                "\nreference: " + Escaped(referenceText));
    }
    return 0;
}
