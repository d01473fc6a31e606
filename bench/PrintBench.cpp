// Printing a 1 MiB document, with word wrap off and on: printed directly into a PDF file end to
// end (the job on the printer chosen for the run, every page laid out and drawn, the PDF made
// and stored), and the print preview until its pages are ready to be shown.

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>

#include <string>

#include "app/CQuendelApp.h"
#include "app/CQuendelDoc.h"
#include "app/CQuendelView.h"
#include "core/MemoryProfileStore.h"
#include "frame/CMainFrame.h"
#include "platform/Archive.h"
#include "platform/PrintPrompts.h"
#include "resources/CommandIds.h"
#include "resources/SettingsSchema.h"

namespace {

using namespace venkora;

// 1,048,575 bytes of German lines with CR LF line ends, valid UTF-8, one line of 200 words
// every 50 lines.
std::string SampleText() {
    const std::string line = "Der Kassenstand beträgt 1.284,50 € – geprüft und für richtig befunden.\r\n";
    std::string longLine;
    for (int i = 0; i < 200; ++i) longLine += "Wort ";
    longLine += "\r\n";
    std::string text;
    for (int i = 0; text.size() + longLine.size() <= CEditViewPlus::kTextLimit; ++i) {
        text += i % 50 == 49 ? longLine : line;
    }
    text.append(CEditViewPlus::kTextLimit - text.size(), 'x');
    return text;
}

// The application with the 1 MiB document, word wrap as the benchmark's argument says, and a
// printer installed as far as the print commands can tell.
class PrintingApp {
public:
    explicit PrintingApp(bool wordWrap) : app({}) {
        PrintPromptSeams seams;
        seams.printerNames = [] { return QStringList{QStringLiteral("PDF")}; };
        seams.preview = [this](QPrintPreviewDialog& preview) {
            auto* pages = preview.findChild<QPrintPreviewWidget*>();
            pages->updatePreview();
            previewPages = pages->pageCount();
        };
        SetPrintPromptSeams(std::move(seams));
        // No tip of the day at start-up: its modal loop would wait for a person.
        auto store = std::make_unique<MemoryProfileStore>();
        store->WriteInteger(Setting(SettingId::TipStartUp), 1);
        app.SetProfileStore(std::move(store));
        app.InitInstance();
        const std::string text = SampleText();
        QByteArray data = QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size()));
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        Archive archive(buffer, Archive::Mode::Load);
        app.view()->SerializeRawText(archive);
        app.view()->RecreateEditControl(wordWrap);
    }
    ~PrintingApp() {
        app.mainFrame()->close();
        SetPrintPromptSeams({});
    }
    bool Execute(unsigned id) { return app.mainFrame()->router().Execute(id); }

    CQuendelApp app;
    int previewPages = 0;
};

void BM_PrintIntoPdf(benchmark::State& state) {
    PrintingApp printing(state.range(0) != 0);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("aus.pdf"));
    printing.app.printer().setOutputFileName(pdf);
    for (auto _ : state) printing.Execute(kIdFilePrintDirect);
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(pdf).size());
}
BENCHMARK(BM_PrintIntoPdf)->ArgName("wrap")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PreviewReady(benchmark::State& state) {
    PrintingApp printing(state.range(0) != 0);
    for (auto _ : state) printing.Execute(kIdFilePrintPreview);
    state.counters["pages"] = printing.previewPages;
}
BENCHMARK(BM_PreviewReady)->ArgName("wrap")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
