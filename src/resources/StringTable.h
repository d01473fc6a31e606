#pragma once
// The program's string table: the German texts looked up by number. A command's prompt and
// tooltip are those of its row in the command table; the other strings are held here.

#include <optional>
#include <string_view>

namespace venkora {

class StringTable {
public:
    // A string that is no command's, in UTF-8; nullopt when there is none with this id.
    static std::optional<std::string_view> Find(unsigned id);
    // A command's prompt; for other strings the part before the first line feed, or the whole
    // string when it has none; empty for an unknown id.
    static std::string_view Prompt(unsigned id);
};

}  // namespace venkora
