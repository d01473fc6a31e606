// The in-memory settings: the rule for stored integers, names without regard to case, and the
// two kinds of value.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/MemoryProfileStore.h"

namespace venkora {
namespace {

TEST(MemoryProfileStore, StoredIntegersAreDecimal32BitNumbersWithOrWithoutSign) {
    struct Case {
        std::string_view text;
        std::optional<std::uint32_t> bits;
    };
    // The signed and unsigned ends of the range; the rest of the rule is in the --set tests.
    const Case cases[] = {
        {"-0", 0u},          {"007", 7u},           {"4294967295", 0xFFFFFFFFu},
        {"-1", 0xFFFFFFFFu}, {" 1", std::nullopt},  {"1 ", std::nullopt},
        {"-", std::nullopt}, {"--1", std::nullopt}, {"0x10", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ProfileStore::ParseInteger(c.text), c.bits);
        MemoryProfileStore store;
        store.WriteString("S", "K", c.text);
        EXPECT_EQ(store.GetInt("S", "K", 42), c.bits.value_or(42));
    }
}

TEST(MemoryProfileStore, NamesIgnoreTheCaseOfAsciiAndLatin1Letters) {
    MemoryProfileStore store;
    store.WriteString("OptimierenDlg", "H\xC3\xB6he \xC3\x84\xC3\x9F", "1");
    EXPECT_EQ(store.GetString("OPTIMIERENDLG", "H\xC3\x96HE \xC3\xA4\xC3\x9F"), "1");
    store.WriteString("optimierendlg", "h\xC3\xB6he \xC3\xA4\xC3\x9F", "2");
    EXPECT_EQ(store.GetString("OptimierenDlg", "H\xC3\xB6he \xC3\x84\xC3\x9F"), "2")
        << "one entry, overwritten";

    // Signs and the sharp s have no case; invalid UTF-8 is compared as it is.
    store.WriteString("S", "a\xC3\x97", "mal");
    EXPECT_EQ(store.GetString("S", "a\xC3\xB7", "-"), "-");
    store.WriteString("S", "\xC3\x9F", "sz");
    EXPECT_EQ(store.GetString("S", "SS", "-"), "-");
    store.WriteString("S", "\xC3" "A", "x");
    EXPECT_EQ(store.GetString("S", "\xC3" "a"), "x");
}

TEST(MemoryProfileStore, StringsIntegersAndBinariesKeepTheirKind) {
    MemoryProfileStore store;
    store.WriteInt("S", "Zahl", 4294967283u);
    EXPECT_EQ(store.GetString("S", "Zahl"), "4294967283");
    EXPECT_EQ(static_cast<std::int32_t>(store.GetInt("S", "Zahl", 0)), -13);

    store.WriteBinary("S", "Bytes", std::string_view("\0\xFF" "5", 3));
    EXPECT_EQ(store.GetBinary("S", "Bytes"), std::string_view("\0\xFF" "5", 3));
    EXPECT_EQ(store.GetString("S", "Bytes", "-"), "-");
    EXPECT_EQ(store.GetInt("S", "Bytes", 9), 9u);
    EXPECT_EQ(store.GetBinary("S", "Zahl"), "") << "a string is no binary entry";

    EXPECT_EQ(store.GetString("S", "Fehlt", "vorgabe"), "vorgabe");
    EXPECT_EQ(store.GetString("Fehlt", "Zahl"), "");
    EXPECT_EQ(store.GetBinary("S", "Fehlt"), "");
}

}  // namespace
}  // namespace venkora
