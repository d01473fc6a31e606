// The recovery file's form: what is written is read back the same, and anything cut short or
// added to is damaged; and the decision whether the process that wrote one still runs.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "TemporaryDirectory.h"
#include "core/RecoveryFile.h"
#include "core/RecoveryFolder.h"

namespace venkora {
namespace {

TEST(RecoveryFile, WhatIsWrittenReadsBackAndEveryCutOrAdditionIsDamaged) {
    using namespace std::string_literals;
    RecoveryFile named;
    named.path = "/home/anna/caf\xE9\nneu.txt";  // bytes, a line feed among them
    named.codePage = CodePage::Kind::Windows1252;
    named.identity = FileIdentity{2049, 123456, 42, 1733650000, 999999999};
    named.process = ProcessIdentity{4711, 987654};
    named.written = 1733660000;
    named.text = "Zeile\r\n\0bin\xE4r\ntext 5\n"s;
    RecoveryFile untitled;
    untitled.process = ProcessIdentity::Current();
    untitled.written = -1;
    for (const RecoveryFile& file : {named, untitled}) {
        const std::string bytes = file.Format();
        EXPECT_EQ(RecoveryFile::Parse(bytes), file) << bytes;
        for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
            EXPECT_EQ(RecoveryFile::Parse(std::string_view(bytes).substr(0, cut)), std::nullopt) << cut;
        }
        EXPECT_EQ(RecoveryFile::Parse(bytes + "x"), std::nullopt);
        std::string otherForm = bytes;
        otherForm[26] = '2';  // "VENKORA-WIEDERHERSTELLUNG 2"
        EXPECT_EQ(RecoveryFile::Parse(otherForm), std::nullopt);
    }
}

// A child process that runs until End() is called, with its identity; the caller reaps it.
struct Child {
    ProcessIdentity identity;
    int release = -1;
    void End() const { close(release); }
};
Child StartChild() {
    int fds[2];
    EXPECT_EQ(pipe(fds), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        char byte;
        close(fds[1]);
        [[maybe_unused]] const ssize_t got = read(fds[0], &byte, 1);
        _exit(0);
    }
    close(fds[0]);
    return {ProcessIdentity::Of(pid).value_or(ProcessIdentity{}), fds[1]};
}

TEST(ProcessIdentity, OnlyTheVeryProcessStillRuns) {
    const ProcessIdentity self = ProcessIdentity::Current();
    EXPECT_TRUE(self.StillRuns());
    EXPECT_FALSE((ProcessIdentity{self.pid, self.startTime + 1}.StillRuns())) << "the id taken over by another";
    const Child child = StartChild();
    EXPECT_TRUE(child.identity.StillRuns());
    child.End();
    while (ProcessIdentity::Of(child.identity.pid)) usleep(1000);  // ended, not yet reaped
    EXPECT_FALSE(child.identity.StillRuns());
    ASSERT_EQ(waitpid(child.identity.pid, nullptr, 0), child.identity.pid);
    EXPECT_FALSE(child.identity.StillRuns());
}

// The folder holds each editor's file under its process; only files of processes that ended, and
// damaged ones, are left over; declined ones go after a week.
TEST(RecoveryFolder, FilesOfEndedProcessesAreLeftOverAndDeclinedOnesGoAfterAWeek) {
    const TemporaryDirectory dir;
    const RecoveryFolder folder(dir.Path() + "/state/venkora");
    RecoveryFile own;
    own.process = ProcessIdentity::Current();
    own.text = "getippt";
    ASSERT_FALSE(folder.Write(own));
    EXPECT_EQ(TemporaryDirectory::Status(folder.path()).st_mode & 07777, 0700u);
    EXPECT_EQ(TemporaryDirectory::Status(folder.OwnFile()).st_mode & 07777, 0600u);
    own.text = "weiter getippt";
    ASSERT_FALSE(folder.Write(own));  // replaced
    EXPECT_EQ(TemporaryDirectory::Read(folder.OwnFile()), own.Format());

    const Child child = StartChild();
    RecoveryFile crashed = own;
    crashed.process = child.identity;
    child.End();
    waitpid(child.identity.pid, nullptr, 0);
    dir.Write("state/venkora/1-2.wiederherstellung", crashed.Format());
    dir.Write("state/venkora/3-4.wiederherstellung", crashed.Format().substr(0, 20));
    dir.Write("state/venkora/fremd.txt", "nicht unseres");
    const std::vector<RecoveryFolder::Entry> left = folder.Leftovers();
    ASSERT_EQ(left.size(), 2u) << "the running editor's own file is not left over";
    for (const RecoveryFolder::Entry& leftover : left) {
        EXPECT_EQ(leftover.file, leftover.name == "1-2.wiederherstellung" ? std::optional(crashed) : std::nullopt)
            << leftover.name;
    }

    const std::string declined = folder.MoveAside("1-2.wiederherstellung", RecoveryFolder::kDeclined);
    const std::int64_t now = TemporaryDirectory::Status(declined).st_mtim.tv_sec;
    folder.RemoveOldDeclined(now + RecoveryFolder::kKeepDeclinedSeconds);
    EXPECT_EQ(TemporaryDirectory::Read(declined), crashed.Format()) << "kept for a week";
    folder.RemoveOldDeclined(now + RecoveryFolder::kKeepDeclinedSeconds + 1);
    folder.RemoveOwn();
    struct stat gone {};
    EXPECT_NE(lstat(declined.c_str(), &gone), 0);
    EXPECT_NE(lstat(folder.OwnFile().c_str(), &gone), 0);
}

}  // namespace
}  // namespace venkora
