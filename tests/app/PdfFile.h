#pragma once
// What a printed PDF holds, read with poppler's pdfinfo and pdftotext: its page size and the
// text of each page as laid out.

#include <gtest/gtest.h>

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

}  // namespace venkora::test
