// Random small texts and options, engine against the reference in NaiveSweep.h. The seeds are
// fixed, so every run checks the same cases; a failure names the seed and case number and shows
// the input cut down to bytes that still make the difference.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <ios>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "NaiveSweep.h"
#include "TestText.h"
#include "optimizer/Conversions.h"
#include "optimizer/LineBreakRules.h"
#include "optimizer/Sweep.h"
#include "optimizer/TextPasses.h"

namespace venkora {
namespace {

using test::Describe;
using test::Escaped;

constexpr std::string_view kLineBytes = "ab \t\r\n";
constexpr std::string_view kLineBytesWithNul{"ab \t\r\n\0", 7};
constexpr std::string_view kRuleBytes = "ab\r\n";
constexpr std::size_t kShortTexts = 40;
// Long enough for the scanners' block-wise paths, which need several 16-byte blocks.
constexpr std::size_t kLongTexts = 400;

// mt19937_64 output is the same on every platform; the standard distributions are not.
class Random {
public:
    explicit Random(std::uint64_t seed, std::size_t maxTextLength = kShortTexts)
        : engine_(seed), maxTextLength_(maxTextLength) {}

    std::size_t Below(std::size_t n) { return static_cast<std::size_t>(engine_() % n); }
    bool Percent(std::size_t p) { return Below(100) < p; }

    template <typename T, std::size_t N>
    T Pick(const T (&values)[N]) {
        return values[Below(N)];
    }

    std::string Bytes(std::string_view alphabet, std::size_t minLength, std::size_t maxLength) {
        std::string out(minLength + Below(maxLength - minLength + 1), '\0');
        for (char& c : out) {
            c = alphabet[Below(alphabet.size())];
        }
        return out;
    }

    // Either loose bytes or a string of pieces (single bytes, line breaks of both kinds and the
    // given extra pieces), so that the patterns under test occur often.
    std::string Text(std::string_view alphabet, const std::vector<std::string>& pieces = {}) {
        if (Percent(40)) {
            return Bytes(alphabet, 0, maxTextLength_);
        }
        const std::size_t length = Below(maxTextLength_ + 1);
        std::string out;
        while (out.size() < length) {
            const std::size_t roll = Below(10);
            if (roll < 4) {
                out += alphabet[Below(alphabet.size())];
            } else if (roll < 6) {
                out += "\r\n";
            } else if (roll < 7 || pieces.empty()) {
                out += "\n\r";
            } else {
                out += pieces[Below(pieces.size())];
            }
        }
        return out;
    }

