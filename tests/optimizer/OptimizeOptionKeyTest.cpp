// The stored names of the optimize options: lookup, and the conversion of stored 32-bit values
// into the record's fields. That the editor's stored options reach the batch tool is checked by
// tests/cli/SavedSettingsTest.cpp.

#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "optimizer/OptimizeOptionKey.h"
#include "optimizer/OptimizeOptions.h"

namespace venkora {
namespace {

using namespace std::literals;

const OptimizeOptionKey& Key(std::string_view name) {
    const OptimizeOptionKey* key = FindOptimizeOptionKey(name);
    EXPECT_NE(key, nullptr) << name;
    return key != nullptr ? *key : OptimizeOptionKeys().front();
}

TEST(OptimizeOptionKey, StoredValuesAreSigned32BitInSwitches) {
    for (const OptimizeOptionKey& key : OptimizeOptionKeys()) {
        if (key.field == nullptr) {
            continue;
        }
        SCOPED_TRACE(key.name);
        OptimizeOptions options;
        key.SetInteger(options, 4294967283u);
        EXPECT_EQ(options.*key.field, -13);
        for (const std::uint32_t stored : {0u, 1u, 2u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
            key.SetInteger(options, stored);
            EXPECT_EQ(key.Integer(options), stored);
        }
        options.*key.field = -1;
        EXPECT_EQ(key.Integer(options), 0xFFFFFFFFu);
    }
}

TEST(OptimizeOptionKey, WidthKeepsTheLowEightBits) {
    const OptimizeOptionKey& key = Key("Tabbreite");
    const std::uint32_t rows[][2] = {
        {0, 0}, {4, 4}, {255, 255}, {256, 0}, {300, 44}, {4294967283u, 243}, {0xFFFFFFFFu, 255},
    };
    for (const auto& [stored, width] : rows) {
        SCOPED_TRACE(stored);
        OptimizeOptions options;
        key.SetInteger(options, stored);
        EXPECT_EQ(options.tabbreite, width);
        EXPECT_EQ(key.Integer(options), width);
    }
}

TEST(OptimizeOptionKey, LookupIgnoresAsciiCase) {
    const auto keys = OptimizeOptionKeys();
    for (const OptimizeOptionKey& key : keys) {
        std::string upper(key.name);
        std::string lower(key.name);
        for (std::size_t i = 0; i < upper.size(); ++i) {
            upper[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(upper[i])));
            lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(lower[i])));
        }
        EXPECT_EQ(FindOptimizeOptionKey(key.name), &key);
        EXPECT_EQ(FindOptimizeOptionKey(upper), &key) << upper;
        EXPECT_EQ(FindOptimizeOptionKey(lower), &key) << lower;
    }
    EXPECT_EQ(FindOptimizeOptionKey("nUR lEERZEILEN"), FindOptimizeOptionKey("Nur Leerzeilen"));
}

TEST(OptimizeOptionKey, UnknownNames) {
    for (const std::string_view name :
         {""sv, "Bereich"sv, "Leerz "sv, "NurLeerzeilen"sv, "Loesche überz"sv, "Leerz\0"sv}) {
        EXPECT_EQ(FindOptimizeOptionKey(name), nullptr) << name;
    }
}

}  // namespace
}  // namespace venkora
