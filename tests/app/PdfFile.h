#pragma once
// What a printed PDF holds, read with poppler's pdfinfo, pdftotext and pdftoppm: its page size,
// the text of each page as laid out, where its words begin, and which pages show anything.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ProgramRunner.h"

namespace venkora::test {

// "595 x 842 pts (A4)": the size of the first page as pdfinfo gives it; empty when unreadable.
inline std::string PdfPageSize(const std::string& path) {
    const ProgramRunner::Result info = ProgramRunner("pdfinfo").Run({path});
    const std::size_t at = info.out.find("Page size:");
    if (info.exitCode != 0 || at == std::string::npos) return {};
    const std::size_t from = info.out.find_first_not_of(' ', at + 10);
    return info.out.substr(from, info.out.find('\n', from) - from);
}

// The lines of each page, trailing blanks cut.
inline std::vector<std::vector<std::string>> PdfPages(const std::string& path) {
    const ProgramRunner::Result text = ProgramRunner("pdftotext").Run({"-layout", path, "-"});
    EXPECT_EQ(text.exitCode, 0) << text.err;
    std::vector<std::vector<std::string>> pages;
    std::stringstream all(text.out);
    for (std::string page; std::getline(all, page, '\f');) {
        pages.emplace_back();
        std::stringstream lines(page);
        for (std::string line; std::getline(lines, line);) {
            pages.back().push_back(line.erase(line.find_last_not_of(' ') + 1));
        }
    }
    if (!pages.empty() && pages.back().empty()) pages.pop_back();  // after the last form feed
    return pages;
}

// The left edge in points of each word of the first page, by the word.
inline std::map<std::string, double> PdfWordStarts(const std::string& path) {
    std::istringstream boxes(ProgramRunner("pdftotext").Run({"-bbox", "-l", "1", path, "-"}).out);
    std::map<std::string, double> starts;
    for (std::string line; std::getline(boxes, line);) {
        const std::size_t word = line.find("\">", line.find("<word xMin=\""));
        if (word == std::string::npos) continue;
        starts[line.substr(word + 2, line.find('<', word) - word - 2)] = std::stod(line.substr(line.find('"') + 1));
    }
    return starts;
}

// "2 of 2": how many pages show a dark pixel at 10 dots per inch, of how many.
inline std::string PdfPagesWithInk(const std::string& path) {
    std::istringstream images(ProgramRunner("pdftoppm").Run({"-gray", "-r", "10", path}).out);  // P5 images
    int inked = 0;
    int pages = 0;
    for (std::string magic, pixels; images >> magic && magic == "P5"; ++pages) {
        std::size_t width = 0, height = 0, maximum = 0;
        images >> width >> height >> maximum;
        pixels.resize(width * height + 1);  // the newline after the header, then the pixels
        images.read(pixels.data(), static_cast<std::streamsize>(pixels.size()));
        inked += std::any_of(pixels.begin() + 1, pixels.end(),
                             [](char pixel) { return static_cast<unsigned char>(pixel) < 128; });
    }
    return std::to_string(inked) + " of " + std::to_string(pages);
}

}  // namespace venkora::test
