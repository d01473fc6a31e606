#pragma once
// The optimizer's switches: which deletion groups run and at which side of the lines, which
// conversion runs with which width, and whether the selection or the whole text is meant.
// The optimize dialog edits and stores the record; the passes only read it.

#include <cstdint>
#include <string>

namespace venkora {

struct OptimizeOptions {
    std::string bendefZeichen;        // user-defined string S, bytes in the document's code page
    std::int32_t bendefAnf = 0;       // delete S behind line breaks
    std::int32_t bendefEnde = 0;      // delete S in front of line breaks
    std::int32_t bendef = 0;          // group switch for S
    std::int32_t leerzAnf = 0;        // delete spaces behind line breaks
    std::int32_t leerzEnde = 0;       // delete spaces in front of line breaks
    std::int32_t leerz = 0;           // group switch for spaces
    std::int32_t bereich = 0;         // 0 = selection ("Markierung"), 1 = whole document; never stored
    std::int32_t tabAnf = 0;          // delete tabs behind line breaks
    std::int32_t tab = 0;             // group switch for tabs
    std::int32_t tabEnde = 0;         // delete tabs in front of line breaks
    std::int32_t zeilenumbruch = 0;   // group switch for line breaks
    std::int32_t nurLeerzeilen = 0;   // 0 = all line breaks, 1 = only empty lines; other values: neither
    std::int32_t leerzZuTab = 0;      // convert runs of tabbreite spaces to tabs
    std::uint8_t tabbreite = 2;       // conversion width N
    std::int32_t tabZuLeerz = 0;      // convert every tab to tabbreite spaces
    std::int32_t loescheUeberz = 0;   // with leerzZuTab: delete the spaces behind tabs

    bool operator==(const OptimizeOptions&) const = default;
};

}  // namespace venkora
