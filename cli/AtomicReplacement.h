#pragma once
// Replaces one regular file by new bytes so that the file holds either its old or its new
// content at every moment: the bytes go to a temporary file in the same folder, which is then
// renamed over the file. The object owns that temporary file until the rename and removes it
// on any failure. While it lives, SIGINT, SIGTERM, SIGHUP and SIGQUIT wait, so an interrupt
// cannot leave the temporary file behind; they arrive when the object is gone.

#include <signal.h>
#include <sys/stat.h>

#include <string>
#include <string_view>

namespace venkora {

class AtomicReplacement {
public:
    // `target` is the real path of the file, symbolic links already resolved.
    explicit AtomicReplacement(std::string target);
    ~AtomicReplacement();
    AtomicReplacement(const AtomicReplacement&) = delete;
    AtomicReplacement& operator=(const AtomicReplacement&) = delete;

    // Writes `bytes` to the temporary file, gives it the permission bits of `original` (the
    // status of the target; its owner too where the system allows), syncs it to the disk and
    // renames it over the target. Returns 0, or the errno of the first failure, in which case
    // the target is untouched.
    int Commit(std::string_view bytes, const struct stat& original);

    // The folder of `target`, where the temporary file is made.
    static std::string FolderOf(const std::string& target);

private:
    std::string target_;
    std::string temporary_;  // path of the temporary file while one exists
    sigset_t savedMask_{};
};

}  // namespace venkora
