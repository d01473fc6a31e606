#include "SavedSettings.h"

#include <QFile>

#include "BatchTexts.h"
#include "platform/QSettingsProfileStore.h"
#include "platform/QtText.h"
#include "resources/CommandTable.h"

namespace venkora {

SavedSettings::Loaded SavedSettings::Load() {
    const QString path = QSettingsProfileStore::UserFilePath(QtText(kCompanyName), QtText(kProgramName));
    auto store = std::make_unique<QSettingsProfileStore>(path);
    Loaded loaded;
    if (const auto& failure = store->readFailure()) {
        loaded.warning = BatchTexts::Fill(BatchTexts::kSettingsUnreadable,
                                          {QFile::encodeName(path).toStdString(), failure->text()});
    }
    loaded.store = std::move(store);
    return loaded;
}

}  // namespace venkora
