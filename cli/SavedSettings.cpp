#include "SavedSettings.h"

#include <QFile>

#include "platform/QSettingsProfileStore.h"

namespace venkora {

SavedSettings::Loaded SavedSettings::Load() {
    auto store = std::make_unique<QSettingsProfileStore>();
    Loaded loaded;
    if (const auto& failure = store->readFailure()) {
        loaded.warning = "Warnung: Die gespeicherten Einstellungen in „" +
                         QFile::encodeName(QSettingsProfileStore::UserFilePath()).toStdString() +
                         "“ können nicht gelesen werden (" + failure->text() +
                         "); es gelten die Vorgaben.";
    }
    loaded.store = std::move(store);
    return loaded;
}

}  // namespace venkora
