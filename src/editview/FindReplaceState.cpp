#include "editview/FindReplaceState.h"

namespace venkora {

FindReplaceState& FindReplaceState::Instance() {
    static FindReplaceState state;
    return state;
}

}  // namespace venkora
