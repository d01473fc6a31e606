#include "optimizer/OptimizeOptionKey.h"

#include <array>
#include <cassert>
#include <utility>

namespace venkora {

namespace {

using Kind = OptimizeOptionKey::Kind;
using O = OptimizeOptions;

constexpr std::array<OptimizeOptionKey, 16> kKeys{{
    {"Leerz", Kind::Integer, 0, &O::leerz},
    {"Bendef", Kind::Integer, 0, &O::bendef},
    {"BendefAnf", Kind::Integer, 0, &O::bendefAnf},
    {"BendefEnde", Kind::Integer, 0, &O::bendefEnde},
    {"LeerzAnf", Kind::Integer, 0, &O::leerzAnf},
    {"LeerzEnde", Kind::Integer, 0, &O::leerzEnde},
    {"Tab", Kind::Integer, 0, &O::tab},
    {"TabAnf", Kind::Integer, 0, &O::tabAnf},
    {"TabEnde", Kind::Integer, 0, &O::tabEnde},
    {"Zeilenumbruch", Kind::Integer, 0, &O::zeilenumbruch},
    {"Nur Leerzeilen", Kind::Integer, 0, &O::nurLeerzeilen},
    {"Benutzerdef Zeichen", Kind::String, 0, nullptr},
    {"Tab zu Leerz", Kind::Integer, 0, &O::tabZuLeerz},
    {"Loesche ueberz", Kind::Integer, 0, &O::loescheUeberz},
    {"Leerz zu Tab", Kind::Integer, 0, &O::leerzZuTab},
    {"Tabbreite", Kind::Integer, 2, nullptr},
}};

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

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
        if (EqualNoCase(key.name, name)) return &key;
    }
    return nullptr;
}

void LoadOptimizeOptions(const ProfileStore& store, OptimizeOptions& options) {
    for (const OptimizeOptionKey& key : kKeys) {
        if (key.kind == Kind::String) {
            key.SetString(options, store.GetString(kOptimizeSection, key.name));
        } else {
            key.SetInteger(options, store.GetInt(kOptimizeSection, key.name, key.defaultInteger));
        }
    }
}

void StoreOptimizeOptions(ProfileStore& store, const OptimizeOptions& options) {
    for (const OptimizeOptionKey& key : kKeys) {
        if (key.kind == Kind::String) {
            store.WriteString(kOptimizeSection, key.name, key.String(options));
        } else {
            store.WriteInt(kOptimizeSection, key.name, key.Integer(options));
        }
    }
}

}  // namespace venkora
