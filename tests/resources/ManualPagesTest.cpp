// The manual pages kept in step with the programs: every option and exit status that
// "venkora-optimieren --help" names, and every stored key, stand in both of its pages; every
// switch the pages of venkora document is one its command line knows. The menu items the pages
// and the README name are those the menus show, and the AppStream metainfo links the about box's
// web address.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "BatchOptions.h"
#include "app/CommandLineInfo.h"
#include "optimizer/OptimizeOptionKey.h"
#include "resources/CommandIds.h"
#include "resources/CommandTable.h"
#include "resources/StringTable.h"

namespace venkora {
namespace {

using Sections = std::map<std::string, std::vector<std::string>>;

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// The lines of a page's source by section (the text behind .SH), comments left out.
Sections ReadPage(const std::string& name) {
    std::ifstream in(std::string(VENKORA_SOURCE_DIR) + "/resources/man/" + name);
    EXPECT_TRUE(in) << name;
    Sections sections;
    std::string section;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(".\\\"", 0) == 0) continue;
        if (line.rfind(".SH ", 0) == 0) {
            section = Replaced(line.substr(4), "\"", "");
            continue;
        }
        sections[section].push_back(line);
    }
    return sections;
}

// A section as it reads: macros, font changes and escapes gone, one line.
std::string Text(const std::vector<std::string>& lines) {
    std::string text;
    for (std::string line : lines) {
        if (!line.empty() && line[0] == '.') {
            const std::size_t blank = line.find(' ');
            line = blank == std::string::npos ? "" : line.substr(blank + 1);
        }
        text += line + ' ';
    }
    for (const char* font : {"\\fB", "\\fI", "\\fR", "\\fP"}) text = Replaced(text, font, "");
    text = Replaced(text, "\\-", "-");
    text = Replaced(text, "\\(dq", "\"");
    text = Replaced(text, "\\(lq", "„");
    text = Replaced(text, "\\(rq", "“");
    text = Replaced(text, "\\~", " ");
    return Replaced(text, "\\ ", " ");
}

// Whether `text` holds `option` as a word of its own ("-i" not inside "--vor-ort").
bool HasOption(const std::string& text, const std::string& option) {
    const auto partOfName = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-'; };
    for (std::size_t at = text.find(option); at != std::string::npos; at = text.find(option, at + 1)) {
        const std::size_t end = at + option.size();
        if ((at == 0 || !partOfName(text[at - 1])) && (end == text.size() || !partOfName(text[end]))) {
            return true;
        }
    }
    return false;
}

// The options --help names, and the exit statuses it lists.
std::set<std::string> HelpOptions() {
    const std::string help = BatchOptions::HelpText();
    std::set<std::string> options;
    const auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
    // A word that begins with one or two dashes and a small letter, after a blank or a comma.
    for (std::size_t at = help.find('-'); at != std::string::npos; at = help.find('-', at + 1)) {
        if (at > 0 && !std::isspace(static_cast<unsigned char>(help[at - 1])) && help[at - 1] != ',') continue;
        std::size_t end = at + (at + 1 < help.size() && help[at + 1] == '-' ? 2 : 1);
        if (end >= help.size() || !lower(help[end])) continue;
        while (end < help.size() && (lower(help[end]) || help[end] == '-')) ++end;
        options.insert(help.substr(at, end - at));
        at = end - 1;
    }
    if (help.find("\n  --  ") != std::string::npos) options.insert("--");
    return options;
}

std::set<std::string> HelpExitStatuses() {
    const std::string help = BatchOptions::HelpText();
    const std::string list = help.substr(help.find("Rückgabewerte:"));
    std::set<std::string> codes;
    // Lines of the form "  N  text".
    for (std::size_t at = list.find("\n  "); at != std::string::npos; at = list.find("\n  ", at + 1)) {
        if (at + 5 < list.size() && std::isdigit(static_cast<unsigned char>(list[at + 3])) &&
            list.compare(at + 4, 2, "  ") == 0) {
            codes.insert(list.substr(at + 3, 1));
        }
    }
    return codes;
}

