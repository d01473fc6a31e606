#pragma once
// Reads a fuzz input front to back; bytes past the end read as 0.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace venkora::fuzz {

// The quadratic reference would slow the fuzzer down on long texts.
inline constexpr std::size_t kMaxTextLength = 512;

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    // `length` bytes; each mapped onto `alphabet` unless it is empty.
    std::string Bytes(std::size_t length, std::string_view alphabet) {
        std::string out;
        while (out.size() < length && pos_ < size_) {
            out += Map(data_[pos_++], alphabet);
        }
        return out;
    }

    std::string Rest(std::string_view alphabet) { return Bytes(size_ - pos_, alphabet); }
    std::size_t Remaining() const { return size_ - pos_; }

private:
    static char Map(std::uint8_t byte, std::string_view alphabet) {
        return alphabet.empty() ? static_cast<char>(byte) : alphabet[byte % alphabet.size()];
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Reports a difference from the reference on stderr and stops the fuzzer.
[[noreturn]] inline void Mismatch(const std::string& report) {
    std::fprintf(stderr, "engine and reference differ\n%s\n", report.c_str());
    std::abort();
}

}  // namespace venkora::fuzz
