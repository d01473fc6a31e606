// The built program as a whole, offscreen with its own settings folder: closed by a termination
// signal as by its close box, it leaves its placement and its recent file in the settings; the
// signal ends it also before its window shows, and while a file dialog lists a file that blocks
// whoever opens it (with its own Xvfb, when installed, also when the display goes with it). On
// its own Xvfb, the first start shows the tip of the day above the main window. The other runs
// switch the tip at start-up off in their settings.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "ChildProcess.h"
#include "ProgramRunner.h"
#include "TemporaryDirectory.h"
#include "core/RecoveryFolder.h"

namespace {

// Whether the process waits for input: it catches SIGTERM and sleeps in poll, as its event
// loop does once the window shows (or a message box waits for its answer).
bool WaitsForInput(pid_t process) {
    bool catches = false;
    std::ifstream status("/proc/" + std::to_string(process) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("SigCgt:", 0) == 0) catches = (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1) & 1) != 0;
    }
    std::string waitingIn;
    std::getline(std::ifstream("/proc/" + std::to_string(process) + "/wchan"), waitingIn);
    return catches && waitingIn.find("poll") != std::string::npos;
}

// Settings in `config` with the tip of the day at start-up switched off, and `more` after it.
void WriteSettings(const std::string& config, const std::string& more = {}) {
    QDir().mkpath(QString::fromStdString(config + "/talberg"));
    std::ofstream(config + "/talberg/Venkora.conf") << "[Tip]\nStartUp=1\n" << more;
}

// Starts the program with its settings in `config` and `argument` (if any) on its command line,
// offscreen unless a `display` is given, running `commands` (if any) once its window shows.
std::unique_ptr<ChildProcess> Start(const std::string& config, const std::string& argument,
                                    const char* commands = nullptr, const std::string& display = {},
                                    const std::string& folder = {}) {
    ChildProcess::Options options;
    options.environment = {{"QT_QPA_PLATFORM", display.empty() ? "offscreen" : "xcb"},
                           {"DISPLAY", display},
                           {"XDG_CONFIG_HOME", config},
                           {"XDG_STATE_HOME", config + "/state"}};
    if (commands) options.environment["VENKORA_TEST_COMMANDS"] = commands;
    options.folder = folder;
    std::vector<std::string> arguments;
    if (!argument.empty()) arguments.push_back(argument);
    return std::make_unique<ChildProcess>(VENKORA_PROGRAM, arguments, options);
}

