#include "core/CommandRow.h"

#include <algorithm>

namespace venkora {

std::string KeyChord::Text() const {
    if (IsNone()) return {};
    std::string text;
    if (modifiers & kCtrl) text += "Strg+";
    if (modifiers & kAlt) text += "Alt+";
    if (modifiers & kShift) text += "Umschalt+";
    switch (key) {
        case kInsert: return text + "Einfg";
        case kDelete: return text + "Entf";
        case kBackspace: return text + "Rücktaste";
        default: break;
    }
    if (key >= kF1 && key < kF1 + 12) return text + "F" + std::to_string(key - kF1 + 1);
    return text + static_cast<char>(key);
}

std::string CommandRow::MenuItemText() const {
    std::string text(menuText);
    if (!key.IsNone()) {
        text += '\t';
        text += key.Text();
    }
    return text;
}

const CommandRow* FindCommandRow(std::span<const CommandRow> rows, unsigned id) {
    const auto found =
        std::find_if(rows.begin(), rows.end(), [id](const CommandRow& row) { return row.Covers(id); });
    return found == rows.end() ? nullptr : &*found;
}

}  // namespace venkora
