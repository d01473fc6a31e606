#pragma once
// The dialog "Tabulatoren Länge": the tab length in characters, 1 to 16. The main view's tab
// length command creates it for one showing, presets the field and reads it after OK.

#include <cstdint>

#include "platform/CDialog.h"

class QLineEdit;

namespace venkora {

class CSetTabStops : public CDialog {
    Q_OBJECT

public:
    // The id of the template's edit control besides OK and Cancel; each control is named by its id.
    enum ControlId : int { kIdTabLengthEdit = 1023 };

    CSetTabStops();

    std::uint32_t tabLength = 0;

protected:
    bool DoDataExchange(bool save) override;

private:
    QLineEdit* edit_;
};

}  // namespace venkora
