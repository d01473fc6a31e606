#pragma once
// The dialog "Tabulatoren Länge": the tab length in characters, 1 to 16. The main view's tab
// length command creates it for one showing, presets the field and reads it after OK.

#include <cstdint>
#include <functional>

#include "platform/CDialog.h"

class QLineEdit;

namespace venkora {

class CSetTabStops : public CDialog {
    Q_OBJECT

public:
    CSetTabStops();

    std::uint32_t tabLength = 0;

    // Replaces the modal loop of every showing by `seam` (tests); an empty function restores it.
    static void SetModalSeam(std::function<int(CSetTabStops&)> seam);

protected:
    bool DoDataExchange(bool save) override;
    int RunModalLoop() override;

private:
    QLineEdit* edit_;
};

}  // namespace venkora
