// Reading settings files in QSettings' INI format without Qt: the hand-written samples, byte
// arrays, and files that cannot be read.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "IniSamples.h"
#include "platform/QtIniReader.h"

namespace venkora {
namespace {

constexpr std::string_view kMissing = "<fehlt>";

TEST(QtIniReader, ReadsEachSampleAsQSettingsDoes) {
    for (const IniSample& sample : kIniSamples) {
        SCOPED_TRACE(testing::PrintToString(std::string(sample.file)));
        MemoryProfileStore store;
        QtIniReader::Parse(sample.file, store);
        EXPECT_EQ(store.GetString(sample.section, sample.key, kMissing),
                  sample.value.value_or(kMissing));
    }
}

TEST(QtIniReader, ByteArraysBecomeBinaryEntries) {
    MemoryProfileStore store;
    QtIniReader::Parse(
        "[Leiste]\n"
        "Lage=\"@ByteArray(\\0\\x1\\xff,=;\\\"a\\0)\"\n"
        "Leer=@ByteArray()\n"
        "Breit=@ByteArray(\\x100)\n",
        store);
    EXPECT_EQ(store.GetBinary("leiste", "LAGE"), std::string("\0\x01\xFF,=;\"a\0", 9));
    EXPECT_EQ(store.GetBinary("Leiste", "Leer"), "");
    EXPECT_EQ(store.GetString("Leiste", "Leer", kMissing), kMissing) << "binary, not a string";
    EXPECT_EQ(store.GetBinary("Leiste", "Breit"), "?") << "beyond Latin-1";
}

class QtIniReaderFile : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/venkora-ini-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Write(const std::string& name, std::string_view text) const {
        const std::string path = dir_ + "/" + name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    std::string dir_;
};

TEST_F(QtIniReaderFile, ReadsAFileAndReportsWhyItCannot) {
    MemoryProfileStore store;
    EXPECT_EQ(QtIniReader::ReadFile(Write("a.conf", "[A]\nx=1\n"), store), 0);
    EXPECT_EQ(store.GetString("A", "x"), "1");

    EXPECT_EQ(QtIniReader::ReadFile(dir_ + "/fehlt.conf", store), ENOENT);
    EXPECT_EQ(QtIniReader::ReadFile(dir_, store), EISDIR);
    const std::string locked = Write("b.conf", "[A]\nx=2\n");
    ASSERT_EQ(chmod(locked.c_str(), 0), 0);
    if (geteuid() != 0) {
        EXPECT_EQ(QtIniReader::ReadFile(locked, store), EACCES);
    }
    EXPECT_EQ(store.GetString("A", "x"), "1") << "failed reads leave the store as it was";
}

}  // namespace
}  // namespace venkora
