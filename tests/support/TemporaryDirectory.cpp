#include "TemporaryDirectory.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

TemporaryDirectory::TemporaryDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "venkora-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TemporaryDirectory::~TemporaryDirectory() {
    std::error_code ignored;
    // Tests may take permissions away; give them back so everything can be removed.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
        if (!entry.is_symlink()) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        }
    }
    std::filesystem::remove_all(path_, ignored);
}

std::string TemporaryDirectory::Write(std::string_view name, std::string_view bytes,
                                      mode_t mode) const {
    const std::string path = path_ + "/" + std::string(name);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file || chmod(path.c_str(), mode) != 0) throw std::runtime_error("cannot write " + path);
    return path;
}

void TemporaryDirectory::GiveTo(uid_t user, gid_t group) const {
    bool given = lchown(path_.c_str(), user, group) == 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_)) {
        given = given && lchown(entry.path().c_str(), user, group) == 0;
    }
    if (!given) throw std::runtime_error("cannot give away " + path_);
}

std::vector<std::string> TemporaryDirectory::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string TemporaryDirectory::Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct stat TemporaryDirectory::Status(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) throw std::runtime_error("cannot stat " + path);
    return info;
}
