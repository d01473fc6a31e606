#include "platform/Archive.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include "platform/ArchiveException.h"
#include "platform/SystemErrorText.h"

namespace venkora {

namespace {

[[noreturn]] void Fail(int errnum) {
    throw ArchiveException(ArchiveException::Kind::Generic, SystemErrorText(errnum));
}

// The error number behind a failed file operation: errno where the system set one, else a
// fitting number for Qt's own error kinds.
int ErrorNumber(const QFileDevice& file, int savedErrno) {
    if (savedErrno != 0) return savedErrno;
    switch (file.error()) {
        case QFileDevice::PermissionsError: return EACCES;
        case QFileDevice::ResourceError: return ENOSPC;
        default: return EIO;
    }
}

}  // namespace

std::uint64_t Archive::FileLength() const {
    return static_cast<std::uint64_t>(device_.size());
}

std::size_t Archive::Read(char* data, std::size_t n) {
    std::size_t total = 0;
    while (total < n) {
        errno = 0;
        const qint64 got = device_.read(data + total, static_cast<qint64>(n - total));
        if (got < 0) Fail(errno != 0 ? errno : EIO);
        if (got == 0) break;
        total += static_cast<std::size_t>(got);
    }
    return total;
}

void Archive::Write(const char* data, std::size_t n) {
    std::size_t total = 0;
    while (total < n) {
        errno = 0;
        const qint64 put = device_.write(data + total, static_cast<qint64>(n - total));
        if (put <= 0) Fail(errno != 0 ? errno : ENOSPC);
        total += static_cast<std::size_t>(put);
    }
}

std::uint32_t Archive::ReadUInt32() {
    unsigned char bytes[4];
    if (Read(reinterpret_cast<char*>(bytes), 4) != 4) {
        throw ArchiveException(ArchiveException::Kind::EndOfFile);
    }
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void Archive::WriteUInt32(std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8 & 0xFF),
                           static_cast<char>(value >> 16 & 0xFF),
                           static_cast<char>(value >> 24 & 0xFF)};
    Write(bytes, 4);
}

void Archive::LoadFile(const QString& path, const std::function<void(Archive&)>& serialize) {
    if (QFileInfo(path).isDir()) Fail(EISDIR);
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) Fail(ErrorNumber(file, errno));
    Archive archive(file, Mode::Load);
    serialize(archive);
}

void Archive::StoreFile(const QString& path, const std::function<void(Archive&)>& serialize) {
    // Through a symbolic link the target is rewritten; the link stays.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : path;
    if (target.isEmpty()) Fail(ENOENT);  // a link that leads nowhere
    if (QFileInfo(target).isDir()) Fail(EISDIR);
    const bool existed = QFileInfo::exists(target);
    const QFileDevice::Permissions permissions = QFile::permissions(target);

    QSaveFile file(target);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) Fail(ErrorNumber(file, errno));
    Archive archive(file, Mode::Store);
    try {
        serialize(archive);
    } catch (...) {
        file.cancelWriting();
        throw;
    }
    errno = 0;
    if (!file.commit()) Fail(ErrorNumber(file, errno));
    if (existed) QFile::setPermissions(target, permissions);
}

}  // namespace venkora
