// The built program as a whole: started offscreen with its own settings folder and a file,
// closed by a termination signal as by its close box, it leaves its placement and its recent
// file in the settings.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

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
