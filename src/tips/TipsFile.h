#pragma once
// The tips file, read one tip at a time. The file is a sequence of lines ending in LF or CR LF
// (the CR is not part of the line), read in pieces of at most 999 bytes: the rest of a longer
// line is read as the next line. A line that is empty or begins with a space, a tab or ";" (a
// comment) is skipped; every other line is one tip, its line feed included. After the last line
// the reading starts again at the beginning. The reader owns the open file; its position is the
// byte offset after the last line read, which the tip dialog keeps between runs.

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

#include "core/FileDescriptor.h"
#include "core/FileFailure.h"

namespace venkora {

class TipsFile {
public:
    static constexpr std::size_t kMaxPiece = 999;

    enum class Status {
        Tip,         // the tip is read
        NoTip,       // a whole pass from the beginning found no tip line, or nothing can be read
        SeekFailed,  // the end was reached and the file cannot be set back to its beginning
    };
    struct Result {
        Status status;
        std::string tip;  // the tip's bytes as read, line feed included
        // The bytes at the tip's start that end a UTF-8 character begun before it in the line,
        // and those at its end that begin one going on behind it: the reading in pieces split
        // these characters.
        std::size_t splitAtStart = 0;
        std::size_t splitAtEnd = 0;
    };

    // The regular file at `path` (a link is followed; a FIFO, device or directory is refused).
    static std::variant<TipsFile, FileFailure> Open(const std::string& path);
    // Reads from the start of `fd`; a descriptor that cannot seek (a pipe) fails every Seek.
    explicit TipsFile(FileDescriptor fd);

    // The ctime text (24 characters, no line feed) of the file's last status change: a file put
    // in the place of another one has a new one.
    const std::string& timeStamp() const { return timeStamp_; }
    // Moves to `offset` bytes from the beginning; false (the position unchanged) when the file
    // cannot be positioned there. An offset beyond the end is no failure: nothing is read there.
    bool Seek(std::uint64_t offset);
    std::uint64_t position() const { return position_; }

    // The next tip from the position on, wrapping around at the end of the file.
    Result ReadNextTip();

private:
    // One line or a piece of one, CR LF read as LF; empty at the end of the file or on an error.
    std::string ReadPiece();
    // Sets the tip's split characters, the tip being read from `start` on.
    void FindSplitCharacters(Result& result, std::uint64_t start) const;
    // Up to `count` bytes of the file from `offset` on, whatever the position; fewer at the end
    // of the file, none on an error.
    std::string BytesAt(std::uint64_t offset, std::size_t count) const;
    // The next byte, -1 at the end or on an error.
    int NextByte();
    int PeekByte();

    FileDescriptor fd_;
    std::string timeStamp_;
    std::uint64_t position_ = 0;  // offset of the first byte not consumed
    std::string buffer_;          // bytes read ahead of the position
    std::size_t bufferUsed_ = 0;
};

}  // namespace venkora
