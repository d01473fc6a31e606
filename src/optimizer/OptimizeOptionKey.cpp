#include "optimizer/OptimizeOptionKey.h"

#include <array>
#include <cassert>
#include <utility>

namespace venkora {

namespace {

using Kind = OptimizeOptionKey::Kind;
using O = OptimizeOptions;

constexpr OptimizeOptionKey Key(SettingId id, std::int32_t O::*field) {
    return {Setting(id).key, Setting(id).kind == StoredSetting::Kind::Text ? Kind::String : Kind::Integer, id,
            field};
}

constexpr std::array<OptimizeOptionKey, 16> kKeys{{
    Key(SettingId::OptimizeLeerz, &O::leerz),
    Key(SettingId::OptimizeBendef, &O::bendef),
    Key(SettingId::OptimizeBendefAnf, &O::bendefAnf),
    Key(SettingId::OptimizeBendefEnde, &O::bendefEnde),
    Key(SettingId::OptimizeLeerzAnf, &O::leerzAnf),
    Key(SettingId::OptimizeLeerzEnde, &O::leerzEnde),
    Key(SettingId::OptimizeTab, &O::tab),
    Key(SettingId::OptimizeTabAnf, &O::tabAnf),
    Key(SettingId::OptimizeTabEnde, &O::tabEnde),
    Key(SettingId::OptimizeZeilenumbruch, &O::zeilenumbruch),
    Key(SettingId::OptimizeNurLeerzeilen, &O::nurLeerzeilen),
    Key(SettingId::OptimizeBenutzerdefZeichen, nullptr),
    Key(SettingId::OptimizeTabZuLeerz, &O::tabZuLeerz),
    Key(SettingId::OptimizeLoescheUeberz, &O::loescheUeberz),
    Key(SettingId::OptimizeLeerzZuTab, &O::leerzZuTab),
    Key(SettingId::OptimizeTabbreite, nullptr),
}};

}  // namespace

void OptimizeOptionKey::SetInteger(OptimizeOptions& options, std::uint32_t stored) const {
    assert(kind == Kind::Integer);
    if (field) {
        options.*field = static_cast<std::int32_t>(stored);
    } else {
        options.tabbreite = static_cast<std::uint8_t>(stored & 0xFFu);
    }
}

std::uint32_t OptimizeOptionKey::Integer(const OptimizeOptions& options) const {
    assert(kind == Kind::Integer);
    return field ? static_cast<std::uint32_t>(options.*field) : options.tabbreite;
}

void OptimizeOptionKey::SetString(OptimizeOptions& options, std::string value) const {
    assert(kind == Kind::String);
    options.bendefZeichen = std::move(value);
}

const std::string& OptimizeOptionKey::String(const OptimizeOptions& options) const {
    assert(kind == Kind::String);
    return options.bendefZeichen;
}

std::span<const OptimizeOptionKey> OptimizeOptionKeys() { return kKeys; }

const OptimizeOptionKey* FindOptimizeOptionKey(std::string_view name) {
    for (const OptimizeOptionKey& key : kKeys) {
        if (ProfileStore::SameName(key.name, name)) return &key;
    }
    return nullptr;
}

void LoadOptimizeOptions(const ProfileStore& store, OptimizeOptions& options) {
    for (const OptimizeOptionKey& key : kKeys) {
        if (key.kind == Kind::String) {
            key.SetString(options, store.ReadText(Setting(key.setting)));
        } else {
            key.SetInteger(options, static_cast<std::uint32_t>(store.ReadInteger(Setting(key.setting))));
        }
    }
}

void StoreOptimizeOptions(ProfileStore& store, const OptimizeOptions& options) {
    for (const OptimizeOptionKey& key : kKeys) {
        if (key.kind == Kind::String) {
            store.WriteText(Setting(key.setting), key.String(options));
        } else {
            store.WriteInteger(Setting(key.setting), static_cast<std::int32_t>(key.Integer(options)));
        }
    }
}

}  // namespace venkora
