#pragma once
// The optimize options as stored (settings schema, section "OptimierenDlg"): one entry per
// persisted field, in the order they are read and written, tying the field to its row of the
// schema. The optimize dialog loads and stores its fields through them, the batch tool reads the
// editor's values and its --set by them.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "optimizer/OptimizeOptions.h"
#include "core/ProfileStore.h"
#include "resources/SettingsSchema.h"

namespace venkora {

struct OptimizeOptionKey {
    enum class Kind { Integer, String };

    std::string_view name;  // key name as stored, e.g. "Nur Leerzeilen"
    Kind kind;
    SettingId setting;      // its row in the settings schema, with its default
    std::int32_t OptimizeOptions::*field;  // the 32-bit switch; nullptr for "Tabbreite" and the string

    // Integers as stored: 32 bits, taken as signed by the 32-bit fields; "Tabbreite" keeps only
    // its low 8 bits (300 gives 44).
    void SetInteger(OptimizeOptions& options, std::uint32_t stored) const;
    std::uint32_t Integer(const OptimizeOptions& options) const;
    void SetString(OptimizeOptions& options, std::string value) const;
    const std::string& String(const OptimizeOptions& options) const;
};

// All sixteen keys in the stored order.
std::span<const OptimizeOptionKey> OptimizeOptionKeys();

// The key with this name as the settings stores match names (ProfileStore::SameName); nullptr
// when there is none.
const OptimizeOptionKey* FindOptimizeOptionKey(std::string_view name);

// Reads the sixteen stored values of `store` into `options`, a missing or unusable value giving
// its default; the range (`bereich`) is not stored and stays as it is.
void LoadOptimizeOptions(const ProfileStore& store, OptimizeOptions& options);
// Writes the sixteen values in the stored order.
void StoreOptimizeOptions(ProfileStore& store, const OptimizeOptions& options);

}  // namespace venkora
