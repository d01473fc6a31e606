// Fuzz target: OptimizeTextPasses against the reference pipeline, text and status texts alike,
// the text read by its own line-end kind.
// Input: 4 option bytes, then S, then the text.
//   byte 0, bits 0-7: leerz, leerzAnf, leerzEnde, tab, tabAnf, tabEnde, zeilenumbruch, bendef
//   byte 1, bits 0-4: bendefAnf, bendefEnde, tabZuLeerz, leerzZuTab, loescheUeberz;
//           bits 5-7: nurLeerzeilen, one of kChoices
//   byte 2: tabbreite
//   byte 3, bits 0-2: length of S; bits 3-5: the value of a switch that is on, one of kOn;
//           bit 6: S and text bytes taken as they are instead of mapped onto kAlphabet

#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "NaiveSweep.h"
#include "TestText.h"
#include "optimizer/OptimizeOptions.h"
#include "optimizer/TextPasses.h"

namespace {

using venkora::OptimizeOptions;

constexpr std::string_view kAlphabet{"ab \t\r\n\0", 7};
constexpr std::int32_t kChoices[] = {0, 1, 0, 1, 2, -1, 257, INT_MIN};
constexpr std::int32_t kOn[] = {1, 1, 1, -1, 2, 256, 65536, INT_MIN};

std::string Show(const std::string& text, const std::vector<std::string>& statuses) {
    std::string out = venkora::test::Escaped(text) + " statuses:";
    for (const std::string& status : statuses) {
        out += " [" + status + "]";
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    venkora::fuzz::FuzzInput input(data, size);
    const unsigned groups = input.Byte();
    const unsigned more = input.Byte();
    const std::uint8_t width = input.Byte();
    const unsigned layout = input.Byte();
    const std::int32_t on = kOn[(layout >> 3) & 7];
    const auto bit = [on](unsigned bits, unsigned n) { return (bits >> n) & 1 ? on : 0; };

    OptimizeOptions options;
    options.leerz = bit(groups, 0);
    options.leerzAnf = bit(groups, 1);
    options.leerzEnde = bit(groups, 2);
    options.tab = bit(groups, 3);
    options.tabAnf = bit(groups, 4);
    options.tabEnde = bit(groups, 5);
    options.zeilenumbruch = bit(groups, 6);
    options.bendef = bit(groups, 7);
    options.bendefAnf = bit(more, 0);
    options.bendefEnde = bit(more, 1);
    options.tabZuLeerz = bit(more, 2);
    options.leerzZuTab = bit(more, 3);
    options.loescheUeberz = bit(more, 4);
    options.nurLeerzeilen = kChoices[(more >> 5) & 7];
    options.tabbreite = width;

    const std::string_view alphabet = (layout >> 6) & 1 ? std::string_view{} : kAlphabet;
    options.bendefZeichen = input.Bytes(layout & 7, alphabet);
    if (input.Remaining() > venkora::fuzz::kMaxTextLength) {
        return -1;
    }
    const std::string text = input.Rest(alphabet);

    std::string engine = text;
    std::vector<std::string> engineStatuses;
    const venkora::LineEndKind kind = venkora::LineEndKindOf(text);
    venkora::OptimizeTextPasses(engine, options, kind, [&engineStatuses](std::string_view status) {
        engineStatuses.emplace_back(status);
    });
    std::string reference = text;
    std::vector<std::string> referenceStatuses;
    venkora::naive::OptimizeTextPasses(reference, options, kind, referenceStatuses);

    if (engine != reference || engineStatuses != referenceStatuses) {
        venkora::fuzz::Mismatch("options:   " + venkora::test::Describe(options) +
                                "\ninput:     " + venkora::test::Escaped(text) +
                                "\nengine:    " + Show(engine, engineStatuses) +
                                "\nreference: " + Show(reference, referenceStatuses));
    }
    return 0;
}
