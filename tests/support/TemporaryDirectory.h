#pragma once
// A fresh directory made with mkdtemp for one test, removed with all its contents when the
// object goes away.

#include <sys/stat.h>
#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

class TemporaryDirectory {
public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::string& Path() const { return path_; }

    // Creates (or overwrites) the file `name` in the directory with `bytes` and the permission
    // bits `mode`; returns its full path.
    std::string Write(std::string_view name, std::string_view bytes, mode_t mode = 0644) const;

    // Gives the directory and everything in it to this user and group (as the superuser).
    void GiveTo(uid_t user, gid_t group) const;

    // The names in the directory, sorted.
    std::vector<std::string> Names() const;

    static std::string Read(const std::string& path);
    // The status of `path` (a link followed); a failure fails the test.
    static struct stat Status(const std::string& path);

private:
    std::string path_;
};
