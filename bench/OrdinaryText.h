#pragma once
// An ordinary text for measuring the optimizer on everyday input: CR LF (or LF) lines of words
// averaging about 60 bytes, a third of them with blanks or a tab at the end, some indented by
// spaces or a tab, now and then an empty line. The seed is fixed, so every run makes the same
// words on every machine, whatever the line end.

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace venkora::bench {

class OrdinaryText {
public:
    explicit OrdinaryText(std::string_view lineEnd = "\r\n") : lineEnd_(lineEnd) {}

    // Appends whole lines to `out` until it holds at least `size` bytes.
    void AppendLines(std::string& out, std::size_t size) {
        while (out.size() < size) AppendLine(out);
    }

private:
    // mt19937_64 output is the same on every platform; the standard distributions are not.
    std::size_t Below(std::size_t n) { return static_cast<std::size_t>(engine_() % n); }
    bool Percent(std::size_t p) { return Below(100) < p; }

    void AppendWord(std::string& out) {
        static constexpr std::string_view kLetters = "eeeennnniiirrrssstttaaadhulcgmobwfkz";
        const std::size_t length = 2 + Below(9);
        for (std::size_t i = 0; i < length; ++i) out += kLetters[Below(kLetters.size())];
    }

    void AppendLine(std::string& out) {
        if (Percent(8)) {
            out += lineEnd_;
            return;
        }
        if (Percent(15)) {
            if (Percent(30)) {
                out += '\t';
            } else {
                out.append(2 + 2 * Below(4), ' ');
            }
        }
        const std::size_t target = 10 + Below(105);
        const std::size_t start = out.size();
        AppendWord(out);
        while (out.size() - start < target) {
            out += Percent(10) ? ", " : " ";
            AppendWord(out);
        }
        if (Percent(33)) {
            switch (Below(4)) {
                case 0: out += '\t'; break;
                case 1: out += " \t"; break;
                default: out.append(1 + Below(3), ' '); break;
            }
        }
        out += lineEnd_;
    }

    std::string_view lineEnd_;
    std::mt19937_64 engine_{0x0DD5EED};
};

}  // namespace venkora::bench
