#include "core/EditorConfig.h"

#include <editorconfig/editorconfig.h>
#include <sys/stat.h>

#include <cassert>
#include <limits>
#include <memory>
#include <new>
#include <utility>

#include "core/DecimalNumber.h"

namespace venkora {

namespace {

struct HandleDeleter {
    void operator()(void* handle) const { editorconfig_handle_destroy(handle); }
};
using Handle = std::unique_ptr<void, HandleDeleter>;

std::optional<bool> Boolean(std::string_view value) {
    if (value == "true") return true;
    if (value == "false") return false;
    return std::nullopt;
}

std::optional<LineEndKind> LineEnd(std::string_view value) {
    if (value == "lf") return LineEndKind::Lf;
    if (value == "crlf") return LineEndKind::CrLf;
    if (value == "cr") return LineEndKind::Cr;
    return std::nullopt;
}

std::optional<EditorConfig::Charset> CharsetOf(std::string_view value) {
    if (value == "utf-8") return EditorConfig::Charset::Utf8;
    if (value == "utf-8-bom") return EditorConfig::Charset::Utf8Bom;
    return std::nullopt;
}

// Digits only, 1 or more.
std::optional<int> Width(std::string_view value) {
    if (value.empty() || value[0] < '0' || value[0] > '9') return std::nullopt;
    const auto number = DecimalNumber::ReadWhole(value);
    if (!number || number->magnitude < 1 ||
        number->magnitude > static_cast<std::uint64_t>(std::numeric_limits<int>::max())) {
        return std::nullopt;
    }
    return static_cast<int>(number->magnitude);
}

// Puts `value` into `field` when `read` understands it; whether it did.
template <typename T, typename Read>
bool Take(std::optional<T>& field, std::string_view value, Read read) {
    field = read(value);
    return field.has_value();
}

// Files one property; "unset" leaves it empty and unlisted.
void Add(EditorConfig::Properties& properties, std::string_view name, std::string_view value) {
    if (value == "unset") return;
    bool understood = false;
    if (name == EditorConfig::kTrimTrailingWhitespace) {
        understood = Take(properties.trimTrailingWhitespace, value, Boolean);
    } else if (name == EditorConfig::kEndOfLine) {
        understood = Take(properties.endOfLine, value, LineEnd);
    } else if (name == EditorConfig::kInsertFinalNewline) {
        understood = Take(properties.insertFinalNewline, value, Boolean);
    } else if (name == EditorConfig::kCharset) {
        understood = Take(properties.charset, value, CharsetOf);
    } else if (name == EditorConfig::kTabWidth) {
        understood = Take(properties.tabWidth, value, Width);
    } else if (name == EditorConfig::kIndentSize) {
        understood = Take(properties.indentSize, value, Width);
    }
    if (!understood) properties.others.push_back({std::string(name), std::string(value)});
}

// The first .editorconfig from the folder of `absolutePath` up to "/" that exists but is no
// regular file. One that cannot be looked at is left to the library, which skips it.
std::optional<std::string> NonRegularEditorConfig(const std::string& absolutePath) {
    std::string folder = absolutePath.substr(0, absolutePath.rfind('/'));
    for (;;) {
        std::string file = folder + "/.editorconfig";
        struct stat status {};
        if (stat(file.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) return file;
        if (folder.empty()) return std::nullopt;
        folder.resize(folder.rfind('/'));
    }
}

}  // namespace

TextConventions EditorConfig::Properties::Conventions() const {
    TextConventions conventions;
    conventions.trimTrailingBlanks = trimTrailingWhitespace == true;
    conventions.lineEnd = endOfLine;
    conventions.finalLineEnd = insertFinalNewline;
    return conventions;
}

std::vector<std::string_view> EditorConfig::BrokenNames(const BrokenConventions& broken) {
    std::vector<std::string_view> names;
    if (broken.trailingBlanks) names.push_back(kTrimTrailingWhitespace);
    if (broken.lineEnds) names.push_back(kEndOfLine);
    if (broken.finalLineEnd) names.push_back(kInsertFinalNewline);
    if (broken.utf8) names.push_back(kCharset);
    return names;
}

std::variant<EditorConfig::Properties, EditorConfig::Failure> EditorConfig::For(
    const std::string& absolutePath) {
    assert(absolutePath.starts_with('/'));
    if (auto file = NonRegularEditorConfig(absolutePath)) {
        return Failure{std::move(*file), 0, true};
    }
    const Handle handle(editorconfig_handle_init());
    if (!handle) throw std::bad_alloc();
    const int result = editorconfig_parse(absolutePath.c_str(), handle.get());
    if (result == EDITORCONFIG_PARSE_MEMORY_ERROR) throw std::bad_alloc();
    if (result > 0) {
        const char* file = editorconfig_handle_get_err_file(handle.get());
        return Failure{file ? file : "", result};
    }
    // The only other failures are a relative path and a version asked for that is too new.
    assert(result == 0);
    Properties properties;
    const int count = editorconfig_handle_get_name_value_count(handle.get());
    for (int i = 0; i < count; ++i) {
        const char* name = nullptr;
        const char* value = nullptr;
        editorconfig_handle_get_name_value(handle.get(), i, &name, &value);
        Add(properties, name, value);
    }
    return properties;
}

std::string EditorConfig::AbsolutePath(std::string_view name, std::string_view workingDirectory) {
    std::string path;
    const auto append = [&path](std::string_view from) {
        for (std::size_t at = 0; at <= from.size();) {
            std::size_t end = from.find('/', at);
            if (end == std::string_view::npos) end = from.size();
            const std::string_view part = from.substr(at, end - at);
            if (part == "..") {
                if (const std::size_t slash = path.rfind('/'); slash != std::string::npos) {
                    path.resize(slash);
                }
            } else if (!part.empty() && part != ".") {
                path.append("/").append(part);
            }
            at = end + 1;
        }
    };
    if (!name.starts_with('/')) append(workingDirectory);
    append(name);
    return path.empty() ? "/" : path;
}

}  // namespace venkora
