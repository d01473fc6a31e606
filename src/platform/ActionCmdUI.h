#pragma once
// An enabling rule's answer applied to a QAction: its menu item or toolbar button is greyed or
// enabled, and checked where the rule sets a check mark.

#include <QAction>

#include "core/CmdUI.h"

namespace venkora {

class ActionCmdUI : public CmdUI {
public:
    ActionCmdUI(unsigned id, QAction& action) : CmdUI(id), action_(action) {}
    void Enable(bool on) override { action_.setEnabled(on); }
    void SetCheck(int state) override {
        action_.setCheckable(true);
        action_.setChecked(state != 0);
    }

private:
    QAction& action_;
};

}  // namespace venkora
