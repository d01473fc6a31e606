// The .editorconfig properties of a path as the core hands them on, and absolute paths made as
// written.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TemporaryDirectory.h"
#include "core/EditorConfig.h"

namespace venkora {
namespace {

TEST(EditorConfig, PropertiesOfAPath) {
    TemporaryDirectory dir;
    ASSERT_EQ(mkdir((dir.Path() + "/b\xE4se").c_str(), 0755), 0);
    dir.Write(".editorconfig",
              "root = true\n[*]\nEnd_Of_Line = CR\ntrim_trailing_whitespace = TRUE\n"
              "indent_size = 4\nindent_style = tab\ncharset = latin1\nquote_type = Double\n"
              "[*.md]\nend_of_line = unset\ninsert_final_newline = vielleicht\ntab_width = 0\n");
    dir.Write("b\xE4se/.editorconfig", "[*]\ncharset = utf-8-bom\ninsert_final_newline = false\n");
    using P = EditorConfig::Property;
    EditorConfig::Properties text;
    text.trimTrailingWhitespace = true;
    text.endOfLine = LineEndKind::Cr;
    text.indentSize = 4;
    text.tabWidth = 4;  // the library's, from indent_size
    text.others = {P{"indent_style", "tab"}, P{"charset", "latin1"}, P{"quote_type", "Double"}};
    EditorConfig::Properties markdown = text;
    markdown.endOfLine.reset();
    markdown.tabWidth.reset();
    markdown.others.push_back({"insert_final_newline", "vielleicht"});
    markdown.others.push_back({"tab_width", "0"});
    EditorConfig::Properties nested = text;
    nested.charset = EditorConfig::Charset::Utf8Bom;
    nested.insertFinalNewline = false;
    nested.others.erase(nested.others.begin() + 1);
    const std::pair<std::string, EditorConfig::Properties> rows[] = {
        {"/a.txt", text}, {"/a.md", markdown}, {"/b\xE4se/\xFF.txt", nested}};
    for (const auto& [name, expected] : rows) {
        SCOPED_TRACE(name);
        const auto found = EditorConfig::For(dir.Path() + name);
        ASSERT_TRUE(std::holds_alternative<EditorConfig::Properties>(found));
        EXPECT_EQ(std::get<EditorConfig::Properties>(found), expected);
    }
    dir.Write("b\xE4se/.editorconfig", "[*]\ncharset = utf-8\nkein Wert\n");
    const auto failed = EditorConfig::For(dir.Path() + "/b\xE4se/x");
    ASSERT_TRUE(std::holds_alternative<EditorConfig::Failure>(failed));
    EXPECT_EQ(std::get<EditorConfig::Failure>(failed).file, dir.Path() + "/b\xE4se/.editorconfig");
    EXPECT_EQ(std::get<EditorConfig::Failure>(failed).line, 3);
}

TEST(EditorConfig, AbsolutePathsAsWritten) {
    const struct { const char* name; const char* expected; } rows[] = {
        {"a.txt", "/w/d/a.txt"},     {"./x/./a.txt", "/w/d/x/a.txt"}, {"x//a", "/w/d/x/a"},
        {"../a", "/w/a"},            {"../../../a", "/a"},            {"/r/../s/a", "/s/a"},
        {"x/..", "/w/d"},            {"\xFF/a", "/w/d/\xFF/a"},
    };
    for (const auto& row : rows) EXPECT_EQ(EditorConfig::AbsolutePath(row.name, "/w//d/"), row.expected);
}

}  // namespace
}  // namespace venkora
