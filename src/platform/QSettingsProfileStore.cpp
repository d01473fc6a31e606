#include "platform/QSettingsProfileStore.h"

#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <cerrno>
#include <variant>

#include "platform/QtText.h"
#include "core/CodePage.h"
#include "core/RegularFile.h"

namespace venkora {

namespace {

// `wanted` as spelled among `names`: the same spelling first, else the first that is the same
// name by the rule of every store (ProfileStore::SameName, not Qt's wider case folding);
// `wanted` itself when there is none.
QString Spelling(const QStringList& names, const QString& wanted) {
    if (names.contains(wanted)) return wanted;
    const QByteArray wantedBytes = wanted.toUtf8();
    for (const QString& name : names) {
        const QByteArray bytes = name.toUtf8();
        if (ProfileStore::SameName(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                   std::string_view(wantedBytes.constData(),
                                                    static_cast<std::size_t>(wantedBytes.size())))) {
            return name;
        }
    }
    return wanted;
}

// Why the file at `path` is not to be read; nullopt when it is a regular file or missing.
std::optional<FileFailure> ReadFailure(const QString& path) {
    auto opened = RegularFile::Open(QFile::encodeName(path).toStdString());
    if (const auto* failure = std::get_if<FileFailure>(&opened)) {
        if (failure->errnum() == ENOENT) return std::nullopt;
        return *failure;
    }
    if (std::get<RegularFile>(opened).status().st_size > QSettingsProfileStore::kMaxFileSize) {
        return FileFailure::FromErrno(EFBIG);
    }
    return std::nullopt;
}

}  // namespace

QSettingsProfileStore::QSettingsProfileStore(const QString& path)
    : path_(path), readFailure_(ReadFailure(path)) {
    if (!readFailure_) values_ = ReadAll(QSettings(path_, QSettings::IniFormat));
}

QString QSettingsProfileStore::UserFilePath(const QString& company, const QString& program) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           company + u'/' + program + QStringLiteral(".conf");
}

QSettingsProfileStore::Values QSettingsProfileStore::ReadAll(const QSettings& settings) {
    Values values;
    for (const QString& key : settings.allKeys()) values.insert(key, settings.value(key));
    return values;
}

bool QSettingsProfileStore::FileIsUsable() const { return !readFailure_ && !ReadFailure(path_); }

std::uint32_t QSettingsProfileStore::GetInt(std::string_view section, std::string_view key,
                                            std::uint32_t defaultValue) const {
    const QVariant value = Value(section, key);
    if (value.typeId() != QMetaType::QString) return defaultValue;
    const QByteArray text = value.toString().toUtf8();
    return ProfileStore::ParseInteger(std::string_view(text.constData(),
                                                             static_cast<std::size_t>(text.size())))
        .value_or(defaultValue);
}

std::string QSettingsProfileStore::GetString(std::string_view section, std::string_view key,
                                             std::string_view defaultValue) const {
    const QVariant value = Value(section, key);
    if (value.typeId() == QMetaType::QByteArray) return value.toByteArray().toStdString();
    if (value.typeId() != QMetaType::QString) return std::string(defaultValue);
    return value.toString().toStdString();
}

void QSettingsProfileStore::WriteInt(std::string_view section, std::string_view key,
                                     std::uint32_t value) {
    Write(section, key, QString::number(value));
}

void QSettingsProfileStore::WriteString(std::string_view section, std::string_view key,
                                        std::string_view value) {
    // Bytes that are no UTF-8 (a file name in another encoding) are kept as bytes.
    if (!CodePage::IsValidUtf8(value)) {
        return Write(section, key, QByteArray(value.data(), static_cast<qsizetype>(value.size())));
    }
    Write(section, key, QtText(value));
}

std::string QSettingsProfileStore::GetBinary(std::string_view section,
                                             std::string_view key) const {
    const QVariant value = Value(section, key);
    if (value.typeId() != QMetaType::QByteArray) return {};
    return value.toByteArray().toStdString();
}

void QSettingsProfileStore::WriteBinary(std::string_view section, std::string_view key,
                                        std::string_view bytes) {
    Write(section, key, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString QSettingsProfileStore::Path(const Values& values, std::string_view section,
                                    std::string_view key) {
    QStringList groups;
    for (const QString& path : values.keys()) {
        const qsizetype slash = path.indexOf(u'/');
        if (slash > 0 && !groups.contains(path.left(slash))) groups << path.left(slash);
    }
    const QString group = Spelling(groups, QtText(section));
    const QString prefix = group.isEmpty() ? QString() : group + u'/';
    QStringList keys;
    for (const QString& path : values.keys()) {
        if (path.startsWith(prefix) && !path.mid(prefix.size()).contains(u'/')) {
            keys << path.mid(prefix.size());
        }
    }
    return prefix + Spelling(keys, QtText(key));
}

QVariant QSettingsProfileStore::Value(std::string_view section, std::string_view key) const {
    return values_.value(Path(values_, section, key));
}

void QSettingsProfileStore::Write(std::string_view section, std::string_view key,
                                  const QVariant& value) {
    if (!FileIsUsable()) {
        values_.insert(Path(values_, section, key), value);
        return;
    }
    // The file as it is now (another run may have written to it), with the value added.
    QSettings settings(path_, QSettings::IniFormat);
    Values current = ReadAll(settings);
    const QString path = Path(current, section, key);
    settings.setValue(path, value);
    settings.sync();
    current.insert(path, value);
    values_ = std::move(current);
}

}  // namespace venkora
