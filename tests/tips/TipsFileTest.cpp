// The tips reader on files named by their content, on a pipe (which cannot seek), and on random
// files against a naive reading of the whole file line by line (CR LF and pieces at any place).

#include <gtest/gtest.h>

#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "TemporaryDirectory.h"
#include "tips/TipsFile.h"

namespace venkora {
namespace {

// "tip@position " per read; a piece of more than 20 bytes as its size and last byte, "-" when
// there is no tip, "?" when the seek back failed.
std::string Dump(TipsFile& file, int reads) {
    std::string dump;
    for (int i = 0; i < reads; ++i) {
        TipsFile::Result read = file.ReadNextTip();
        if (read.tip.size() > 20) read.tip = std::to_string(read.tip.size()) + "B" + read.tip.back();
        if (read.status != TipsFile::Status::Tip) read.tip = read.status == TipsFile::Status::NoTip ? "-" : "?";
        dump += read.tip + "@" + std::to_string(file.position()) + " ";
    }
    return dump;
}

TEST(TipsFile, SkipRulesPiecesWrapAroundAndStoredPositions) {
    const std::string tips = "; K\r\n\r\n  e\r\n\tt\nEins\r\nZwei\n";
    const struct {
        std::string bytes;
        std::uint64_t start;
        const char* expected;
    } rows[] = {
        {tips, 0, "Eins\n@21 Zwei\n@26 Eins\n@21 "},
        {tips, 1000, "Eins\n@21 Zwei\n@26 Eins\n@21 "},                // beyond the end
        {tips, 17, "ns\n@21 Zwei\n@26 Eins\n@21 "},                    // inside a line
        {std::string(1500, 'x') + "\n", 0, "999Bx@999 502B\n@1501 999Bx@999 "},
        {std::string(999, 'x') + " y\nz\n", 0, "999Bx@999 z\n@1004 999Bx@999 "},
        {std::string(998, 'x') + "\r\n" + std::string(999, 'y') + "\r\n", 0, "999B\n@1000 999By@1999 999B\n@1000 "},
        {"", 0, "-@0 -@0 -@0 "},
        {"; K\n\n \n\tx\r\n", 3, "-@11 -@11 -@11 "},
    };
    for (const auto& row : rows) {
        TemporaryDirectory dir;
        TipsFile file = std::get<TipsFile>(TipsFile::Open(dir.Write("tips.txt", row.bytes)));
        ASSERT_TRUE(file.Seek(row.start));
        EXPECT_EQ(Dump(file, 3), row.expected) << row.bytes.substr(0, 30);
    }
}

TEST(TipsFile, AFileThatCannotSeekEndsWithSeekFailed) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    ASSERT_EQ(write(fds[1], "Eins\n\nZwei\n", 11), 11);
    close(fds[1]);
    TipsFile pipe{FileDescriptor(fds[0])};
    EXPECT_FALSE(pipe.Seek(0));
    EXPECT_EQ(Dump(pipe, 3), "Eins\n@5 Zwei\n@11 ?@11 ");
}

// The naive reading from `from` on: the text cut after every LF, a CR before the LF dropped,
// each line cut into pieces of 999 bytes; the pieces that are tips, with the offset after each.
std::vector<std::pair<std::string, std::uint64_t>> NaiveTips(const std::string& bytes, std::size_t from) {
    std::vector<std::pair<std::string, std::uint64_t>> tips;
    for (std::size_t start = from, end = 0; start < bytes.size(); start = end) {
        end = std::min(bytes.find('\n', start), bytes.size() - 1) + 1;
        std::string line = bytes.substr(start, end - start);
        const bool crlf = line.ends_with("\r\n");
        if (crlf) line.erase(line.size() - 2, 1);
        for (std::size_t cut = 0; cut < line.size(); cut += TipsFile::kMaxPiece) {
            const std::string piece = line.substr(cut, TipsFile::kMaxPiece);
            const bool last = cut + piece.size() == line.size();
            if (std::string(" \t\n;").find(piece[0]) != std::string::npos) continue;
            tips.emplace_back(piece, start + cut + piece.size() + (last && crlf ? 1 : 0));
        }
    }
    return tips;
}

TEST(TipsFile, ReadsAsTheNaiveReadingOfRandomFiles) {
    const std::string parts[] = {"a", "b", " ", "\t", ";", "\r", "\n", "\r\n", "\r\n", "\n"};
    std::mt19937_64 random(20240612);
    TemporaryDirectory dir;
    for (int round = 0; round < 400; ++round) {
        std::string bytes;
        for (std::uint64_t i = 0, count = random() % 40; i < count; ++i) {
            bytes += random() % 12 == 0 ? std::string(990 + random() % 20, 'x') : parts[random() % std::size(parts)];
        }
        const std::size_t start = static_cast<std::size_t>(random() % (bytes.size() + 3));
        TipsFile file = std::get<TipsFile>(TipsFile::Open(dir.Write("tips.txt", bytes)));
        ASSERT_TRUE(file.Seek(start));
        auto expected = NaiveTips(bytes, start);
        const auto fromBeginning = NaiveTips(bytes, 0);
        for (int wrap = 0; wrap < 6; ++wrap) expected.insert(expected.end(), fromBeginning.begin(), fromBeginning.end());
        for (std::size_t i = 0; i < 6; ++i) {
            const TipsFile::Result read = file.ReadNextTip();
            ASSERT_EQ(read.status, i < expected.size() ? TipsFile::Status::Tip : TipsFile::Status::NoTip) << round;
            if (i == expected.size()) break;
            EXPECT_EQ(read.tip, expected[i].first) << round << " " << i;
            EXPECT_EQ(file.position(), expected[i].second) << round << " " << i;
        }
    }
}

}  // namespace
}  // namespace venkora
