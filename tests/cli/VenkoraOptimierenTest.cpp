// venkora-optimieren as a whole program: standard streams, rewriting in place, checking,
// failing files, usage errors, the status texts and the editor's saved settings.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "ProgramRunner.h"
#include "TemporaryDirectory.h"

namespace {

using namespace std::string_literals;

constexpr std::string_view kUsageHint =
    "„venkora-optimieren --help“ liefert weitere Informationen.\n";

struct stat StatOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(lstat(path.c_str(), &info), 0) << path;
    return info;
}

class VenkoraOptimieren : public ::testing::Test {
protected:
    ProgramRunner::Result Run(const std::vector<std::string>& arguments,
                              std::string_view input = {}) const {
        return runner_.Run(arguments, input);
    }

    TemporaryDirectory dir_;
    ProgramRunner runner_{VENKORA_OPTIMIEREN};
};

TEST_F(VenkoraOptimieren, OptionsReachTheOptimizerThroughStandardStreams) {
    struct Case {
        std::vector<std::string> arguments;
        std::string input;
        std::string expected;
    };
    const Case cases[] = {
        {{"--leerzeichen=beide"}, "  ab  \r\n  cd  ", "  ab\r\ncd  "},
        // NUL bytes are ordinary bytes; a lone LF is no line break.
        {{"--leerzeichen=beide"}, "x \0 \r\n \0y\n  z  \n"s, "x \0\r\n\0y\n  z  \n"s},
        {{"--tabulatoren=ende"}, "a\t\t\n\r\tb\t", "a\n\r\tb\t"},
        {{"--zeilenumbrueche=alle"}, "a\r\nb\r\nc", "abc"},
        {{"--zeilenumbrueche=leerzeilen"}, "a\r\n\r\n\r\nb", "a\r\nb"},
        {{"--leerz-zu-tab", "--breite=4"}, "a      b", "a\t  b"},
        {{"--leerz-zu-tab", "--breite", "4", "--ueberzaehlige-loeschen"}, "a      b", "a\tb"},
        {{"--tab-zu-leerz", "--leerz-zu-tab", "--breite=4"}, "\t  \t", "\t\t  "},
        {{"--benutzerdefiniert=#"}, "#a#\r\n#b#", "#a\r\nb#"},
        {{"--benutzerdefiniert-an=ende", "--benutzerdefiniert=#"}, "#a#\r\n#b#", "#a\r\n#b#"},
        {{"--set", "Bendef=1", "--set=benutzerdef zeichen=#", "--set", "BENDEFANF=1"},
         "#a#\r\n#b#", "#a#\r\nb#"},
        {{}, "\0\xff \r\n\t"s, "\0\xff \r\n\t"s},
        // Each text by its own line ends, converted after the rules.
        {{"--leerzeichen=beide", "--zeilenumbrueche=leerzeilen"}, " a \r\r\r b \r", " a\rb\r"},
        {{"--nur-crlf", "--leerzeichen=beide"}, "a \nb", "a \nb"},
        {{"--zeilenende=lf", "--leerzeichen=ende"}, "a \r\nb\n\rc\rd", "a\nb\nc\nd"},
        {{"--zeilenende=crlf"}, "a\nb\n\rc\rd\r\n", "a\r\nb\r\nc\r\nd\r\n"},
        {{"--zeilenende=cr"}, "a\nb\n\rc\rd\r\n", "a\rb\rc\rd\r"},
        {{"--zeilenende=lf", "--tab-zu-leerz"}, "\ta\r\n", "  a\n"},
        // A long option may be any prefix that begins no other one.
        {{"--leerze=beide", "--zeilenu", "leerzeilen"}, " a \r\n\r\n b ", " a\r\nb "},
        {{"--leerz-", "--br", "4", "--ue"}, "a      b", "a\tb"},
        {{"--benutzerdefiniert-=ende", "--benutzerdefiniert=#"}, "#a#\r\n#b#", "#a\r\n#b#"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const auto result = Run(c.arguments, c.input);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, c.expected);
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(VenkoraOptimieren, CheckingAndRewritingSeeLineEndsAndTheirConversion) {
    const std::string crLf = dir_.Write("crlf.txt", "a\r\n");
    const std::string lf = dir_.Write("lf.txt", " a \n\n\n b \n");
    const auto checked = Run({"-c", "--zeilenende=lf", crLf, lf});
    EXPECT_EQ(checked.exitCode, 1);
    EXPECT_EQ(checked.out, crLf + "\n");
    EXPECT_EQ(Run({"-i", "--zeilenende=crlf", "--leerzeichen=beide", "--zeilenumbrueche=leerzeilen",
                   crLf, lf}).exitCode, 0);
    EXPECT_EQ(TemporaryDirectory::Read(lf), " a\r\nb\r\n");
    EXPECT_EQ(TemporaryDirectory::Read(crLf), "a\r\n");
}

TEST_F(VenkoraOptimieren, TheUserStringTakesTheCodePageOfEachFile) {
    // The string is typed text: UTF-8 bytes in a file of valid UTF-8, Windows-1252 bytes in any
    // other; where that code page lacks a character, nothing is deleted.
    struct Case {
        std::string user;
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"\xC3\xA4", "\xC3\xA4x\xC3\xA4\r\n\xC3\xA4y", "\xC3\xA4x\r\ny"},
        {"\xC3\xA4", "\xE4x\xE4\r\n\xE4y", "\xE4x\r\ny"},
        {"\xE2\x82\xAC", "\x80x\x80\r\n\x80y", "\x80x\r\ny"},
        {"\xCE\xA9", "\xE4x\r\n\xCE\xA9y\xFF", "\xE4x\r\n\xCE\xA9y\xFF"},
        {"\xFF", "a\xFF\r\n\xFF" "b", "a\r\nb"},  // no valid UTF-8: taken as bytes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.user) + " " + testing::PrintToString(c.text));
        const std::string file = dir_.Write("text.txt", c.text);
        const auto result = Run({"-i", "--benutzerdefiniert=" + c.user, file});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(TemporaryDirectory::Read(file), c.expected);
    }
}

TEST_F(VenkoraOptimieren, LargeInputPassesWhole) {
    std::string input;
    std::string expected = "  ";
    for (int i = 0; i < 300000; ++i) {
        input += "  line  \r\n";
        expected += "line\r\n";
    }
    const auto result = Run({"--leerzeichen=beide"}, input);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out == expected) << "output of " << result.out.size() << " bytes differs";
}

