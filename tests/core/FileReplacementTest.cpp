// Opening only regular files, and replacing a file's contents so that the file that was read
// is the one replaced, its owner, permissions and hard links stay, and a failure loses nothing.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <variant>
#include <vector>

#include "TemporaryDirectory.h"
#include "core/FileReplacement.h"
#include "core/RegularFile.h"

namespace venkora {
namespace {

constexpr uid_t kNobody = 65534;

RegularFile OpenOrFail(const std::string& path) {
    auto opened = RegularFile::Open(path);
    if (auto* failure = std::get_if<FileFailure>(&opened)) {
        ADD_FAILURE() << path << ": " << failure->text();
        std::abort();
    }
    return std::move(std::get<RegularFile>(opened));
}

std::string FailureText(const std::optional<FileFailure>& failure) {
    return failure ? failure->text() : "";
}

TEST(RegularFile, OnlyRegularFilesAreOpenedAndNothingWaits) {
    const TemporaryDirectory dir;
    const std::string file = dir.Write("text.txt", "Inhalt");
    const std::string fifo = dir.Path() + "/fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    const std::string socketPath = dir.Path() + "/socket";
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    for (const auto& [name, target] : {std::pair{"link", "text.txt"}, {"fifolink", "fifo"},
                                       {"devlink", "/dev/null"}, {"dangling", "nirgends"}}) {
        ASSERT_EQ(symlink(target, (dir.Path() + "/" + name).c_str()), 0);
    }
    const struct {
        std::string path;
        std::string failure;  // empty: opens
    } cases[] = {
        {file, ""},
        {dir.Path() + "/link", ""},
        {dir.Path(), "ist ein Verzeichnis"},
        {fifo, "ist keine gewöhnliche Datei"},
        {dir.Path() + "/fifolink", "ist keine gewöhnliche Datei"},
        {"/dev/null", "ist keine gewöhnliche Datei"},
        {dir.Path() + "/devlink", "ist keine gewöhnliche Datei"},
        {socketPath, "ist keine gewöhnliche Datei"},
        {dir.Path() + "/fehlt", "Datei nicht gefunden"},
        {dir.Path() + "/dangling", "Datei nicht gefunden"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        auto opened = RegularFile::Open(c.path);
        if (c.failure.empty()) {
            ASSERT_TRUE(std::holds_alternative<RegularFile>(opened));
            const RegularFile& opened_file = std::get<RegularFile>(opened);
            EXPECT_EQ(opened_file.resolvedPath(), file);
            std::string bytes;
            EXPECT_FALSE(opened_file.Read(bytes));
            EXPECT_EQ(bytes, "Inhalt");
        } else {
            ASSERT_TRUE(std::holds_alternative<FileFailure>(opened));
            EXPECT_EQ(std::get<FileFailure>(opened).text(), c.failure);
            EXPECT_TRUE(std::get<FileFailure>(opened).isStatement());
        }
    }
    close(sock);
}

TEST(FileReplacement, OnlyTheFileThatWasOpenedIsReplaced) {
    const TemporaryDirectory dir;
    const std::string mine = dir.Write("mine.txt", "meins");
    const std::string other = dir.Write("other.txt", "fremd");
    const std::string link = dir.Path() + "/link";
    ASSERT_EQ(symlink("mine.txt", link.c_str()), 0);

    // The link is pointed at another file between reading and replacing: the file read is
    // the one replaced.
    const RegularFile throughLink = OpenOrFail(link);
    ASSERT_EQ(unlink(link.c_str()), 0);
    ASSERT_EQ(symlink("other.txt", link.c_str()), 0);
    EXPECT_FALSE(FileReplacement::Replace(throughLink, "neu"));
    EXPECT_EQ(TemporaryDirectory::Read(mine), "neu");

    // The file itself is replaced by another one under its name: nothing is written.
    const RegularFile opened = OpenOrFail(mine);
    dir.Write("next.txt", "nachfolger");
    ASSERT_EQ(rename((dir.Path() + "/next.txt").c_str(), mine.c_str()), 0);
    EXPECT_EQ(FailureText(FileReplacement::Replace(opened, "neuer")),
              "wurde inzwischen durch eine andere Datei ersetzt und bleibt, wie sie ist");

    EXPECT_EQ(TemporaryDirectory::Read(mine), "nachfolger");
    EXPECT_EQ(TemporaryDirectory::Read(other), "fremd");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"link", "mine.txt", "other.txt"}));
}