void WaitUntilItWaitsForInput(pid_t child) {
    for (int i = 0; i < 200 && !WaitsForInput(child); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

// Sends the termination signal; the program's exit code, or -1 when it did not exit by itself.
int ExitCodeAfterTerminate(ChildProcess& child) {
    kill(child.pid(), SIGTERM);
    const int status = child.Wait(20);
    EXPECT_TRUE(WIFEXITED(status)) << "status " << status;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(VenkoraProgram, ClosingWritesThePlacementAndTheRecentFile) {
    QTemporaryDir home;
    const std::string config = home.filePath(QStringLiteral("config")).toStdString();
    const std::string file = home.filePath(QStringLiteral("brief.txt")).toStdString();
    std::ofstream(file, std::ios::binary) << "Hallo\r\n";
    WriteSettings(config);

    const auto child = Start(config, file);
    WaitUntilItWaitsForInput(child->pid());
    ASSERT_EQ(ExitCodeAfterTerminate(*child), 0);

    const std::string settings = TemporaryDirectory::Read(config + "/talberg/Venkora.conf");
    EXPECT_NE(settings.find("FensterPos="), std::string::npos) << settings;
    EXPECT_NE(settings.find("brief.txt"), std::string::npos) << settings;
    EXPECT_NE(settings.find("[StatusBars]"), std::string::npos) << settings;
    // Nothing of the view settings changed, so none of them is written.
    EXPECT_EQ(settings.find("TabStops"), std::string::npos) << settings;
    EXPECT_EQ(settings.find("Zeilenumbruch"), std::string::npos) << settings;
    EXPECT_EQ(settings.find("[Schriftart]"), std::string::npos) << settings;
    EXPECT_EQ(TemporaryDirectory::Read(file), "Hallo\r\n");
}

TEST(VenkoraProgram, ATerminationSignalBeforeTheWindowShowsEndsTheRunAndWritesNothing) {
    QTemporaryDir home;
    const std::string config = home.filePath(QStringLiteral("config")).toStdString();
    const std::string missing = home.filePath(QStringLiteral("fehlt/fehlt.txt")).toStdString();

    const auto child = Start(config, missing);
    WaitUntilItWaitsForInput(child->pid());
    // The signal is seen once the error box about the missing file runs its event loop.
    EXPECT_EQ(ExitCodeAfterTerminate(*child), 1);
    EXPECT_FALSE(QDir(QString::fromStdString(config)).exists(QStringLiteral("talberg/Venkora.conf")));
}

// Without a display the editor says so in German and ends with exit code 1 (Qt alone would
// abort with an English message).
TEST(VenkoraProgram, WithoutADisplayItSaysSoAndEnds) {
    QTemporaryDir home;
    ProgramRunner program(VENKORA_PROGRAM);
    program.SetEnvironment("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toStdString());
    program.SetEnvironment("DISPLAY", "");
    program.SetEnvironment("WAYLAND_DISPLAY", "");
    program.SetEnvironment("QT_QPA_PLATFORM", "xcb");
    const ProgramRunner::Result result = program.Run({VENKORA_SAMPLE});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("venkora: Keine grafische Anzeige gefunden"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("Reinstalling"), std::string::npos) << result.err;
}

// Without a display "--help" and "--version" answer; with a window that saves and ends, a wrong
// line is passed over with a warning, "+N" is no file name and a file not there yet is created.
TEST(VenkoraProgram, TheCommandLineOfALinuxUser) {
    QTemporaryDir home;
    const std::string config = home.filePath(QStringLiteral("config")).toStdString();
    const std::string brief = home.filePath(QStringLiteral("brief.txt")).toStdString();
    std::ofstream(brief) << "eins\nzwei\n";
    WriteSettings(config);
    const std::pair<std::vector<std::string>, std::string> rows[] = {  // the arguments, what is said
        {{"--help"}, "Aufruf: venkora [+N] [DATEI]\n"},
        {{brief, "--version"}, "venkora " VENKORA_VERSION "\n"},
        {{"+zwei", brief}, "venkora: „+zwei“ ist keine Zeilennummer (+N mit N ab 1) und wird übergangen."},
        {{"+2", home.filePath(QStringLiteral("neu.txt")).toStdString()}, ""},
    };
    for (const auto& [arguments, said] : rows) {
        ProgramRunner program(VENKORA_PROGRAM);
        program.SetEnvironment("XDG_CONFIG_HOME", config);
        program.SetEnvironment("XDG_STATE_HOME", config + "/state");
        program.SetEnvironment("DISPLAY", "");
        program.SetEnvironment("QT_QPA_PLATFORM", arguments.front().starts_with('+') ? "offscreen" : "xcb");
        program.SetEnvironment("VENKORA_TEST_COMMANDS", "57603,57665");  // save, exit
        const ProgramRunner::Result result = program.Run(arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_NE((result.out + result.err).find(said), std::string::npos) << result.out << result.err;
    }
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files), (QStringList{"brief.txt", "neu.txt"}));
}

// A file that can be listed but whose opening blocks, like a kernel queue under /proc: a write
// lease makes every other process's open wait until the lease is given up (or the kernel
// breaks it, by default after 45 seconds).
class BlockingFile {
public:
    explicit BlockingFile(const std::string& path) {
        std::ofstream(path) << "%PDF-1.4\n";
        previousHandler_ = std::signal(SIGIO, SIG_IGN);  // the lease holder is told of a break
        fd_ = open(path.c_str(), O_WRONLY | O_CLOEXEC);
        leased_ = fd_ >= 0 && fcntl(fd_, F_SETLEASE, F_WRLCK) == 0;
    }
    ~BlockingFile() {
        if (fd_ >= 0) close(fd_);
        std::signal(SIGIO, previousHandler_);
    }
    bool leased() const { return leased_; }
    // Whether some process has tried to open the file.
    bool opened() const { return fcntl(fd_, F_GETLEASE) != F_WRLCK; }

private:
    int fd_ = -1;
    bool leased_ = false;
    void (*previousHandler_)(int) = SIG_DFL;
};

// Starts Xvfb on a free display: the server and its display name; none when it is not there.
std::pair<std::unique_ptr<ChildProcess>, std::string> StartXvfb() {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {};
    auto server = std::make_unique<ChildProcess>(
        "Xvfb",
        std::vector<std::string>{"-displayfd", std::to_string(pipeFds[1]), "-nolisten", "tcp",
                                 "-screen", "0", "1024x768x24"},
        ChildProcess::Options{});
    close(pipeFds[1]);
    std::string number;
    for (char c; read(pipeFds[0], &c, 1) == 1 && c != '\n';) number += c;
    close(pipeFds[0]);
    if (number.empty()) return {};
    return {std::move(server), ":" + number};
}

// Two editors with unsaved text each keep it in a file of their own, which neither takes for a
// left over one; one killed (SIGKILL) leaves its text, exactly, to be offered; the other ended by
// SIGTERM writes its text at once, before the save question that nobody answers.
TEST(VenkoraProgram, UnsavedTextOutlivesAKillAndIsWrittenAtATerminationSignal) {
    using venkora::RecoveryFolder;
    QTemporaryDir home;
    const std::string config = home.filePath(QStringLiteral("config")).toStdString();
    WriteSettings(config, "[OptimierenDlg]\nLeerz=1\nLeerzEnde=1\n");
    const RecoveryFolder folder(config + "/state/venkora");
    std::vector<std::string> files;
    std::vector<std::unique_ptr<ChildProcess>> editors;
    for (const char* name : {"a.txt", "b.txt"}) {
        files.push_back(home.filePath(QString::fromLatin1(name)).toStdString());
        std::ofstream(files.back(), std::ios::binary) << name << "  \r\nZeile  \r\n";
        editors.push_back(Start(config, files.back(), "32772"));  // optimize: unsaved text
    }
    for (int i = 0; i < 200 && folder.Entries().size() < 2; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_EQ(folder.Entries().size(), 2u);
    EXPECT_TRUE(folder.Leftovers().empty()) << "both editors still run";

    editors[0]->Kill();
    const std::vector<RecoveryFolder::Entry> left = folder.Leftovers();
    ASSERT_EQ(left.size(), 1u);
    ASSERT_TRUE(left.front().file);
    EXPECT_EQ(left.front().file->path, files[0]);
    EXPECT_EQ(left.front().file->text, "a.txt\r\nZeile\r\n");

    WaitUntilItWaitsForInput(editors[1]->pid());
    folder.RemoveOwn();  // nothing of the test's own
    const std::string bFile = [&] {
        for (const RecoveryFolder::Entry& entry : folder.Entries()) {
            if (entry.file && entry.file->path == files[1]) return folder.path() + "/" + entry.name;
        }
        return std::string();
    }();
    ASSERT_FALSE(bFile.empty());
    ASSERT_EQ(unlink(bFile.c_str()), 0);  // gone, so what follows is written by the signal
    kill(editors[1]->pid(), SIGTERM);
    for (int i = 0; i < 100 && access(bFile.c_str(), F_OK) != 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(access(bFile.c_str(), F_OK), 0) << "written at the signal";
    EXPECT_EQ(editors[1]->Wait(1), -1) << "the save question waits";
}

// The open and save dialogs show a folder with a file that blocks whoever opens it. A dialog
// must not open what it lists; a termination signal ends the program, also when the display
// connection goes with it.
TEST(VenkoraProgram, FileDialogsOnABlockingFileLeaveTheProgramAbleToEnd) {
    struct Row {
        const char* command;
        bool withX;
    };
    for (const Row& row : {Row{"57601", false}, Row{"57604", false}, Row{"57604", true}}) {
        SCOPED_TRACE(std::string(row.command) + (row.withX ? " Xvfb" : " offscreen"));
        QTemporaryDir home;
        const std::string config = home.filePath(QStringLiteral("config")).toStdString();
        const std::string folder = home.filePath(QStringLiteral("ordner")).toStdString();
        QDir().mkpath(QString::fromStdString(folder));
        const BlockingFile blocking(folder + "/daten");
        if (!blocking.leased()) GTEST_SKIP() << "this file system gives no leases";
        auto [server, display] = row.withX ? StartXvfb() : std::pair<std::unique_ptr<ChildProcess>, std::string>{};
        if (row.withX && !server) {
            GTEST_LOG_(INFO) << "Xvfb is not installed: the run with a display connection is left out";
            continue;
        }
        const int watch = inotify_init1(IN_CLOEXEC);
        ASSERT_GE(inotify_add_watch(watch, folder.c_str(), IN_OPEN), 0);
        WriteSettings(config);
        const auto child = Start(config, "", row.command, display, folder);
        // The dialog lists the folder it starts in; one that opens what it lists would hang on
        // the blocking file shortly after.
        pollfd listing{watch, POLLIN, 0};
        EXPECT_EQ(poll(&listing, 1, 20000), 1) << "no dialog listed the folder";
        close(watch);
        for (int i = 0; i < 40 && !blocking.opened(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        kill(child->pid(), SIGTERM);
        if (server) server->Kill();
        EXPECT_NE(child->Wait(20), -1) << "the program did not end";
        EXPECT_FALSE(blocking.opened());
    }
}

// The titles of the top-level windows shown on the X server, from bottom to top (and into `ids`
// the windows, when asked).
std::vector<std::string> ShownWindows(xcb_connection_t* x, std::vector<xcb_window_t>* ids = nullptr) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr);
    std::vector<std::string> titles;
    for (int i = 0; tree && i < xcb_query_tree_children_length(tree); ++i) {
        const xcb_window_t window = xcb_query_tree_children(tree)[i];
        auto* attributes = xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, window), nullptr);
        auto* title = xcb_get_property_reply(
            x, xcb_get_property(x, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 64), nullptr);
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE && title && xcb_get_property_value_length(title)) {
            titles.emplace_back(static_cast<const char*>(xcb_get_property_value(title)),
                                static_cast<std::size_t>(xcb_get_property_value_length(title)));
            if (ids) ids->push_back(window);
        }
        free(attributes);
        free(title);
    }
    free(tree);
    return titles;
}

// The first start, on an X server: the tip shows above the main window, which shows first; a
// termination signal then ends the run as it would without the tip, which has read one tip.
TEST(VenkoraProgram, TheFirstStartShowsTheTipAboveTheMainWindow) {
    auto [server, display] = StartXvfb();
    if (!server) GTEST_SKIP() << "Xvfb is not installed";
    QTemporaryDir home;
    const std::string config = home.filePath(QStringLiteral("config")).toStdString();
    const auto child = Start(config, "", nullptr, display);
    xcb_connection_t* x = xcb_connect(display.c_str(), nullptr);
    std::vector<std::string> shown;
    for (int i = 0; i < 400 && (shown.empty() || shown.back() != "Tipps und Tricks"); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        shown = ShownWindows(x);
    }
    xcb_disconnect(x);
    EXPECT_EQ(shown, (std::vector<std::string>{"Unbenannt - Venkora", "Tipps und Tricks"}));
    ASSERT_EQ(ExitCodeAfterTerminate(*child), 0);
    const std::string settings = TemporaryDirectory::Read(config + "/talberg/Venkora.conf");
    EXPECT_NE(settings.find("FensterPos="), std::string::npos) << settings;
    EXPECT_NE(settings.find("FilePos="), std::string::npos) << settings;
    EXPECT_EQ(settings.find("StartUp"), std::string::npos) << settings;
}

// On an X server of its own, without a window manager: the window given the input focus again
// after another program rewrote its file asks whether to load it again; ended by a signal
// meanwhile, it leaves the other program's bytes.
TEST(VenkoraProgram, MadeActiveAfterItsFileChangedItAsksWhetherToLoadItAgain) {
    auto [server, display] = StartXvfb();
    if (!server) GTEST_SKIP() << "Xvfb is not installed";
    QTemporaryDir home;
    const std::string config = home.filePath(QStringLiteral("config")).toStdString(), file = config + ".txt";
    std::ofstream(file) << "Alt\n";
    WriteSettings(config);
    const auto child = Start(config, file, nullptr, display);
    WaitUntilItWaitsForInput(child->pid());  // its window shows
    std::ofstream(file) << "Neu von außen\n";
    xcb_connection_t* x = xcb_connect(display.c_str(), nullptr);
    std::vector<xcb_window_t> windows;
    ShownWindows(x, &windows);
    xcb_set_input_focus(x, XCB_INPUT_FOCUS_POINTER_ROOT, windows.at(0), XCB_CURRENT_TIME);
    std::vector<std::string> shown;
    for (int i = 0; i < 400 && shown.size() < 2; ++i, std::this_thread::sleep_for(std::chrono::milliseconds(50))) {
        shown = ShownWindows(x);
    }
    xcb_disconnect(x);
    EXPECT_EQ(shown, (std::vector<std::string>{"config.txt - Venkora", "Venkora"}));
    EXPECT_EQ(ExitCodeAfterTerminate(*child), 0);
    EXPECT_EQ(TemporaryDirectory::Read(file), "Neu von außen\n");
}

}  // namespace

namespace {

// Optimized through the dialog, undone and redone, and saved (on an X server of its own when Xvfb
// is there), a file gives the batch tool's result, and an LF or CR file gives its CR LF twin's result with
// the line ends turned back: it stays an LF or CR file.
TEST(VenkoraProgram, OptimizingAndSavingGivesTheBatchToolsResultForEveryKindOfLineEnd) {
    auto [server, display] = StartXvfb();
    const std::string sample = TemporaryDirectory::Read(VENKORA_SAMPLE);
    ASSERT_NE(sample.find("\r\n"), std::string::npos);
    const auto withLineEnds = [](std::string text, const std::string& end) {
        for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += end.size()) {
            text.replace(at, 2, end);
        }
        return text;
    };
    std::string optimizedCrLf;
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(end == "\n" ? "LF" : end == "\r" ? "CR" : "CR LF");
        QTemporaryDir home;
        const std::string config = home.filePath(QStringLiteral("config")).toStdString();
        const std::string file = home.filePath(QStringLiteral("protokoll.txt")).toStdString();
        const std::string copy = home.filePath(QStringLiteral("kopie.txt")).toStdString();
        const std::string text = withLineEnds(sample, end);
        std::ofstream(file, std::ios::binary) << text;
        std::ofstream(copy, std::ios::binary) << text;
        WriteSettings(config, "[OptimierenDlg]\nLeerz=1\nLeerzEnde=1\nLeerzAnf=1\nTab=1\nTabEnde=1\nZeilenumbruch=1\n"
                              "Nur%20Leerzeilen=1\nTab%20zu%20Leerz=1\nTabbreite=4\n");

        // Optimize, undo, redo, save, exit.
        const int status = Start(config, file, "32772,57643,57644,57603,57665", display)->Wait(30);
        ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
        EXPECT_EQ(WEXITSTATUS(status), 0);

        ProgramRunner tool(VENKORA_OPTIMIEREN);
        tool.SetEnvironment("XDG_CONFIG_HOME", config);
        const ProgramRunner::Result result = tool.Run({"--gespeichert", "-i", copy});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        const std::string optimized = TemporaryDirectory::Read(file);
        EXPECT_NE(optimized, text);
        EXPECT_EQ(optimized, TemporaryDirectory::Read(copy));
        if (end == "\r\n") optimizedCrLf = optimized;
        EXPECT_EQ(optimized, withLineEnds(optimizedCrLf, end));
    }
}

