#pragma once
// Settings held in memory, for tests, read as the settings file reads them. Values stay the text
// they are stored as and integers are parsed when read, by ProfileStore::ParseInteger; names are
// matched by ProfileStore::SameName. Binary entries and strings that are no UTF-8 are both bytes
// to the file: each reads as a string and as a binary entry, but never as an integer.

#include <cstdint>
#include <map>
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
    // A string value, or opaque bytes.
    struct Entry {
        std::string value;
        bool binary = false;
    };

    const Entry* Find(std::string_view section, std::string_view key) const;
    void Put(std::string_view section, std::string_view key, Entry entry);

    std::map<std::string, std::map<std::string, Entry>> sections_;
};

}  // namespace venkora