TEST(FileReplacement, PermissionsOwnerAndHardLinksStay) {
    const TemporaryDirectory dir;
    const std::string single = dir.Write("single.txt", "alt", 0640);
    const std::string linked = dir.Write("linked.txt", "alt", 0604);
    const std::string second = dir.Path() + "/second.txt";
    ASSERT_EQ(link(linked.c_str(), second.c_str()), 0);
    // The superuser gives the file away, so the replacement has an owner to keep.
    if (geteuid() == 0) {
        ASSERT_EQ(chown(single.c_str(), kNobody, kNobody), 0);
    }

    for (const std::string& path : {single, linked}) {
        SCOPED_TRACE(path);
        const struct stat before = TemporaryDirectory::Status(path);
        EXPECT_FALSE(FileReplacement::Replace(OpenOrFail(path), "neuer Inhalt"));
        const struct stat after = TemporaryDirectory::Status(path);
        EXPECT_EQ(TemporaryDirectory::Read(path), "neuer Inhalt");
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
        EXPECT_EQ(after.st_nlink, before.st_nlink);
    }
    EXPECT_EQ(TemporaryDirectory::Read(second), "neuer Inhalt") << "the other name sees it too";
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"linked.txt", "second.txt", "single.txt"}));
}

// A POSIX ACL as the kernel keeps it in "system.posix_acl_*": version 2, then per entry its
// tag, permissions and id, sorted by tag.
std::string Acl(std::initializer_list<std::tuple<std::uint16_t, std::uint16_t, std::uint32_t>> entries) {
    std::string bytes;
    const auto put = [&bytes](auto value) { bytes.append(reinterpret_cast<const char*>(&value), sizeof value); };
    put(std::uint32_t{2});
    for (const auto& [tag, perm, id] : entries) {
        put(tag);
        put(perm);
        put(id);
    }
    return bytes;
}
enum : std::uint16_t { kUserObj = 1, kUser = 2, kGroupObj = 4, kMask = 0x10, kOther = 0x20 };
constexpr std::uint32_t kNoId = 0xFFFFFFFF;
constexpr std::uint32_t kDaemon = 1;

// Every extended attribute of `path` as "name=value;", sorted by name.
std::string Attributes(const std::string& path) {
    char names[4096];
    const ssize_t size = listxattr(path.c_str(), names, sizeof names);
    std::vector<std::string> all;
    for (ssize_t at = 0; at < size; at += static_cast<ssize_t>(std::strlen(names + at)) + 1) {
        char value[4096];
        const ssize_t length = getxattr(path.c_str(), names + at, value, sizeof value);
        all.push_back(std::string(names + at) + "=" + std::string(value, static_cast<std::size_t>(std::max<ssize_t>(length, 0))));
    }
    std::sort(all.begin(), all.end());
    std::string joined;
    for (const std::string& one : all) joined += one + ";";
    return joined;
}

TEST(FileReplacement, AclAndExtendedAttributesStaySoAccessIsNeverWidened) {
    const TemporaryDirectory dir;
    // chmod 600, then u:daemon:r, g::---, m::r (which shows as mode 640).
    const std::string acl = Acl({{kUserObj, 6, kNoId}, {kUser, 4, kDaemon}, {kGroupObj, 0, kNoId},
                                 {kMask, 4, kNoId}, {kOther, 0, kNoId}});
    const std::string single = dir.Write("single.txt", "alt", 0600);
    if (setxattr(single.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) != 0) {
        GTEST_SKIP() << "the file system of the temporary folder keeps no ACLs";
    }
    const std::string linked = dir.Write("linked.txt", "alt", 0600);
    ASSERT_EQ(link(linked.c_str(), (dir.Path() + "/second.txt").c_str()), 0);
    // A folder whose default ACL every new file inherits, and a file there without an ACL.
    ASSERT_EQ(mkdir((dir.Path() + "/erbt").c_str(), 0700), 0);
    const std::string inherits = dir.Write("erbt/plain.txt", "alt", 0600);
    const std::string defaultAcl = Acl({{kUserObj, 7, kNoId}, {kUser, 7, kDaemon}, {kGroupObj, 7, kNoId},
                                        {kMask, 7, kNoId}, {kOther, 7, kNoId}});
    ASSERT_EQ(setxattr((dir.Path() + "/erbt").c_str(), "system.posix_acl_default", defaultAcl.data(),
                       defaultAcl.size(), 0), 0);
    for (const std::string& path : {single, linked}) {
        ASSERT_EQ(setxattr(path.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0), 0);
        ASSERT_EQ(setxattr(path.c_str(), "user.herkunft", "scanner", 7, 0), 0);
    }

    for (const std::string& path : {single, linked, inherits}) {
        SCOPED_TRACE(path);
        const std::string attributesBefore = Attributes(path);
        const mode_t modeBefore = TemporaryDirectory::Status(path).st_mode;
        EXPECT_FALSE(FileReplacement::Replace(OpenOrFail(path), "neuer Inhalt"));
        EXPECT_EQ(TemporaryDirectory::Read(path), "neuer Inhalt");
        EXPECT_EQ(Attributes(path), attributesBefore);
        EXPECT_EQ(TemporaryDirectory::Status(path).st_mode, modeBefore);
    }
}

