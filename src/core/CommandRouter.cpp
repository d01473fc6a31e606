#include "core/CommandRouter.h"

namespace venkora {

namespace {

// Records what the rules decide, starting from enabled.
class TestCmdUI : public CmdUI {
public:
    using CmdUI::CmdUI;
    void Enable(bool on) override { enabled = on; }
    void SetCheck(int) override {}
    bool enabled = true;
};

}  // namespace

void CommandRouter::Update(CmdUI& ui) const {
    for (CommandTarget* target : chain_) {
        if (target->RunUpdateRule(ui)) return;
    }
    bool handled = false;
    for (const CommandTarget* target : chain_) handled = handled || target->HasHandler(ui.id());
    ui.Enable(handled);
}

bool CommandRouter::IsEnabled(unsigned id) const {
    TestCmdUI ui(id);
    Update(ui);
    return ui.enabled;
}

bool CommandRouter::Execute(unsigned id) const {
    if (!IsEnabled(id)) return false;
    for (CommandTarget* target : chain_) {
        if (target->RunHandler(id)) return true;
    }
    return false;
}

}  // namespace venkora
