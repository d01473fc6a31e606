#include "platform/Archive.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <cerrno>
#include <optional>
#include <string>
#include <variant>

#include "core/ArchiveException.h"
#include "core/FileReplacement.h"
#include "core/RegularFile.h"
#include "core/SystemErrorText.h"
#include "platform/FileNameCodec.h"

namespace venkora {

namespace {

[[noreturn]] void Fail(int errnum) {
    throw ArchiveException(ArchiveException::Kind::Generic, SystemErrorText(errnum));
}

[[noreturn]] void Fail(const FileFailure& failure) {
    throw ArchiveException(ArchiveException::Kind::Generic, failure.text());
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
    auto opened = RegularFile::Open(FileNameCodec::Encode(path));
    if (const auto* failure = std::get_if<FileFailure>(&opened)) Fail(*failure);
    const RegularFile& file = std::get<RegularFile>(opened);
    const QString name = FileNameCodec::ForDisplay(QFileInfo(path).fileName());
    if (file.status().st_size > 0) {
        QFile device;
        if (!device.open(file.fd(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) Fail(EIO);
        Archive archive(device, Mode::Load, name);
        serialize(archive);
        return;
    }
    std::string bytes;
    if (const auto failure = file.Read(bytes, kUnsizedReadLimit)) Fail(*failure);
    LoadBytes(bytes, name, serialize);
}

void Archive::LoadBytes(std::string_view bytes, const QString& name,
                        const std::function<void(Archive&)>& serialize) {
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer device(&data);
    device.open(QIODevice::ReadOnly);
    Archive archive(device, Mode::Load, name);
    serialize(archive);
}

void Archive::StoreFile(const QString& path, const std::function<void(Archive&)>& serialize,
                        const ReplaceGuard& mayReplace) {
    QByteArray data;
    {
        QBuffer device(&data);
        device.open(QIODevice::WriteOnly);
        Archive archive(device, Mode::Store);
        serialize(archive);
    }
    const std::string_view bytes(data.constData(), static_cast<std::size_t>(data.size()));
    if (const auto failure = FileReplacement::Store(FileNameCodec::Encode(path), bytes, 0666, mayReplace)) {
        Fail(*failure);
    }
}

}  // namespace venkora
