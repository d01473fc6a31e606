// The optimize command end to end on a 1 MiB document: the dialog confirmed (through its test
// seam, without showing it), the range gathered, the passes run with their status texts shown,
// the text replaced as one undoable edit and reselected.

#include <benchmark/benchmark.h>

#include <string>

#include "LoadIntoView.h"
#include "app/CQuendelApp.h"
#include "app/CQuendelDoc.h"
#include "app/CQuendelView.h"
#include "frame/CMainFrame.h"
#include "optimizer/COptimierenDlg.h"
#include "resources/CommandIds.h"
#include "resources/SettingsSchema.h"
#include "core/MemoryProfileStore.h"

namespace {

using namespace venkora;

// 1 MiB of lines with trailing blanks, tabs and empty lines, CR LF line ends.
std::string SampleText() {
    const std::string lines[] = {"Der Kassenstand beträgt 1.284,50 €.   \r\n", "\r\n",
                                 "\tDie Prüfung ergab keine Beanstandungen.\t \r\n", "  \r\n"};
    std::string text;
    for (std::size_t i = 0; text.size() + 64 < CEditViewPlus::kTextLimit; ++i) text += lines[i % 4];
    return text;
}

void BM_OptimizeCommand(benchmark::State& state) {
    CQuendelApp app({});
    // No tip of the day at start-up: its modal loop would wait for a person.
    auto store = std::make_unique<MemoryProfileStore>();
    store->WriteInteger(Setting(SettingId::TipStartUp), 1);
    app.SetProfileStore(std::move(store));
    app.InitInstance();
    CDialog::SetModalSeam<COptimierenDlg>([](COptimierenDlg& dialog) {
        OptimizeOptions& o = dialog.options();
        const int range = o.bereich;
        o = OptimizeOptions{};
        o.bereich = range;
        o.leerz = o.leerzAnf = o.leerzEnde = 1;
        o.tab = o.tabAnf = o.tabEnde = 1;
        o.zeilenumbruch = 1;
        o.nurLeerzeilen = 1;
        o.tabZuLeerz = 1;
        o.tabbreite = 4;
        return static_cast<int>(QDialog::Accepted);
    });
    const std::string text = SampleText();
    CQuendelView& view = *app.view();
    std::size_t result = 0;
    for (auto _ : state) {
        state.PauseTiming();
        LoadIntoView(view, text);
        view.SetSelection(0, -1);
        state.ResumeTiming();
        app.mainFrame()->router().Execute(kIdOptimize);
        result = view.GetSelectionRange().second;
    }
    state.counters["result_bytes"] = static_cast<double>(result);
    CDialog::SetModalSeam({});
    app.document()->SetModifiedFlag(false);  // no save question at the end
    app.mainFrame()->close();
}
BENCHMARK(BM_OptimizeCommand)->Unit(benchmark::kMillisecond);

}  // namespace
