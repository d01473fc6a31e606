// --gespeichert reads the editor's settings file as the editor does, never waits on a file
// that is none, and warns when it cannot read it.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "ProgramRunner.h"
#include "TemporaryDirectory.h"
#include "optimizer/OptimizeOptionKey.h"
#include "optimizer/TextPasses.h"
#include "core/CodePage.h"
#include "platform/QSettingsProfileStore.h"

namespace {

using namespace venkora;

class SavedSettings : public ::testing::Test {
protected:
    SavedSettings() {
        EXPECT_EQ(mkdir((dir_.Path() + "/talberg").c_str(), 0755), 0);
        runner_.SetEnvironment("XDG_CONFIG_HOME", dir_.Path());
    }
    std::string SettingsPath() const { return dir_.Path() + "/talberg/Venkora.conf"; }

    TemporaryDirectory dir_;
    ProgramRunner runner_{VENKORA_OPTIMIEREN};
};

TEST_F(SavedSettings, HandWrittenFilesReadAsTheEditorReadsThem) {
    // One text that shows every switch of these files at work.
    const std::string text = "  a,b\t \r\n\r\n\r\n#x\xFF\r\n\xC3\xA4y  \r\n\tb\t";
    const std::string files[] = {
        "[OptimierenDlg]\nLeerz=1\nLEERZ=0\nleerzende=1\nLeerzAnf=1\n",
        "[optimierendlg]\nLeerz=1\n[OptimierenDlg]\nLeerzEnde=1\nleerz=0\n",
        "[OptimierenDlg]\nBendef=1\nBendefAnf=1\nBenutzerdef%20Zeichen=a,b\n",
        "[OptimierenDlg]\nBendef=1\nBendefAnf=1\nBenutzerdef%20Zeichen=\"a,b\"\n",
        "[OptimierenDlg]\n#Leerz=1\n;Tab=1\nLeerzEnde=1\nTab=1\nTabEnde=1\n",
        "\xEF\xBB\xBF[OptimierenDlg]\nZeilenumbruch=1\nNur%20Leerzeilen=1\n",
        "[OptimierenDlg]\nBendef=1\nBendefAnf=1\nBendefEnde=1\nBenutzerdef%20Zeichen=#x\xFF\n",
        "[OptimierenDlg]\nBendef=1\nBendefAnf=1\nBenutzerdef%20Zeichen=\xC3\xA4\n",
        "[OptimierenDlg]\nTab%20zu%20Leerz=1\nTabbreite=259\nLeerz=1\nLeerzAnf=1\n",
    };
    for (const std::string& file : files) {
        SCOPED_TRACE(testing::PrintToString(file));
        dir_.Write("talberg/Venkora.conf", file);
        // The editor: its settings store, then the user string in the text's code page.
        OptimizeOptions options;
        options.bereich = 1;
        LoadOptimizeOptions(QSettingsProfileStore(QString::fromStdString(SettingsPath())), options);
        options.bendefZeichen =
            CodePage::ForLoadedText(text, true).Encode(options.bendefZeichen).value_or("");
        std::string expected = text;
        OptimizeTextPasses(expected, options, LineEndKindOf(text));

        const auto result = runner_.Run({"--gespeichert"}, text);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, expected);
    }
}

TEST_F(SavedSettings, WhatTheEditorStoresTheBatchToolApplies) {
    // Between them the rows store every option away from its default where that changes the text.
    const std::string text = "a  \r\n  b\t\r\n\t c#\r\n#d    e \t\r\n\r\n\r\n\tf";
    const auto with = [](const std::function<void(OptimizeOptions&)>& set) {
        OptimizeOptions options;
        options.bereich = 1;
        set(options);
        return options;
    };
    const OptimizeOptions rows[] = {
        with([](OptimizeOptions& o) { o.leerz = o.leerzAnf = 1; }),
        with([](OptimizeOptions& o) { o.leerz = o.leerzEnde = 1; }),
        with([](OptimizeOptions& o) { o.tab = o.tabAnf = o.tabEnde = 1; }),
        with([](OptimizeOptions& o) { o.bendef = o.bendefAnf = o.bendefEnde = 1; o.bendefZeichen = "#"; }),
        with([](OptimizeOptions& o) { o.zeilenumbruch = o.nurLeerzeilen = 1; }),
        with([](OptimizeOptions& o) { o.tabZuLeerz = 1; o.tabbreite = 3; }),
        with([](OptimizeOptions& o) { o.leerzZuTab = o.loescheUeberz = 1; o.tabbreite = 4; }),
    };
    for (const OptimizeOptions& row : rows) {
        // The editor's settings file as the optimize dialog's OK writes it.
        QSettingsProfileStore editor(QString::fromStdString(SettingsPath()));
        StoreOptimizeOptions(editor, row);
        std::string expected = text;
        OptimizeTextPasses(expected, row, LineEndKindOf(text));
        ASSERT_NE(expected, text);

        const auto result = runner_.Run({"--gespeichert"}, text);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, expected) << testing::PrintToString(expected);
    }
}

TEST_F(SavedSettings, ASettingsFileThatIsNoRegularFileIsNotRead) {
    const std::string fifo = dir_.Path() + "/fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    const std::string big = dir_.Write("big.conf", "[OptimierenDlg]\nLeerz=1\nLeerzEnde=1\n" +
                                                       std::string(2 << 20, ';'));
    const struct {
        std::string target;
        std::string reason;
    } cases[] = {
        {fifo, "ist keine gewöhnliche Datei"},
        {"/dev/zero", "ist keine gewöhnliche Datei"},
        {dir_.Path(), "ist ein Verzeichnis"},
        {big, "Datei zu groß"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        unlink(SettingsPath().c_str());
        ASSERT_EQ(symlink(c.target.c_str(), SettingsPath().c_str()), 0);
        const auto result = runner_.Run({"--set", "Tab=1", "--gespeichert", "--leerzeichen=ende"},
                                        "a \t \r\n");
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out, "a \t\r\n");
        EXPECT_EQ(result.err, "venkora-optimieren: Warnung: Die gespeicherten Einstellungen in „" +
                                  SettingsPath() + "“ können nicht gelesen werden (" + c.reason +
                                  "); es gelten die Vorgaben.\n");
    }
}

}  // namespace
