#include "core/FileReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <utility>
#include <variant>
#include <vector>

#include "core/FileDescriptor.h"
#include "core/SignalHold.h"
#include "core/SystemErrorText.h"

namespace venkora {

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Makes a rename or a new name in `folder` durable; the operation itself has happened anyway.
void SyncFolder(const std::string& folder) {
    const FileDescriptor directory(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.IsOpen()) fsync(directory.Get());
}

// Six random letters or digits.
std::string RandomSuffix() {
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937_64 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string suffix;
    for (int i = 0; i < 6; ++i) suffix += kLetters[pick(generator)];
    return suffix;
}

FileFailure CreateFailure(int errnum, const std::string& folder) {
    if (errnum == EACCES || errnum == EPERM) {
        return FileFailure::Reason(errnum, "keine Berechtigung, im Ordner „" + folder +
                                               "“ eine Datei anzulegen");
    }
    return FileFailure::FromErrno(errnum);
}

int WriteAt(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t put = pwrite(fd, bytes.data(), bytes.size(), offset);
        if (put < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (put == 0) return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(put));
        offset += put;
    }
    return 0;
}

// Copies all of `from` from its start to `to` from its start; 0 or the errno. `copied` counts
// the bytes.
int CopyContents(int from, int to, off_t& copied) {
    char buffer[1 << 16];
    copied = 0;
    for (;;) {
        const ssize_t got = pread(from, buffer, sizeof buffer, copied);
        if (got < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (got == 0) return 0;
        if (const int error = WriteAt(to, std::string_view(buffer, static_cast<std::size_t>(got)), copied)) {
            return error;
        }
        copied += got;
    }
}

// The names of the extended attributes of `fd`, each ended by a NUL; empty where the file
// system keeps none. 0 or the errno.
int AttributeNames(int fd, std::string& names) {
    for (;;) {
        const ssize_t size = flistxattr(fd, nullptr, 0);
        if (size < 0) return errno == ENOTSUP ? 0 : errno;
        names.resize(static_cast<std::size_t>(size));
        const ssize_t got = flistxattr(fd, names.data(), names.size());
        if (got >= 0) {
            names.resize(static_cast<std::size_t>(got));
            return 0;
        }
        if (errno != ERANGE) return errno;  // ERANGE: one was added meanwhile
    }
}

std::vector<std::string> SplitNames(const std::string& names) {
    std::vector<std::string> split;
    for (std::size_t at = 0; at < names.size();) {
        const std::size_t end = names.find('\0', at);
        split.push_back(names.substr(at, end - at));
        at = end == std::string::npos ? names.size() : end + 1;
    }
    return split;
}

// Gives `to` exactly the extended attributes of `from`: the access ACL among them (Linux keeps
// it as "system.posix_acl_access"), and none that `from` lacks (such as an ACL inherited from
// the folder's default ACL). Set after the permission bits, which would change an ACL's mask.
// 0 or the errno.
int CarryAttributes(int from, int to) {
    std::string fromNames;
    std::string toNames;
    if (const int error = AttributeNames(from, fromNames)) return error;
    if (const int error = AttributeNames(to, toNames)) return error;
    const std::vector<std::string> wanted = SplitNames(fromNames);
    for (const std::string& name : SplitNames(toNames)) {
        if (std::find(wanted.begin(), wanted.end(), name) != wanted.end()) continue;
        if (fremovexattr(to, name.c_str()) != 0 && errno != ENODATA) return errno;
    }
    std::string value;
    for (const std::string& name : wanted) {
        ssize_t size = fgetxattr(from, name.c_str(), nullptr, 0);
        if (size >= 0) {
            value.resize(static_cast<std::size_t>(size));
            size = fgetxattr(from, name.c_str(), value.data(), value.size());
        }
        if (size < 0) {
            if (errno == ENODATA) continue;  // removed meanwhile
            return errno;
        }
        if (fsetxattr(to, name.c_str(), value.data(), static_cast<std::size_t>(size), 0) != 0) return errno;
    }
    return 0;
}

// A file being written in a folder before it gets its place: without a name (O_TMPFILE) where
// the file system allows, else under a hidden random name beside the file it is for. A name it
// still holds when it goes is removed, unless it was told to keep it.
class Scratch {
public:
    static std::variant<Scratch, FileFailure> Make(const std::string& folder,
                                                   const std::string& stem, mode_t mode,
                                                   bool mayBeNameless) {
        if (mayBeNameless && access("/proc/self/fd", X_OK) == 0) {
            FileDescriptor fd(open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, mode));
            if (fd.IsOpen()) return Scratch(folder, stem, std::move(fd), {});
            // Without support in the file system: a named file instead.
            if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
                return CreateFailure(errno, folder);
            }
        }
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = NameIn(folder, stem);
            FileDescriptor fd(
                open(name.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC | O_NOFOLLOW, mode));
            if (fd.IsOpen()) return Scratch(folder, stem, std::move(fd), std::move(name));
            if (errno != EEXIST) return CreateFailure(errno, folder);
        }
        return CreateFailure(EEXIST, folder);
    }

    Scratch(Scratch&& other) noexcept
        : folder_(std::move(other.folder_)), stem_(std::move(other.stem_)),
          fd_(std::move(other.fd_)), name_(std::exchange(other.name_, {})) {}
    Scratch& operator=(Scratch&&) = delete;
    ~Scratch() {
        if (!name_.empty()) unlink(name_.c_str());
    }

    int fd() const { return fd_.Get(); }
    const std::string& name() const { return name_; }
    // The name now belongs to the file system's user: it is not removed.
    void Keep() { name_.clear(); }

    // Gives the file the name `target`, which must be free; 0 or the errno (EEXIST when taken).
    int LinkAs(const std::string& target) {
        if (name_.empty()) {
            const std::string self = "/proc/self/fd/" + std::to_string(fd_.Get());
            return linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0
                       ? 0
                       : errno;
        }
        if (link(name_.c_str(), target.c_str()) == 0) return 0;
        if (errno == EEXIST) return EEXIST;
        // File systems without hard links: a rename, once the name is seen to be free.
        struct stat info {};
        if (lstat(target.c_str(), &info) == 0) return EEXIST;
        if (rename(name_.c_str(), target.c_str()) != 0) return errno;
        name_.clear();
        return 0;
    }

    // Makes sure the file has a hidden name of its own in the folder; 0 or the errno.
    int Name() {
        if (!name_.empty()) return 0;
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = NameIn(folder_, stem_);
            const int error = LinkAs(name);
            if (error == 0) {
                name_ = std::move(name);
                return 0;
            }
            if (error != EEXIST) return error;
        }
        return EEXIST;
    }

