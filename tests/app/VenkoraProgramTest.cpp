// The built program as a whole: started offscreen with its own settings folder and a file,
// closed by a termination signal as by its close box, it leaves its placement and its recent
// file in the settings; a termination signal ends it also before its window shows and while a
// file dialog lists a file that blocks whoever opens it (with its own Xvfb, when installed,
// also when the display connection goes at the same time).

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <thread>
#include <utility>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Whether the process catches SIGTERM by now (its handler is installed).
bool CatchesTerminate(pid_t process) {
    std::ifstream status("/proc/" + std::to_string(process) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("SigCgt:", 0) == 0) {
            return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1) & 1) != 0;
        }
    }
    return false;
}

// Waits up to `seconds` for the child; its wait status, or -1 when it did not end.
int WaitFor(pid_t child, int seconds) {
    for (int i = 0; i < seconds * 20; ++i) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) return status;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return -1;
}

TEST(VenkoraProgram, ClosingWritesThePlacementAndTheRecentFile) {
    QTemporaryDir home;
    const std::string config = home.filePath(QStringLiteral("config")).toStdString();
    const std::string file = home.filePath(QStringLiteral("brief.txt")).toStdString();
    std::ofstream(file, std::ios::binary) << "Hallo\r\n";

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        execl(VENKORA_PROGRAM, VENKORA_PROGRAM, file.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    for (int i = 0; i < 200 && !CatchesTerminate(child); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(child, SIGTERM);
    const int status = WaitFor(child, 20);
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);

    const std::string settings = ReadFile(config + "/talberg/Venkora.conf");
    EXPECT_NE(settings.find("FensterPos="), std::string::npos) << settings;
    EXPECT_NE(settings.find("brief.txt"), std::string::npos) << settings;
    EXPECT_NE(settings.find("[StatusBars]"), std::string::npos) << settings;
    // Nothing of the view settings changed, so none of them is written.
    EXPECT_EQ(settings.find("TabStops"), std::string::npos) << settings;
    EXPECT_EQ(settings.find("Zeilenumbruch"), std::string::npos) << settings;
    EXPECT_EQ(settings.find("[Schriftart]"), std::string::npos) << settings;
    EXPECT_EQ(ReadFile(file), "Hallo\r\n");
}

TEST(VenkoraProgram, ATerminationSignalBeforeTheWindowShowsEndsTheRunAndWritesNothing) {
    QTemporaryDir home;
    const std::string config = home.filePath(QStringLiteral("config")).toStdString();
    const std::string missing = home.filePath(QStringLiteral("fehlt.txt")).toStdString();

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        execl(VENKORA_PROGRAM, VENKORA_PROGRAM, missing.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    for (int i = 0; i < 200 && !CatchesTerminate(child); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    // The signal is seen once the error box about the missing file runs its event loop.
    kill(child, SIGTERM);
    const int status = WaitFor(child, 20);
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_FALSE(QDir(QString::fromStdString(config)).exists(QStringLiteral("talberg/Venkora.conf")));
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

// Starts Xvfb on a free display; its process id and display name, or {-1, ""}.
std::pair<pid_t, std::string> StartXvfb() {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {-1, ""};
    const pid_t server = fork();
    if (server == 0) {
        close(pipeFds[0]);
        const std::string fd = std::to_string(pipeFds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0", "1024x768x24",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    std::string number;
    for (char c; read(pipeFds[0], &c, 1) == 1 && c != '\n';) number += c;
    close(pipeFds[0]);
    if (server < 0 || number.empty()) {
        if (server > 0) WaitFor(server, 5);
        return {-1, ""};
    }
    return {server, ":" + number};
}

bool XvfbInstalled() {
    for (const QString& dir : QString::fromLocal8Bit(std::getenv("PATH")).split(QLatin1Char(':'))) {
        if (access(QDir(dir).filePath(QStringLiteral("Xvfb")).toLocal8Bit().constData(), X_OK) == 0) return true;
    }
    return false;
}

// The save dialog shows a folder with a file that blocks whoever opens it. A termination
// signal closes the program, also when the display connection is lost with it.
TEST(VenkoraProgram, ASaveDialogOnABlockingFileStillEndsOnRequestAndWhenTheDisplayGoes) {
    for (const bool withX : {false, true}) {
        SCOPED_TRACE(withX ? "Xvfb" : "offscreen");
        if (withX && !XvfbInstalled()) {
            std::cout << "Xvfb is not installed: the run with a display connection is left out.\n";
            continue;
        }
        QTemporaryDir home;
        const std::string config = home.filePath(QStringLiteral("config")).toStdString();
        const std::string folder = home.filePath(QStringLiteral("ordner")).toStdString();
        QDir().mkpath(QString::fromStdString(folder));
        const BlockingFile blocking(folder + "/daten");
        if (!blocking.leased()) GTEST_SKIP() << "this file system gives no leases";
        const int watch = inotify_init1(IN_CLOEXEC);
        ASSERT_GE(inotify_add_watch(watch, folder.c_str(), IN_OPEN), 0);
        auto [server, display] = withX ? StartXvfb() : std::pair<pid_t, std::string>{-1, ""};
        if (withX) {
            ASSERT_GT(server, 0) << "Xvfb did not start";
        }

        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            setenv("QT_QPA_PLATFORM", withX ? "xcb" : "offscreen", 1);
            if (withX) setenv("DISPLAY", display.c_str(), 1);
            setenv("XDG_CONFIG_HOME", config.c_str(), 1);
            setenv("VENKORA_TEST_COMMANDS", "57604", 1);  // "Speichern unter", starting in the working folder
            if (chdir(folder.c_str()) != 0) _exit(126);
            execl(VENKORA_PROGRAM, VENKORA_PROGRAM, static_cast<char*>(nullptr));
            _exit(127);
        }
        // The dialog lists the folder; a dialog that opens what it lists would hang on the
        // blocking file shortly after.
        pollfd listing{watch, POLLIN, 0};
        const bool listed = poll(&listing, 1, 20000) == 1;
        close(watch);
        if (!listed) {
            WaitFor(child, 0);
            if (withX) WaitFor(server, 0);
        }
        ASSERT_TRUE(listed) << "no dialog listed the folder";
        for (int i = 0; i < 40 && !blocking.opened(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        kill(child, SIGTERM);
        if (withX) kill(server, SIGKILL);
        const int status = WaitFor(child, 20);
        EXPECT_NE(status, -1) << "the program did not end";
        EXPECT_FALSE(blocking.opened());
        if (withX) WaitFor(server, 5);
    }
}

}  // namespace

namespace {

TEST(VenkoraProgram, OptimizingAndSavingGivesTheBatchToolsResult) {
    QTemporaryDir home;
    const std::string config = home.filePath(QStringLiteral("config")).toStdString();
    const std::string file = home.filePath(QStringLiteral("protokoll.txt")).toStdString();
    const std::string copy = home.filePath(QStringLiteral("kopie.txt")).toStdString();
    const std::string text = ReadFile(VENKORA_SAMPLE);
    ASSERT_FALSE(text.empty());
    std::ofstream(file, std::ios::binary) << text;
    std::ofstream(copy, std::ios::binary) << text;
    QDir().mkpath(QString::fromStdString(config + "/talberg"));
    std::ofstream(config + "/talberg/Venkora.conf")
        << "[OptimierenDlg]\nLeerz=1\nLeerzEnde=1\nLeerzAnf=1\nTab=1\nTabEnde=1\nZeilenumbruch=1\n"
           "Nur%20Leerzeilen=1\nTab%20zu%20Leerz=1\nTabbreite=4\n";

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        setenv("VENKORA_TEST_COMMANDS", "32772,57603,57665", 1);  // optimize, save, exit
        execl(VENKORA_PROGRAM, VENKORA_PROGRAM, file.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    const int status = WaitFor(child, 30);
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);

    const pid_t tool = fork();
    ASSERT_GE(tool, 0);
    if (tool == 0) {
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        execl(VENKORA_OPTIMIEREN, VENKORA_OPTIMIEREN, "--gespeichert", "-i", copy.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    const int toolStatus = WaitFor(tool, 30);
    ASSERT_TRUE(WIFEXITED(toolStatus));
    EXPECT_EQ(WEXITSTATUS(toolStatus), 0);
    EXPECT_NE(ReadFile(file), text);
    EXPECT_EQ(ReadFile(file), ReadFile(copy));
}

}  // namespace
