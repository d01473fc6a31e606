#include "core/MemoryProfileStore.h"

#include <utility>

namespace venkora {

std::uint32_t MemoryProfileStore::GetInt(std::string_view section, std::string_view key,
                                         std::uint32_t defaultValue) const {
    const Entry* entry = Find(section, key);
    if (!entry || entry->binary) return defaultValue;
    return ParseInteger(entry->value).value_or(defaultValue);
}

std::string MemoryProfileStore::GetString(std::string_view section, std::string_view key,
                                          std::string_view defaultValue) const {
    const Entry* entry = Find(section, key);
    if (!entry || entry->binary) return std::string(defaultValue);
    return entry->value;
}

void MemoryProfileStore::WriteInt(std::string_view section, std::string_view key,
                                  std::uint32_t value) {
    Put(section, key, Entry{std::to_string(value), false});
}

void MemoryProfileStore::WriteString(std::string_view section, std::string_view key,
                                     std::string_view value) {
    Put(section, key, Entry{std::string(value), false});
}

std::string MemoryProfileStore::GetBinary(std::string_view section, std::string_view key) const {
    const Entry* entry = Find(section, key);
    return entry && entry->binary ? entry->value : std::string();
}

void MemoryProfileStore::WriteBinary(std::string_view section, std::string_view key,
                                     std::string_view bytes) {
    Put(section, key, Entry{std::string(bytes), true});
}

const MemoryProfileStore::Entry* MemoryProfileStore::Find(std::string_view section,
                                                          std::string_view key) const {
    const auto keys = sections_.find(Fold(section));
    if (keys == sections_.end()) return nullptr;
    const auto entry = keys->second.find(Fold(key));
    return entry == keys->second.end() ? nullptr : &entry->second;
}

void MemoryProfileStore::Put(std::string_view section, std::string_view key, Entry entry) {
    sections_[Fold(section)][Fold(key)] = std::move(entry);
}

std::string MemoryProfileStore::Fold(std::string_view name) {
    std::string folded(name);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const auto byte = static_cast<unsigned char>(folded[i]);
        if (byte >= 'A' && byte <= 'Z') {
            folded[i] = static_cast<char>(byte + ('a' - 'A'));
        } else if (byte == 0xC3 && i + 1 < folded.size()) {
            // U+00C0..U+00DE are C3 80..C3 9E in UTF-8; their lower-case letters are 0x20
            // further on. U+00D7 (the multiplication sign) is no letter.
            const auto next = static_cast<unsigned char>(folded[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) {
                folded[i + 1] = static_cast<char>(next + 0x20);
                ++i;
            }
        }
    }
    return folded;
}

}  // namespace venkora
