// Writes the ordinary text of OrdinaryText.h to standard output, for measuring the batch tool
// against other programs on the same bytes (bench/batch-speed.sh).
//
//   ordinary_text [MIB [lf]]      (default 100): exactly MIB mebibytes, CR LF lines or LF lines

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <string_view>

#include "OrdinaryText.h"

namespace {

bool WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (put <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const long mebibytes = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100;
    if (mebibytes <= 0) return 2;
    const std::size_t total = static_cast<std::size_t>(mebibytes) << 20;
    venkora::bench::OrdinaryText text(argc > 2 && std::string_view(argv[2]) == "lf" ? "\n" : "\r\n");
    std::string block;
    for (std::size_t written = 0; written < total;) {
        block.clear();
        text.AppendLines(block, std::size_t{1} << 20);
        if (block.size() > total - written) block.resize(total - written);
        if (!WriteAll(block)) return 1;
        written += block.size();
    }
    return 0;
}
