// The tally of line ends, kept up to date from insertions and deletions, says at every moment
// what counting the whole text afresh says.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "editview/LineEndTally.h"

namespace venkora {
namespace {

// The kinds the whole text holds, counted afresh from left to right.
LineEndTally::Summary Recount(const std::string& text) {
    bool crLf = false;
    bool cr = false;
    bool lf = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            crLf = true;
            ++i;
        } else {
            cr = cr || text[i] == '\r';
            lf = lf || text[i] == '\n';
        }
    }
    if (crLf + cr + lf > 1) return LineEndTally::Summary::Mixed;
    if (crLf) return LineEndTally::Summary::CrLf;
    if (cr) return LineEndTally::Summary::Cr;
    return lf ? LineEndTally::Summary::Lf : LineEndTally::Summary::None;
}

TEST(LineEndTally, FollowsEveryInsertionAndDeletion) {
    std::mt19937_64 random(20261208);
    const auto below = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    for (int run = 0; run < 200; ++run) {
        std::string text;
        LineEndTally tally;
        for (int step = 0; step < 40; ++step) {
            const std::size_t at = below(text.size() + 1);
            const auto byteAt = [&text](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
            const char before = at > 0 ? text[at - 1] : '\0';
            if (text.empty() || below(3) != 0) {
                std::string inserted(1 + below(4), 'x');
                for (char& c : inserted) c = "a\r\n"[below(3)];
                text.insert(at, inserted);
                tally.Inserted(before, inserted, byteAt(at + inserted.size()));
            } else {
                const std::string deleted = text.substr(at, 1 + below(4));
                text.erase(at, deleted.size());
                tally.Deleted(before, deleted, byteAt(at));
            }
            ASSERT_EQ(tally.Get(), Recount(text)) << "run " << run << ", step " << step;
        }
    }
}

}  // namespace
}  // namespace venkora
