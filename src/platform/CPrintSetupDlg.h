#pragma once
// The dialog "Druckereinrichtung": which installed printer, which paper and which orientation
// printing and the preview use. The application's printer setup command creates it for one
// showing, presets the fields from the printer chosen so far and reads them after OK.

#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include "platform/CDialog.h"

class QComboBox;
class QRadioButton;

namespace venkora {

class CPrintSetupDlg : public CDialog {
    Q_OBJECT

public:
    // The ids of the template's controls besides OK and Cancel; each control is named by its id.
    enum ControlId : int { kIdPrinterName = 1000, kIdPaperSize = 1001, kIdPortrait = 1002, kIdLandscape = 1003 };

    CPrintSetupDlg();

    // One of the installed printers; an empty or unknown name shows the first one.
    QString printerName;
    QPageSize paperSize{QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;

protected:
    bool DoDataExchange(bool save) override;

private:
    // The paper sizes of the printer shown, `wanted` (or else the first) chosen.
    void FillPaperSizes(const QPageSize& wanted);
    // The size chosen in the paper box.
    QPageSize ChosenPaper() const;

    QComboBox* printers_;
    QComboBox* papers_;
    QRadioButton* portrait_;
    QRadioButton* landscape_;
    // The sizes the paper box offers, in its order; a size a printer names itself has no id of
    // its own (QPageSize::Custom), so the box's entries stand for these by their index.
    QList<QPageSize> sizes_;
};

}  // namespace venkora
