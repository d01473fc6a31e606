#pragma once
// The editor's settings file as venkora-optimieren reads it for --gespeichert: the same file,
// read by the same store as the editor reads it. A missing file is no error, the editor simply
// has not stored anything yet; a file that cannot be read (or is no regular file) gives a
// German warning, and the defaults.

#include <memory>
#include <optional>
#include <string>

#include "core/ProfileStore.h"

namespace venkora {

class SavedSettings {
public:
    // What Load found: the settings, and a warning when the file could not be read.
    struct Loaded {
        std::unique_ptr<ProfileStore> store;
        std::optional<std::string> warning;  // without the program name
    };

    static Loaded Load();
};

}  // namespace venkora
