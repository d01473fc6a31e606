#pragma once
// The user's settings in the file QSettings keeps for "talberg"/"Venkora" (on Linux
// $XDG_CONFIG_HOME/talberg/Venkora.conf), or in an INI file of the caller's choice. A name is
// looked up among the existing sections and keys without regard to case and written in the
// spelling found, a new one in the caller's spelling. Integers are stored as unsigned decimal
// text; strings are UTF-8 on both sides. Every write is synced at once, so the file is current
// even if the program is killed; a file that cannot be read yields defaults, one that cannot
// be written is left as it is.

#include <QSettings>
#include <QString>
#include <QVariant>

#include <memory>

#include "platform/ProfileStore.h"

namespace venkora {

class QSettingsProfileStore : public ProfileStore {
public:
    // The user's settings file.
    QSettingsProfileStore();
    // The INI file at `path`, in the same format.
    explicit QSettingsProfileStore(const QString& path);

    std::uint32_t GetInt(std::string_view section, std::string_view key,
                         std::uint32_t defaultValue) const override;
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue = {}) const override;
    void WriteInt(std::string_view section, std::string_view key, std::uint32_t value) override;
    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    std::string GetBinary(std::string_view section, std::string_view key) const override;
    void WriteBinary(std::string_view section, std::string_view key,
                     std::string_view bytes) override;

private:
    // "Section/Key" in the spelling already in the file, else in the caller's.
    QString Path(std::string_view section, std::string_view key) const;
    QVariant Value(std::string_view section, std::string_view key) const;
    void Write(std::string_view section, std::string_view key, const QVariant& value);

    // Owned through a pointer so that the const lookups may enter and leave groups.
    std::unique_ptr<QSettings> settings_;
};

}  // namespace venkora
