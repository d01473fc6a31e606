#pragma once
// The optimizer pipeline: the four deletion groups in their fixed order, then the space and tab
// conversions, all on one working text of bytes (any byte value, NUL included).
//
// Every entry takes the line-end kind of the whole document the text comes from
// (LineEndKindOf). In a CR LF text the line breaks are the pairs CR LF and LF CR. In an LF text
// every LF is a line break, and the result is that of the text's CR LF twin (every LF turned into
// CR LF) with every CR LF turned back into LF; a CR text likewise with CR. While the user-string
// group is on with a string holding CR or LF, every text is optimized by the CR LF rules as it
// is.

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "optimizer/LineEnds.h"
#include "optimizer/OptimizeOptions.h"

namespace venkora {

// Receives the status text of each deletion group as the group begins (UTF-8; the texts are
// text::kStatusLeerzeichen, ... in resources/StringTable.h).
using StatusSink = std::function<void(std::string_view)>;

// Rewrites `text` in place. Each rule's result is byte for byte that of SweepToFixpoint with the
// rule's pattern and replacement; a group whose switch is on announces itself through `status`
// even when its rules change nothing.
void OptimizeTextPasses(std::string& text, const OptimizeOptions& options, LineEndKind kind,
                        const StatusSink& status = {});

// The same passes over `source`, which stays as it is. Returns true when the optimized text is
// in `result` (which must come in empty), false when it is `source` itself, because no rule
// ran or none deleted anything (then `result` stays empty). A text that no rule changes is
// thus never copied.
bool OptimizeText(std::string_view source, std::string& result, const OptimizeOptions& options,
                  LineEndKind kind, const StatusSink& status = {});

// The same passes over a text in a buffer the caller gives up: a pass that only shortens the
// text works in the buffer itself. Returns the optimized text: the start of `text`, or
// `result` (which must come in empty).
std::string_view OptimizeTextInBuffer(std::span<char> text, std::string& result,
                                      const OptimizeOptions& options, LineEndKind kind,
                                      const StatusSink& status = {});

// No optimized text of `source` is longer than this, so a `result` reserved to it is never
// reallocated by OptimizeText.
std::size_t OptimizedSizeBound(std::string_view source, const OptimizeOptions& options);

}  // namespace venkora