    // Ordinary prose: many short lines of words (a few long ones), with spaces and tabs mixed
    // at both ends and blank lines between them, ended by CR LF or LF CR (a text keeps one
    // kind, or mixes them), and now and then a lone CR or LF.
    std::string Prose() {
        static constexpr std::string_view kLineEnds[] = {"\r\n", "\n\r", "\r", "\n"};
        const std::size_t lines = 1 + Below(maxTextLength_ / 8 + 1);
        const bool mixed = Percent(30);
        const std::size_t usual = Below(2);
        std::string out;
        for (std::size_t line = 0; line < lines; ++line) {
            out += Bytes(" \t", 0, Percent(70) ? 0 : 3);
            if (Percent(85)) {
                // Now and then a line longer than the 64-byte blocks the scanner looks at.
                const std::size_t words = Percent(10) ? 10 + Below(30) : 1 + Below(4);
                for (std::size_t w = 0; w < words; ++w) {
                    if (w > 0) out += Bytes(" \t", 1, Percent(90) ? 1 : 2);
                    out += Bytes("ab", 1, 4);
                }
            }
            out += Bytes(" \t", 0, Percent(60) ? 0 : 3);
            const std::size_t roll = Below(100);
            out += kLineEnds[roll < 3 ? 2 + Below(2) : mixed ? Below(2) : usual];
        }
        if (Percent(30)) out += Bytes("ab \t", 0, 4);  // a last line without a break
        return out;
    }

private:
    std::mt19937_64 engine_;
    std::size_t maxTextLength_;
};

// Drops single bytes from `input` as long as `fails` still holds for what is left.
std::string Shrunk(std::string input, const std::function<bool(const std::string&)>& fails) {
    for (std::size_t before = input.size() + 1; input.size() < before;) {
        before = input.size();
        for (std::size_t i = 0; i < input.size();) {
            std::string smaller = input;
            smaller.erase(i, 1);
            if (fails(smaller)) {
                input = std::move(smaller);
            } else {
                ++i;
            }
        }
    }
    return input;
}

std::int32_t RandomSwitch(Random& random) {
    static constexpr std::int32_t kOtherOn[] = {-1, 2, 256, 65536, INT_MIN, INT_MAX};
    const std::size_t roll = random.Below(100);
    return roll < 45 ? 0 : roll < 90 ? 1 : random.Pick(kOtherOn);
}

OptimizeOptions RandomOptions(Random& random, std::string_view alphabet) {
    static constexpr std::int32_t kOddChoices[] = {2, -1, 256, 257, INT_MIN};
    static constexpr std::uint8_t kWidths[] = {0, 1, 2, 2, 3, 4, 8, 255};
    OptimizeOptions o;
    o.bendefZeichen = random.Bytes(alphabet, random.Percent(5) ? 0 : 1, 4);
    o.bendefAnf = RandomSwitch(random);
    o.bendefEnde = RandomSwitch(random);
    o.bendef = RandomSwitch(random);
    o.leerzAnf = RandomSwitch(random);
    o.leerzEnde = RandomSwitch(random);
    o.leerz = RandomSwitch(random);
    o.bereich = RandomSwitch(random);
    o.tabAnf = RandomSwitch(random);
    o.tab = RandomSwitch(random);
    o.tabEnde = RandomSwitch(random);
    o.zeilenumbruch = RandomSwitch(random);
    const std::size_t choice = random.Below(10);
    o.nurLeerzeilen = choice < 4 ? 0 : choice < 8 ? 1 : random.Pick(kOddChoices);
    o.leerzZuTab = RandomSwitch(random);
    o.tabbreite = random.Percent(10) ? static_cast<std::uint8_t>(random.Below(256))
                                     : random.Pick(kWidths);
    o.tabZuLeerz = RandomSwitch(random);
    o.loescheUeberz = RandomSwitch(random);
    return o;
}

struct Outcome {
    std::string text;
    std::vector<std::string> statuses;
    bool operator==(const Outcome&) const = default;
};

Outcome RunEngine(std::string text, const OptimizeOptions& options) {
    Outcome out{std::move(text), {}};
    OptimizeTextPasses(out.text, options, LineEndKindOf(out.text),
                       [&out](std::string_view s) { out.statuses.emplace_back(s); });
    return out;
}

// The entry that leaves its source alone, with the result reserved as the batch tool reserves
// it, so that tabs to spaces grows it in place.
Outcome RunEngineOnView(const std::string& text, const OptimizeOptions& options) {
    Outcome out;
    out.text.reserve(OptimizedSizeBound(text, options));
    if (!OptimizeText(text, out.text, options, LineEndKindOf(text),
                      [&out](std::string_view s) { out.statuses.emplace_back(s); })) {
        out.text = text;
    }
    return out;
}

// The entry for a buffer the caller gives up, as the batch tool gives up what it read.
Outcome RunEngineInBuffer(std::string text, const OptimizeOptions& options) {
    Outcome out;
    std::string result;
    const LineEndKind kind = LineEndKindOf(text);
    out.text = std::string(OptimizeTextInBuffer(text, result, options, kind, [&out](std::string_view s) {
        out.statuses.emplace_back(s);
    }));
    return out;
}

Outcome RunReference(std::string text, const OptimizeOptions& options) {
    Outcome out{std::move(text), {}};
    naive::OptimizeTextPasses(out.text, options, LineEndKindOf(out.text), out.statuses);
    return out;
}

std::string Show(const Outcome& outcome) {
    std::string out = Escaped(outcome.text) + " statuses:";
    for (const std::string& s : outcome.statuses) {
        out += " [" + s + "]";
    }
    return out;
}

bool Differs(const std::string& text, const OptimizeOptions& options) {
    const Outcome reference = RunReference(text, options);
    return !(RunEngine(text, options) == reference) || !(RunEngineOnView(text, options) == reference) ||
           !(RunEngineInBuffer(text, options) == reference);
}

// Cuts a failing case down: switches off what the difference does not need, then drops bytes
// of the text and of S.
void Simplify(std::string& text, OptimizeOptions& options) {
    static constexpr std::int32_t OptimizeOptions::*kFields[] = {
        &OptimizeOptions::bendefAnf,     &OptimizeOptions::bendefEnde,
        &OptimizeOptions::bendef,        &OptimizeOptions::leerzAnf,
        &OptimizeOptions::leerzEnde,     &OptimizeOptions::leerz,
        &OptimizeOptions::bereich,       &OptimizeOptions::tabAnf,
        &OptimizeOptions::tab,           &OptimizeOptions::tabEnde,
        &OptimizeOptions::zeilenumbruch, &OptimizeOptions::nurLeerzeilen,
        &OptimizeOptions::leerzZuTab,    &OptimizeOptions::tabZuLeerz,
        &OptimizeOptions::loescheUeberz,
    };
    for (const auto field : kFields) {
        OptimizeOptions off = options;
        off.*field = 0;
        if (Differs(text, off)) {
            options = off;
        }
    }
    text = Shrunk(text, [&options](const std::string& t) { return Differs(t, options); });
    options.bendefZeichen = Shrunk(options.bendefZeichen, [&](const std::string& s) {
        OptimizeOptions shorter = options;
        shorter.bendefZeichen = s;
        return Differs(text, shorter);
    });
}

enum class Texts { Loose, Prose };

// `dropped` (CR or LF) is left out of every text, making LF or CR texts.
void ComparePipeline(std::uint64_t seed, int cases, std::string_view alphabet,
                     std::size_t maxTextLength = kShortTexts, Texts texts = Texts::Loose,
                     char dropped = '\0') {
    Random random(seed, maxTextLength);
    for (int i = 0; i < cases; ++i) {
        const OptimizeOptions options = RandomOptions(random, alphabet);
        std::string text =
            texts == Texts::Prose
                ? random.Prose()
                : random.Text(alphabet, {options.bendefZeichen, " ", "\t", "  ", "\t\t"});
        if (dropped != '\0') std::erase(text, dropped);
        if (!Differs(text, options)) {
            continue;
        }
        std::string smallText = text;
        OptimizeOptions smallOptions = options;
        Simplify(smallText, smallOptions);
        FAIL() << "seed 0x" << std::hex << seed << std::dec << ", case " << i
               << "\n  options:   " << Describe(options)
               << "\n  input:     " << Escaped(text)
               << "\n  engine:    " << Show(RunEngine(text, options))
               << "\n  on a view: " << Show(RunEngineOnView(text, options))
               << "\n  in buffer: " << Show(RunEngineInBuffer(text, options))
               << "\n  reference: " << Show(RunReference(text, options))
               << "\n  simplest failing case:"
               << "\n  options:   " << Describe(smallOptions)
               << "\n  input:     " << Escaped(smallText)
               << "\n  engine:    " << Show(RunEngine(smallText, smallOptions))
               << "\n  on a view: " << Show(RunEngineOnView(smallText, smallOptions))
               << "\n  in buffer: " << Show(RunEngineInBuffer(smallText, smallOptions))
               << "\n  reference: " << Show(RunReference(smallText, smallOptions));
    }
}

TEST(Differential, OptimizeTextPasses) { ComparePipeline(0x5EED0001, 100000, kLineBytes); }

TEST(Differential, OptimizeTextPassesWithNulBytes) {
    ComparePipeline(0x5EED0002, 30000, kLineBytesWithNul);
}

TEST(Differential, OptimizeTextPassesOnLongerTexts) {
    ComparePipeline(0x5EED0009, 4000, kLineBytes, kLongTexts);
}

// Texts shaped like ordinary prose, where the space and tab groups share one pass; short ones,
// then ones long enough for the block-wise scanners.
TEST(Differential, OptimizeTextPassesOnProse) {
    ComparePipeline(0x5EED000A, 30000, kLineBytes, kShortTexts, Texts::Prose);
    ComparePipeline(0x5EED000B, 3000, kLineBytes, kLongTexts, Texts::Prose);
}

// LF and CR texts against the literal sweeps over their CR LF twins.
TEST(Differential, OptimizeTextPassesOnLfAndCrTexts) {
    for (const char dropped : {'\r', '\n'}) {
        ComparePipeline(0x5EED000C, 30000, kLineBytesWithNul, kShortTexts, Texts::Loose, dropped);
        ComparePipeline(0x5EED000D, 20000, kLineBytes, kShortTexts, Texts::Prose, dropped);
        ComparePipeline(0x5EED000E, 2000, kLineBytes, kLongTexts, Texts::Prose, dropped);
    }
}

// A single rule: the engine's function and the rule old -> new it must equal.
struct Rule {
    std::string name;
    std::function<void(std::string&)> engine;
    std::string oldText;
    std::string newText;
};

// Runs `cases` short texts, then a tenth as many long ones.
void CompareRules(std::uint64_t seed, int cases, std::string_view alphabet,
                  const std::function<Rule(Random&)>& draw) {
    Random random(seed);
    for (int i = 0; i < cases + cases / 10; ++i) {
        if (i == cases) random = Random(seed, kLongTexts);
        const Rule rule = draw(random);
        const std::string text = random.Text(alphabet, {rule.oldText, rule.newText});
        const auto fails = [&rule](const std::string& t) {
            std::string engine = t;
            rule.engine(engine);
            std::string reference = t;
            naive::SweepToFixpoint(reference, rule.oldText, rule.newText);
            return engine != reference;
        };
        if (!fails(text)) {
            continue;
        }
        const std::string small = Shrunk(text, fails);
        std::string engine = small;
        rule.engine(engine);
        std::string reference = small;
        naive::SweepToFixpoint(reference, rule.oldText, rule.newText);
        FAIL() << "seed 0x" << std::hex << seed << std::dec << ", case " << i << ": "
               << rule.name << ", rule " << Escaped(rule.oldText) << " -> " << Escaped(rule.newText)
               << "\n  input:          " << Escaped(text)
               << "\n  smallest input: " << Escaped(small)
               << "\n  engine:         " << Escaped(engine)
               << "\n  reference:      " << Escaped(reference);
    }
}

std::string_view RandomBreak(Random& random) { return random.Percent(50) ? kCrLf : kLfCr; }

std::uint8_t RandomWidth(Random& random) {
    static constexpr std::uint8_t kWidths[] = {0, 1, 2, 3, 4, 5, 255};
    return random.Percent(10) ? static_cast<std::uint8_t>(random.Below(256))
                              : random.Pick(kWidths);
}

TEST(Differential, DeleteBeforeBreaks) {
    CompareRules(0x5EED0003, 20000, kLineBytes, [](Random& random) {
        const std::string s = random.Bytes(kLineBytes, 1, 4);
        const std::string_view brk = RandomBreak(random);
        return Rule{"DeleteBeforeBreaks(" + Escaped(s) + ", " + Escaped(brk) + ")",
                    [s, brk](std::string& t) { DeleteBeforeBreaks(t, s, brk); },
                    s + std::string(brk), std::string(brk)};
    });
}

TEST(Differential, DeleteAfterBreaks) {
    CompareRules(0x5EED0004, 20000, kLineBytes, [](Random& random) {
        const std::string s = random.Bytes(kLineBytes, 1, 4);
        const std::string_view brk = RandomBreak(random);
        return Rule{"DeleteAfterBreaks(" + Escaped(brk) + ", " + Escaped(s) + ")",
                    [s, brk](std::string& t) { DeleteAfterBreaks(t, brk, s); },
                    std::string(brk) + s, std::string(brk)};
    });
}

TEST(Differential, CollapseCrLfRunsAndDeleteBreaks) {
    CompareRules(0x5EED0005, 20000, kLineBytes, [](Random& random) {
        if (random.Percent(34)) {
            return Rule{"CollapseCrLfRuns", [](std::string& t) { CollapseCrLfRuns(t); },
                        "\r\n\r\n", "\r\n"};
        }
        const std::string_view brk = RandomBreak(random);
        return Rule{"DeleteBreaks(" + Escaped(brk) + ")",
                    [brk](std::string& t) { DeleteBreaks(t, brk); }, std::string(brk), ""};
    });
}

TEST(Differential, Conversions) {
    CompareRules(0x5EED0006, 20000, kLineBytes, [](Random& random) {
        const std::uint8_t n = RandomWidth(random);
        const std::string spaces(n, ' ');
        switch (random.Below(3)) {
            case 0:
                return Rule{"TabsToSpaces(" + std::to_string(n) + ")",
                            [n](std::string& t) { TabsToSpaces(t, n); }, "\t", spaces};
            case 1:
                return Rule{"SpacesToTabs(" + std::to_string(n) + ")",
                            [n](std::string& t) { SpacesToTabs(t, n); }, spaces, "\t"};
            default:
                return Rule{"DeleteSpacesAfterTabs",
                            [](std::string& t) { DeleteSpacesAfterTabs(t); }, "\t ", "\t"};
        }
    });
}

// old of 1 to 4 bytes, new shorter than old, or now and then new == old.
Rule RandomShrinkingRule(Random& random) {
    const std::string oldText = random.Bytes(kRuleBytes, 1, 4);
    const std::string newText =
        random.Percent(10) ? oldText : random.Bytes(kRuleBytes, 0, oldText.size() - 1);
    return Rule{"SweepToFixpoint",
                [oldText, newText](std::string& t) { SweepToFixpoint(t, oldText, newText); },
                oldText, newText};
}

TEST(Differential, SweepToFixpointShrinkingRules) {
    CompareRules(0x5EED0007, 30000, kRuleBytes, RandomShrinkingRule);
}

// Rules that may grow the text but still come to an end: the replacement holds fewer copies of
// some byte than the pattern, so every replacement uses up one of a limited supply.
TEST(Differential, SweepToFixpointGrowingRulesThatEnd) {
    CompareRules(0x5EED0008, 20000, kRuleBytes, [](Random& random) {
        for (;;) {
            const std::string oldText = random.Bytes(kRuleBytes, 1, 3);
            const std::string newText = random.Bytes(kRuleBytes, oldText.size(), 5);
            const bool ends = std::any_of(oldText.begin(), oldText.end(), [&](char c) {
                return std::count(newText.begin(), newText.end(), c) <
                       std::count(oldText.begin(), oldText.end(), c);
            });
            if (ends) {
                return Rule{"SweepToFixpoint",
                            [oldText, newText](std::string& t) {
                                SweepToFixpoint(t, oldText, newText);
                            },
                            oldText, newText};
            }
        }
    });
}

TEST(Differential, ReplaceAllSweepCountAndText) {
    constexpr std::uint64_t seed = 0x5EED0009;
    Random random(seed);
    for (int i = 0; i < 30000; ++i) {
        const std::string oldText = random.Bytes(kRuleBytes, 0, 4);
        const std::string newText = random.Bytes(kRuleBytes, 0, 5);
        const std::string text = random.Text(kRuleBytes, {oldText, newText});
        std::string engine = text;
        const std::size_t engineCount = ReplaceAllSweep(engine, oldText, newText);
        std::string reference = text;
        const std::size_t referenceCount = naive::ReplaceAllSweep(reference, oldText, newText);
        ASSERT_TRUE(engine == reference && engineCount == referenceCount)
            << "seed 0x" << std::hex << seed << std::dec << ", case " << i << ": "
            << Escaped(text) << ", " << Escaped(oldText) << " -> " << Escaped(newText)
            << "\n  engine:    " << Escaped(engine) << " count " << engineCount
            << "\n  reference: " << Escaped(reference) << " count " << referenceCount;
    }
}

}  // namespace
}  // namespace venkora