TEST_F(VenkoraOptimieren, FilesAndStandardInputAreWrittenInOrder) {
    const std::string a = dir_.Write("a.txt", "a \r\n");
    const std::string b = dir_.Write("b.txt", "b \r\n");
    const auto result = Run({"--leerzeichen=ende", a, "-", b}, "in \r\n");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "a\r\nin\r\nb\r\n");
    EXPECT_EQ(TemporaryDirectory::Read(a), "a \r\n") << "without -i files stay as they are";
}

TEST_F(VenkoraOptimieren, InPlaceRewritesChangedFileKeepingPermissions) {
    const std::string file = dir_.Write("text.txt", "a  \r\n  b\0"s, 0604);
    const auto result = Run({"-i", "--leerzeichen=beide", file});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(TemporaryDirectory::Read(file), "a\r\nb\0"s);
    EXPECT_EQ(StatOf(file).st_mode & 07777, 0604u);
    EXPECT_EQ(dir_.Names(), std::vector<std::string>{"text.txt"}) << "no temporary file left";
}

TEST_F(VenkoraOptimieren, InPlaceLeavesUnchangedFileUntouched) {
    const std::string file = dir_.Write("same.txt", "a\r\nb");
    const timespec old[2] = {{978307200, 0}, {978307200, 0}};  // 2001-01-01
    ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), old, 0), 0);
    const struct stat before = StatOf(file);
    const auto result =
        Run({"--vor-ort", "--leerzeichen=beide", "--zeilenumbrueche=leerzeilen", file});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const struct stat after = StatOf(file);
    EXPECT_EQ(TemporaryDirectory::Read(file), "a\r\nb");
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_sec, 978307200);
    EXPECT_EQ(after.st_ctim.tv_sec, before.st_ctim.tv_sec);
    EXPECT_EQ(after.st_ctim.tv_nsec, before.st_ctim.tv_nsec);
}

