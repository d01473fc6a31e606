#include "editview/LineEndTally.h"

#include <algorithm>

namespace venkora {

void LineEndTally::Apply(char before, std::string_view changed, char after, int sign) {
    if (changed.empty()) return;
    const auto pairs = [](char a, char b) { return a == '\r' && b == '\n' ? 1 : 0; };
    std::ptrdiff_t cr = 0;
    std::ptrdiff_t lf = 0;
    std::ptrdiff_t crLf = pairs(before, changed.front()) + pairs(changed.back(), after) - pairs(before, after);
    for (std::size_t i = 0; i < changed.size(); ++i) {
        cr += changed[i] == '\r' ? 1 : 0;
        lf += changed[i] == '\n' ? 1 : 0;
        if (i + 1 < changed.size()) crLf += pairs(changed[i], changed[i + 1]);
    }
    cr_ += sign * cr;
    lf_ += sign * lf;
    crLf_ += sign * crLf;
}

LineEndTally::Summary LineEndTally::Get() const {
    const bool crLf = crLf_ > 0;
    const bool cr = cr_ > crLf_;
    const bool lf = lf_ > crLf_;
    if (crLf + cr + lf > 1) return Summary::Mixed;
    if (crLf) return Summary::CrLf;
    if (lf) return Summary::Lf;
    if (cr) return Summary::Cr;
    return Summary::None;
}

}  // namespace venkora
