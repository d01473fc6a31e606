#pragma once
// What a project's .editorconfig asks of one document in the editor, for that document only
// (never stored in the settings): the line end Enter inserts, the shown tab width, and the
// conventions the text is brought to before each save.

#include <optional>
#include <string>
#include <variant>

#include "core/EditorConfig.h"
#include "optimizer/LineEnds.h"
#include "optimizer/TextConventions.h"

namespace venkora {

struct ProjectConventions {
    std::optional<LineEndKind> lineEnd;  // end_of_line
    std::optional<int> tabWidth;         // tab_width, else indent_size; held to the lengths a user may choose
    TextConventions atSave;              // trim_trailing_whitespace, end_of_line, insert_final_newline

    // Whether the project asks anything the editor follows.
    bool Any() const { return lineEnd || tabWidth || atSave.Any(); }

    // The conventions for the file at `absolutePath`; what the library cannot read is a Failure.
    static std::variant<ProjectConventions, EditorConfig::Failure> For(const std::string& absolutePath);
};

}  // namespace venkora
