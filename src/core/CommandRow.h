#pragma once
// What a program shows of one command: its menu text, its keys, its toolbar image, its status
// prompt and tooltip, in one row; and a key with its modifiers, independent of any toolkit. The
// frame builds its menus, accelerators and toolbar from lists of command ids into such rows, so
// each of these is written once.

#include <span>
#include <string>
#include <string_view>

namespace venkora {

// A key with the modifier keys held with it.
struct KeyChord {
    static constexpr unsigned kShift = 1;
    static constexpr unsigned kCtrl = 2;
    static constexpr unsigned kAlt = 4;
    // Keys without a character of their own; letters and digits are their upper-case ASCII code.
    static constexpr unsigned kInsert = 0x100;
    static constexpr unsigned kDelete = 0x101;
    static constexpr unsigned kBackspace = 0x102;
    static constexpr unsigned kF1 = 0x110;  // F1 ... F12 are kF1 ... kF1 + 11
    static constexpr unsigned F(unsigned n) { return kF1 + n - 1; }

    unsigned modifiers = 0;
    unsigned key = 0;  // 0: no key

    bool IsNone() const { return key == 0; }
    bool operator==(const KeyChord&) const = default;

    // The key as a menu shows it behind the tab: "Strg+N", "Umschalt+Entf", "Alt+Rücktaste",
    // "Strg+Einfg", "Umschalt+F6"; empty for no key.
    std::string Text() const;
};

struct CommandRow {
    unsigned id;
    std::string_view menuText;  // "&Neu", without the key; empty when on no menu
    KeyChord key;               // shown behind the menu text
    KeyChord alternateKey;      // a second key for the command, not shown
    std::string_view icon;      // the toolbar image; empty when on no toolbar
    std::string_view prompt;    // the status line's text while the command is pointed at
    std::string_view tooltip;   // the toolbar button's text; empty when none
    unsigned lastId = 0;        // a row for the ids id ... lastId (the recent files); 0: one id

    bool Covers(unsigned command) const {
        return command == id || (lastId != 0 && id <= command && command <= lastId);
    }
    // The menu item's text: the menu text, then a tab and the key when there is one.
    std::string MenuItemText() const;
};

// A popup of the menu bar: its title and its items as command ids, 0 for a separator and
// kSubmenu for the next of its submenus.
struct MenuPopup {
    static constexpr unsigned kSubmenu = ~0u;

    std::string_view title;
    std::span<const unsigned> ids;
    std::span<const MenuPopup> submenus = {};
};

// The row covering `id` among `rows`; nullptr when there is none.
const CommandRow* FindCommandRow(std::span<const CommandRow> rows, unsigned id);

}  // namespace venkora
