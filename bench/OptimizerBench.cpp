// Speed of the optimizer on 1 MiB inputs that need many sweeps when the rules are carried out
// literally, against a plain copy of the same 1 MiB. Each optimizer iteration includes the copy
// of the input into the working text, since the passes work in place.
//
// The "Sweeps" benchmarks carry out the rules literally (ReplaceAllSweep until nothing changes);
// they run only for the inputs where that finishes in reasonable time.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "OrdinaryText.h"
#include "optimizer/LineBreakRules.h"
#include "optimizer/LineEnds.h"
#include "optimizer/Sweep.h"
#include "optimizer/TextPasses.h"

namespace {

using venkora::OptimizeOptions;

constexpr std::size_t kMiB = 1024 * 1024;

struct Case {
    const char* name;
    std::string input;
    OptimizeOptions relevant;  // the switches that act on this input
    bool literalFinishes;      // whether the literal sweeps end in reasonable time
};

OptimizeOptions Spaces() {
    OptimizeOptions o;
    o.leerz = o.leerzAnf = o.leerzEnde = 1;
    return o;
}
OptimizeOptions LineBreaks(int nurLeerzeilen) {
    OptimizeOptions o;
    o.zeilenumbruch = 1;
    o.nurLeerzeilen = nurLeerzeilen;
    return o;
}
OptimizeOptions UserString(const char* s) {
    OptimizeOptions o;
    o.bendef = o.bendefAnf = o.bendefEnde = 1;
    o.bendefZeichen = s;
    return o;
}
OptimizeOptions SpacesToTabs(int n) {
    OptimizeOptions o;
    o.leerzZuTab = o.loescheUeberz = 1;
    o.tabbreite = static_cast<std::uint8_t>(n);
    return o;
}
OptimizeOptions TabsToSpaces(int n) {
    OptimizeOptions o;
    o.tabZuLeerz = 1;
    o.tabbreite = static_cast<std::uint8_t>(n);
    return o;
}

// The same input with every deletion group on (both sides, S = "ab") besides its own switches.
OptimizeOptions EverythingOn(OptimizeOptions o) {
    o.leerz = o.leerzAnf = o.leerzEnde = 1;
    o.tab = o.tabAnf = o.tabEnde = 1;
    o.zeilenumbruch = 1;
    o.bendef = o.bendefAnf = o.bendefEnde = 1;
    o.bendefZeichen = "ab";
    return o;
}

std::string Repeat(std::string_view unit, std::size_t bytes) {
    std::string s;
    s.reserve(bytes);
    while (s.size() < bytes) s.append(unit);
    return s;
}

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"Leerzeichen_CRLF", std::string(kMiB, ' ') + "\r\n", Spaces(), false},
        {"CR_dann_LF_alle", std::string(kMiB / 2, '\r') + std::string(kMiB / 2, '\n'),
         LineBreaks(0), false},
        {"ab_CRLF_S=ab", Repeat("ab", kMiB) + "\r\n", UserString("ab"), false},
        {"CRLF_nur_Leerzeilen", Repeat("\r\n", kMiB), LineBreaks(1), true},
        {"Leerzeichen_zu_Tab_N=1", std::string(kMiB, ' '), SpacesToTabs(1), true},
        {"Leerzeichen_zu_Tab_N=4", std::string(kMiB, ' '), SpacesToTabs(4), true},
        {"Tab_zu_Leerzeichen_N=8", std::string(kMiB, '\t'), TabsToSpaces(8), true},
        // A user-defined string with a CR can form new line breaks as it goes; such rules take
        // the general path of SweepToFixpoint.
        {"CRLF_xCR_S=xCR", "\r\n" + Repeat("x\r", kMiB), UserString("x\r"), false},
    };
    return cases;
}

void BM_Copy(benchmark::State& state) {
    const std::string input(kMiB, ' ');
    for (auto _ : state) {
        std::string copy = input;
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(input.size()));
}
BENCHMARK(BM_Copy);

void RunOptimize(benchmark::State& state, const std::string& input, const OptimizeOptions& o) {
    std::size_t resultSize = 0;
    for (auto _ : state) {
        std::string text = input;
        venkora::OptimizeTextPasses(text, o, venkora::LineEndKind::CrLf);
        resultSize = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["result_bytes"] = static_cast<double>(resultSize);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(input.size()));
}

// The literal definition: every rule of the relevant group swept until nothing changes.
void LiteralFixpoint(std::string& text, std::string_view oldText, std::string_view newText) {
    while (venkora::ReplaceAllSweep(text, oldText, newText) != 0) {
    }
}

void RunLiteral(benchmark::State& state, const std::string& input, const OptimizeOptions& o) {
    const std::string p(o.tabbreite, ' ');
    for (auto _ : state) {
        std::string text = input;
        if (o.zeilenumbruch && o.nurLeerzeilen == 1) LiteralFixpoint(text, "\r\n\r\n", "\r\n");
        if (o.tabZuLeerz) LiteralFixpoint(text, "\t", p);
        if (o.leerzZuTab) {
            LiteralFixpoint(text, p, "\t");
            if (o.loescheUeberz) LiteralFixpoint(text, "\t ", "\t");
        }
        benchmark::DoNotOptimize(text.data());
    }
}

