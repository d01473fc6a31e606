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
    std::optional<int> tabWidth;         // tab_width, else indent_size, held to 1 to 16
    TextConventions atSave;              // trim_trailing_whitespace, end_of_line, insert_final_newline

    // The conventions for the file at `absolutePath`; what the library cannot read is a Failure.
    static std::variant<ProjectConventions, EditorConfig::Failure> For(const std::string& absolutePath);
};

}  // namespace venkora