private:
    Scratch(std::string folder, std::string stem, FileDescriptor fd, std::string name)
        : folder_(std::move(folder)), stem_(std::move(stem)), fd_(std::move(fd)),
          name_(std::move(name)) {}

    // A hidden name: ".STEM-XXXXXX", the stem cut so the whole stays a valid name.
    static std::string NameIn(const std::string& folder, const std::string& stem) {
        return folder + "/." + stem.substr(0, 200) + "-" + RandomSuffix();
    }

    std::string folder_;
    std::string stem_;
    FileDescriptor fd_;
    std::string name_;  // the hidden name while it has one, else empty
};

// The way through a new file: nullopt when done, a failure, or std::monostate when the owner,
// group, ACL or an extended attribute cannot be given to a new file and the file must be
// written in place.
using NewFileOutcome = std::variant<std::monostate, std::optional<FileFailure>>;

NewFileOutcome ReplaceByNewFile(const RegularFile& file, std::string_view bytes) {
    const std::string& target = file.resolvedPath();
    const std::string folder = FolderOf(target);
    auto made = Scratch::Make(folder, BaseOf(target) + ".venkora", 0600, true);
    if (auto* failure = std::get_if<FileFailure>(&made)) return *failure;
    Scratch& scratch = std::get<Scratch>(made);
    const struct stat& old = file.status();
    if (fchown(scratch.fd(), old.st_uid, old.st_gid) != 0) {
        if (errno == EPERM) return std::monostate{};
        return FileFailure::FromErrno(errno);
    }
    const FileDescriptor out = FileDescriptor::Borrow(scratch.fd());
    if (const int error = out.WriteAll(bytes)) return FileFailure::FromErrno(error);
    // After fchown, which clears the set-user-ID and set-group-ID bits.
    if (fchmod(scratch.fd(), old.st_mode & 07777) != 0) return FileFailure::FromErrno(errno);
    // An ACL or attribute that a new file cannot be given (only its owner may set some, and a
    // security module may refuse others) stays where it is when the file is written in place,
    // so access is never widened; any other failure fails the save.
    if (const int error = CarryAttributes(file.fd(), scratch.fd())) {
        if (error == EPERM || error == EACCES || error == ENOTSUP) return std::monostate{};
        return FileFailure::Reason(error, SystemErrorText(error) +
                                              " (beim Übertragen der Zugriffsrechte und erweiterten Attribute)");
    }
    if (fsync(scratch.fd()) != 0) return FileFailure::FromErrno(errno);
    if (const int error = scratch.Name()) return CreateFailure(error, folder);
    if (!file.IsAt(target)) return FileFailure::ReplacedMeanwhile();
    if (rename(scratch.name().c_str(), target.c_str()) != 0) return FileFailure::FromErrno(errno);
    scratch.Keep();  // the name is the file's now
    SyncFolder(folder);
    return std::optional<FileFailure>();
}