// A run killed (here by the file size limit's signal) while it copies the old contents of a
// hard-linked file leaves nothing behind; one killed while it writes the file leaves the
// complete copy, under its hidden name.
TEST(FileReplacement, AKilledInPlaceWriteLeavesACompleteCopyOrNone) {
    const std::string old(20000, 'a');
    const struct {
        rlim_t limit;
        bool copyStays;
    } cases[] = {{8192, false}, {old.size() + 4096, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.limit);
        const TemporaryDirectory dir;
        const std::string linked = dir.Write("linked.txt", old);
        ASSERT_EQ(link(linked.c_str(), (dir.Path() + "/second.txt").c_str()), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            signal(SIGXFSZ, SIG_DFL);
            const struct rlimit small{c.limit, c.limit};
            setrlimit(RLIMIT_FSIZE, &small);
            auto opened = RegularFile::Open(linked);
            if (!std::holds_alternative<RegularFile>(opened)) _exit(3);
            FileReplacement::Replace(std::get<RegularFile>(opened), std::string(old.size() * 2, 'n'));
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        const std::vector<std::string> names = dir.Names();
        ASSERT_EQ(names.size(), c.copyStays ? 3u : 2u);
        if (c.copyStays) {
            EXPECT_EQ(names[0].rfind(".linked.txt.venkora-sicherung-", 0), 0u) << names[0];
            EXPECT_EQ(TemporaryDirectory::Read(dir.Path() + "/" + names[0]), old);
        }
    }
}

TEST(FileReplacement, AFileTheWriterMayNotGiveAwayIsWrittenInPlace) {
    if (geteuid() != 0) GTEST_SKIP() << "needs the superuser to make a file of another owner";
    const TemporaryDirectory dir;
    ASSERT_EQ(chmod(dir.Path().c_str(), 0777), 0);
    const std::string file = dir.Write("root.txt", "alt", 0666);
    const struct stat before = TemporaryDirectory::Status(file);

    // Another user may write the file, but cannot give a new file to its owner.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(2);
        auto opened = RegularFile::Open(file);
        if (!std::holds_alternative<RegularFile>(opened)) _exit(3);
        _exit(FileReplacement::Replace(std::get<RegularFile>(opened), "neu von nobody") ? 4 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    const struct stat after = TemporaryDirectory::Status(file);
    EXPECT_EQ(TemporaryDirectory::Read(file), "neu von nobody");
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_uid, 0u);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"root.txt"}) << "the copy of the old contents is gone";
}

TEST(FileReplacement, AFailedWriteLosesNothingEitherWay) {
    const TemporaryDirectory dir;
    const std::string single = dir.Write("single.txt", "alter Inhalt");
    const std::string linked = dir.Write("linked.txt", "alter Inhalt");
    ASSERT_EQ(link(linked.c_str(), (dir.Path() + "/second.txt").c_str()), 0);

    // A full disk, made with the file size limit: writes beyond 4 KiB fail.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string big(10000, 'n');
    const auto throughNewFile = FileReplacement::Replace(OpenOrFail(single), big);
    const auto inPlace = FileReplacement::Replace(OpenOrFail(linked), big);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(FailureText(throughNewFile), "Datei zu groß");
    EXPECT_EQ(FailureText(inPlace), "Datei zu groß");
    EXPECT_EQ(TemporaryDirectory::Read(single), "alter Inhalt");
    EXPECT_EQ(TemporaryDirectory::Read(linked), "alter Inhalt");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"linked.txt", "second.txt", "single.txt"}));
}

TEST(FileReplacement, CreateMakesANewFileOnlyWhereTheNameIsFree) {
    const TemporaryDirectory dir;
    const mode_t mask = umask(022);
    const std::string made = dir.Path() + "/neu.txt";
    EXPECT_FALSE(FileReplacement::Create(made, "frisch"));
    EXPECT_EQ(TemporaryDirectory::Read(made), "frisch");
    EXPECT_EQ(TemporaryDirectory::Status(made).st_mode & 07777, 0644u);

    const std::string taken = dir.Write("belegt.txt", "schon da");
    EXPECT_EQ(FailureText(FileReplacement::Create(taken, "frisch")),
              "wurde inzwischen von einem anderen Programm angelegt und bleibt, wie sie ist");
    EXPECT_EQ(TemporaryDirectory::Read(taken), "schon da");
    umask(mask);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"belegt.txt", "neu.txt"}));
}

}  // namespace
}  // namespace venkora
