// venkora-optimieren -i and what surrounds a file: owner, group and hard links stay, two runs
// on one file take turns, and a run killed half way leaves nothing behind.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fcntl.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "ProgramRunner.h"
#include "TemporaryDirectory.h"

namespace {

constexpr uid_t kNobody = 65534;

// Whether some process waits for the flock of the file with inode `inode`.
bool SomeoneWaitsForLock(ino_t inode) {
    std::ifstream locks("/proc/locks");
    const std::string id = ":" + std::to_string(inode) + " ";
    for (std::string line; std::getline(locks, line);) {
        if (line.find("->") != std::string::npos && line.find(id) != std::string::npos) return true;
    }
    return false;
}

// A file that the process `pid` has open in `folder`, other than `except`.
bool HasOtherFileOpenIn(pid_t pid, const std::string& folder, const std::string& except) {
    std::error_code error;
    const std::string fds = "/proc/" + std::to_string(pid) + "/fd";
    for (const auto& entry : std::filesystem::directory_iterator(fds, error)) {
        const std::string target = std::filesystem::read_symlink(entry.path(), error).string();
        if (target.starts_with(folder + "/") && target != except) return true;
    }
    return false;
}

class InPlace : public ::testing::Test {
protected:
    TemporaryDirectory dir_;
    ProgramRunner runner_{VENKORA_OPTIMIEREN};
};

TEST_F(InPlace, OwnerGroupPermissionsAndHardLinksStay) {
    const std::string linked = dir_.Write("linked.txt", "a \r\n", 0604);
    const std::string second = dir_.Path() + "/second.txt";
    ASSERT_EQ(link(linked.c_str(), second.c_str()), 0);
    const std::string owned = dir_.Write("owned.txt", "b \r\n", 0640);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(owned.c_str(), kNobody, kNobody), 0);
    }
    const struct stat linkedBefore = TemporaryDirectory::Status(linked);
    const struct stat ownedBefore = TemporaryDirectory::Status(owned);

    const auto result = runner_.Run({"-i", "--leerzeichen=ende", linked, owned});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(TemporaryDirectory::Read(second), "a\r\n") << "the other name sees the change";
    EXPECT_EQ(TemporaryDirectory::Status(linked).st_ino, linkedBefore.st_ino);
    EXPECT_EQ(TemporaryDirectory::Status(linked).st_nlink, 2u);
    EXPECT_EQ(TemporaryDirectory::Status(linked).st_mode, linkedBefore.st_mode);
    EXPECT_EQ(TemporaryDirectory::Read(owned), "b\r\n");
    EXPECT_EQ(TemporaryDirectory::Status(owned).st_uid, ownedBefore.st_uid);
    EXPECT_EQ(TemporaryDirectory::Status(owned).st_gid, ownedBefore.st_gid);
    EXPECT_EQ(TemporaryDirectory::Status(owned).st_mode, ownedBefore.st_mode);
    EXPECT_EQ(dir_.Names(), (std::vector<std::string>{"linked.txt", "owned.txt", "second.txt"}));
}

TEST_F(InPlace, ARunWaitsForAnotherOneOnTheSameFile) {
    const std::string file = dir_.Write("text.txt", "a \r\n");
    // The test plays the first run: it holds the file's lock.
    const int first = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(flock(first, LOCK_EX), 0);

    const auto impatient = runner_.Run({"-i", "--nicht-warten", "--leerzeichen=ende", file});
    EXPECT_EQ(impatient.exitCode, 3);
    EXPECT_EQ(impatient.err, "venkora-optimieren: „" + file +
                                 "“: wird gerade von einem anderen Programm bearbeitet\n");
    EXPECT_EQ(TemporaryDirectory::Read(file), "a \r\n");

    ProgramRunner::Result result;
    std::atomic<bool> done = false;
    std::thread second([&] {
        result = runner_.Run({"-i", "--leerzeichen=ende", file});
        done = true;
    });
    bool waited = false;
    for (int i = 0; i < 3000 && !done && !waited; ++i) {
        waited = SomeoneWaitsForLock(TemporaryDirectory::Status(file).st_ino);
        if (!waited) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(waited) << "the second run did not wait for the lock";
    // The first run finishes: its result takes the file's place, then it lets go.
    dir_.Write("new.txt", "b \r\n");
    ASSERT_EQ(rename((dir_.Path() + "/new.txt").c_str(), file.c_str()), 0);
    close(first);
    second.join();

    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(TemporaryDirectory::Read(file), "b\r\n") << "the second run works on the first's result";
}

TEST_F(InPlace, AKilledRunLeavesNoTemporaryFile) {
    constexpr off_t kOld = 8 << 20;  // tabs, each to become 16 spaces
    std::atomic<pid_t> pid = 0;
    runner_.SetStartedHandler([&pid](pid_t started) { pid = started; });
    // Each try kills the run as soon as it is seen with a second file open in the folder. A run
    // that ended, or had replaced the file, before the signal came was not caught writing: the
    // next try starts again from the old contents.
    constexpr int kTries = 20;
    bool caught = false;
    std::string file;
    for (int i = 0; i < kTries && !caught; ++i) {
        file = dir_.Write("big.txt", std::string(kOld, '\t'));
        pid = 0;
        ProgramRunner::Result result;
        std::atomic<bool> done = false;
        std::thread run([&] {
            result = runner_.Run({"-i", "--tab-zu-leerz", "--breite=16", file});
            done = true;
        });
        while (!done) {
            if (pid != 0 && HasOtherFileOpenIn(pid, dir_.Path(), file)) {
                kill(pid, SIGKILL);
                break;
            }
            std::this_thread::yield();
        }
        run.join();
        caught = result.exitCode == 128 + SIGKILL &&
                 TemporaryDirectory::Status(file).st_size != kOld * 16;
    }
    ASSERT_TRUE(caught) << "no run was caught writing in " << kTries << " tries";
    EXPECT_EQ(dir_.Names(), std::vector<std::string>{"big.txt"});
    EXPECT_EQ(TemporaryDirectory::Status(file).st_size, kOld);
}

}  // namespace
