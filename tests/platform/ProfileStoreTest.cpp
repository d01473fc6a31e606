// One suite for both settings stores, the settings file and the one in memory that the tests
// use in its place: stored integers, names by one rule, and values of every kind as this run
// and the next read them. What only the file has (its spelling, bad files) is in
// QSettingsProfileStoreTest.cpp.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/MemoryProfileStore.h"
#include "platform/QSettingsProfileStore.h"

namespace venkora {
namespace {

using namespace std::string_literals;

constexpr std::string_view kMissing = "<fehlt>";

// A store of each kind, and the same settings as the next run finds them.
template <class Store>
struct Runs;

template <>
struct Runs<MemoryProfileStore> {
    MemoryProfileStore store;
    MemoryProfileStore Next() const { return store; }
};

template <>
struct Runs<QSettingsProfileStore> {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Venkora.conf"));
    QSettingsProfileStore store{path};
    QSettingsProfileStore Next() const { return QSettingsProfileStore(path); }
};

template <class Store>
class ProfileStoreTest : public testing::Test {
protected:
    // `check` on the store written to, then on the store of the next run.
    void InThisAndTheNextRun(const std::function<void(const ProfileStore&)>& check) {
        check(runs.store);
        check(runs.Next());
    }

    Runs<Store> runs;
};

using Stores = testing::Types<MemoryProfileStore, QSettingsProfileStore>;
TYPED_TEST_SUITE(ProfileStoreTest, Stores);

TYPED_TEST(ProfileStoreTest, StoredIntegersAreDecimal32BitNumbersWithOrWithoutSign) {
    struct Case {
        std::string_view text;
        std::optional<std::uint32_t> bits;
    };
    // The signed and unsigned ends of the range; the rest of the rule is in the --set tests.
    const Case cases[] = {
        {"-0", 0u},          {"007", 7u},           {"4294967295", 0xFFFFFFFFu},
        {"-1", 0xFFFFFFFFu}, {" 1", std::nullopt},  {"1 ", std::nullopt},
        {"-", std::nullopt}, {"--1", std::nullopt}, {"0x10", std::nullopt},
        {"", std::nullopt},  {"abc", std::nullopt}, {"4294967296", std::nullopt},
    };
    ProfileStore& store = this->runs.store;
    for (const Case& c : cases) store.WriteString("S", "K" + std::string(c.text), c.text);
    for (const Case& c : cases) EXPECT_EQ(ProfileStore::ParseInteger(c.text), c.bits) << c.text;
    this->InThisAndTheNextRun([&cases](const ProfileStore& s) {
        for (const Case& c : cases) {
            EXPECT_EQ(s.GetInt("S", "K" + std::string(c.text), 42), c.bits.value_or(42)) << c.text;
        }
    });
}

TYPED_TEST(ProfileStoreTest, NamesIgnoreTheCaseOfAsciiAndLatin1LettersOnly) {
    ProfileStore& store = this->runs.store;
    store.WriteString("OptimierenDlg", "H\xC3\xB6he \xC3\x84\xC3\x9F", "1");
    EXPECT_EQ(store.GetString("OPTIMIERENDLG", "H\xC3\x96HE \xC3\xA4\xC3\x9F"), "1");
    store.WriteString("optimierendlg", "h\xC3\xB6he \xC3\xA4\xC3\x9F", "2");
    EXPECT_EQ(store.GetString("OptimierenDlg", "H\xC3\xB6he \xC3\x84\xC3\x9F"), "2") << "one entry, overwritten";

    // Signs, the sharp s and the letters beyond Latin-1 have no case here; invalid UTF-8 is
    // compared as it is.
    const struct {
        std::string written, read;
        bool same;
    } names[] = {
        {"a\xC3\x97", "a\xC3\xB7", false},  // × and ÷
        {"\xC3\x9F", "SS", false},
        {"\xCE\xA9", "\xCF\x89", false},    // Ω and ω
        {"\xC3\xBF", "\xC5\xB8", false},    // ÿ and Ÿ
        {"\xC3" "A", "\xC3" "a", true},
    };
    for (const auto& n : names) store.WriteString("S", n.written, "x");
    this->InThisAndTheNextRun([&names](const ProfileStore& s) {
        EXPECT_EQ(s.GetString("OPTIMIERENDLG", "H\xC3\x96HE \xC3\xA4\xC3\x9F"), "2");
        for (const auto& n : names) EXPECT_EQ(s.GetString("S", n.read, "-"), n.same ? "x" : "-") << n.read;
    });
}

TYPED_TEST(ProfileStoreTest, ValuesOfEveryKindReadBackTheSameInTheNextRun) {
    std::string allBytes;
    for (int b = 0; b < 256; ++b) allBytes += static_cast<char>(b);
    struct Value {
        std::string section;
        std::string key;
        std::string text;
    };
    const Value strings[] = {
        {"OptimierenDlg", "Benutzerdef Zeichen", "ab; \"x\"\t=\xC3\xBC"},
        {"OptimierenDlg", "Leer", ""},
        {"OptimierenDlg", "R\xC3\xA4nder", " a, b "},
        {"OptimierenDlg", "Zeilen", "a\r\nb\\c\x01" "1\x7F"},
        {"OptimierenDlg", "Klammeraffe", "@ByteArray(x)"},
        {"OptimierenDlg", "Nul", "a\0b"s},
        {"Gr\xC3\xBC\xC3\x9F" "e [1]", "\xCE\xA9=%; #x", "\xE2\x82\xAC\xF0\x9F\x98\x80"},
        {"Recent File List", "File1", "/home/\xC3\xBC/a b.txt"},
        {"Recent File List", "File2", "/home/caf\xE9.txt"},  // a file name that is no UTF-8
    };
    ProfileStore& store = this->runs.store;
    for (const Value& v : strings) store.WriteString(v.section, v.key, v.text);
    store.WriteInt("S", "Zahl", 4294967283u);
    store.WriteBinary("S", "Bytes", allBytes);
    store.WriteBinary("S", "Ziffer", "5");

    this->InThisAndTheNextRun([&](const ProfileStore& s) {
        for (const Value& v : strings) EXPECT_EQ(s.GetString(v.section, v.key, kMissing), v.text) << v.key;
        EXPECT_EQ(s.GetString("S", "Zahl"), "4294967283");
        EXPECT_EQ(static_cast<std::int32_t>(s.GetInt("S", "Zahl", 0)), -13);
        EXPECT_EQ(s.GetBinary("S", "Bytes"), allBytes);
        // Bytes read as a string, but never as an integer; text that is no UTF-8 is bytes.
        EXPECT_EQ(s.GetString("S", "Bytes"), allBytes);
        EXPECT_EQ(s.GetInt("S", "Ziffer", 9), 9u);
        EXPECT_EQ(s.GetBinary("S", "Zahl"), "") << "a string is no binary entry";
        EXPECT_EQ(s.GetBinary("Recent File List", "File2"), "/home/caf\xE9.txt");

        EXPECT_EQ(s.GetString("S", "Fehlt", "vorgabe"), "vorgabe");
        EXPECT_EQ(s.GetString("Fehlt", "Zahl"), "");
        EXPECT_EQ(s.GetBinary("S", "Fehlt"), "");
    });
}

}  // namespace
}  // namespace venkora
