#pragma once
// The properties a project's .editorconfig files give one file, found by libeditorconfig: it
// reads the .editorconfig of the file's folder and of every folder above it up to one that says
// "root = true", matches the section names (globs) against the file's path, and lets a nearer
// file and a later section win. Names, and the values of the properties it knows, come in small
// letters; "unset" takes a property back.
//
// Paths are bytes and never need to be valid UTF-8. The library wants an absolute path; it
// opens nothing but the .editorconfig files, so the file itself need not exist.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "optimizer/LineEnds.h"
#include "optimizer/TextConventions.h"

namespace venkora {

class EditorConfig {
public:
    enum class Charset { Utf8, Utf8Bom };

    // The names of the properties read into fields, as .editorconfig files write them.
    static constexpr std::string_view kTrimTrailingWhitespace = "trim_trailing_whitespace";
    static constexpr std::string_view kEndOfLine = "end_of_line";
    static constexpr std::string_view kInsertFinalNewline = "insert_final_newline";
    static constexpr std::string_view kCharset = "charset";
    static constexpr std::string_view kTabWidth = "tab_width";
    static constexpr std::string_view kIndentSize = "indent_size";

    struct Property {
        std::string name;
        std::string value;
        bool operator==(const Property&) const = default;
    };

    // A property is empty when no section sets it, when it is "unset", or when its value is
    // none of those listed; it is then in `others` unless it was "unset".
    struct Properties {
        std::optional<bool> trimTrailingWhitespace;
        std::optional<LineEndKind> endOfLine;    // lf, crlf, cr
        std::optional<bool> insertFinalNewline;
        std::optional<Charset> charset;          // utf-8, utf-8-bom
        std::optional<int> tabWidth;             // a whole number from 1; the library gives
                                                 // indent_size here when tab_width is missing
        std::optional<int> indentSize;           // a whole number from 1
        std::vector<Property> others;            // the rest, in the library's order

        // trim_trailing_whitespace, end_of_line and insert_final_newline as the conventions
        // that change a text's bytes; the charset, only ever checked, is the caller's to add.
        TextConventions Conventions() const;

        bool operator==(const Properties&) const = default;
    };

    // A .editorconfig that cannot be read: the first wrong line of `file`, or `file` is no
    // regular file (a FIFO, device, socket or folder), which is then never opened.
    struct Failure {
        std::string file;
        int line = 0;
        bool notRegularFile = false;
    };

    // The names of the properties whose conventions `broken` lists: trim_trailing_whitespace,
    // end_of_line, insert_final_newline, charset, in this order.
    static std::vector<std::string_view> BrokenNames(const BrokenConventions& broken);

    // The properties of the file at `absolutePath` (beginning with "/"). Each .editorconfig from
    // its folder up to "/" that is no regular file (after links) fails before the library
    // opens any, since opening a FIFO would wait for a writer without end. Throws
    // std::bad_alloc when the library runs out of memory.
    static std::variant<Properties, Failure> For(const std::string& absolutePath);

    // `name` as an absolute path: behind `workingDirectory` unless it begins with "/", then
    // cleaned as written, without asking the file system: empty and "." parts go, ".." takes
    // the part before it away (not beyond "/"). Links are not followed, so a linked folder
    // counts where it is named.
    static std::string AbsolutePath(std::string_view name, std::string_view workingDirectory);
};

}  // namespace venkora