std::optional<FileFailure> WriteInPlace(const RegularFile& file, std::string_view bytes) {
    const std::string& target = file.resolvedPath();
    const std::string folder = FolderOf(target);
    // First the old contents, safe on the disk under a name of their own. The copy is made
    // without a name where the file system allows and named only when complete, so a run
    // killed while copying leaves nothing, and one killed while writing leaves a whole copy.
    auto made = Scratch::Make(folder, BaseOf(target) + ".venkora-sicherung", 0600, true);
    if (auto* failure = std::get_if<FileFailure>(&made)) return *failure;
    Scratch& backup = std::get<Scratch>(made);
    off_t oldSize = 0;
    if (const int error = CopyContents(file.fd(), backup.fd(), oldSize)) {
        return FileFailure::FromErrno(error);
    }
    if (fsync(backup.fd()) != 0) return FileFailure::FromErrno(errno);
    if (const int error = backup.Name()) return CreateFailure(error, folder);
    SyncFolder(folder);

    const FileDescriptor out(
        open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!out.IsOpen()) return FileFailure::FromErrno(errno);
    struct stat now {};
    if (fstat(out.Get(), &now) != 0) return FileFailure::FromErrno(errno);
    if (now.st_dev != file.status().st_dev || now.st_ino != file.status().st_ino) {
        return FileFailure::ReplacedMeanwhile();
    }
    int error = WriteAt(out.Get(), bytes, 0);
    if (error == 0 && ftruncate(out.Get(), static_cast<off_t>(bytes.size())) != 0) error = errno;
    if (error == 0 && fsync(out.Get()) != 0) error = errno;
    if (error == 0) return std::nullopt;  // the copy goes with `backup`

    // Writing failed: the old contents go back from the copy.
    off_t restored = 0;
    const bool putBack = CopyContents(backup.fd(), out.Get(), restored) == 0 &&
                         restored == oldSize && ftruncate(out.Get(), oldSize) == 0 &&
                         fsync(out.Get()) == 0;
    if (putBack) return FileFailure::FromErrno(error);
    backup.Keep();
    return FileFailure::Reason(error, SystemErrorText(error) + "; der alte Inhalt steht in „" +
                                          backup.name() + "“");
}

}  // namespace

std::optional<FileFailure> FileReplacement::Replace(const RegularFile& file,
                                                    std::string_view bytes) {
    const std::string& target = file.resolvedPath();
    if (!file.IsAt(target)) return FileFailure::ReplacedMeanwhile();
    // A file without write permission stays as it is, although its folder would allow a rename.
    if (faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        return FileFailure::FromErrno(errno);
    }
    // A new file would part the file from its other names.
    if (file.status().st_nlink <= 1) {
        NewFileOutcome outcome = ReplaceByNewFile(file, bytes);
        if (auto* done = std::get_if<std::optional<FileFailure>>(&outcome)) return *done;
    }
    return WriteInPlace(file, bytes);
}

std::optional<FileFailure> FileReplacement::Create(const std::string& path, std::string_view bytes,
                                                   mode_t mode) {
    const std::string folder = FolderOf(path);
    auto made = Scratch::Make(folder, BaseOf(path) + ".venkora", mode, true);
    if (auto* failure = std::get_if<FileFailure>(&made)) return *failure;
    Scratch& scratch = std::get<Scratch>(made);
    const FileDescriptor out = FileDescriptor::Borrow(scratch.fd());
    if (const int error = out.WriteAll(bytes)) return FileFailure::FromErrno(error);
    if (fsync(scratch.fd()) != 0) return FileFailure::FromErrno(errno);
    if (const int error = scratch.LinkAs(path)) {
        return error == EEXIST ? FileFailure::CreatedMeanwhile() : FileFailure::FromErrno(error);
    }
    SyncFolder(folder);
    return std::nullopt;
}

std::optional<FileFailure> FileReplacement::Store(const std::string& path, std::string_view bytes, mode_t mode,
                                                  const Guard& mayReplace) {
    const SignalHold hold;
    struct stat entry {};
    if (lstat(path.c_str(), &entry) != 0 && errno == ENOENT) return Create(path, bytes, mode);
    auto opened = RegularFile::Open(path);
    if (const auto* refused = std::get_if<FileFailure>(&opened)) return *refused;
    const RegularFile& existing = std::get<RegularFile>(opened);
    if (mayReplace) {
        if (auto refused = mayReplace(existing)) return refused;
    }
    return Replace(existing, bytes);
}

}  // namespace venkora
