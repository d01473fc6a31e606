// The view settings over a store in memory that records its writes: values read as stored and
// not written back, and exactly the values changed since start-up written at exit, in order.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/ViewSettings.h"
#include "core/MemoryProfileStore.h"

namespace venkora {
namespace {

using Stored = std::vector<std::pair<std::string, std::string>>;  // key and value
using Writes = std::vector<std::string>;                           // "section/key=value"

struct RecordingStore : MemoryProfileStore {
    void WriteInt(std::string_view s, std::string_view k, std::uint32_t v) override {
        WriteString(s, k, std::to_string(v));
    }
    void WriteString(std::string_view s, std::string_view k, std::string_view v) override {
        writes.push_back(std::string(s) + "/" + std::string(k) + "=" + std::string(v));
        MemoryProfileStore::WriteString(s, k, v);
    }
    Writes writes;
};

FontRecord Font(std::int32_t height, std::int32_t weight, std::uint8_t pitchAndFamily,
                std::uint8_t charSet, const std::string& face, std::uint8_t italic = 0) {
    FontRecord font;
    font.height = height;
    font.weight = weight;
    font.italic = italic;
    font.pitchAndFamily = pitchAndFamily;
    font.charSet = charSet;
    font.SetFaceName(face);
    return font;
}
const FontRecord kDefaultFont = Font(-13, 400, 49, 1, "Courier");

// One run: start on `stored` ("Schriftart") and `settingsKeys` ("Einstellungen"), let `change`
// act, exit. Returns the exit's writes.
Writes RunWith(ViewSettings& settings, const Stored& stored, const Stored& settingsKeys = {},
               const std::function<void(ViewSettings&)>& change = {}) {
    RecordingStore store;
    for (const auto& [key, value] : stored) store.WriteString("Schriftart", key, value);
    for (const auto& [key, value] : settingsKeys) store.WriteString("Einstellungen", key, value);
    settings.ReadWordWrap(store);
    settings.ReadTabWidthAndFont(store);
    if (change) change(settings);
    store.writes.clear();
    settings.SaveViewSettings(store);
    return store.writes;
}

TEST(ViewSettingsTest, FontIsReadAsStoredAndNotWrittenBack) {
    const std::string a30(30, 'a');
    const struct {
        Stored stored;
        FontRecord expected;
    } cases[] = {
        {{}, kDefaultFont},
        {{{"Höhe", "4294967283"}}, kDefaultFont},
        {{{"Dicke", "4294967295"}, {"CharSet", "-1"}}, Font(-13, -1, 49, 255, "Courier")},
        {{{"Kursiv", "257"}, {"PitchAndFamily", "290"}}, Font(-13, 400, 34, 1, "Courier", 1)},
        {{{"Art", std::string(40, 'x')}}, Font(-13, 400, 49, 1, std::string(31, 'x'))},
        {{{"Art", a30 + "ä"}}, Font(-13, 400, 49, 1, a30)},  // UTF-8: the character stays whole
        {{{"Art", a30 + "\xE4\xE4"}}, Font(-13, 400, 49, 1, a30 + "\xE4")},  // bytes as they are
        {{{"Art", std::string("Cour\0ier", 8)}}, Font(-13, 400, 49, 1, "Cour")},
        {{{"Höhe", "0"}, {"Dicke", "700"}, {"Kursiv", "1"}, {"CharSet", "2"}, {"Art", "Müll"}},
         FontRecord()},
    };
    for (const auto& c : cases) {
        ViewSettings settings;
        EXPECT_EQ(RunWith(settings, c.stored), Writes{});
        EXPECT_EQ(settings.font(), c.expected) << testing::PrintToString(c.stored);
        EXPECT_EQ(settings.startupFont(), c.expected);
    }
}

TEST(ViewSettingsTest, OnlyWhatDiffersFromStartUpIsWritten) {
    const auto setFont = [](FontRecord font) { return [=](ViewSettings& s) { s.SetFont(font); }; };
    FontRecord notKept = kDefaultFont;  // differs only in fields the store does not keep
    notKept.width = 7;
    notKept.strikeOut = 1;
    notKept.quality = 5;
    const struct {
        Stored stored;
        Stored settingsKeys;
        std::function<void(ViewSettings&)> change;
        Writes expected;
    } cases[] = {
        {{}, {}, [](ViewSettings& s) {
             s.SetTabWidth(40); s.SetTabWidth(32); s.SetWordWrap(1); s.SetWordWrap(0);
             s.SetFont(Font(-20, 700, 34, 0, "Serif")); s.SetFont(kDefaultFont);
         }, {}},
        {{}, {{"TabStops", "30"}}, {}, {}},
        {{}, {{"TabStops", "30"}}, [](ViewSettings& s) { s.SetTabWidth(7 * 4); },
         {"Einstellungen/TabStops=28"}},
        {{}, {{"Zeilenumbruch", "5"}}, [](ViewSettings& s) { s.SetWordWrap(0); s.SetWordWrap(1); },
         {"Einstellungen/Zeilenumbruch=1"}},
        {{}, {}, setFont(notKept), {}},
        {{}, {}, setFont(Font(0, 700, 34, 0, "Serif")), {"Schriftart/Höhe=0"}},
        {{{"Höhe", "0"}}, {}, setFont(Font(-16, 400, 49, 0, "DejaVu Sans Mono")),
         {"Schriftart/Höhe=4294967280", "Schriftart/Dicke=400", "Schriftart/PitchAndFamily=49",
          "Schriftart/Art=DejaVu Sans Mono"}},
        {{}, {}, [](ViewSettings& s) {
             FontRecord font = Font(20, 300, 0x12, 238, "courier", 1);
             font.underline = 255;
             s.SetTabWidth(16); s.SetWordWrap(1); s.SetFont(font);
         }, {"Einstellungen/TabStops=16", "Einstellungen/Zeilenumbruch=1", "Schriftart/Höhe=20",
             "Schriftart/Dicke=300", "Schriftart/Kursiv=1", "Schriftart/Unterstrichen=255",
             "Schriftart/PitchAndFamily=18", "Schriftart/CharSet=238", "Schriftart/Art=courier"}},
    };
    for (const auto& c : cases) {
        ViewSettings settings;
        EXPECT_EQ(RunWith(settings, c.stored, c.settingsKeys, c.change), c.expected)
            << testing::PrintToString(c.expected);
    }
}

TEST(ViewSettingsTest, SecondFontWriteWritesNothing) {
    RecordingStore store;
    FontRecord current = kDefaultFont, startup = kDefaultFont;
    current.weight = 700;
    ViewSettings::WriteFontSetting(store, current, startup);
    ViewSettings::WriteFontSetting(store, current, startup);
    EXPECT_EQ(store.writes, Writes{"Schriftart/Dicke=700"});
}

}  // namespace
}  // namespace venkora