TEST_F(VenkoraOptimieren, InPlaceThroughSymlinkRewritesTargetAndKeepsLink) {
    const std::string target = dir_.Write("target.txt", "x \r\n");
    const std::string link = dir_.Path() + "/link.txt";
    ASSERT_EQ(symlink("target.txt", link.c_str()), 0);
    const auto result = Run({"-i", "--leerzeichen=ende", link});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(S_ISLNK(StatOf(link).st_mode));
    EXPECT_EQ(TemporaryDirectory::Read(target), "x\r\n");
    EXPECT_EQ(dir_.Names(), (std::vector<std::string>{"link.txt", "target.txt"}));
}

TEST_F(VenkoraOptimieren, FailedReplacementLeavesOriginalAndGoesOn) {
    // The result outgrows the file size limit: the write fails in the middle of the temporary
    // file. The original must stay complete and the next file must still be rewritten.
    const std::string big = dir_.Write("big.txt", std::string(200, '\t'));
    const std::string small = dir_.Write("small.txt", "\t");
    ProgramRunner limited(VENKORA_OPTIMIEREN);
    limited.SetFileSizeLimit(4096);
    const auto result = limited.Run({"-i", "--tab-zu-leerz", "--breite=100", big, small});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.err, "venkora-optimieren: „" + big +
                              "“: kann nicht geschrieben werden: Datei zu groß\n");
    EXPECT_EQ(TemporaryDirectory::Read(big), std::string(200, '\t'));
    EXPECT_EQ(TemporaryDirectory::Read(small), std::string(100, ' '));
    EXPECT_EQ(dir_.Names(), (std::vector<std::string>{"big.txt", "small.txt"}));
}

TEST_F(VenkoraOptimieren, CheckNamesChangingFilesAndWritesNothing) {
    const std::string changes = dir_.Write("changes.txt", "a \r\n");
    const std::string stays = dir_.Write("stays.txt", "a\r\n");
    const auto some = Run({"-c", "--leerzeichen=ende", changes, stays, "-"}, "b \r\n");
    EXPECT_EQ(some.exitCode, 1) << some.err;
    EXPECT_EQ(some.out, changes + "\n-\n");
    EXPECT_EQ(TemporaryDirectory::Read(changes), "a \r\n");

    const auto none = Run({"--pruefen", "--leerzeichen=ende", stays, "-"}, "b\r\n");
    EXPECT_EQ(none.exitCode, 0) << none.err;
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(dir_.Names(), (std::vector<std::string>{"changes.txt", "stays.txt"}));
}

TEST_F(VenkoraOptimieren, MissingFileIsReportedAndOthersAreStillProcessed) {
    const std::string a = dir_.Write("a.txt", "a \r\n");
    const std::string missing = dir_.Path() + "/fehlt.txt";
    const std::string b = dir_.Write("b.txt", "b \r\n");
    const auto result = Run({"--leerzeichen=ende", a, missing, b});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.out, "a\r\nb\r\n");
    EXPECT_EQ(result.err, "venkora-optimieren: „" + missing + "“: Datei nicht gefunden\n");

    // A failure outranks "would change".
    const auto checked = Run({"-c", "--leerzeichen=ende", a, missing});
    EXPECT_EQ(checked.exitCode, 3);
    EXPECT_EQ(checked.out, a + "\n");
}

// In every mode only regular files are read: a device or FIFO would be read without end.
TEST_F(VenkoraOptimieren, DirectoriesDevicesAndFifosAreRefusedInEveryMode) {
    const std::string fifo = dir_.Path() + "/fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, std::string> refused[] = {
        {dir_.Path(), "ist ein Verzeichnis"},
        {fifo, "ist keine gewöhnliche Datei"},
        {"/dev/zero", "ist keine gewöhnliche Datei"},
    };
    for (const auto& [path, statement] : refused) {
        for (const std::vector<std::string>& mode : {std::vector<std::string>{}, {"-i"}, {"-c"}}) {
            std::vector<std::string> arguments = mode;
            arguments.push_back("--leerzeichen=beide");
            arguments.push_back(path);
            SCOPED_TRACE(arguments.front() + " " + path);
            const auto result = Run(arguments);
            EXPECT_EQ(result.exitCode, 3);
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(result.err, "venkora-optimieren: „" + path + "“: " + statement + "\n");
        }
    }
}

