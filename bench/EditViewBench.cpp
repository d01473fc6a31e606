// Speed of the edit view with 1 MiB of text: loading it from a file's bytes, writing it back,
// and the whole-text and selection access the optimizer and the search use.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>

#include <cstdlib>
#include <string>

#include "editview/CEditViewPlus.h"
#include "platform/Archive.h"

namespace {

using venkora::Archive;
using venkora::CEditViewPlus;

// 1 MiB of German-looking lines with CR LF line ends, valid UTF-8.
std::string SampleText() {
    const std::string line = "Der Kassenstand beträgt 1.284,50 € – geprüft und für richtig befunden.\r\n";
    std::string text;
    while (text.size() + line.size() <= CEditViewPlus::kTextLimit) text += line;
    return text;
}

void Load(CEditViewPlus& view, const std::string& bytes) {
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    Archive archive(buffer, Archive::Mode::Load);
    view.SerializeRawText(archive);
}

void BM_LoadIntoView(benchmark::State& state) {
    const std::string text = SampleText();
    CEditViewPlus view;
    for (auto _ : state) Load(view, text);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_LoadIntoView)->Unit(benchmark::kMillisecond);

void BM_SaveFromView(benchmark::State& state) {
    CEditViewPlus view;
    Load(view, SampleText());
    for (auto _ : state) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        Archive archive(buffer, Archive::Mode::Store);
        view.SerializeRawText(archive);
        benchmark::DoNotOptimize(data.data());
    }
}
BENCHMARK(BM_SaveFromView)->Unit(benchmark::kMillisecond);

// The whole text selected, no CR in it: one piece of 1 MiB.
void BM_GetSelectedText(benchmark::State& state) {
    CEditViewPlus view;
    Load(view, std::string(CEditViewPlus::kTextLimit, 'x'));
    view.SetSelection(0, -1);
    for (auto _ : state) benchmark::DoNotOptimize(view.GetSelectedText());
}
BENCHMARK(BM_GetSelectedText)->Unit(benchmark::kMicrosecond);

// Locking the whole text, as the search does several times per find.
void BM_LockText(benchmark::State& state) {
    CEditViewPlus view;
    Load(view, SampleText());
    for (auto _ : state) {
        benchmark::DoNotOptimize(view.LockText());
        view.UnlockText();
    }
}
BENCHMARK(BM_LockText)->Unit(benchmark::kNanosecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
