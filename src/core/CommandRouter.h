#pragma once
// Routes commands along the chain of targets: the active view, its document, the frame, the
// application. The chain is borrowed; its owner keeps it current.

#include <utility>
#include <vector>

#include "core/CmdUI.h"
#include "core/CommandTarget.h"

namespace venkora {

class CommandRouter {
public:
    void SetChain(std::vector<CommandTarget*> chain) { chain_ = std::move(chain); }
    const std::vector<CommandTarget*>& chain() const { return chain_; }

    // Asks the enabling rules: the first target on the chain with a rule for the command
    // decides (a rule that sets nothing leaves the element as it is). Without a rule anywhere,
    // the command is enabled exactly when some target handles it.
    void Update(CmdUI& ui) const;
    bool IsEnabled(unsigned id) const;
    // Carries out the command through the first target that handles it, provided the command
    // is enabled; false when it is disabled or nothing handles it.
    bool Execute(unsigned id) const;

private:
    std::vector<CommandTarget*> chain_;
};

}  // namespace venkora
