// The settings schema as a whole: no two settings share a name in the stores, and every default
// is a value of its setting's kind.

#include <gtest/gtest.h>

#include <string>

#include "core/ProfileStore.h"
#include "resources/SettingsSchema.h"

namespace venkora {
namespace {

TEST(SettingsSchema, EachSettingHasItsOwnNameAndADefaultOfItsKind) {
    using Kind = StoredSetting::Kind;
    const auto& rows = settings_schema::kRows;
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const StoredSetting& a = rows[i].setting;
        SCOPED_TRACE(std::string(a.section) + "/" + std::string(a.key));
        for (std::size_t j = i + 1; j < std::size(rows); ++j) {
            const StoredSetting& b = rows[j].setting;
            EXPECT_FALSE(ProfileStore::SameName(a.section, b.section) && ProfileStore::SameName(a.key, b.key));
        }
        const bool integer = a.kind == Kind::Integer || a.kind == Kind::Byte;
        EXPECT_TRUE(integer || a.defaultInteger == 0);
        EXPECT_TRUE(a.kind == Kind::Text || a.defaultText.empty());
        EXPECT_TRUE(a.kind != Kind::Byte || (a.defaultInteger >= 0 && a.defaultInteger <= 255));
    }
}

}  // namespace
}  // namespace venkora
