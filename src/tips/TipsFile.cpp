#include "tips/TipsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <limits>

#include "core/CodePage.h"
#include "core/RegularFile.h"

namespace venkora {

namespace {

constexpr std::size_t kReadAhead = 4096;

bool IsSkipByte(char byte) { return byte == ' ' || byte == '\t' || byte == '\n' || byte == ';'; }

std::string StatusChangeText(int fd) {
    struct stat info {};
    char text[64] = {};
    if (fstat(fd, &info) != 0 || !ctime_r(&info.st_ctime, text)) return {};
    std::string stamp(text);
    while (!stamp.empty() && (stamp.back() == '\n' || stamp.back() == ' ')) stamp.pop_back();
    return stamp;
}

}  // namespace

std::variant<TipsFile, FileFailure> TipsFile::Open(const std::string& path) {
    std::variant<RegularFile, FileFailure> opened = RegularFile::Open(path);
    if (auto* failure = std::get_if<FileFailure>(&opened)) return *failure;
    // A descriptor of its own, so the reader outlives the opening object.
    FileDescriptor fd(fcntl(std::get<RegularFile>(opened).fd(), F_DUPFD_CLOEXEC, 0));
    if (!fd.IsOpen()) return FileFailure::FromErrno(errno);
    return TipsFile(std::move(fd));
}

TipsFile::TipsFile(FileDescriptor fd) : fd_(std::move(fd)), timeStamp_(StatusChangeText(fd_.Get())) {}

bool TipsFile::Seek(std::uint64_t offset) {
    if (offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()) ||
        lseek(fd_.Get(), static_cast<off_t>(offset), SEEK_SET) == -1) {
        return false;
    }
    position_ = offset;
    buffer_.clear();
    bufferUsed_ = 0;
    return true;
}

TipsFile::Result TipsFile::ReadNextTip() {
    bool fromBeginning = false;
    for (;;) {
        const std::uint64_t start = position_;
        std::string piece = ReadPiece();
        if (piece.empty()) {
            // A pass from the beginning to the end without a tip: there is none to find.
            if (fromBeginning) return {Status::NoTip, {}};
            if (!Seek(0)) return {Status::SeekFailed, {}};
            fromBeginning = true;
            continue;
        }
        if (!IsSkipByte(piece.front())) {
            Result result{Status::Tip, std::move(piece)};
            FindSplitCharacters(result, start);
            return result;
        }
    }
}

void TipsFile::FindSplitCharacters(Result& result, std::uint64_t start) const {
    // A character is split where a valid UTF-8 sequence runs across the tip's start or end.
    const CodePage utf8(CodePage::Kind::Utf8);
    const std::string& tip = result.tip;
    const std::size_t before = static_cast<std::size_t>(std::min<std::uint64_t>(start, 3));
    std::string head = BytesAt(start - before, before);
    if (head.size() == before) {
        head += tip.substr(0, 3);
        const std::size_t boundary = utf8.BoundaryAtOrBefore(head, before);
        if (boundary < before) result.splitAtStart = utf8.Next(head, boundary) - before;
    }
    if (tip.back() != '\n') {
        const std::size_t kept = std::min<std::size_t>(tip.size(), 3);
        const std::string tail = tip.substr(tip.size() - kept) + BytesAt(position_, 3);
        result.splitAtEnd = kept - utf8.BoundaryAtOrBefore(tail, kept);
    }
}

std::string TipsFile::BytesAt(std::uint64_t offset, std::size_t count) const {
    std::string bytes(count, '\0');
    const ssize_t got = pread(fd_.Get(), bytes.data(), count, static_cast<off_t>(offset));
    bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return bytes;
}

std::string TipsFile::ReadPiece() {
    std::string piece;
    while (piece.size() < kMaxPiece) {
        int byte = NextByte();
        if (byte < 0) break;
        if (byte == '\r' && PeekByte() == '\n') byte = NextByte();
        piece += static_cast<char>(byte);
        if (byte == '\n') break;
    }
    return piece;
}

int TipsFile::PeekByte() {
    if (bufferUsed_ == buffer_.size()) {
        buffer_.resize(kReadAhead);
        ssize_t got = 0;
        do {
            got = read(fd_.Get(), buffer_.data(), buffer_.size());
        } while (got < 0 && errno == EINTR);
        buffer_.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
        bufferUsed_ = 0;
        if (buffer_.empty()) return -1;
    }
    return static_cast<unsigned char>(buffer_[bufferUsed_]);
}

int TipsFile::NextByte() {
    const int byte = PeekByte();
    if (byte >= 0) {
        ++bufferUsed_;
        ++position_;
    }
    return byte;
}

}  // namespace venkora
