#pragma once
// A document file opened for loading or storing, byte for byte, over any device. LoadFile and
// StoreFile open the archive on a file: only regular files are read or replaced, and a save
// never leaves the old file partly overwritten.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>

#include "core/FileFailure.h"
#include "core/FileReplacement.h"

class QIODevice;

namespace venkora {

class Archive {
public:
    enum class Mode { Load, Store };

    // Whether the existing file under a name may be replaced (see FileReplacement::Store).
    using ReplaceGuard = FileReplacement::Guard;

    // An archive over an open device, which it borrows; `fileName` names the file for messages.
    Archive(QIODevice& device, Mode mode, QString fileName = {})
        : device_(device), mode_(mode), fileName_(std::move(fileName)) {}

    bool IsLoading() const { return mode_ == Mode::Load; }
    bool IsStoring() const { return mode_ == Mode::Store; }
    // The name of the file beneath as the user knows it (without its folder), or empty.
    const QString& FileName() const { return fileName_; }

    // Length in bytes of the file beneath.
    std::uint64_t FileLength() const;
    // Reads up to `n` bytes; returns how many arrived (fewer only at the end of the file).
    // ArchiveException when the device fails.
    std::size_t Read(char* data, std::size_t n);
    // ArchiveException (with the system's reason) when not all bytes could be written.
    void Write(const char* data, std::size_t n);
    // A 4-byte value, least significant byte first. Reading throws ArchiveException of kind end
    // of file when fewer than 4 bytes are left.
    std::uint32_t ReadUInt32();
    void WriteUInt32(std::uint32_t value);

    // Opens `path` and lets `serialize` load from it. Only a regular file is opened (a link
    // is followed); a FIFO or device is refused before anything is opened. A file that tells
    // no size (as those under /proc) is read up to its end, at most kUnsizedReadLimit bytes.
    // ArchiveException with a German reason when the file cannot be opened.
    static void LoadFile(const QString& path, const std::function<void(Archive&)>& serialize);
    // Lets `serialize` load from `bytes` as from a file called `name`.
    static void LoadBytes(std::string_view bytes, const QString& name,
                          const std::function<void(Archive&)>& serialize);
    // Lets `serialize` store into memory, then puts the bytes into `path` so that a failure at
    // any point leaves the old file whole: a new file is made, an existing regular file (a
    // link is followed and stays a link) keeps its permissions, owner, group, ACL, attributes
    // and hard links, and anything else is refused, as is a file that `mayReplace` refuses.
    // Termination signals wait until the file is written. ArchiveException tells why it failed.
    static void StoreFile(const QString& path, const std::function<void(Archive&)>& serialize,
                          const ReplaceGuard& mayReplace = {});

    static constexpr std::uint64_t kUnsizedReadLimit = 16 << 20;

private:
    QIODevice& device_;
    Mode mode_;
    QString fileName_;
};

}  // namespace venkora
