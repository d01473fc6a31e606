// The print commands in the application: the print dialog's page range and file, the toolbar
// button, the preview showing the pages that printing gives, the printer setup's paper for the
// next jobs, and what happens without a printer. Printers are answered by the seams; every
// job prints into a PDF file.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QTimer>

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
            printer.setPageOrder(order);
            return true;
        };
        seams.preview = [this](QPrintPreviewDialog& preview) {
            auto* pages = preview.findChild<QPrintPreviewWidget*>();
            pages->updatePreview();
            previewPages = pages->pageCount();
        };
        seams.spool = [this](QPrinter&, const PaintJob& paint) {
            QPdfWriter spooled(Path("gespoolt.pdf"));
            paint(spooled);
            return spoolerTakes;
        };
        SetPrintPromptSeams(seams_ = std::move(seams));
    }
    ~PrintCommandsTest() override {
        SetPrintPromptSeams({});
        CDialog::SetModalSeam({});
    }

    // Starts on numbered lines enough for several pages of any font.
    void StartWithLines() {
        std::string text;
        for (int i = 1; i <= 400; ++i) text += "Zeile " + std::to_string(i) + "\r\n";
        StartWith(text);
    }
    void StartWith(const std::string& text) {
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
    QPrinter::PageOrder order = QPrinter::FirstPageFirst;
    bool spoolerTakes = true;
    int dialogs = 0;
    int previewPages = -1;
    PrintPromptSeams seams_;
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

    // A range behind the text prints nothing, leaves no file and says so.
    QFile::remove(Path("dialog.pdf"));
    range = {9000, 9001};
    Execute(kIdFilePrint);
    EXPECT_FALSE(QFile::exists(Path("dialog.pdf")));
    EXPECT_EQ(messages.join('|'), QStringLiteral("Die Seiten 9000 bis 9001 gibt es nicht: das Dokument hat %1 "
                                                 "Seiten. Es wurde nichts gedruckt.").arg(all.size()));
    messages.clear();

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

TEST_F(PrintCommandsTest, WhatTheUserChoseIsPrintedAndWhatFailedIsSaid) {
    const struct {
        const char* name;
        bool spoolerTakes;
        std::function<std::string()> run;  // what the user gets, which holds `expected`
        std::string expected;
    } cases[] = {
        {"a job the spooler refuses", false, [this] {
             StartWith("Hallo\r\n");
             Execute(kIdFilePrintDirect);
             return messages.join('|').toStdString();
         }, "hat den Druckauftrag abgelehnt; es wurde nichts gedruckt."},
        {"the same from the command line", false, [this] {
             WriteFile(Path("f.txt"), "Hallo\r\n");
             Start({"-pt", "Laser", Path("f.txt").toStdString()});
             return std::to_string(app->ExitInstance()) + messages.join('|').toStdString();
         }, "1Der Drucker „"},
        {"\"Umgekehrt\": the last page first", true, [this] {
             StartWithLines();
             PrintDirectlyInto("vorwaerts.pdf");
             order = QPrinter::LastPageFirst;
             Execute(kIdFilePrint);
             auto pages = PdfPages(Path("vorwaerts.pdf").toStdString());
             std::reverse(pages.begin(), pages.end());
             return pages == PdfPages(Path("dialog.pdf").toStdString()) ? "reversed" : "in order";
         }, "reversed"},
        {"the setup's paper through Qt's print dialog, without its field \"Seiten\"", true, [this] {
             StartWithLines();
             app->printer().setPageSize(QPageSize(QPageSize::A5));
             app->printer().setPageOrientation(QPageLayout::Landscape);
             bool pagesHidden = false;
             SetPrintPromptSeams({seams_.printerNames, {}, seams_.preview, seams_.spool});  // Qt's dialog
             QTimer::singleShot(0, [this, &pagesHidden] {
                 auto& dialog = *qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
                 pagesHidden = dialog.findChild<QWidget*>(QStringLiteral("pagesRadioButton"))->isHidden();
                 auto* names = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
                 names->setCurrentIndex(names->count() - 1);  // "Print to File (PDF)"
                 dialog.findChild<QLineEdit*>(QStringLiteral("filename"))->setText(Path("a5.pdf"));
                 dialog.printer()->setPageSize(QPageSize(QPageSize::A4));  // as Qt's OK does with CUPS
                 dialog.accept();
             });
             Execute(kIdFilePrint);
             return PdfPageSize(Path("a5.pdf").toStdString()) + (pagesHidden ? " without" : " with") + " Seiten";
         }, "595 x 420 pts (A5) without Seiten"},
        {"NUL and a byte without a character print as on the screen", true, [this] {
             StartWith(std::string("A\0B\x81" "C", 5));
             PrintDirectlyInto("zeichen.pdf");
             std::string line = PdfPages(Path("zeichen.pdf").toStdString()).at(0).at(0);
             line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
             return line;
         }, "ANULBx81C"},
        {"a character taller than the page", true, [this] {
             profile.WriteString("Schriftart", "Art", "DejaVu Sans Mono");
             profile.WriteInt("Schriftart", "Höhe", static_cast<std::uint32_t>(-8192));
             StartWith("AxB\r\nCD");
             PrintDirectlyInto("gross.pdf");
             return PdfPagesWithInk(Path("gross.pdf").toStdString());
         }, "2 of 2"},
    };
    for (const auto& c : cases) {
        app.reset();
        SetPrintPromptSeams(seams_);
        messages.clear();
        spoolerTakes = c.spoolerTakes;
        profile = {};
        const std::string got = c.run();
        EXPECT_NE(got.find(c.expected), std::string::npos) << c.name << ": " << got;
    }
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
