#pragma once
// Settings held in memory, for tests. Values stay the text they are stored as and integers are
// parsed when read, by ParseInteger, the rule the settings file's store and the batch tool's
// --set follow as well. Names are compared without regard to the case of ASCII and Latin-1
// letters ("HÖHE" finds "Höhe").

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "core/ProfileStore.h"

namespace venkora {

class MemoryProfileStore : public ProfileStore {
public:
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

    // The 32 bits of a stored integer: a decimal number in the 32-bit range with or without
    // sign, so "-13" and "4294967283" give the same bits; nullopt for anything else (text,
    // blanks, an empty value, a number out of range).
    static std::optional<std::uint32_t> ParseInteger(std::string_view text);

private:
    // A string value, or opaque bytes; neither kind reads as the other.
    struct Entry {
        std::string value;
        bool binary = false;
    };

    const Entry* Find(std::string_view section, std::string_view key) const;
    void Put(std::string_view section, std::string_view key, Entry entry);

    // Section and key names with their letters folded to lower case, as the map keys.
    static std::string Fold(std::string_view name);

    std::map<std::string, std::map<std::string, Entry>> sections_;
};

}  // namespace venkora
