#pragma once
// The settings in an INI file as QSettings reads and writes it, for a user's settings
// $XDG_CONFIG_HOME/COMPANY/PROGRAM.conf (~/.config when that is unset or empty). The file is
// read once, when the store is made; each value written goes into the file at once, so it is
// current even if the program is killed. Names are looked up by ProfileStore::SameName and
// written in the spelling already in the file, else in the caller's. Integers are stored as
// unsigned decimal text; strings are UTF-8 on both sides.
//
// Only a regular file (a link is followed) is read or written. A FIFO, device, directory, a
// file too large for settings or one that cannot be read is left alone: the store then starts
// from the defaults and keeps what is written for this run only. A file that cannot be
// written stays as it is.

#include <QMap>
#include <QString>
#include <QVariant>

#include <optional>

#include "core/FileFailure.h"
#include "core/ProfileStore.h"

class QSettings;

namespace venkora {

class QSettingsProfileStore : public ProfileStore {
public:
    // The largest settings file read; the program itself writes a few kilobytes.
    static constexpr qint64 kMaxFileSize = 1 << 20;

    // The INI file at `path`.
    explicit QSettingsProfileStore(const QString& path);

    // Where QSettings keeps this user's settings of `program` by `company`.
    static QString UserFilePath(const QString& company, const QString& program);

    // Why the file could not be read when the store was made; nullopt when it was read or does
    // not exist yet.
    const std::optional<FileFailure>& readFailure() const { return readFailure_; }

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
    // Every value of the file by its "Section/Key" path as spelled there.
    using Values = QMap<QString, QVariant>;

    // Whether `path_` may be handed to QSettings now: a regular file or nothing.
    bool FileIsUsable() const;
    QVariant Value(std::string_view section, std::string_view key) const;
    void Write(std::string_view section, std::string_view key, const QVariant& value);
    // The path of section/key in the spelling found among `values`.
    static QString Path(const Values& values, std::string_view section, std::string_view key);
    static Values ReadAll(const QSettings& settings);

    QString path_;
    std::optional<FileFailure> readFailure_;
    Values values_;
};

}  // namespace venkora
