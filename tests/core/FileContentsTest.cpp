// Reading a whole file into memory: regular files from their offset on, pipes and devices to
// their end.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <thread>
#include <variant>

#include "TemporaryDirectory.h"
#include "core/FileDescriptor.h"
#include "core/FileContents.h"

namespace venkora {
namespace {

// Bytes that differ from page to page and are never all zero.
std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>('a' + (i * 7 + i / 4096) % 26);
    return bytes;
}

FileContents ReadOrFail(int fd) {
    auto read = FileContents::Read(fd);
    if (const int* error = std::get_if<int>(&read)) {
        ADD_FAILURE() << "errno " << *error;
        std::abort();
    }
    return std::move(std::get<FileContents>(read));
}

TEST(FileContents, ReadsFromTheOffsetToTheEndWhateverTheFile) {
    const TemporaryDirectory dir;
    const std::string big = Pattern(3 * 4096 + 123);
    const std::string path = dir.Write("text", big);
    struct Case {
        const char* what;
        off_t offset;
    };
    for (const Case c : {Case{"from the start", 0}, Case{"from inside a page", 5000},
                         Case{"from the end", static_cast<off_t>(big.size())}}) {
        SCOPED_TRACE(c.what);
        const FileDescriptor fd(open(path.c_str(), O_RDONLY));
        ASSERT_EQ(lseek(fd.Get(), c.offset, SEEK_SET), c.offset);
        const FileContents contents = ReadOrFail(fd.Get());
        EXPECT_EQ(contents.bytes(), std::string_view(big).substr(static_cast<std::size_t>(c.offset)));
        EXPECT_EQ(lseek(fd.Get(), 0, SEEK_CUR), static_cast<off_t>(big.size()));
    }

    const FileDescriptor empty(open(dir.Write("empty", "").c_str(), O_RDONLY));
    EXPECT_EQ(ReadOrFail(empty.Get()).bytes(), "");
    const FileDescriptor null(open("/dev/null", O_RDONLY));
    EXPECT_EQ(ReadOrFail(null.Get()).bytes(), "");
    const FileDescriptor folder(open(dir.Path().c_str(), O_RDONLY));
    const auto failed = FileContents::Read(folder.Get());
    ASSERT_TRUE(std::holds_alternative<int>(failed));
    EXPECT_EQ(std::get<int>(failed), EISDIR);
}

TEST(FileContents, APipeIsReadToItsEndThroughGrowingMemory) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    const FileDescriptor reading(ends[0]);
    const std::string bytes = Pattern(5 << 20);  // several doublings of the first 64 KiB
    std::thread writer([&bytes, fd = ends[1]] {
        FileDescriptor writing(fd);
        EXPECT_EQ(writing.WriteAll(bytes), 0);
    });
    const FileContents contents = ReadOrFail(reading.Get());
    writer.join();
    EXPECT_TRUE(contents.bytes() == bytes);
}

}  // namespace
}  // namespace venkora
