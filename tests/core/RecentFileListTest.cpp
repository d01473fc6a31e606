// The list of files opened last: order, the limit of four, and its slots in the settings.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/MemoryProfileStore.h"
#include "core/RecentFileList.h"

namespace venkora {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFileList, NewestFirstWithoutRepeatsAndAtMostFour) {
    RecentFileList list;
    for (const char* path : {"/a", "/b", "/c", "/d", "/e"}) list.Add(path);
    EXPECT_EQ(list.entries(), (Paths{"/e", "/d", "/c", "/b"}));

    list.Add("/c");
    EXPECT_EQ(list.entries(), (Paths{"/c", "/e", "/d", "/b"}));
    list.Add("/C");
    EXPECT_EQ(list.entries(), (Paths{"/C", "/c", "/e", "/d"})) << "compared byte for byte";

    list.Remove("/e");
    list.Remove("/nie");
    list.Add("");
    EXPECT_EQ(list.entries(), (Paths{"/C", "/c", "/d"}));
}

TEST(RecentFileList, SavesAllFourSlotsAndNothingElse) {
    MemoryProfileStore store;
    store.WriteString("Recent File List", "Andere", "bleibt");
    RecentFileList list;
    for (const char* path : {"/a", "/b", "/c", "/\xC3\xA4"}) list.Add(path);
    list.Save(store);
    list.Remove("/b");
    list.Remove("/a");
    list.Save(store);

    EXPECT_EQ(store.GetString("Recent File List", "File1"), "/\xC3\xA4");
    EXPECT_EQ(store.GetString("Recent File List", "File2"), "/c");
    EXPECT_EQ(store.GetString("Recent File List", "File3", "-"), "");
    EXPECT_EQ(store.GetString("Recent File List", "File4", "-"), "");
    EXPECT_EQ(store.GetString("Recent File List", "Andere"), "bleibt");

    RecentFileList loaded;
    loaded.Add("/vorher");
    loaded.Load(store);
    EXPECT_EQ(loaded.entries(), (Paths{"/\xC3\xA4", "/c"}));
}

TEST(RecentFileList, LoadSkipsEmptySlotsAndRepeats) {
    MemoryProfileStore store;
    store.WriteString("recent file list", "FILE2", "/x");
    store.WriteString("Recent File List", "File3", "/x");
    store.WriteString("Recent File List", "File4", "/y");
    store.WriteString("Recent File List", "File5", "/z");
    RecentFileList list;
    list.Load(store);
    EXPECT_EQ(list.entries(), (Paths{"/x", "/y"}));
}

}  // namespace
}  // namespace venkora
