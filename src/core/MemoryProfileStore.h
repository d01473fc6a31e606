#pragma once
// Settings held in memory, for tests. Values stay the text they are stored as and integers are
// parsed when read, by ProfileStore::ParseInteger. Names are compared without regard to the case of ASCII and Latin-1
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
