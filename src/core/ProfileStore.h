#pragma once
// The user's settings between runs: named sections of integer and string values. Sections and
// keys are compared by one rule in every store (SameName). A missing, unreadable or malformed
// value yields the caller's default; a failed write is ignored. Integers are 32 bits wide: what
// is stored as 4294967283 reads back as -13 where the owner takes it as signed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/StoredSetting.h"

namespace venkora {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    virtual std::uint32_t GetInt(std::string_view section, std::string_view key,
                                 std::uint32_t defaultValue) const = 0;
    virtual std::string GetString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue = {}) const = 0;
    virtual void WriteInt(std::string_view section, std::string_view key, std::uint32_t value) = 0;
    virtual void WriteString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
    // Opaque binary entries under a name (the bar layout).
    virtual std::string GetBinary(std::string_view section, std::string_view key) const = 0;
    virtual void WriteBinary(std::string_view section, std::string_view key,
                             std::string_view bytes) = 0;

    // A setting of the schema by its kind, its default where nothing usable is stored. An
    // integer is the signed 32 bits (a Byte its low 8 bits) and is written as its unsigned bits.
    std::int32_t ReadInteger(const StoredSetting& setting) const;
    std::string ReadText(const StoredSetting& setting) const;
    std::string ReadBytes(const StoredSetting& setting) const;
    void WriteInteger(const StoredSetting& setting, std::int32_t value);
    void WriteText(const StoredSetting& setting, std::string_view value);
    void WriteBytes(const StoredSetting& setting, std::string_view bytes);

    // The 32 bits of a stored integer, the rule of every store and of the batch tool's --set:
    // a decimal number in the 32-bit range with or without sign, so "-13" and "4294967283" give
    // the same bits; nullopt for anything else (text, blanks, an empty value, out of range).
    static std::optional<std::uint32_t> ParseInteger(std::string_view text);

    // Whether two section or key names are one: equal once the letters of ASCII and of Latin-1
    // in UTF-8 (U+00C0 to U+00DE but U+00D7) are folded to lower case ("HÖHE" is "Höhe"). No
    // other character has a case here (Greek, the sharp s), and bytes that are no UTF-8 are
    // compared as they are.
    static bool SameName(std::string_view a, std::string_view b);
    // `name` with those letters folded: names are the same exactly when their folds are equal.
    static std::string FoldName(std::string_view name);
};

}  // namespace venkora
