#pragma once
// The editor's settings file as venkora-optimieren reads it for --gespeichert: found where the
// editor keeps it and read without Qt. A missing file is no error, the editor simply has not
// stored anything yet; a file that cannot be read gives a German warning, and the defaults.

#include <optional>
#include <string>

#include "platform/MemoryProfileStore.h"

namespace venkora {

class SavedSettings {
public:
    // What Load found: the settings, and a warning when the file could not be read.
    struct Loaded {
        MemoryProfileStore store;
        std::optional<std::string> warning;  // without the program name
    };

    // The file for these environment values (nullptr when unset):
    // $XDG_CONFIG_HOME/talberg/Venkora.conf, or $HOME/.config/talberg/Venkora.conf when
    // XDG_CONFIG_HOME is unset or empty.
    static std::string PathFor(const char* xdgConfigHome, const char* home);

    static Loaded Load(const std::string& path);
};

}  // namespace venkora
