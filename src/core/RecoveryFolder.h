#pragma once
// The folder of the recovery files: $XDG_STATE_HOME/venkora (~/.local/state/venkora when that
// is not set), made with mode 0700 when it is needed, never beside the user's files. Each
// running editor writes one file there, named after its process (id and start time), with mode
// 0600; a file of a process that no longer runs is left over from a crash and is offered at the
// next start. Files the user declined are kept aside for a week.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/FileFailure.h"
#include "core/RecoveryFile.h"

namespace venkora {

class RecoveryFolder {
public:
    // A recovery file: its name in the folder, its contents (nullopt when it is damaged), and
    // whether the user declined it.
    struct Entry {
        std::string name;
        std::optional<RecoveryFile> file;
        bool declined = false;
    };

    static constexpr std::string_view kSuffix = ".wiederherstellung";
    static constexpr std::string_view kDeclined = "-verworfen";
    static constexpr std::string_view kDamaged = "-beschaedigt";
    static constexpr std::int64_t kKeepDeclinedSeconds = 7 * 24 * 60 * 60;

    explicit RecoveryFolder(std::string path) : path_(std::move(path)) {}
    // The folder the environment names.
    static std::string DefaultPath();

    const std::string& path() const { return path_; }
    // The full name of this process's file.
    std::string OwnFile() const;

    // Writes this process's file through the safe replacement, making the folder first.
    std::optional<FileFailure> Write(const RecoveryFile& file) const;
    void RemoveOwn() const;
    // Removes the file `name` of the folder.
    void Remove(const std::string& name) const;

    // Every recovery file of the folder, declined ones too, by name.
    std::vector<Entry> Entries() const;
    // The files to offer: those of processes that no longer run, and the damaged ones.
    std::vector<Entry> Leftovers() const;
    // Gives the file `name` the ending `suffix` (kDeclined, kDamaged); the new full name.
    std::string MoveAside(const std::string& name, std::string_view suffix) const;
    // Removes declined files older than a week at `now` (seconds since 1970).
    void RemoveOldDeclined(std::int64_t now) const;

private:
    std::string path_;
};

}  // namespace venkora