TEST_F(VenkoraOptimieren, MissingPermissionsAreReportedAndNothingIsWritten) {
    const std::string secret = dir_.Write("geheim.txt", "a \r\n", 0200);
    const std::string readOnly = dir_.Write("nurlesen.txt", "a \r\n", 0444);
    const std::string folder = dir_.Path() + "/ordner";
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    const std::string inFolder = folder + "/datei.txt";
    dir_.Write("ordner/datei.txt", "a \r\n", 0666);
    ASSERT_EQ(chmod(folder.c_str(), 0500), 0);
    // The superuser may read and write every file: as root, the files go to "nobody" (65534),
    // who runs the program.
    if (geteuid() == 0) {
        dir_.GiveTo(65534, 65534);
        runner_.SetUser(65534, 65534);
    }

    const auto result = Run({"-i", "--leerzeichen=ende", secret, readOnly, inFolder});
    EXPECT_EQ(result.exitCode, 3);
    const std::string prefix = "venkora-optimieren: „";
    EXPECT_EQ(result.err,
              prefix + secret + "“: kann nicht gelesen werden: keine Berechtigung\n" + prefix +
                  readOnly + "“: kann nicht geschrieben werden: keine Berechtigung\n" + prefix +
                  inFolder + "“: kann nicht geschrieben werden: keine Berechtigung, im Ordner „" +
                  folder + "“ eine Datei anzulegen\n");
    EXPECT_EQ(TemporaryDirectory::Read(readOnly), "a \r\n");
    EXPECT_EQ(TemporaryDirectory::Read(inFolder), "a \r\n");
}

TEST_F(VenkoraOptimieren, FullStandardOutputIsReported) {
    ProgramRunner toFull(VENKORA_OPTIMIEREN);
    toFull.SetStdoutFile("/dev/full");
    const std::string file = dir_.Write("f.txt", "b");
    const auto result = toFull.Run({"--leerzeichen=ende", "-", file}, "a \r\n");
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.err,
              "venkora-optimieren: Standardausgabe: kann nicht geschrieben werden: kein Platz mehr "
              "auf dem Datenträger\n")
        << "reported once; the files behind it are not processed";
}

TEST_F(VenkoraOptimieren, UsageErrorsWriteNothing) {
    const std::string file = dir_.Write("f.txt", "a \r\n");
    const std::vector<std::string> cases[] = {
        {"--unbekannt"},
        {"-i", "--leerzeichen=ende", file, "--breite=256"},
        {"-i", "-c", "--leerzeichen=ende", file},
        {"-i", "--leerzeichen=ende", "-"},
        {"--set", "Leerz=ja", file},
        {"--zeilenende=mac", file},
        {"-i", "--leer=ende", file},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        const auto result = Run(arguments, "a \r\n");
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with("venkora-optimieren: ")) << result.err;
        EXPECT_TRUE(result.err.ends_with(kUsageHint)) << result.err;
    }
    EXPECT_EQ(TemporaryDirectory::Read(file), "a \r\n");
}

TEST_F(VenkoraOptimieren, VerboseReportsEachGroupAndTheKindAndChangeOfEachFile) {
    const std::string a = dir_.Write("a.txt", "a \n");
    const std::vector<std::string> options = {"--leerzeichen=beide", "--zeilenumbrueche=alle",
                                              "--benutzerdefiniert=x", "--tab-zu-leerz"};
    std::vector<std::string> verbose = {"-v"};
    verbose.insert(verbose.end(), options.begin(), options.end());
    verbose.insert(verbose.end(), {a, "-"});
    const auto result = Run(verbose, "b");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "ab");
    const std::string perFile =
        "Lösche Leerzeichen...\nLösche Zeilenumbrüche...\nLösche benutzerdefinierte Zeichen...\n";
    EXPECT_EQ(result.err, perFile + "„" + a + "“: LF-Text, geändert\n" + perFile +
                              "Standardeingabe: CR-LF-Text, unverändert\n");
    EXPECT_EQ(Run({"-v", "--nur-crlf", a}).err, "„" + a + "“: CR-LF-Text, unverändert\n")
        << "the kind the file is read as";

    EXPECT_EQ(Run(options, "b").err, "") << "quiet without -v";
}

