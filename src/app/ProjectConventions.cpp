#include "app/ProjectConventions.h"

#include <algorithm>

#include "app/ViewSettings.h"

namespace venkora {

std::variant<ProjectConventions, EditorConfig::Failure> ProjectConventions::For(
    const std::string& absolutePath) {
    auto found = EditorConfig::For(absolutePath);
    if (auto* failure = std::get_if<EditorConfig::Failure>(&found)) return std::move(*failure);
    const auto& properties = std::get<EditorConfig::Properties>(found);
    ProjectConventions conventions;
    conventions.lineEnd = properties.endOfLine;
    if (properties.tabWidth) {
        conventions.tabWidth =
            std::clamp(*properties.tabWidth, ViewSettings::kMinTabLength, ViewSettings::kMaxTabLength);
    }
    conventions.atSave = properties.Conventions();
    return conventions;
}

}  // namespace venkora
