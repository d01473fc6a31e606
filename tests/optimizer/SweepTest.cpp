// The two replacement operations and the single-rule functions on hand-made texts. Every
// expected text is also checked against the reference in NaiveSweep.h.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "NaiveSweep.h"
#include "TestText.h"
#include "optimizer/Conversions.h"
#include "optimizer/LineBreakRules.h"
#include "optimizer/Sweep.h"

namespace venkora {
namespace {

using namespace std::string_literals;
using test::Escaped;

struct SweepRow {
    const char* what;
    std::string input;
    std::string oldText;
    std::string newText;
    std::string expected;
    std::size_t count;  // replacements of one sweep; unused for the fixpoint
};

std::string Trace(const SweepRow& row) {
    return std::string(row.what) + ": " + Escaped(row.input) + ", " + Escaped(row.oldText) +
           " -> " + Escaped(row.newText);
}

TEST(ReplaceAllSweep, OneSweep) {
    const std::vector<SweepRow> rows = {
        {"the rest is too short for a second match", "\r\n\r\n\r\n", "\r\n\r\n", "\r\n",
         "\r\n\r\n", 1},
        {"two matches side by side", "\r\n\r\n\r\n\r\n", "\r\n\r\n", "\r\n", "\r\n\r\n", 2},
        {"matches never overlap", "aaa", "aa", "b", "ba", 1},
        {"halving a run", "aaaa", "aa", "a", "aa", 2},
        {"a match formed with the inserted bytes waits for the next sweep", "aab", "ab", "b",
         "ab", 1},
        {"inserted bytes are not examined again", "aa", "a", "ab", "abab", 2},
        {"growing replacement", "aaa", "a", "aa", "aaaaaa", 3},
        {"empty pattern", "xyz", "", "q", "xyz", 0},
        {"empty text", "", "a", "b", "", 0},
        {"pattern longer than the text", "abc", "abcd", "", "abc", 0},
        {"replacement equal to the pattern still counts", "abab", "ab", "ab", "abab", 2},
        {"leftmost match wins", "abcabc", "bca", "", "abc", 1},
        {"match at both ends", "ab ab", "ab", "", " ", 2},
        {"NUL bytes", "\0a\0"s, "\0"s, "", "a", 2},
    };
    for (const SweepRow& row : rows) {
        SCOPED_TRACE(Trace(row));
        std::string engine = row.input;
        EXPECT_EQ(ReplaceAllSweep(engine, row.oldText, row.newText), row.count);
        EXPECT_EQ(engine, row.expected);
        std::string reference = row.input;
        EXPECT_EQ(naive::ReplaceAllSweep(reference, row.oldText, row.newText), row.count);
        EXPECT_EQ(reference, row.expected);
    }
}

TEST(SweepToFixpoint, SweepsUntilNothingChanges) {
    const std::vector<SweepRow> rows = {
        {"a run of spaces in front of a break", "ab   \r\ncd", " \r\n", "\r\n", "ab\r\ncd", 0},
        {"a run shrinks to one", "aaaa", "aa", "a", "a", 0},
        {"matches formed by earlier replacements", "aab", "ab", "b", "b", 0},
        {"nested matches", "((()))", "()", "", "", 0},
        {"breaks that meet are deleted too", "a\r\r\n\nb", "\r\n", "", "ab", 0},
        {"runs of breaks", "a\r\n\r\n\r\n\r\n\r\nb", "\r\n\r\n", "\r\n", "a\r\nb", 0},
        {"replacement equal to the pattern", "abab", "ab", "ab", "abab", 0},
        {"empty pattern", "abc", "", "x", "abc", 0},
        {"a growing rule that cannot match again", "a\t\t", "\t", "    ", "a        ", 0},
        {"NUL bytes", "ab\0\0\0"s, "\0\0"s, "\0"s, "ab\0"s, 0},
    };
    for (const SweepRow& row : rows) {
        SCOPED_TRACE(Trace(row));
        std::string engine = row.input;
        SweepToFixpoint(engine, row.oldText, row.newText);
        EXPECT_EQ(engine, row.expected);
        std::string reference = row.input;
        naive::SweepToFixpoint(reference, row.oldText, row.newText);
        EXPECT_EQ(reference, row.expected);
    }
}

// A single-rule function, the rule it stands for, and an example.
struct RuleRow {
    const char* what;
    std::function<void(std::string&)> engine;
    std::string oldText;
    std::string newText;
    std::string input;
    std::string expected;
};

void CheckRules(const std::vector<RuleRow>& rows) {
    for (const RuleRow& row : rows) {
        SCOPED_TRACE(std::string(row.what) + ": " + Escaped(row.input));
        std::string engine = row.input;
        row.engine(engine);
        EXPECT_EQ(engine, row.expected);
        std::string reference = row.input;
        naive::SweepToFixpoint(reference, row.oldText, row.newText);
        EXPECT_EQ(reference, row.expected);
    }
}

// The rule function for `s` in front of breaks of kind `brk`.
RuleRow Before(const char* what, std::string s, std::string_view brk, std::string input,
               std::string expected) {
    return {what, [s, brk](std::string& t) { DeleteBeforeBreaks(t, s, brk); },
            s + std::string(brk), std::string(brk), std::move(input), std::move(expected)};
}

RuleRow After(const char* what, std::string_view brk, std::string s, std::string input,
              std::string expected) {
    return {what, [s, brk](std::string& t) { DeleteAfterBreaks(t, brk, s); },
            std::string(brk) + s, std::string(brk), std::move(input), std::move(expected)};
}

TEST(LineBreakRules, DeleteBeforeBreaks) {
    CheckRules({
        Before("spaces, CR LF", " ", kCrLf, "ab   \r\ncd", "ab\r\ncd"),
        Before("spaces, LF CR", " ", kLfCr, "ab  \n\rcd", "ab\n\rcd"),
        Before("the other kind of break is left alone", " ", kCrLf, "ab \n\rcd", "ab \n\rcd"),
        Before("a string that overlaps itself", "aa", kCrLf, "xaaa\r\n", "xa\r\n"),
        Before("CR in front of CR LF", "\r", kCrLf, "a\r\r\r\nb", "a\r\nb"),
        Before("LF in front of LF CR", "\n", kLfCr, "a\n\n\n\rb", "a\n\rb"),
        Before("LF CR in front of CR LF", "\n\r", kCrLf, "a\n\r\n\r\r\nb", "a\r\nb"),
        Before("a break in front of a break", "\r\n", kCrLf, "a\r\n\r\n\r\nb", "a\r\nb"),
        Before("empty string", "", kCrLf, "a \r\nb", "a \r\nb"),
        Before("NUL", "\0"s, kCrLf, "a\0\0\r\n"s, "a\r\n"),
    });
}

TEST(LineBreakRules, DeleteAfterBreaks) {
    CheckRules({
        After("spaces, CR LF", kCrLf, " ", "\r\n  x", "\r\nx"),
        After("tabs, LF CR", kLfCr, "\t", "\n\r\t\tx", "\n\rx"),
        After("whole copies, repeatedly", kCrLf, "ab", "\r\nababx", "\r\nx"),
        After("only whole copies", kCrLf, "aba", "\r\nabababa", "\r\nbaba"),
        After("LF behind CR LF", kCrLf, "\n", "a\r\n\n\nb", "a\r\nb"),
        After("CR behind LF CR", kLfCr, "\r", "a\n\r\r\rb", "a\n\rb"),
        After("empty string", kLfCr, "", "a\n\r b", "a\n\r b"),
        After("the start of the text is no break", kCrLf, " ", "  a", "  a"),
    });
}

TEST(LineBreakRules, CollapseAndDeleteBreaks) {
    const auto collapse = [](std::string& t) { CollapseCrLfRuns(t); };
    const auto deleteCrLf = [](std::string& t) { DeleteBreaks(t, kCrLf); };
    const auto deleteLfCr = [](std::string& t) { DeleteBreaks(t, kLfCr); };
    CheckRules({
        {"a run of CR LF", collapse, "\r\n\r\n", "\r\n", "a\r\n\r\n\r\nb", "a\r\nb"},
        {"runs at both ends", collapse, "\r\n\r\n", "\r\n", "\r\n\r\na\r\n\r\n\r\n",
         "\r\na\r\n"},
        {"lone CR and LF around a run", collapse, "\r\n\r\n", "\r\n", "\r\r\n\r\n\n",
         "\r\r\n\n"},
        {"LF CR runs keep two pairs", collapse, "\r\n\r\n", "\r\n", "a\n\r\n\r\n\rb",
         "a\n\r\n\rb"},
        {"CR LF joins lines", deleteCrLf, "\r\n", "", "a\r\nb\r\nc", "abc"},
        {"CR LF pairs that meet", deleteCrLf, "\r\n", "", "a\r\r\n\nb", "ab"},
        {"CR LF leaves LF CR", deleteCrLf, "\r\n", "", "a\n\rb", "a\n\rb"},
        {"LF CR pairs that meet", deleteLfCr, "\n\r", "", "a\n\n\r\rb", "ab"},
        {"LF CR inside CR LF CR", deleteLfCr, "\n\r", "", "a\r\n\rb", "a\rb"},
    });
}

TEST(Conversions, Examples) {
    const auto toSpaces = [](std::uint8_t n) {
        return [n](std::string& t) { TabsToSpaces(t, n); };
    };
    const auto toTabs = [](std::uint8_t n) {
        return [n](std::string& t) { SpacesToTabs(t, n); };
    };
    const auto surplus = [](std::string& t) { DeleteSpacesAfterTabs(t); };
    const auto p = [](std::size_t n) { return std::string(n, ' '); };
    CheckRules({
        {"tab to two spaces", toSpaces(2), "\t", p(2), "a\tb", "a  b"},
        {"width 0 deletes tabs", toSpaces(0), "\t", "", "\ta\t\t", "a"},
        {"width 1", toSpaces(1), "\t", p(1), "\t\t", "  "},
        {"width 4 ignores columns", toSpaces(4), "\t", p(4), "a\t b", "a     b"},
        {"width 255", toSpaces(255), "\t", p(255), "\t", p(255)},
        {"six spaces, width 4", toTabs(4), p(4), "\t", "a      b", "a\t  b"},
        {"width 0 changes nothing", toTabs(0), "", "\t", "a  b", "a  b"},
        {"width 1", toTabs(1), p(1), "\t", "a  b ", "a\t\tb\t"},
        {"a run is cut from its left end", toTabs(3), p(3), "\t", p(7), "\t\t "},
        {"a run shorter than the width", toTabs(4), p(4), "\t", "a   b", "a   b"},
        {"width 255", toTabs(255), p(255), "\t", p(300), "\t" + p(45)},
        {"spaces behind tabs", surplus, "\t ", "\t", "\t   \t x  ", "\t\tx  "},
        {"spaces in front of a tab stay", surplus, "\t ", "\t", " \t a", " \ta"},
        {"no tab", surplus, "\t ", "\t", "a  b", "a  b"},
    });
}

}  // namespace
}  // namespace venkora
