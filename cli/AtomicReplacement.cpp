#include "AtomicReplacement.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "FileDescriptor.h"

namespace venkora {

AtomicReplacement::AtomicReplacement(std::string target) : target_(std::move(target)) {
    sigset_t interrupts;
    sigemptyset(&interrupts);
    sigaddset(&interrupts, SIGINT);
    sigaddset(&interrupts, SIGTERM);
    sigaddset(&interrupts, SIGHUP);
    sigaddset(&interrupts, SIGQUIT);
    sigprocmask(SIG_BLOCK, &interrupts, &savedMask_);
}

AtomicReplacement::~AtomicReplacement() {
    if (!temporary_.empty()) unlink(temporary_.c_str());
    sigprocmask(SIG_SETMASK, &savedMask_, nullptr);
}

int AtomicReplacement::Commit(std::string_view bytes, const struct stat& original) {
    const std::string folder = FolderOf(target_);
    const std::size_t slash = target_.rfind('/');
    const std::string base = slash == std::string::npos ? target_ : target_.substr(slash + 1);
    // A hidden name beside the target; long names are cut so the whole stays a valid name.
    std::string pattern = folder + "/." + base.substr(0, 200) + ".venkora-XXXXXX";
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return errno;
    temporary_ = std::move(pattern);
    FileDescriptor file(fd);

    if (const int error = file.WriteAll(bytes)) return error;
    if (fchown(fd, original.st_uid, original.st_gid) != 0) {
        // Only the superuser may give a file away; for everyone else it stays the caller's.
    }
    // After fchown, which clears the set-user-ID and set-group-ID bits.
    if (fchmod(fd, original.st_mode & 07777) != 0) return errno;
    if (fsync(fd) != 0) return errno;
    if (const int error = file.Close()) return error;
    if (rename(temporary_.c_str(), target_.c_str()) != 0) return errno;
    temporary_.clear();

    // Makes the rename itself durable; the replacement has happened whether or not this works.
    FileDescriptor directory(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.IsOpen()) fsync(directory.Get());
    return 0;
}

std::string AtomicReplacement::FolderOf(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : target.substr(0, slash);
}

}  // namespace venkora
