#pragma once
// What an enabling rule sets for one command: enabled or greyed, and a check mark. Menus, the
// toolbar and the status panes each implement it for their own user-interface element.

namespace venkora {

class CmdUI {
public:
    explicit CmdUI(unsigned id) : id_(id) {}
    virtual ~CmdUI() = default;

    unsigned id() const { return id_; }

    virtual void Enable(bool on) = 0;
    // 0 = no check mark, 1 = checked.
    virtual void SetCheck(int state) = 0;

private:
    unsigned id_;
};

}  // namespace venkora
