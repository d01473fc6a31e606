// The command line: a file name, switches with "-" in any case, "/" beginning a path.

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "app/CommandLineInfo.h"

namespace venkora {
namespace {

using Command = CommandLineInfo::ShellCommand;

CommandLineInfo Parse(std::vector<std::string_view> arguments) { return CommandLineInfo::Parse(arguments); }

TEST(CommandLineInfo, FileNamesAndSwitches) {
    EXPECT_EQ(Parse({}).shellCommand, Command::FileNew);

    const CommandLineInfo file = Parse({"/home/anna/brief.txt"});
    EXPECT_EQ(file.shellCommand, Command::FileOpen);
    EXPECT_EQ(file.fileName, "/home/anna/brief.txt");
    EXPECT_TRUE(file.ShowStartupTip());

    const CommandLineInfo embedded = Parse({"-EMBEDDING", "brief.txt", "zweite.txt"});
    EXPECT_TRUE(embedded.runEmbedded);
    EXPECT_FALSE(embedded.ShowStartupTip());
    EXPECT_EQ(embedded.fileName, "brief.txt");
    EXPECT_TRUE(Parse({"-automation"}).runAutomated);

    const CommandLineInfo print = Parse({"-p", "brief.txt"});
    EXPECT_EQ(print.shellCommand, Command::FilePrint);
    EXPECT_EQ(print.fileName, "brief.txt");
    const CommandLineInfo printTo = Parse({"-PT", "Laser", "brief.txt"});
    EXPECT_EQ(printTo.shellCommand, Command::FilePrintTo);
    EXPECT_EQ(printTo.printerName, "Laser");
    EXPECT_EQ(printTo.fileName, "brief.txt");
    const CommandLineInfo pdf = Parse({"--pdf", "aus.pdf", "brief.txt"});
    EXPECT_EQ(pdf.shellCommand, Command::FilePrintToPdf);
    EXPECT_EQ(pdf.pdfFileName, "aus.pdf");
    EXPECT_EQ(pdf.fileName, "brief.txt");
    EXPECT_TRUE(pdf.PrintsOnly() && print.PrintsOnly() && printTo.PrintsOnly());
    EXPECT_FALSE(file.PrintsOnly());

    // Starts that only print offer no tip either.
    EXPECT_FALSE(print.ShowStartupTip());
    EXPECT_FALSE(printTo.ShowStartupTip());
    EXPECT_FALSE(pdf.ShowStartupTip());

    const CommandLineInfo unknown = Parse({"-unbekannt"});  // unknown switches are ignored
    EXPECT_EQ(unknown.shellCommand, Command::FileNew);
    EXPECT_EQ(unknown.fileName, "");
}

// "+N" is a line, never a file, the last one counting; "--help" and "--version" are written
// exactly and end the reading. Each row: line|not understood|file|request.
TEST(CommandLineInfo, LinesHelpAndVersion) {
    const std::pair<std::vector<std::string_view>, std::string> rows[] = {
        {{"+12", "a"}, "12||a|0"}, {{"a", "+3"}, "3||a|0"}, {{"+", "a"}, "18446744073709551615||a|0"},
        {{"+123456789012345678901234567890"}, "18446744073709551615|||0"}, {{"+0", "a"}, "0|+0|a|0"},
        {{"+zwei"}, "0|+zwei||0"}, {{"++3"}, "0|++3||0"}, {{"+-3"}, "0|+-3||0"}, {{"+3x", "+4"}, "4|||0"},
        {{"+4", "+3x"}, "0|+3x||0"}, {{"a", "--help", "b"}, "0||a|1"}, {{"--version", "--help"}, "0|||2"},
        {{"--HELP", "-version"}, "0|||0"},
    };
    for (const auto& [arguments, expected] : rows) {
        const CommandLineInfo info = Parse(arguments);
        EXPECT_EQ(std::to_string(info.startLine) + '|' + info.lineNotUnderstood + '|' + info.fileName + '|' +
                      std::to_string(static_cast<int>(info.request)), expected);
    }
}

}  // namespace
}  // namespace venkora
