#pragma once
// The conventions a project sets for the bytes of its texts (in its .editorconfig): no blanks at
// line ends, one kind of line end, a line end at the very end or none, UTF-8 with or without a
// byte order mark. They are rules applied after the optimizer's, and checks of a text as read.
//
// Every CR and LF belongs to a line end, read as ConvertLineEnds reads them: a CR LF or LF CR
// pair is one line end, any other CR or LF is one. A space is 0x20, a tab 0x09.

#include <optional>
#include <string>
#include <string_view>

#include "optimizer/LineEnds.h"

namespace venkora {

struct TextConventions {
    enum class Utf8 { WithoutBom, WithBom };

    // Deletes every space and tab in front of a line end, mixed runs whole, and those at the
    // end of the text.
    bool trimTrailingBlanks = false;
    // Turns every line end into this kind.
    std::optional<LineEndKind> lineEnd;
    // true: a non-empty text that does not end in a line end gets one, of `lineEnd` or else of
    // the text's own kind (LineEndKindOf); false: the line ends at the very end go.
    std::optional<bool> finalLineEnd;
    // Only checked, never converted: the text is valid UTF-8, and begins with the byte order
    // mark EF BB BF exactly when WithBom is asked (an empty text is always right).
    std::optional<Utf8> utf8;

    // Whether any convention is set.
    bool Any() const { return trimTrailingBlanks || lineEnd || finalLineEnd || utf8; }
};

// Which conventions a text breaks. For the first three: that convention applied on its own
// would change the text.
struct BrokenConventions {
    bool trailingBlanks = false;
    bool lineEnds = false;
    bool finalLineEnd = false;
    bool utf8 = false;

    // Whether applying the conventions changes the text (the encoding is never changed).
    bool AnyApplied() const { return trailingBlanks || lineEnds || finalLineEnd; }
    bool Any() const { return AnyApplied() || utf8; }
};

BrokenConventions FindBrokenConventions(std::string_view text, const TextConventions& conventions);

// `text` after the conventions that change bytes, in this order: trailing blanks, line ends,
// the final line end. The result keeps every one of them. Returns whether the text changed.
bool ApplyConventions(std::string& text, const TextConventions& conventions);

}  // namespace venkora
