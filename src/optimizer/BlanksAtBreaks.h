#pragma once
// The space and tab groups of the optimizer in one pass: spaces at line ends, then at line
// starts, then tabs at line ends, then at line starts, each for CR LF and then LF CR (in an LF
// or CR text, for its one-byte line break). Where one pass cannot be proven to give what these
// rules give one after the other, it says so and leaves the work to the rules themselves.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "optimizer/LineEnds.h"

namespace venkora {

// Which of the rules run. "End" deletes the blanks directly in front of a line break, "start"
// those directly behind one.
struct BlankSides {
    bool spacesAtEnds = false;
    bool spacesAtStarts = false;
    bool tabsAtEnds = false;
    bool tabsAtStarts = false;
};

enum class OnePass {
    Unchanged,  // the rules delete nothing; `result` is untouched
    Changed,    // `result` holds the text with the blanks deleted
    NotExact,   // one pass is not known to be exact for this text; `result` holds a part of it
};

// Reads `text` and appends the result of the rules to the empty `result`. In an LF or CR text
// (`kind`) every byte LF or CR is a line break, and one pass is always exact.
OnePass DeleteBlanksAtBreaks(std::string_view text, std::string& result, const BlankSides& sides,
                             LineEndKind kind);

// The same in the text itself: the kept bytes are moved to its front, and their number is
// returned. A CR LF text with a lone CR or LF is left untouched (nullopt): only there can one
// pass be inexact.
std::optional<std::size_t> DeleteBlanksAtBreaksInPlace(char* text, std::size_t size,
                                                       const BlankSides& sides, LineEndKind kind);

}  // namespace venkora
