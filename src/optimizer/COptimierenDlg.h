#pragma once
// The optimize dialog "Optimieren": which characters to delete at line starts and ends, which
// conversion to make, and whether the selection or the whole document is meant. The main view
// owns the one object for its whole life; each showing reads the switches from the profile
// store (section "OptimierenDlg"), and OK writes them back, all but the range, which the caller
// presets and reads.

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

#include "optimizer/OptimizeOptions.h"
#include "platform/CDialog.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;

namespace venkora {

class ProfileStore;

class COptimierenDlg : public CDialog {
    Q_OBJECT

public:
    // The ids of the template's controls besides OK and Cancel; each control is named by its id.
    enum ControlId : int {
        kIdLeerz = 1000,
        kIdLeerzEnde = 1001,
        kIdLeerzAnf = 1002,
        kIdMarkierung = 1003,
        kIdGesamtesDokument = 1004,
        kIdZeilenumbruch = 1005,
        kIdTab = 1008,
        kIdTabEnde = 1009,
        kIdTabAnf = 1010,
        kIdBendef = 1011,
        kIdBendefZeichen = 1012,
        kIdAlle = 1013,
        kIdNurLeerzeilen = 1014,
        kIdBendefEnde = 1015,
        kIdBendefAnf = 1016,
        kIdTabbreite = 1019,
        kIdLeerzZuTab = 1020,
        kIdTabZuLeerz = 1021,
        kIdLoescheUeberz = 1022,
    };

    // `profile` must outlive the dialog.
    explicit COptimierenDlg(ProfileStore& profile);

    // The dialog's fields: preset `bereich` before showing, read all of them after OK.
    OptimizeOptions& options() { return options_; }

    // Transfers, checks that every group switched on has a side (and the user group a string),
    // stores the sixteen values and closes with QDialog::Accepted; false, with a message and
    // nothing stored, when a value is refused or a check fails.
    bool OnOK() override;

protected:
    bool DoDataExchange(bool save) override;
    void OnInitDialog() override;

private:
    // A switch and the controls it enables while it is on.
    struct Master {
        std::int32_t OptimizeOptions::*field = nullptr;
        std::vector<QWidget*> dependents;
    };

    void EnableDependents(const Master& master);
    void OnMasterClicked(const Master& master);
    // A click on one conversion switch: switched on, it clears the other one.
    void OnConversionClicked(std::int32_t OptimizeOptions::*clicked, std::int32_t OptimizeOptions::*other);
    // The message of the first failing OK check; empty when all pass.
    QString FirstFailedCheck() const;

    ProfileStore& profile_;
    OptimizeOptions options_;

    QCheckBox* leerz_;
    QCheckBox* leerzEnde_;
    QCheckBox* leerzAnf_;
    QCheckBox* tab_;
    QCheckBox* tabEnde_;
    QCheckBox* tabAnf_;
    QCheckBox* zeilenumbruch_;
    QButtonGroup* nurLeerzeilen_;
    QCheckBox* bendef_;
    QLineEdit* bendefZeichen_;
    QCheckBox* bendefEnde_;
    QCheckBox* bendefAnf_;
    QButtonGroup* bereich_;
    QLineEdit* tabbreite_;
    QCheckBox* leerzZuTab_;
    QCheckBox* tabZuLeerz_;
    QCheckBox* loescheUeberz_;

    // "Leerzeichen", "Benutzerdefiniert", "Tabulatoren", "Zeilenumbrüche",
    // "Leerzeichen zu Tabulatoren".
    std::array<Master, 5> masters_;
};

}  // namespace venkora
