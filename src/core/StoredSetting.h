#pragma once
// One setting as a settings store keeps it: the section and key it is stored under, how the
// stored value is taken, and its value when nothing usable is stored. ProfileStore reads and
// writes a setting by it; the program's settings are the rows of resources/SettingsSchema.h.

#include <cstdint>
#include <string_view>

namespace venkora {

struct StoredSetting {
    enum class Kind : std::uint8_t {
        Integer,  // 32 bits, taken as signed: 4294967283 is -13
        Byte,     // an integer of which only the low 8 bits count: 257 is 1
        Text,     // a string, UTF-8 (a file name may be other bytes)
        Bytes,    // opaque bytes, e.g. a window's bar layout
    };

    std::string_view section;
    std::string_view key;
    Kind kind = Kind::Integer;
    std::int32_t defaultInteger = 0;  // Integer and Byte
    std::string_view defaultText;     // Text
};

}  // namespace venkora
