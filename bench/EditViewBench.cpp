// Speed of the edit view with 1 MiB of text: loading it from a file's bytes, writing it back,
// the whole-text and selection access the optimizer and the search use, finding and replacing.

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>

#include <string>

#include "LoadIntoView.h"
#include "editview/CEditViewPlus.h"
#include "platform/Archive.h"
#include "platform/MessageBox.h"
#include "resources/CommandIds.h"

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

void BM_LoadIntoView(benchmark::State& state) {
    const std::string text = SampleText();
    CEditViewPlus view;
    for (auto _ : state) LoadIntoView(view, text);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_LoadIntoView)->Unit(benchmark::kMillisecond);

// Opening 1 MiB with word wrap on in a shown view, until the view has painted and takes input.
void BM_OpenWithWordWrap(benchmark::State& state) {
    const std::string text = SampleText();
    CEditViewPlus view;
    view.resize(800, 600);
    view.setWrapMode(QsciScintilla::WrapWord);
    view.show();
    for (auto _ : state) {
        LoadIntoView(view, text);
        view.repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenWithWordWrap)->Unit(benchmark::kMillisecond);

// A status pane that keeps the text its rule sets.
class PaneText : public venkora::CmdUI {
public:
    explicit PaneText(unsigned id) : CmdUI(id) {}
    void Enable(bool) override {}
    void SetCheck(int) override {}
    void SetText(std::string_view text) override { shown.assign(text); }
    std::string shown;
};

// One keystroke in 1 MiB with blanks shown, at the start, the middle or the end of the text (the
// argument in percent): the character typed, the caret's line and column and the line ends asked
// for the status line, the view painted. (QScintilla's own handling of a change counts the
// characters from the start of the text to the change, so the place matters.)
void BM_KeystrokeWithCaretPaneAndBlanks(benchmark::State& state) {
    CEditViewPlus view;
    view.resize(800, 600);
    view.ShowBlanks(true);
    view.show();
    LoadIntoView(view, SampleText());
    const std::size_t place = view.GetTextLength() * static_cast<std::size_t>(state.range(0)) / 100;
    view.SetSelection(place, static_cast<std::ptrdiff_t>(place));
    PaneText caret(venkora::kIdIndicatorCaret);
    PaneText lineEnds(venkora::kIdIndicatorLineEnds);
    const Qt::Key keys[] = {Qt::Key_X, Qt::Key_Right, Qt::Key_Backspace, Qt::Key_Left};
    std::size_t next = 0;
    for (auto _ : state) {
        const Qt::Key key = keys[next++ % std::size(keys)];
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_X ? QStringLiteral("x") : QString());
        QApplication::sendEvent(&view, &press);
        view.OnUpdateCaretPane(caret);
        view.OnUpdateLineEndsPane(lineEnds);
        view.repaint();
    }
    state.counters["column"] = static_cast<double>(caret.shown.size());
}
BENCHMARK(BM_KeystrokeWithCaretPaneAndBlanks)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_SaveFromView(benchmark::State& state) {
    CEditViewPlus view;
    LoadIntoView(view, SampleText());
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
    LoadIntoView(view, std::string(CEditViewPlus::kTextLimit, 'x'));
    view.SetSelection(0, -1);
    for (auto _ : state) benchmark::DoNotOptimize(view.GetSelectedText());
}
BENCHMARK(BM_GetSelectedText)->Unit(benchmark::kMicrosecond);

// Locking the whole text, as the search does several times per find.
void BM_LockText(benchmark::State& state) {
    CEditViewPlus view;
    LoadIntoView(view, SampleText());
    for (auto _ : state) {
        benchmark::DoNotOptimize(view.LockText());
        view.UnlockText();
    }
}
BENCHMARK(BM_LockText)->Unit(benchmark::kNanosecond);

// 1,048,575 bytes of the sample lines, the only "Heuhaufen" at the very end, found from the
// start of the text with case (argument 1) and without (argument 0), selected and scrolled to.
void BM_FindNextAtTheEnd(benchmark::State& state) {
    const bool matchCase = state.range(0) != 0;
    std::string text = SampleText();
    text.resize(CEditViewPlus::kTextLimit - 9, 'x');
    text += "Heuhaufen";
    CEditViewPlus view;
    LoadIntoView(view, text);
    for (auto _ : state) {
        view.SetSelection(0, 0);
        view.FindNext({matchCase ? "Heuhaufen" : "HEUHAUFEN", true, matchCase, ""});
    }
    if (view.GetSelectionRange().first != text.size() - 9) state.SkipWithError("not found");
}
BENCHMARK(BM_FindNextAtTheEnd)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The worst cases of the search: 1,048,575 bytes of "a" and a string of "a" with one "b" at its
// end or its start, so that it is never found but nearly matches at every byte. Arguments: how
// many "a", whether the "b" comes first, down (from the start) or up (from the end), with case
// or without.
void BM_FindNextWorstCase(benchmark::State& state) {
    const auto as = static_cast<std::size_t>(state.range(0));
    const bool bFirst = state.range(1) != 0;
    const bool down = state.range(2) != 0;
    const bool matchCase = state.range(3) != 0;
    std::string find(as, 'a');
    find.insert(bFirst ? find.begin() : find.end(), 'b');
    CEditViewPlus view;
    LoadIntoView(view, std::string(CEditViewPlus::kTextLimit, 'a'));
    venkora::SetMessageBeepSeam([] {});
    const std::size_t caret = down ? 0 : CEditViewPlus::kTextLimit;
    for (auto _ : state) {
        view.SetSelection(caret, static_cast<std::ptrdiff_t>(caret));
        view.FindNext({find, down, matchCase, ""});
    }
    venkora::SetMessageBeepSeam({});
    if (view.GetSelectionRange().first != caret) state.SkipWithError("found");
}
BENCHMARK(BM_FindNextWorstCase)
    ->ArgNames({"a", "b_first", "down", "case"})
    ->ArgsProduct({{5000}, {0}, {1, 0}, {1, 0}})
    ->ArgsProduct({{32766}, {0, 1}, {1, 0}, {1, 0}})
    ->Unit(benchmark::kMillisecond);

// 1,048,575 bytes of lines, 10,000 of them with "geprüft", the others with "gezählt": replace
// all from the start by "GEPRÜFT" (one undo step). Reloading the text between runs is not
// counted.
void BM_ReplaceAll10000(benchmark::State& state) {
    const std::string checked = "Der Kassenstand beträgt 1.284,50 € – geprüft und für richtig befunden.\r\n";
    const std::string counted = "Der Kassenstand beträgt 1.284,50 € – gezählt und für richtig befunden.\r\n";
    std::string text;
    for (int line = 0; text.size() + checked.size() <= CEditViewPlus::kTextLimit; ++line) {
        text += line < 10000 ? checked : counted;
    }
    text.resize(CEditViewPlus::kTextLimit, 'x');
    CEditViewPlus view;
    for (auto _ : state) {
        state.PauseTiming();
        LoadIntoView(view, text);
        state.ResumeTiming();
        view.ReplaceAll({"geprüft", true, true, "GEPRÜFT"});
    }
    if (view.GetTextLength() != text.size() || !view.CanUndo()) state.SkipWithError("not replaced");
}
BENCHMARK(BM_ReplaceAll10000)->Unit(benchmark::kMillisecond);

}  // namespace
