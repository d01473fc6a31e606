// The built program printing from its command line without a display: "--pdf" makes the pages
// of the editor's layout with the stored view settings, and every failure is a German line on
// standard error with a non-zero exit code, no PDF left behind and the settings untouched.

#include <gtest/gtest.h>

#include <QPrinterInfo>


#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "PdfFile.h"
#include "ProgramRunner.h"
#include "TemporaryDirectory.h"

namespace venkora::test {
namespace {

class PrintFromCommandLineTest : public testing::Test {
protected:
    ProgramRunner::Result Print(const std::vector<std::string>& arguments, const std::string& settings = {}) {
        if (!settings.empty()) {
            std::filesystem::create_directories(dir.Path() + "/config/talberg");
            dir.Write("config/talberg/Venkora.conf", settings);
        }
        program.SetEnvironment("XDG_CONFIG_HOME", dir.Path() + "/config");
        program.SetEnvironment("DISPLAY", "");
        program.SetEnvironment("WAYLAND_DISPLAY", "");
        program.SetEnvironment("QT_QPA_PLATFORM", "xcb");  // which a print run does not use
        return program.Run(arguments);
    }
    std::string Pdf() const { return dir.Path() + "/aus.pdf"; }

    TemporaryDirectory dir;
    ProgramRunner program{VENKORA_PROGRAM};
};

// The lines of all pages one after the other.
std::vector<std::string> AllLines(const std::vector<std::vector<std::string>>& pages) {
    std::vector<std::string> lines;
    for (const auto& page : pages) lines.insert(lines.end(), page.begin(), page.end());
    return lines;
}

TEST_F(PrintFromCommandLineTest, PagesFollowEachOtherOnA4) {
    std::string text;
    std::vector<std::string> lines;
    for (int i = 1; i <= 300; ++i) {
        lines.push_back("Zeile " + std::to_string(i) + " \xC3\xA4\xE2\x82\xAC");  // "ä€": UTF-8
        text += lines.back() + (i % 2 ? "\r\n" : "\n");
    }
    const ProgramRunner::Result result = Print({"--pdf", Pdf(), dir.Write("zeilen.txt", text)});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(PdfPageSize(Pdf()), "595 x 842 pts (A4)");
    const auto pages = PdfPages(Pdf());
    EXPECT_GE(pages.size(), 3u);
    EXPECT_EQ(AllLines(pages), lines);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"aus.pdf", "zeilen.txt"})) << "no settings written";
}

TEST_F(PrintFromCommandLineTest, LongLinesWrapOrAreCutAsTheStoredWordWrapSays) {
    std::string words;
    for (int i = 0; i < 60; ++i) words += "Wort" + std::to_string(i) + ' ';
    const std::string file = dir.Write("lang.txt", words + "\r\nEnde");

    ASSERT_EQ(Print({"--pdf", Pdf(), file}).exitCode, 0);
    const auto onePage = PdfPages(Pdf());
    ASSERT_EQ(onePage.size(), 1u);
    const auto& cut = onePage[0];
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0].substr(0, 12), "Wort0 Wort1 ");
    EXPECT_LT(cut[0].size(), words.size() - 1);
    EXPECT_EQ(cut[1], "Ende");

    ASSERT_EQ(Print({"--pdf", Pdf(), file}, "[Einstellungen]\nZeilenumbruch=1\n").exitCode, 0);
    const auto wrapped = AllLines(PdfPages(Pdf()));
    ASSERT_GT(wrapped.size(), 2u);
    std::string joined;
    for (std::size_t i = 0; i + 1 < wrapped.size(); ++i) joined += wrapped[i] + ' ';
    EXPECT_EQ(joined, words);  // broken at blanks, no word lost or split
    EXPECT_EQ(wrapped.back(), "Ende");
}

TEST_F(PrintFromCommandLineTest, TabsPrintInTheColumnsOfTheScreen) {
    // Tab stops every 8 characters; at 15 points a character of DejaVu Sans Mono advances 150.5
    // device units of the PDF, a width that rounding makes wider.
    const std::string file = dir.Write("tabs.txt", "Name\tWert\tEinheit\r\nLaenge12\t128\tmm\r\n");
    const std::string settings = "[Schriftart]\nH\xC3\xB6he=-20\nArt=DejaVu Sans Mono\n";
    ASSERT_EQ(Print({"--pdf", Pdf(), file}, settings).exitCode, 0);
    std::map<std::string, double> x = PdfWordStarts(Pdf());
    const double column = (x["Einheit"] - x["Name"]) / 16;
    EXPECT_NEAR(column, 9.03, 0.01);
    EXPECT_NEAR(x["Wert"], x["Name"] + 8 * column, 0.01);
    EXPECT_NEAR(x["128"], x["Name"] + 16 * column, 0.01);
    EXPECT_NEAR(x["mm"], x["Name"] + 24 * column, 0.01);
}

