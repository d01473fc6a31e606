#include "SavedSettings.h"

#include <cerrno>

#include "platform/QtIniReader.h"
#include "platform/SystemErrorText.h"

namespace venkora {

std::string SavedSettings::PathFor(const char* xdgConfigHome, const char* home) {
    const std::string configHome = xdgConfigHome && *xdgConfigHome
                                       ? std::string(xdgConfigHome)
                                       : std::string(home ? home : "") + "/.config";
    return configHome + "/talberg/Venkora.conf";
}

SavedSettings::Loaded SavedSettings::Load(const std::string& path) {
    Loaded loaded;
    const int error = QtIniReader::ReadFile(path, loaded.store);
    if (error != 0 && error != ENOENT) {
        loaded.warning = "Warnung: Die gespeicherten Einstellungen in „" + path +
                         "“ können nicht gelesen werden (" + SystemErrorText(error) +
                         "); es gelten die Vorgaben.";
    }
    return loaded;
}

}  // namespace venkora
