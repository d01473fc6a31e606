#pragma once
// How many line ends of each kind a text holds, kept up to date from the changes made to it, so
// that the status line can show them without reading the whole text at every keystroke. A
// CR LF pair is one line end; any other CR or LF is one of its own (so LF CR counts as an LF
// and a CR).

#include <cstddef>
#include <string_view>

namespace venkora {

class LineEndTally {
public:
    enum class Summary { None, CrLf, Lf, Cr, Mixed };

    // `changed` was inserted between the bytes `before` and `after` (NUL where the text begins
    // or ends there), or deleted from between them.
    void Inserted(char before, std::string_view changed, char after) { Apply(before, changed, after, +1); }
    void Deleted(char before, std::string_view changed, char after) { Apply(before, changed, after, -1); }

    // The one kind of line end the text holds, None when it holds none, Mixed when more than one.
    Summary Get() const;

private:
    void Apply(char before, std::string_view changed, char after, int sign);

    // Counts over the whole text: CR bytes, LF bytes, and CR LF pairs.
    std::ptrdiff_t cr_ = 0;
    std::ptrdiff_t lf_ = 0;
    std::ptrdiff_t crLf_ = 0;
};

}  // namespace venkora
