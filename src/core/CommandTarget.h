#pragma once
// An object that commands can be routed to. Each class that handles commands keeps one static
// table: command id (or a range of ids) -> handler, command id -> enabling rule; the table names
// the table of the base class, so a derived class handles its own commands first and its base's
// after them. A handler takes no argument, or the id of the command it carries out.
//
//   const CommandTarget::Map& MyView::CommandMap() {
//       static constexpr Entry kEntries[] = {
//           OnCommand<&MyView::OnEditUndo>(kIdEditUndo),
//           OnUpdate<&MyView::OnUpdateEditUndo>(kIdEditUndo),
//           OnCommandRange<&MyView::OnOpenRecent>(kIdFirst, kIdLast),  // void OnOpenRecent(unsigned id)
//       };
//       static const Map map{&Base::CommandMap(), kEntries};
//       return map;
//   }
//   const CommandTarget::Map& MyView::GetCommandMap() const { return CommandMap(); }

#include <span>
#include <type_traits>

#include "core/CmdUI.h"

namespace venkora {

class CommandTarget {
public:
    using Handler = void (*)(CommandTarget&, unsigned id);
    using UpdateRule = void (*)(CommandTarget&, CmdUI&);

    struct Entry {
        unsigned first;     // the ids first ... last
        unsigned last;
        Handler handler;    // nullptr in an enabling-rule entry
        UpdateRule update;  // nullptr in a handler entry
    };

    struct Map {
        const Map* base;  // the base class's table, nullptr at the root
        std::span<const Entry> entries;
    };

    virtual ~CommandTarget() = default;

    // The table of this class: empty.
    static const Map& CommandMap();
    // The table of the object's most derived class.
    virtual const Map& GetCommandMap() const { return CommandMap(); }

    bool HasHandler(unsigned id) const;
    // Runs the handler for `id`; false when the object's class has none.
    bool RunHandler(unsigned id);
    // Runs the enabling rule for `ui.id()`; false when the object's class has none.
    bool RunUpdateRule(CmdUI& ui);

protected:
    template <auto Method>
    static constexpr Entry OnCommand(unsigned id) {
        return {id, id, &CallHandler<Method>, nullptr};
    }
    template <auto Method>
    static constexpr Entry OnCommandRange(unsigned first, unsigned last) {
        return {first, last, &CallHandler<Method>, nullptr};
    }
    template <auto Method>
    static constexpr Entry OnUpdate(unsigned id) {
        return {id, id, nullptr, &CallUpdate<Method>};
    }
    template <auto Method>
    static constexpr Entry OnUpdateRange(unsigned first, unsigned last) {
        return {first, last, nullptr, &CallUpdate<Method>};
    }

private:
    template <typename M>
    struct ClassOf;
    template <typename C, typename R, typename... Args>
    struct ClassOf<R (C::*)(Args...)> {
        using type = C;
    };

    template <auto Method>
    static void CallHandler(CommandTarget& target, [[maybe_unused]] unsigned id) {
        using C = typename ClassOf<decltype(Method)>::type;
        if constexpr (std::is_invocable_v<decltype(Method), C&, unsigned>) {
            (static_cast<C&>(target).*Method)(id);
        } else {
            (static_cast<C&>(target).*Method)();
        }
    }
    template <auto Method>
    static void CallUpdate(CommandTarget& target, CmdUI& ui) {
        using C = typename ClassOf<decltype(Method)>::type;
        (static_cast<C&>(target).*Method)(ui);
    }

    const Entry* Find(unsigned id, bool wantHandler) const;
};

}  // namespace venkora
