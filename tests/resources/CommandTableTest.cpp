// The program's command table and strings, checked as a whole: every command a user can reach
// has its texts, keys are unique, menu texts have one mnemonic each and no two in a menu share
// it; key names as a menu shows them; the few numbers stored files and scripts rely on.

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "core/CodePage.h"
#include "resources/CommandIds.h"
#include "resources/CommandTable.h"
#include "resources/StringTable.h"

namespace venkora {
namespace {

// The character behind the one '&' of `text` ("&&" is a literal ampersand), lower-cased when
// ASCII; empty when there is none, kSeveral when there are several.
constexpr std::string_view kSeveral = "<mehrere>";

std::string Mnemonic(std::string_view text) {
    std::string found;
    int count = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        ++count;
        const std::size_t end = CodePage(CodePage::Kind::Utf8).Next(text, i + 1);
        found = std::string(text.substr(i + 1, end - i - 1));
        if (found.size() == 1) found[0] = static_cast<char>(std::tolower(found[0]));
    }
    return count > 1 ? std::string(kSeveral) : found;
}

// The commands a user reaches: menu items, toolbar buttons and keys.
// The command ids of a popup and its submenus.
void AddMenuIds(const MenuPopup& popup, std::set<unsigned>& ids) {
    ids.insert(popup.ids.begin(), popup.ids.end());
    for (const MenuPopup& submenu : popup.submenus) AddMenuIds(submenu, ids);
    ids.erase(MenuPopup::kSubmenu);
}

std::set<unsigned> ReachableCommands() {
    std::set<unsigned> ids;
    for (const MenuPopup& popup : MainMenu()) AddMenuIds(popup, ids);
    ids.insert(MainToolBar().begin(), MainToolBar().end());
    for (const CommandRow& row : CommandRows()) {
        if (!row.key.IsNone() || !row.alternateKey.IsNone()) ids.insert(row.id);
    }
    ids.erase(0);  // separators
    return ids;
}

TEST(CommandTable, EveryReachableCommandHasItsTexts) {
    for (const unsigned id : ReachableCommands()) {
        SCOPED_TRACE(id);
        const CommandRow* row = FindCommandRow(CommandRows(), id);
        ASSERT_NE(row, nullptr);
        EXPECT_FALSE(row->prompt.empty());
    }
    std::set<unsigned> onMenus;
    for (const MenuPopup& popup : MainMenu()) AddMenuIds(popup, onMenus);
    onMenus.erase(0);
    for (const unsigned id : onMenus) EXPECT_FALSE(FindCommandRow(CommandRows(), id)->menuText.empty()) << id;
    for (const unsigned id : MainToolBar()) {
        if (id == 0) continue;
        const CommandRow* row = FindCommandRow(CommandRows(), id);
        EXPECT_FALSE(row->tooltip.empty()) << id;
        EXPECT_FALSE(row->icon.empty()) << id;
    }
}

TEST(CommandTable, RowsAndKeysAreUnique) {
    std::map<std::pair<unsigned, unsigned>, unsigned> keys;
    for (const CommandRow& row : CommandRows()) {
        SCOPED_TRACE(row.id);
        EXPECT_EQ(FindCommandRow(CommandRows(), row.id), &row) << "another row covers this id";
        if (row.lastId != 0) {
            EXPECT_EQ(FindCommandRow(CommandRows(), row.lastId), &row);
        }
        for (const KeyChord& chord : {row.key, row.alternateKey}) {
            if (chord.IsNone()) continue;
            const auto [it, added] = keys.emplace(std::pair{chord.modifiers, chord.key}, row.id);
            EXPECT_TRUE(added) << chord.Text() << " is also the key of " << it->second;
        }
        EXPECT_TRUE(CodePage::IsValidUtf8(row.menuText));
        EXPECT_TRUE(CodePage::IsValidUtf8(row.prompt));
        EXPECT_TRUE(CodePage::IsValidUtf8(row.tooltip));
    }
}

// The items of `popup` (a submenu by its title) have one mnemonic each, unique in the popup;
// so do the items of its submenus.
void ExpectOneMnemonicEach(const MenuPopup& popup) {
    SCOPED_TRACE(popup.title);
    std::set<std::string> used;
    std::size_t submenu = 0;
    for (const unsigned id : popup.ids) {
        // The greyed place of the recent-file list cannot be chosen and has none.
        if (id == 0 || id == kIdFileMruFirst) continue;
        const MenuPopup* inner = id == MenuPopup::kSubmenu ? &popup.submenus[submenu++] : nullptr;
        const std::string_view text = inner ? inner->title : FindCommandRow(CommandRows(), id)->menuText;
        const std::string mnemonic = Mnemonic(text);
        EXPECT_FALSE(mnemonic.empty() || mnemonic == kSeveral) << text;
        EXPECT_TRUE(used.insert(mnemonic).second) << text << ": " << mnemonic << " is taken";
        if (inner) ExpectOneMnemonicEach(*inner);
    }
    // The help menu gets the tips item at run time.
    if (popup.title == StringTable::Prompt(kIdsHelpMenuTitle)) {
        EXPECT_TRUE(used.insert(Mnemonic(StringTable::Prompt(kIdsTipsMenuItem))).second);
    }
}

TEST(CommandTable, MenuTextsHaveOneMnemonicEachUniqueInTheirMenu) {
    std::set<std::string> titles;
    for (const MenuPopup& popup : MainMenu()) {
        const std::string title = Mnemonic(popup.title);
        EXPECT_FALSE(title.empty() || title == kSeveral) << popup.title;
        EXPECT_TRUE(titles.insert(title).second) << "two menus share " << title;
        ExpectOneMnemonicEach(popup);
    }
}

TEST(CommandTable, KeysAreNamedAsMenusShowThem) {
    const std::pair<KeyChord, std::string_view> cases[] = {
        {{KeyChord::kCtrl, 'N'}, "Strg+N"},
        {{KeyChord::kShift, KeyChord::kDelete}, "Umschalt+Entf"},
        {{KeyChord::kAlt, KeyChord::kBackspace}, "Alt+Rücktaste"},
        {{KeyChord::kCtrl, KeyChord::kInsert}, "Strg+Einfg"},
        {{0, KeyChord::F(3)}, "F3"},
        {{KeyChord::kShift | KeyChord::kCtrl, KeyChord::F(12)}, "Strg+Umschalt+F12"},
        {{}, ""},
    };
    for (const auto& [chord, text] : cases) EXPECT_EQ(chord.Text(), text);

    const CommandRow row{1, "&Neu", {KeyChord::kCtrl, 'N'}, {KeyChord::kAlt, 'N'}, "", "p", ""};
    EXPECT_EQ(row.MenuItemText(), "&Neu\tStrg+N") << "only the first key is shown";
    const CommandRow keyless{1, "&Neu", {}, {}, "", "p", ""};
    EXPECT_EQ(keyless.MenuItemText(), "&Neu");
}

TEST(CommandTable, StringsOfNoCommandSplitAtTheirFirstLineFeed) {
    EXPECT_EQ(StringTable::Prompt(kIdrMainFrame), "Venkora");
    EXPECT_EQ(StringTable::Prompt(kIdsAppTitle), kProgramName);
    EXPECT_EQ(StringTable::Prompt(kIdFileMruFirst + 3), StringTable::Prompt(kIdFileMruLast));
    for (const unsigned unknown : {0u, kIdFilePrintDirect, kIdFileMruFirst - 1, ~0u}) {
        EXPECT_EQ(StringTable::Prompt(unknown), "") << unknown;
        EXPECT_EQ(StringTable::Find(unknown), std::nullopt) << unknown;
    }
    for (unsigned id = 0; id <= 0xFFFF; ++id) {
        if (const auto text = StringTable::Find(id)) {
            EXPECT_TRUE(!text->empty() && CodePage::IsValidUtf8(*text)) << id;
        }
    }
}

}  // namespace
}  // namespace venkora
