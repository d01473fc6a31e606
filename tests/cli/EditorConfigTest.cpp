// venkora-optimieren --editorconfig over a tree with nested .editorconfig files: what -c reports
// for each file, what -i makes of it, and a .editorconfig that cannot be read.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "ProgramRunner.h"
#include "TemporaryDirectory.h"

namespace {

TEST(EditorConfig, EachFileIsCheckedAndFixedByItsOwnProperties) {
    TemporaryDirectory dir;
    for (const char* folder : {"sub", "inner", "alt\xE4", "alt\xE4/tief", "bad", "fifo"}) {
        ASSERT_EQ(mkdir((dir.Path() + "/" + folder).c_str(), 0755), 0);
    }
    dir.Write(".editorconfig",
              "root = true\n[*]\ntrim_trailing_whitespace = true\ninsert_final_newline = true\n"
              "end_of_line = lf\nindent_style = space\nindent_size = 4\nquote_type = Double\n"
              "[*.md]\ntrim_trailing_whitespace = false\nend_of_line = native\n"
              "[*.{bat,cmd}]\nend_of_line = crlf\n[Makefile]\ninsert_final_newline = unset\n"
              "[alt*/**]\ncharset = utf-8\n");
    dir.Write("sub/.editorconfig",
              "[*]\nend_of_line = cr\n[k*.txt]\ninsert_final_newline = false\n");
    dir.Write("inner/.editorconfig", "root = true\n[*.txt]\ncharset = utf-8-bom\n");
    // The names as given on the command line, behind the folder.
    const struct { const char* name; std::string text, fixed; const char* broken; } rows[] = {
        {"/a.txt", "x \t\r\ny", "x\ny\n",
         "trim_trailing_whitespace, end_of_line, insert_final_newline"},
        {"/n.md", "x  \n", "x  \n", ""},
        {"/sub/../run.bat", "a \nb", "a\r\nb\r\n",
         "trim_trailing_whitespace, end_of_line, insert_final_newline"},
        {"/Makefile", "all: \n\tx", "all:\n\tx", "trim_trailing_whitespace"},
        {"/./sub/keep.txt", "a\nb\n\n", "a\rb", "end_of_line, insert_final_newline"},
        {"/sub/other.txt", "a\r", "a\r", ""},
        {"/inner/x.txt", "a \n", "a \n", "charset"},
        {"/inner/y.md", "b  ", "b  ", ""},
        {"/alt\xE4/tief/\xE4.txt", "\xE4\n", "\xE4\n", "charset"},
    };
    std::vector<std::string> names;
    std::string report, named, left;
    for (const auto& row : rows) {
        names.push_back(dir.Path() + row.name);
        dir.Write(row.name, row.text);
        if (row.text == row.fixed && *row.broken == '\0') continue;
        report += names.back() + ": " + row.broken + "\n";
        named += names.back() + '\0';
        if (row.text == row.fixed) left += names.back() + ": charset\n";
    }
    const ProgramRunner tool(VENKORA_OPTIMIEREN);
    const auto run = [&](std::vector<std::string> arguments, std::string_view input = {}) {
        arguments.insert(arguments.end(), names.begin(), names.end());
        return tool.Run(arguments, input);
    };
    names.push_back("-");  // standard input has no properties
    auto result = run({"-c", "--editorconfig"}, "a \n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out + result.err, report);
    EXPECT_EQ(run({"--null", "-c", "--editorconfig"}, "a \n").out, named);
    names.pop_back();
    result = run({"-i", "-v", "--editorconfig"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.err.ends_with("\nAus .editorconfig nicht angewandt: indent_style = space, "
                                     "quote_type = Double, tab_width = 4, indent_size = 4, "
                                     "end_of_line = native, charset = utf-8-bom, charset = utf-8\n"))
        << result.err;
    for (const auto& row : rows) {
        EXPECT_EQ(TemporaryDirectory::Read(dir.Path() + row.name), row.fixed) << row.name;
    }
    EXPECT_EQ(run({"-c", "--editorconfig"}).out, left) << "only the charset is left";

    // A .editorconfig that cannot be read leaves the file alone; a FIFO is never opened.
    dir.Write("bad/.editorconfig", "[*]\ncharset = utf-8\n[*.txt\n");
    ASSERT_EQ(mkfifo((dir.Path() + "/fifo/.editorconfig").c_str(), 0644), 0);
    const struct { const char* name; const char* problem; } broken[] = {
        {"bad/f.txt", "Zeile 3 von „%/bad/.editorconfig“ ist fehlerhaft"},
        {"fifo/f.txt", "„%/fifo/.editorconfig“ ist keine gewöhnliche Datei"},
    };
    for (const auto& row : broken) {
        const std::string file = dir.Write(row.name, "a \n");
        std::string problem = row.problem;
        problem.replace(problem.find('%'), 1, dir.Path());
        result = tool.Run({"-i", "--editorconfig", file});
        EXPECT_EQ(result.exitCode, 3);
        EXPECT_EQ(result.err, "venkora-optimieren: „" + file + "“: " + problem +
                                  "; die Datei bleibt unbearbeitet\n");
        EXPECT_EQ(TemporaryDirectory::Read(file), "a \n");
    }
}

}  // namespace
