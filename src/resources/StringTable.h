#pragma once
// The program's string table: the German texts looked up by number. A command's entry is its
// status prompt, optionally followed by a line feed and the tooltip of its toolbar button.

#include <optional>
#include <string_view>

namespace venkora {

class StringTable {
public:
    // The whole entry in UTF-8; nullopt when there is none with this id.
    static std::optional<std::string_view> Find(unsigned id);
    // The part of the entry before the first line feed, or the whole entry when it has none;
    // empty for an unknown id.
    static std::string_view Prompt(unsigned id);
    // The part of the entry after the first line feed; empty when it has none.
    static std::string_view Tooltip(unsigned id);
};

}  // namespace venkora
