#include "platform/QSettingsProfileStore.h"

#include <QByteArray>
#include <QStringList>

#include "platform/MemoryProfileStore.h"

namespace venkora {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// `wanted` as spelled among `names`: the same spelling first, else the first that differs
// only in case; `wanted` itself when there is none.
QString Spelling(const QStringList& names, const QString& wanted) {
    if (names.contains(wanted)) return wanted;
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) return name;
    }
    return wanted;
}

}  // namespace

QSettingsProfileStore::QSettingsProfileStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("talberg"),
                                            QStringLiteral("Venkora"))) {}

QSettingsProfileStore::QSettingsProfileStore(const QString& path)
    : settings_(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

std::uint32_t QSettingsProfileStore::GetInt(std::string_view section, std::string_view key,
                                            std::uint32_t defaultValue) const {
    const QVariant value = Value(section, key);
    if (value.typeId() != QMetaType::QString) return defaultValue;
    const QByteArray text = value.toString().toUtf8();
    return MemoryProfileStore::ParseInteger(std::string_view(text.constData(),
                                                             static_cast<std::size_t>(text.size())))
        .value_or(defaultValue);
}

std::string QSettingsProfileStore::GetString(std::string_view section, std::string_view key,
                                             std::string_view defaultValue) const {
    const QVariant value = Value(section, key);
    if (value.typeId() != QMetaType::QString) return std::string(defaultValue);
    return value.toString().toStdString();
}

void QSettingsProfileStore::WriteInt(std::string_view section, std::string_view key,
                                     std::uint32_t value) {
    Write(section, key, QString::number(value));
}

void QSettingsProfileStore::WriteString(std::string_view section, std::string_view key,
                                        std::string_view value) {
    Write(section, key, FromUtf8(value));
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

QString QSettingsProfileStore::Path(std::string_view section, std::string_view key) const {
    const QString group = Spelling(settings_->childGroups(), FromUtf8(section));
    settings_->beginGroup(group);
    const QString name = Spelling(settings_->childKeys(), FromUtf8(key));
    settings_->endGroup();
    return group.isEmpty() ? name : group + u'/' + name;
}

QVariant QSettingsProfileStore::Value(std::string_view section, std::string_view key) const {
    return settings_->value(Path(section, key));
}

void QSettingsProfileStore::Write(std::string_view section, std::string_view key,
                                  const QVariant& value) {
    settings_->setValue(Path(section, key), value);
    settings_->sync();
}

}  // namespace venkora
