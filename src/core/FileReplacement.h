#pragma once
// Puts new contents into a file so that no failure at any point loses the old contents, and
// keeps what belongs to the file: its permission bits, its owner and group, its ACL and other
// extended attributes, and its other hard links.
//
// Ordinarily the new contents go into a new file in the same folder, made without a name where
// the file system allows it (so a killed program leaves nothing behind), which takes the old
// file's owner, group, permission bits, ACL and extended attributes and is then renamed over
// it: at every moment the file holds either its old or its new contents. Where a new file would
// change what the user has — the file has more than one hard link, or its owner, group, ACL or
// an attribute cannot be given to a new file — the new contents are written into the file
// itself instead, once a complete copy of the old contents is safe on the disk beside it (the
// copy gets its name only when complete). That copy is removed when the new contents
// are on the disk, and serves to put the old contents back when writing fails; only when even
// that fails is it left, and the failure names it. Right before the file is replaced or
// written, its path must still name the file that was opened.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/FileFailure.h"
#include "core/RegularFile.h"

namespace venkora {

class FileReplacement {
public:
    // Decides whether the existing file under a name may be replaced: nullopt when it may, else
    // why not. Asked on the very file that would be replaced, right before it is.
    using Guard = std::function<std::optional<FileFailure>(const RegularFile& existing)>;

    // Puts `bytes` under `path`: a new file (permission bits `mode` as the umask leaves them)
    // where nothing has the name, else the regular file there replaced (a link is followed and
    // stays a link) if `mayReplace` allows it; anything else is refused. Termination signals
    // wait until the file is written. Nullopt when done.
    static std::optional<FileFailure> Store(const std::string& path, std::string_view bytes, mode_t mode = 0666,
                                            const Guard& mayReplace = {});
    // Replaces the contents of `file` by `bytes`; nullopt when done.
    static std::optional<FileFailure> Replace(const RegularFile& file, std::string_view bytes);
    // Makes a new file `path` holding `bytes`, with the permission bits `mode` as the umask
    // leaves them (any new file's by default); fails, touching nothing, when something has taken
    // that name meanwhile.
    static std::optional<FileFailure> Create(const std::string& path, std::string_view bytes, mode_t mode = 0666);
};

}  // namespace venkora
