#include "app/FontRecord.h"

#include <algorithm>

#include "core/CodePage.h"

namespace venkora {

void FontRecord::SetFaceName(std::string_view name) {
    name = name.substr(0, name.find('\0'));
    std::size_t length = std::min(name.size(), kMaxFaceNameBytes);
    if (length < name.size() && CodePage::IsValidUtf8(name)) {
        length = CodePage(CodePage::Kind::Utf8).BoundaryAtOrBefore(name, length);
    }
    faceName_.assign(name.substr(0, length));
}

}  // namespace venkora
