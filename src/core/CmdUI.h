#pragma once
// What an enabling rule sets for one command: enabled or greyed, and a check mark; for a status
// pane also its text. Menus, the toolbar and the status panes each implement it for their own
// user-interface element.

#include <string_view>

namespace venkora {

class CmdUI {
public:
    explicit CmdUI(unsigned id) : id_(id) {}
    virtual ~CmdUI() = default;

    unsigned id() const { return id_; }

    virtual void Enable(bool on) = 0;
    // 0 = no check mark, 1 = checked.
    virtual void SetCheck(int state) = 0;
    // The text of a status pane (UTF-8); elements without a text of their own ignore it.
    virtual void SetText(std::string_view) {}

private:
    unsigned id_;
};

}  // namespace venkora
