#pragma once
// The dialog "Tipps und Tricks": one tip at a time from the tips file, a white panel with the
// bulb and the heading "Wußten Sie schon...", the check box that switches the tips at start-up
// on and off, and "Nächster Tipp". Its owner reads its state from the settings before showing
// it (LoadTipState: the "Tip" settings, the file opened, the tip at the stored position) and
// writes it back afterwards (SaveTipState: the check box when "Schließen" closed it, the position
// after the tip read last); one object serves one showing, or at start-up one test of
// `showAtStartup`. Escape and the close box keep the check box's stored value.

#include <QPixmap>
#include <QString>

#include <optional>

#include "platform/CDialog.h"
#include "tips/TipsFile.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace venkora {

class ProfileStore;

class CTipDlg : public CDialog {
    Q_OBJECT

public:
    // The ids of the template's controls besides "Schließen" (kIdOk); each is named by its id.
    enum ControlId : int { kIdPanel = 1000, kIdStartup = 1001, kIdNextTip = 1002, kIdTip = 1004 };

    // The tips file is `tipsPath`, by default the one that comes with the program.
    explicit CTipDlg(const QString& tipsPath = TipsFilePath());

    // Reads whether tips show at start-up and the stored position, opens the tips file and reads
    // the tip there; a file with a new time stamp starts again at its first tip and its stamp is
    // stored at once. A file that cannot be set to the position is reported in a message box.
    void LoadTipState(ProfileStore& profile);
    // Stores the check box when "Schließen" ended the showing, then the position after the tip
    // read last when the file was opened.
    void SaveTipState(ProfileStore& profile) const;

    // The directory of the running executable, with its trailing slash.
    static QString GetModuleDirectory();
    // "tips.txt" next to the executable; for an installed program the one in its data
    // directory (share/venkora beside the executable's bin).
    static QString TipsFilePath();

    bool showAtStartup = true;  // check box 1001
    QString tipText;            // static text 1004

    void OnNextTip();

protected:
    bool DoDataExchange(bool save) override;
    void OnInitDialog() override;
    // The white panel with the bulb and the heading; the controls paint themselves.
    void paintEvent(QPaintEvent* event) override;

private:
    // Reads the next tip into `target`. A file without a tip line, or one that cannot be set
    // back to its beginning, is then treated as missing.
    void ReadNextTip(QString& target);
    void TreatAsMissing(QString& target);

    QString tipsPath_;
    std::optional<TipsFile> tipsFile_;
    QPixmap bulb_;
    QWidget* panel_;
    QLabel* tip_;
    QCheckBox* startup_;
    QPushButton* nextTip_;
};

}  // namespace venkora