// The statuses a page lists: ".B N" lines in its exit status section.
std::set<std::string> PageExitStatuses(const std::vector<std::string>& lines) {
    std::set<std::string> codes;
    for (const std::string& line : lines) {
        if (line.size() == 4 && line.rfind(".B ", 0) == 0 && std::isdigit(static_cast<unsigned char>(line[3]))) {
            codes.insert(line.substr(3));
        }
    }
    return codes;
}

struct Page {
    const char* name;
    const char* options;     // the title of its options section
    const char* exitStatus;  // and of its exit status section
};

constexpr Page kBatchPages[] = {
    {"venkora-optimieren.1", "OPTIONS", "EXIT STATUS"},
    {"de/venkora-optimieren.1", "OPTIONEN", "RÜCKGABEWERT"},
};
constexpr Page kEditorPages[] = {
    {"venkora.1", "OPTIONS", "EXIT STATUS"},
    {"de/venkora.1", "OPTIONEN", "RÜCKGABEWERT"},
};

TEST(ManualPages, TheBatchToolsPagesNameEveryOptionKeyAndExitStatusOfItsHelp) {
    const std::set<std::string> options = HelpOptions();
    ASSERT_GE(options.size(), 20u) << "the options were not found in --help";
    for (const Page& page : kBatchPages) {
        SCOPED_TRACE(page.name);
        const Sections sections = ReadPage(page.name);
        const std::string text = Text(sections.at(page.options));
        for (const std::string& option : options) {
            EXPECT_TRUE(HasOption(text, option)) << option;
        }
        for (const OptimizeOptionKey& key : OptimizeOptionKeys()) {
            EXPECT_NE(text.find("„" + std::string(key.name) + "“"), std::string::npos) << key.name;
        }
        EXPECT_EQ(PageExitStatuses(sections.at(page.exitStatus)), HelpExitStatuses());
    }
}

// The command line's outcome, as a string to compare.
std::string Parsed(const std::vector<std::string_view>& arguments) {
    const CommandLineInfo info = CommandLineInfo::Parse(arguments);
    std::ostringstream out;
    out << static_cast<int>(info.shellCommand) << '|' << info.fileName << '|' << info.printerName
        << '|' << info.pdfFileName << '|' << info.runEmbedded << '|' << info.runAutomated;
    return out.str();
}

TEST(ManualPages, TheEditorsPagesDocumentSwitchesItsCommandLineKnows) {
    std::set<std::string> switchesOfPages[2];
    for (std::size_t i = 0; i < 2; ++i) {
        const Page& page = kEditorPages[i];
        SCOPED_TRACE(page.name);
        const Sections sections = ReadPage(page.name);
        for (const std::string& line : sections.at(page.options)) {
            // ".B \-x", ".BI \-x ..." or ".TQ \-x", and "\-\-x" for a long switch.
            std::string_view rest(line);
            const bool macro = rest.starts_with(".B \\-") || rest.starts_with(".BI \\-") ||
                               rest.starts_with(".TQ \\-");
            if (!macro) continue;
            rest.remove_prefix(rest.find(' ') + 3);
            std::string option = "-";
            if (rest.starts_with("\\-")) {
                option += '-';
                rest.remove_prefix(2);
            }
            const std::size_t letters = std::min(rest.find_first_not_of(
                "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"), rest.size());
            if (letters > 0) switchesOfPages[i].insert(option + std::string(rest.substr(0, letters)));
        }
    }
    EXPECT_EQ(switchesOfPages[0], switchesOfPages[1]) << "the English and German pages differ";
    EXPECT_GE(switchesOfPages[0].size(), 5u);
    for (const std::string& option : switchesOfPages[0]) {
        EXPECT_NE(Parsed({option, "Drucker", "brief.txt"}), Parsed({"Drucker", "brief.txt"}))
            << option << " is no switch the editor knows";
    }
}

