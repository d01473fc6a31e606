// The print commands in the application: the print dialog's page range and file, the toolbar
// button, the preview showing the pages that printing gives, the printer setup's paper for the
// next jobs, and what happens without a printer. Printers are answered by the seams; every
// job prints into a PDF file.

#include <QComboBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>

#include "AppFixture.h"
#include "PdfFile.h"
#include "platform/CPrintSetupDlg.h"
#include "platform/PrintPrompts.h"
#include "resources/CommandIds.h"

namespace venkora::test {
namespace {

class PrintCommandsTest : public AppFixture {
protected:
    PrintCommandsTest() {
        PrintPromptSeams seams;
        seams.printerNames = [this] { return printers; };
        seams.printDialog = [this](QPrinter& printer) {
            ++dialogs;
            printer.setOutputFileName(Path("dialog.pdf"));
            printer.setFromTo(range.first, range.second);
            return true;
        };
        seams.preview = [this](QPrintPreviewDialog& preview) {
            auto* pages = preview.findChild<QPrintPreviewWidget*>();
            pages->updatePreview();
            previewPages = pages->pageCount();
        };
        SetPrintPromptSeams(std::move(seams));
    }
    ~PrintCommandsTest() override {
        SetPrintPromptSeams({});
        CDialog::SetModalSeam({});
    }

    // Starts on numbered lines enough for several pages of any font.
    void StartWithLines() {
        std::string text;
        for (int i = 1; i <= 400; ++i) text += "Zeile " + std::to_string(i) + "\r\n";
        WriteFile(Path("zeilen.txt"), text);
        ASSERT_TRUE(Start({Path("zeilen.txt").toStdString()}));
    }
    // Prints directly into `name`, as the printer chosen for the run.
    void PrintDirectlyInto(const char* name) {
        app->printer().setOutputFileName(Path(name));
        EXPECT_TRUE(Execute(kIdFilePrintDirect));
    }

    QStringList printers{QStringLiteral("Laser"), QStringLiteral("Tinte")};
    std::pair<int, int> range{0, 0};
    int dialogs = 0;
    int previewPages = -1;
};

TEST_F(PrintCommandsTest, ThePrintDialogsRangeIsPrintedAsThePagesOfTheWholeJob) {
    StartWithLines();
    PrintDirectlyInto("alle.pdf");
    const auto all = PdfPages(Path("alle.pdf").toStdString());
    ASSERT_GE(all.size(), 3u);
    EXPECT_EQ(all[0][0], "Zeile 1");
    EXPECT_EQ(dialogs, 0);

    range = {2, 3};
    frame().ActionFor(kIdFilePrint)->trigger();  // the toolbar's button
    EXPECT_EQ(dialogs, 1);
    const auto ranged = PdfPages(Path("dialog.pdf").toStdString());
    EXPECT_EQ(ranged, std::vector(all.begin() + 1, all.begin() + 3));

    // A range behind the text prints nothing and leaves no file.
    QFile::remove(Path("dialog.pdf"));
    range = {9000, 9001};
    Execute(kIdFilePrint);
    EXPECT_FALSE(QFile::exists(Path("dialog.pdf")));

    Execute(kIdFilePrintPreview);
    EXPECT_EQ(previewPages, static_cast<int>(all.size()));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(PrintCommandsTest, ThePrinterSetupsPaperIsUsedByTheNextJobs) {
    StartWithLines();
    CDialog::SetModalSeam<CPrintSetupDlg>([](CPrintSetupDlg& shown) {
        auto* names = shown.findChild<QComboBox*>(QString::number(CPrintSetupDlg::kIdPrinterName));
        EXPECT_EQ(names->count(), 2);
        auto* paper = shown.findChild<QComboBox*>(QString::number(CPrintSetupDlg::kIdPaperSize));
        EXPECT_EQ(paper->currentData().toInt(), static_cast<int>(shown.paperSize.id()));
        paper->setCurrentIndex(paper->findData(static_cast<int>(QPageSize::A5)));
        shown.findChild<QRadioButton*>(QString::number(CPrintSetupDlg::kIdLandscape))->click();
        shown.OnOK();
        return shown.result();
    });
    EXPECT_TRUE(Execute(kIdFilePrintSetup));
    PrintDirectlyInto("a5.pdf");
    EXPECT_EQ(PdfPageSize(Path("a5.pdf").toStdString()), "595 x 420 pts (A5)");
}

TEST_F(PrintCommandsTest, WithoutAPrinterOnlyThePreviewGoesOn) {
    printers.clear();
    StartWithLines();
    for (const unsigned id : {kIdFilePrint, kIdFilePrintDirect, kIdFilePrintSetup}) {
        messages.clear();
        EXPECT_TRUE(Execute(id)) << id;
        EXPECT_EQ(messages, QStringList{QStringLiteral("Es ist kein Drucker installiert.\n"
                                                       "Über die Seitenansicht können Sie in eine PDF-Datei drucken.")})
            << id;
    }
    EXPECT_EQ(dialogs, 0);
    Execute(kIdFilePrintPreview);
    EXPECT_GE(previewPages, 3);
}

}  // namespace
}  // namespace venkora::test
