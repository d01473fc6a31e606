#pragma once
// The stored names of the optimize options (profile section "OptimierenDlg"): one entry per
// persisted field, in the order they are read and written. The optimize dialog loads and stores
// its fields through them, the batch tool reads the editor's values and its --set by them.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "optimizer/OptimizeOptions.h"
#include "core/ProfileStore.h"

namespace venkora {

inline constexpr std::string_view kOptimizeSection = "OptimierenDlg";

struct OptimizeOptionKey {
    enum class Kind { Integer, String };

    std::string_view name;          // key name as stored, e.g. "Nur Leerzeilen"
    Kind kind;
    std::uint32_t defaultInteger;   // value when the key is missing (integers only)
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

// The key with this name, compared without regard to ASCII case; nullptr when there is none.
const OptimizeOptionKey* FindOptimizeOptionKey(std::string_view name);

// Reads the sixteen stored values of `store` into `options`, a missing or unusable value giving
// its default; the range (`bereich`) is not stored and stays as it is.
void LoadOptimizeOptions(const ProfileStore& store, OptimizeOptions& options);
// Writes the sixteen values in the stored order.
void StoreOptimizeOptions(ProfileStore& store, const OptimizeOptions& options);

}  // namespace venkora
