#include "optimizer/Sweep.h"

namespace venkora {

std::size_t ReplaceAllSweep(std::string& text, std::string_view oldText, std::string_view newText) {
    if (oldText.empty()) return 0;
    const std::string_view in(text);
    std::size_t pos = in.find(oldText);
    if (pos == std::string_view::npos) return 0;
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    std::size_t count = 0;
    while (pos != std::string_view::npos) {
        out.append(in.substr(from, pos - from));
        out.append(newText);
        ++count;
        from = pos + oldText.size();
        pos = in.find(oldText, from);
    }
    out.append(in.substr(from));
    text.swap(out);
    return count;
}

void SweepToFixpoint(std::string& text, std::string_view oldText, std::string_view newText) {
    if (oldText.empty() || oldText == newText) return;
    while (ReplaceAllSweep(text, oldText, newText) != 0) {
    }
}

}  // namespace venkora
