#include "core/CommandTarget.h"

namespace venkora {

const CommandTarget::Map& CommandTarget::CommandMap() {
    static const Map map{nullptr, {}};
    return map;
}

const CommandTarget::Entry* CommandTarget::Find(unsigned id, bool wantHandler) const {
    for (const Map* map = &GetCommandMap(); map != nullptr; map = map->base) {
        for (const Entry& entry : map->entries) {
            const bool covers = entry.first <= id && id <= entry.last;
            if (covers && (wantHandler ? entry.handler != nullptr : entry.update != nullptr)) {
                return &entry;
            }
        }
    }
    return nullptr;
}

bool CommandTarget::HasHandler(unsigned id) const { return Find(id, true) != nullptr; }

bool CommandTarget::RunHandler(unsigned id) {
    const Entry* entry = Find(id, true);
    if (!entry) return false;
    entry->handler(*this, id);
    return true;
}

bool CommandTarget::RunUpdateRule(CmdUI& ui) {
    const Entry* entry = Find(ui.id(), false);
    if (!entry) return false;
    entry->update(*this, ui);
    return true;
}

}  // namespace venkora
