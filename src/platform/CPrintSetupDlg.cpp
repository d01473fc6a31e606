#include "platform/CPrintSetupDlg.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

#include "platform/PrintPrompts.h"
#include "platform/QtText.h"
#include "resources/StringTable.h"

namespace venkora {

namespace {

// Offered when the printer tells no sizes of its own.
constexpr QPageSize::PageSizeId kCommonSizes[] = {QPageSize::A4, QPageSize::A5, QPageSize::A3, QPageSize::B5,
                                                  QPageSize::Letter, QPageSize::Legal};

}  // namespace

CPrintSetupDlg::CPrintSetupDlg() : CDialog(QtText(text::kPrintSetupTitle), 246, 104) {
    // Created in tab order.
    auto* printerLabel = Place(new QLabel(QtText(text::kPrinterName), this), 0, 14, 21, 36, 8);
    printers_ = Place(new QComboBox(this), kIdPrinterName, 52, 18, 125, 14);
    auto* paperLabel = Place(new QLabel(QtText(text::kPaperSize), this), 0, 14, 54, 36, 8);
    papers_ = Place(new QComboBox(this), kIdPaperSize, 52, 51, 125, 14);
    portrait_ = Place(new QRadioButton(QtText(text::kPortrait), this), kIdPortrait, 14, 84, 70, 10);
    landscape_ = Place(new QRadioButton(QtText(text::kLandscape), this), kIdLandscape, 96, 84, 70, 10);
    auto* ok = Place(new QPushButton(QtText(text::kOk), this), kIdOk, 189, 7, 50, 14);
    auto* cancel = Place(new QPushButton(QtText(text::kCancel), this), kIdCancel, 189, 24, 50, 14);
    // The frames lie beneath the controls they surround.
    Place(new QGroupBox(QtText(text::kPrinterGroup), this), 0, 7, 7, 176, 31)->lower();
    Place(new QGroupBox(QtText(text::kPaperGroup), this), 0, 7, 40, 176, 31)->lower();
    Place(new QGroupBox(QtText(text::kOrientationGroup), this), 0, 7, 73, 176, 24)->lower();
    printerLabel->setBuddy(printers_);
    paperLabel->setBuddy(papers_);
    ok->setDefault(true);
    // Another printer offers its own sizes; the size shown stays chosen where it has it.
    connect(printers_, &QComboBox::currentIndexChanged, this,
            [this] { FillPaperSizes(ChosenPaper()); });
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, &CPrintSetupDlg::OnCancel);
}

void CPrintSetupDlg::FillPaperSizes(const QPageSize& wanted) {
    sizes_ = QPrinterInfo::printerInfo(printers_->currentText()).supportedPageSizes();
    if (sizes_.isEmpty()) {
        for (const QPageSize::PageSizeId id : kCommonSizes) sizes_ << QPageSize(id);
    }
    papers_->clear();
    for (const QPageSize& size : sizes_) papers_->addItem(size.name(), static_cast<int>(size.id()));
    const auto chosen = std::find_if(sizes_.cbegin(), sizes_.cend(),
                                     [&wanted](const QPageSize& size) { return size.isEquivalentTo(wanted); });
    papers_->setCurrentIndex(chosen != sizes_.cend() ? static_cast<int>(chosen - sizes_.cbegin()) : 0);
}

QPageSize CPrintSetupDlg::ChosenPaper() const { return sizes_.value(papers_->currentIndex(), paperSize); }

bool CPrintSetupDlg::DoDataExchange(bool save) {
    if (save) {
        printerName = printers_->currentText();
        paperSize = ChosenPaper();
        orientation = landscape_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
        return true;
    }
    const QSignalBlocker quiet(printers_);
    printers_->clear();
    printers_->addItems(InstalledPrinterNames());
    printers_->setCurrentIndex(std::max(0, printers_->findText(printerName)));
    FillPaperSizes(paperSize);
    (orientation == QPageLayout::Landscape ? landscape_ : portrait_)->setChecked(true);
    return true;
}

}  // namespace venkora
