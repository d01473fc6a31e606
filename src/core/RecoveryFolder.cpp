#include "core/RecoveryFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <variant>

#include "core/FileReplacement.h"
#include "core/RegularFile.h"

namespace venkora {

namespace {

// The most bytes a recovery file holds: the text's limit and a header.
constexpr std::size_t kMostBytes = 2 << 20;

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Makes `path` and the folders above it that are missing, each with mode 0700; 0 or the errno.
int MakeFolders(const std::string& path) {
    if (mkdir(path.c_str(), 0700) == 0 || errno == EEXIST) return 0;
    if (errno != ENOENT) return errno;
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0) return ENOENT;
    if (const int error = MakeFolders(path.substr(0, slash))) return error;
    return mkdir(path.c_str(), 0700) == 0 || errno == EEXIST ? 0 : errno;
}

// The names of the folder's entries.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    const auto closeFolder = [](DIR* opened) { closedir(opened); };
    const std::unique_ptr<DIR, decltype(closeFolder)> entries(opendir(folder.c_str()), closeFolder);
    if (!entries) return names;
    while (const dirent* entry = readdir(entries.get())) names.emplace_back(entry->d_name);
    return names;
}

}  // namespace

std::string RecoveryFolder::DefaultPath() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && *state == '/') return std::string(state) + "/venkora";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.local/state/venkora";
}

std::string RecoveryFolder::OwnFile() const {
    const ProcessIdentity self = ProcessIdentity::Current();
    return path_ + "/" + std::to_string(self.pid) + "-" + std::to_string(self.startTime) + std::string(kSuffix);
}

std::optional<FileFailure> RecoveryFolder::Write(const RecoveryFile& file) const {
    if (const int error = MakeFolders(path_)) return FileFailure::FromErrno(error);
    return FileReplacement::Store(OwnFile(), file.Format(), 0600);
}

void RecoveryFolder::RemoveOwn() const { unlink(OwnFile().c_str()); }

void RecoveryFolder::Remove(const std::string& name) const { unlink((path_ + "/" + name).c_str()); }

std::vector<RecoveryFolder::Entry> RecoveryFolder::Entries() const {
    std::vector<Entry> entries;
    for (const std::string& name : Names(path_)) {
        const bool declined = EndsWith(name, kDeclined);
        if (!declined && !EndsWith(name, kSuffix)) continue;
        auto opened = RegularFile::Open(path_ + "/" + name);
        std::string bytes;
        const auto* file = std::get_if<RegularFile>(&opened);
        const bool read = file && !file->Read(bytes, kMostBytes + 1) && bytes.size() <= kMostBytes;
        entries.push_back({name, read ? RecoveryFile::Parse(bytes) : std::nullopt, declined});
    }
    return entries;
}

std::vector<RecoveryFolder::Entry> RecoveryFolder::Leftovers() const {
    std::vector<Entry> leftovers;
    for (Entry& entry : Entries()) {
        // Another editor's, at work, or one the user declined, is none.
        if (entry.declined || (entry.file && entry.file->process.StillRuns())) continue;
        leftovers.push_back(std::move(entry));
    }
    return leftovers;
}

std::string RecoveryFolder::MoveAside(const std::string& name, std::string_view suffix) const {
    const std::string from = path_ + "/" + name;
    const std::string to = from + std::string(suffix);
    // The week a declined file is kept begins now.
    if (rename(from.c_str(), to.c_str()) == 0) utimensat(AT_FDCWD, to.c_str(), nullptr, 0);
    return to;
}

void RecoveryFolder::RemoveOldDeclined(std::int64_t now) const {
    for (const std::string& name : Names(path_)) {
        if (!EndsWith(name, kDeclined)) continue;
        const std::string full = path_ + "/" + name;
        struct stat status {};
        if (lstat(full.c_str(), &status) == 0 && now - status.st_mtim.tv_sec > kKeepDeclinedSeconds) {
            unlink(full.c_str());
        }
    }
}

}  // namespace venkora
