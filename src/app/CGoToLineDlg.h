#pragma once
// The dialog "Gehe zu Zeile": a line number from 1 to the text's last line, which the field
// shows beside it. The main view's command creates it for one showing, presets the caret's line
// and reads the chosen one after OK.

#include <cstddef>

#include "platform/CDialog.h"

class QLabel;
class QLineEdit;

namespace venkora {

class CGoToLineDlg : public CDialog {
    Q_OBJECT

public:
    // The id of the template's edit control besides OK and Cancel; each control is named by its id.
    enum ControlId : int { kIdLineEdit = 1024 };

    CGoToLineDlg();

    std::size_t lineCount = 1;  // the text's lines: the range is 1 to this
    std::size_t line = 1;

protected:
    bool DoDataExchange(bool save) override;

private:
    QLineEdit* edit_;
    QLabel* range_;
};

}  // namespace venkora