// One literal sweep over the input, for estimating the inputs whose literal run is too slow.
void RunOneSweep(benchmark::State& state, const std::string& input, std::string_view oldText,
                 std::string_view newText) {
    for (auto _ : state) {
        std::string text = input;
        benchmark::DoNotOptimize(venkora::ReplaceAllSweep(text, oldText, newText));
    }
}

// Ordinary prose (bench/OrdinaryText.h), 16 MiB, spaces and tabs at both sides: the batch
// tool's way (the text stays, the result is written beside it into reserved room), against the
// eight rules carried out one by one in place (four in an LF text). The same words with CR LF
// lines and with LF lines.
const std::string& OrdinaryInput(venkora::LineEndKind kind) {
    static const std::string crLf = [] {
        std::string t;
        venkora::bench::OrdinaryText().AppendLines(t, 16 * kMiB);
        return t;
    }();
    static const std::string lf = [] {
        std::string t;
        venkora::bench::OrdinaryText("\n").AppendLines(t, 16 * kMiB);
        return t;
    }();
    return kind == venkora::LineEndKind::Lf ? lf : crLf;
}

OptimizeOptions BlanksBothSides() {
    OptimizeOptions o = Spaces();
    o.tab = o.tabAnf = o.tabEnde = 1;
    return o;
}

void RunOrdinaryText(benchmark::State& state, venkora::LineEndKind kind) {
    const std::string& input = OrdinaryInput(kind);
    const OptimizeOptions o = BlanksBothSides();
    std::string result;
    for (auto _ : state) {
        result.clear();
        result.reserve(venkora::OptimizedSizeBound(input, o));
        benchmark::DoNotOptimize(venkora::OptimizeText(input, result, o, kind));
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["result_bytes"] = static_cast<double>(result.size());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(input.size()));
}
BENCHMARK_CAPTURE(RunOrdinaryText, CRLF, venkora::LineEndKind::CrLf)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunOrdinaryText, LF, venkora::LineEndKind::Lf)->Unit(benchmark::kMillisecond);

void RunOrdinaryTextRuleByRule(benchmark::State& state, venkora::LineEndKind kind) {
    const std::string& input = OrdinaryInput(kind);
    const std::vector<std::string_view> breaks =
        kind == venkora::LineEndKind::Lf ? std::vector<std::string_view>{"\n"}
                                         : std::vector<std::string_view>{venkora::kCrLf, venkora::kLfCr};
    std::string text;
    for (auto _ : state) {
        text = input;
        for (const std::string_view blank : {" ", "\t"}) {
            for (const std::string_view brk : breaks) venkora::DeleteBeforeBreaks(text, blank, brk);
            for (const std::string_view brk : breaks) venkora::DeleteAfterBreaks(text, brk, blank);
        }
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(input.size()));
}
BENCHMARK_CAPTURE(RunOrdinaryTextRuleByRule, CRLF, venkora::LineEndKind::CrLf)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunOrdinaryTextRuleByRule, LF, venkora::LineEndKind::Lf)
    ->Unit(benchmark::kMillisecond);

// Converting the line ends of the ordinary text: CR LF lines to LF, and LF lines (already LF,
// the scan alone) to LF, each into a result reserved beforehand.
void RunConvertToLf(benchmark::State& state, venkora::LineEndKind kind) {
    const std::string& input = OrdinaryInput(kind);
    std::string result;
    for (auto _ : state) {
        result.clear();
        result.reserve(input.size());
        benchmark::DoNotOptimize(venkora::ConvertLineEnds(input, venkora::LineEndKind::Lf, result));
        benchmark::DoNotOptimize(result.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(input.size()));
}
BENCHMARK_CAPTURE(RunConvertToLf, CRLF, venkora::LineEndKind::CrLf)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunConvertToLf, LF, venkora::LineEndKind::Lf)->Unit(benchmark::kMillisecond);

int RegisterAll() {
    for (const Case& c : Cases()) {
        benchmark::RegisterBenchmark((std::string("BM_Optimize/") + c.name).c_str(),
                                     RunOptimize, c.input, c.relevant)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("BM_OptimizeAllGroups/") + c.name).c_str(),
                                     RunOptimize, c.input, EverythingOn(c.relevant))
            ->Unit(benchmark::kMicrosecond);
        if (c.literalFinishes) {
            benchmark::RegisterBenchmark((std::string("BM_Sweeps/") + c.name).c_str(), RunLiteral,
                                         c.input, c.relevant)
                ->Unit(benchmark::kMillisecond);
        }
    }
    const std::vector<Case>& cases = Cases();
    benchmark::RegisterBenchmark("BM_OneSweep/Leerzeichen_CRLF", RunOneSweep, cases[0].input,
                                 " \r\n", "\r\n")
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_OneSweep/CR_dann_LF_alle", RunOneSweep, cases[1].input,
                                 "\r\n", "")
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_OneSweep/ab_CRLF_S=ab", RunOneSweep, cases[2].input,
                                 "ab\r\n", "\r\n")
        ->Unit(benchmark::kMicrosecond);
    return 0;
}
const int kRegistered = RegisterAll();

}  // namespace

BENCHMARK_MAIN();