// Saving in the editor brings a file to its project's .editorconfig exactly as the batch tool's
// "-i --editorconfig" does; a file the project sets nothing for is saved as it was.
TEST(VenkoraProgram, SavingFollowsTheProjectsEditorConfigAsTheBatchToolDoes) {
    QTemporaryDir home;
    const std::string config = home.filePath(QStringLiteral("config")).toStdString();
    const std::string tree = home.filePath(QStringLiteral("projekt")).toStdString();
    QDir().mkpath(QString::fromStdString(tree + "/doku"));
    std::ofstream(tree + "/.editorconfig") << "root = true\n[*.txt]\nend_of_line = lf\n"
                                              "trim_trailing_whitespace = true\ninsert_final_newline = true\n";
    std::ofstream(tree + "/doku/.editorconfig") << "[*.txt]\nend_of_line = crlf\ninsert_final_newline = false\n";
    WriteSettings(config);
    const std::string text = "eins \t\r\nzwei\t\n\ndrei  \r\n\r\n";
    const std::pair<std::string, std::string> rows[] = {  // the file, its bytes after saving
        {"/liesmich.txt", "eins\nzwei\n\ndrei\n\n"},
        {"/doku/kapitel.txt", "eins\r\nzwei\r\n\r\ndrei"},
        {"/daten.csv", text},
    };
    for (const auto& [name, saved] : rows) {
        SCOPED_TRACE(name);
        const std::string copy = tree + name + ".kopie.txt";
        std::ofstream(tree + name, std::ios::binary) << text;
        const int status = Start(config, tree + name, "57603,57665")->Wait(30);  // save, exit
        ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
        EXPECT_EQ(WEXITSTATUS(status), 0);
        EXPECT_EQ(TemporaryDirectory::Read(tree + name), saved);
        if (name.ends_with(".csv")) continue;
        std::ofstream(copy, std::ios::binary) << text;
        const ProgramRunner::Result result = ProgramRunner(VENKORA_OPTIMIEREN).Run({"-i", "--editorconfig", copy});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(TemporaryDirectory::Read(copy), saved);
    }
}

}  // namespace