std::string SourceFile(const std::string& name) {
    std::ifstream in(std::string(VENKORA_SOURCE_DIR) + "/" + name);
    EXPECT_TRUE(in) << name;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A menu text as it shows: each "&" marks the next character and is not shown.
std::string Shown(std::string_view text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    return shown;
}

// The quoted pairs "A" / "B" of a text, in order.
std::vector<std::pair<std::string, std::string>> QuotedPairs(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::vector<std::pair<std::size_t, std::size_t>> quoted;  // [begin, end) of each "..."
    for (std::size_t open = text.find('"'); open != std::string::npos;) {
        const std::size_t close = text.find('"', open + 1);
        if (close == std::string::npos) break;
        quoted.emplace_back(open, close + 1);
        open = text.find('"', close + 1);
    }
    for (std::size_t i = 0; i + 1 < quoted.size(); ++i) {
        const auto [firstBegin, firstEnd] = quoted[i];
        const auto [secondBegin, secondEnd] = quoted[i + 1];
        if (text.compare(firstEnd, secondBegin - firstEnd, " / ") != 0) continue;
        if (firstEnd - firstBegin < 3 || secondEnd - secondBegin < 3) continue;
        pairs.emplace_back(text.substr(firstBegin + 1, firstEnd - firstBegin - 2),
                           text.substr(secondBegin + 1, secondEnd - secondBegin - 2));
        ++i;
    }
    return pairs;
}

// Adds the items `popup` shows ("Ti&ps" shows "Tips") under its title, a submenu by its title,
// whose items go under that title in turn.
void AddShownMenu(const MenuPopup& popup, std::map<std::string, std::set<std::string>>& menus) {
    std::set<std::string>& items = menus[Shown(popup.title)];
    for (const MenuPopup& submenu : popup.submenus) {
        items.insert(Shown(submenu.title));
        AddShownMenu(submenu, menus);
    }
    for (const unsigned id : popup.ids) {
        if (const CommandRow* row = FindCommandRow(CommandRows(), id)) items.insert(Shown(row->menuText));
    }
}

// Each menu's title with the items it shows; the frame puts the tips item into the help menu.
std::map<std::string, std::set<std::string>> ShownMenus() {
    std::map<std::string, std::set<std::string>> menus;
    for (const MenuPopup& popup : MainMenu()) {
        AddShownMenu(popup, menus);
        if (popup.title == StringTable::Find(kIdsHelpMenuTitle)) {
            menus[Shown(popup.title)].insert(Shown(StringTable::Find(kIdsTipsMenuItem).value_or("")));
        }
    }
    return menus;
}

TEST(Documents, TheMenuItemsThePagesAndTheReadmeNameAreThoseOfTheMenus) {
    std::map<std::string, std::string> texts{{"README.md", Replaced(SourceFile("README.md"), "\n", " ")}};
    for (const char* page : {"venkora.1", "de/venkora.1", "venkora-optimieren.1", "de/venkora-optimieren.1"}) {
        for (const auto& [title, lines] : ReadPage(page)) texts[page] += Text(lines);
    }
    const auto menus = ShownMenus();
    // "Menu" / "Item", and „Menu“ / „Item“ in the pages.
    std::size_t paths = 0;
    for (const auto& [name, text] : texts) {
        for (const auto& [menu, item] : QuotedPairs(Replaced(Replaced(text, "„", "\""), "“", "\""))) {
            ++paths;
            EXPECT_TRUE(menus.contains(menu) && menus.at(menu).contains(item))
                << name << " names \"" << menu << "\" / \"" << item << "\"";
        }
    }
    EXPECT_GE(paths, 8u) << "the menu paths were not found";
}

TEST(Documents, TheMetainfoLinksTheMakersWebAddressOfTheAboutBox) {
    const std::string metainfo = SourceFile("resources/example.talberg.Venkora.metainfo.xml");
    const std::string address(StringTable::Find(kIdsMakerWebAddress).value_or("?"));
    EXPECT_NE(metainfo.find("<url type=\"homepage\">" + address + "</url>"), std::string::npos);
    // The screenshot is one of docs/, published under that address.
    const std::string imageTag = "<image>" + address + "/";
    const std::size_t image = metainfo.find(imageTag);
    ASSERT_NE(image, std::string::npos);
    const std::size_t nameAt = image + imageTag.size();
    const std::string name = metainfo.substr(nameAt, metainfo.find('<', nameAt) - nameAt);
    EXPECT_TRUE(std::ifstream(std::string(VENKORA_SOURCE_DIR) + "/docs/" + name)) << name;
}

}  // namespace
}  // namespace venkora
