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

}  // namespace
}  // namespace venkora
