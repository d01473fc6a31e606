#pragma once
// A document file opened for loading or storing, byte for byte. Loading reads from a QFile;
// storing writes into a QSaveFile beside the real file, so the old file stays whole until
// everything has been written and the new file takes its place.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>

class QIODevice;

namespace venkora {

class Archive {
public:
    enum class Mode { Load, Store };

    // An archive over an open device, which it borrows.
    Archive(QIODevice& device, Mode mode) : device_(device), mode_(mode) {}

    bool IsLoading() const { return mode_ == Mode::Load; }
    bool IsStoring() const { return mode_ == Mode::Store; }

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

    // Opens `path` and lets `serialize` load from it. ArchiveException with a German reason
    // when the file cannot be opened (missing, no permission, a directory).
    static void LoadFile(const QString& path, const std::function<void(Archive&)>& serialize);
    // Lets `serialize` store into a new file that replaces `path` only when everything has
    // been written; the file keeps its permissions, and a symbolic link stays a link to the
    // rewritten target. On any failure the old file is untouched and ArchiveException tells
    // why.
    static void StoreFile(const QString& path, const std::function<void(Archive&)>& serialize);

private:
    QIODevice& device_;
    Mode mode_;
};

}  // namespace venkora