TEST_F(PrintFromCommandLineTest, FailuresAreReportedAndLeaveNoPdf) {
    const std::string file = dir.Write("brief.txt", "Hallo\r\n");
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"--pdf", Pdf(), dir.Path() + "/fehlt.txt"}, "venkora: „fehlt.txt“ kann nicht geöffnet werden."},
        {{"--pdf", Pdf(), dir.Write("gross.txt", std::string(1 << 20, 'x'))},
         "venkora: Die Datei „gross.txt“ ist zu groß"},
        {{"--pdf", dir.Path() + "/kein/ordner/aus.pdf", file}, "venkora: „aus.pdf“ kann nicht gespeichert werden."},
        {{"-pt", "Venkora-Testdrucker-den-es-nicht-gibt", file}, "venkora: Der Drucker „Venkora-Testdrucker"},
        {{"-pt", file}, "venkora: Nach -pt fehlt der Drucker oder die Datei"},
        {{"--pdf", Pdf()}, "venkora: Es ist keine Datei zum Drucken angegeben."},
        // A text is never overwritten by its PDF: neither the file printed nor another text,
        // nor an empty file, nor a folder.
        {{"--pdf", file, file}, "venkora: „" + file + "“ ist die Datei, die gedruckt wird"},
        {{"--pdf", file, dir.Write("alt.pdf", "%PDF-1.4\n")}, "venkora: „" + file + "“ ist keine PDF-Datei"},
        {{"--pdf", dir.Write("leer.pdf", ""), file}, "venkora: „" + dir.Path() + "/leer.pdf“ ist keine PDF-Datei"},
        {{"--pdf", dir.Path() + "/", file}, "venkora: „" + dir.Path() + "/“ ist ein Verzeichnis."},
    };
    for (const Case& c : cases) {
        const ProgramRunner::Result result = Print(c.arguments);
        EXPECT_NE(result.exitCode, 0) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        EXPECT_NE(Print({"-p", file}).err.find("venkora: Es ist kein Drucker installiert."), std::string::npos);
    }
    // Killed while writing (the file size limit), it leaves no PDF either.
    program.SetFileSizeLimit(2000);
    EXPECT_NE(Print({"--pdf", Pdf(), file}).exitCode, 0);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"alt.pdf", "brief.txt", "gross.txt", "leer.pdf"}));
    EXPECT_EQ(TemporaryDirectory::Read(file), "Hallo\r\n");
}

// File names are bytes: a name that is no UTF-8 is read and written as given.
TEST_F(PrintFromCommandLineTest, NamesThatAreNoUtf8AreTheFilesGiven) {
    const std::string file = dir.Write("caf\xE9.txt", "Hallo\r\n");
    const ProgramRunner::Result result = Print({"--pdf", dir.Path() + "/aus\xE9.pdf", file});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"aus\xE9.pdf", "caf\xE9.txt"}));
}

// The run is held (SIGSTOP) once it opens the text, after it has looked at the PDF's name, and
// something happens meanwhile: a termination signal ends it with exit code 1 and no PDF, and a
// text put under the PDF's name (a link to it, or a file moved there) is never overwritten.
TEST_F(PrintFromCommandLineTest, ASignalOrATextUnderThePdfsNameWhilePrintingLeavesNoPdf) {
    enum class Meanwhile { Signal, LinkToText, TextMovedThere };
    std::string text;
    for (int i = 0; text.size() < 300000; ++i) text += "Zeile " + std::to_string(i) + " mit etwas Text\r\n";
    for (const Meanwhile meanwhile : {Meanwhile::Signal, Meanwhile::LinkToText, Meanwhile::TextMovedThere}) {
        SCOPED_TRACE(static_cast<int>(meanwhile));
        const TemporaryDirectory folder;
        const std::string victim = folder.Write("opfer.txt", "wichtig\n");
        const std::string pdf = folder.Path() + "/aus.pdf";
        const std::string printed = folder.Write("brief.txt", text);
        const int watch = inotify_init1(IN_CLOEXEC);
        ASSERT_GE(inotify_add_watch(watch, printed.c_str(), IN_OPEN), 0);
        std::thread meanwhileThread;
        program.SetStartedHandler([&](pid_t child) {
            meanwhileThread = std::thread([&, child] {
                pollfd opened{watch, POLLIN, 0};
                if (poll(&opened, 1, 20000) != 1) return;
                kill(child, SIGSTOP);
                if (meanwhile == Meanwhile::Signal) kill(child, SIGTERM);
                if (meanwhile == Meanwhile::LinkToText) symlink(victim.c_str(), pdf.c_str());
                if (meanwhile == Meanwhile::TextMovedThere) rename(folder.Write("notiz.tmp", "Notiz\n").c_str(), pdf.c_str());
                kill(child, SIGCONT);
            });
        });
        const ProgramRunner::Result result = Print({"--pdf", pdf, printed});
        meanwhileThread.join();
        program.SetStartedHandler({});
        close(watch);
        EXPECT_EQ(result.exitCode, 1) << result.err;
        EXPECT_EQ(TemporaryDirectory::Read(victim), "wichtig\n");
        if (meanwhile == Meanwhile::Signal) {
            EXPECT_EQ(folder.Names(), (std::vector<std::string>{"brief.txt", "opfer.txt"}));
        } else {
            EXPECT_NE(result.err.find("keine PDF-Datei und wird nicht überschrieben"), std::string::npos) << result.err;
            EXPECT_NE(TemporaryDirectory::Read(pdf).rfind("%PDF", 0), 0u);
        }
    }
}

}  // namespace
}  // namespace venkora::test
