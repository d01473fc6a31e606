#pragma once
// Reads the editor's settings file without Qt, for the batch tool: an INI file as QSettings
// writes it. A section "[Name]" and a key "Name=value" come back as QSettings reads them
// ("%20", "%F6" and "%U03A9" in names; quotes and backslash escapes in values); strings go
// into the store as UTF-8 and "@ByteArray(...)" values as binary entries. What QSettings
// would read as a list or another typed value is left out, and so is every malformed line.

#include <string>
#include <string_view>

#include "platform/MemoryProfileStore.h"

namespace venkora {

class QtIniReader {
public:
    // Adds the entries of the file content `text` to `store`; of entries with the same name
    // the last one counts.
    static void Parse(std::string_view text, MemoryProfileStore& store);

    // Reads the file at `path` into `store`: 0, or the errno of the failure (ENOENT when the
    // file does not exist), in which case `store` is unchanged.
    static int ReadFile(const std::string& path, MemoryProfileStore& store);
};

}  // namespace venkora