TEST_F(VenkoraOptimieren, SavedSettingsComeFromTheEditorsSettingsFile) {
    // XDG_CONFIG_HOME wins over HOME; when it is empty, HOME/.config counts.
    for (const char* folder : {"xdg", "xdg/talberg", "home", "home/.config",
                               "home/.config/talberg", "leer"}) {
        ASSERT_EQ(mkdir((dir_.Path() + "/" + folder).c_str(), 0755), 0) << folder;
    }
    dir_.Write("xdg/talberg/Venkora.conf",
               "[OptimierenDlg]\nLeerz=1\nLeerzEnde=1\nNur%20Leerzeilen=1\nZeilenumbruch=1\n");
    dir_.Write("home/.config/talberg/Venkora.conf",
               "; vom Editor\r\n[optimierendlg]\r\nTAB=1\r\ntabende=1\r\n");
    struct Case {
        std::string xdg;
        std::vector<std::string> arguments;
        std::string expected;
    };
    const std::string text = "a\t \r\n\r\n\r\nb \t\r\n";
    const Case cases[] = {
        {dir_.Path() + "/xdg", {"--gespeichert"}, "a\t\r\nb \t\r\n"},
        {dir_.Path() + "/xdg", {"--zeilenumbrueche=alle", "--gespeichert"}, "a\t\r\nb \t\r\n"},
        {dir_.Path() + "/xdg", {"--gespeichert", "--zeilenumbrueche=alle"}, "a\tb \t"},
        {dir_.Path() + "/xdg", {"--zeilenumbrueche=alle", "--ges"}, "a\t\r\nb \t\r\n"},
        {"", {"--gespeichert"}, "a\t \r\n\r\n\r\nb \r\n"},
        {dir_.Path() + "/leer", {"--gespeichert", "--leerzeichen=beide"},
         "a\t\r\n\r\n\r\nb \t\r\n"},
        {dir_.Path() + "/xdg", {}, text},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xdg + " " + testing::PrintToString(c.arguments));
        runner_.SetEnvironment("XDG_CONFIG_HOME", c.xdg);
        runner_.SetEnvironment("HOME", dir_.Path() + "/home");
        const auto result = Run(c.arguments, text);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, c.expected);
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(VenkoraOptimieren, UnreadableSettingsFileWarnsAndKeepsTheDefaults) {
    const std::string folder = dir_.Path() + "/talberg/Venkora.conf";
    ASSERT_EQ(mkdir((dir_.Path() + "/talberg").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    runner_.SetEnvironment("XDG_CONFIG_HOME", dir_.Path());
    const auto result = Run({"--set", "Tab=1", "--gespeichert", "--leerzeichen=ende"}, "a \t \r\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "a \t\r\n");
    EXPECT_EQ(result.err, "venkora-optimieren: Warnung: Die gespeicherten Einstellungen in „" +
                              folder +
                              "“ können nicht gelesen werden (ist ein Verzeichnis); es gelten die "
                              "Vorgaben.\n");
    EXPECT_EQ(Run({"--leerzeichen=ende"}, "a \r\n").err, "") << "read only with --gespeichert";
}

TEST_F(VenkoraOptimieren, HelpAndVersion) {
    const auto help = Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.starts_with("Aufruf: venkora-optimieren [OPTIONEN] [DATEI ...]\n"));
    EXPECT_NE(help.out.find("--vor-ort"), std::string::npos);
    EXPECT_NE(help.out.find("--gespeichert"), std::string::npos);
    EXPECT_EQ(help.err, "");

    for (const char* option : {"--version", "-V"}) {
        const auto version = Run({option});
        EXPECT_EQ(version.exitCode, 0);
        EXPECT_EQ(version.out, "venkora-optimieren " VENKORA_VERSION "\n");
    }
}

}  // namespace
