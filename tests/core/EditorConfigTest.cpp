// Absolute paths for libeditorconfig, made as written (the properties themselves are tested
// through the batch tool, tests/cli/EditorConfigTest.cpp).

#include <gtest/gtest.h>

#include "core/EditorConfig.h"

namespace venkora {
namespace {

TEST(EditorConfig, AbsolutePathsAsWritten) {
    const struct { const char* name; const char* expected; } rows[] = {
        {"./x/./a.txt", "/w/d/x/a.txt"}, {"x//a", "/w/d/x/a"}, {"../a", "/w/a"},
        {"../../../a", "/a"}, {"/r/../s/a", "/s/a"}, {"x/..", "/w/d"}, {"\xFF/a", "/w/d/\xFF/a"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(EditorConfig::AbsolutePath(row.name, "/w//d/"), row.expected) << row.name;
    }
}

}  // namespace
}  // namespace venkora
