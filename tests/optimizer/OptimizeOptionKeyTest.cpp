// The stored names of the optimize options: the names, order and defaults that settings files
// rely on (pinned), lookup, and the conversion of stored 32-bit values into the record's fields.

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
using O = OptimizeOptions;
using Kind = OptimizeOptionKey::Kind;

struct ExpectedKey {
    std::string_view name;
    Kind kind;
    std::uint32_t defaultInteger;
    std::int32_t OptimizeOptions::*field;  // nullptr for "Tabbreite" and the string
};

// Pins: what the settings files of every earlier run hold.
constexpr ExpectedKey kExpected[] = {
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
};

const OptimizeOptionKey& Key(std::string_view name) {
    const OptimizeOptionKey* key = FindOptimizeOptionKey(name);
    EXPECT_NE(key, nullptr) << name;
    return key != nullptr ? *key : OptimizeOptionKeys().front();
}

TEST(OptimizeOptionKeyPins, TheSixteenStoredKeysTheirOrderAndDefaults) {
    EXPECT_EQ(kOptimizeSection, "OptimierenDlg");
    const auto keys = OptimizeOptionKeys();
    ASSERT_EQ(keys.size(), std::size(kExpected));
    for (std::size_t i = 0; i < keys.size(); ++i) {
        SCOPED_TRACE(kExpected[i].name);
        EXPECT_EQ(keys[i].name, kExpected[i].name);
        EXPECT_EQ(keys[i].kind, kExpected[i].kind);
        EXPECT_EQ(keys[i].field, kExpected[i].field);
        if (kExpected[i].kind == Kind::Integer) {
            EXPECT_EQ(keys[i].defaultInteger, kExpected[i].defaultInteger);
        }
    }
}

TEST(OptimizeOptionKey, StoredValuesAreSigned32BitInSwitches) {
    for (const ExpectedKey& expected : kExpected) {
        if (expected.field == nullptr) {
            continue;
        }
        SCOPED_TRACE(expected.name);
        const OptimizeOptionKey& key = Key(expected.name);
        OptimizeOptions options;
        key.SetInteger(options, 4294967283u);
        EXPECT_EQ(options.*expected.field, -13);
        for (const std::uint32_t stored : {0u, 1u, 2u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
            key.SetInteger(options, stored);
            EXPECT_EQ(key.Integer(options), stored);
        }
        options.*expected.field = -1;
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
    EXPECT_EQ(FindOptimizeOptionKey("nUR lEERZEILEN"), &keys[10]);
}

TEST(OptimizeOptionKey, UnknownNames) {
    for (const std::string_view name :
         {""sv, "Bereich"sv, "Leerz "sv, "NurLeerzeilen"sv, "Loesche überz"sv, "Leerz\0"sv}) {
        EXPECT_EQ(FindOptimizeOptionKey(name), nullptr) << name;
    }
}

}  // namespace
}  // namespace venkora
