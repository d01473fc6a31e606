#pragma once
// The dialog "Info über Venkora": the program's name and version, two lines about its makers and
// the maker's web address as a link (string 61204) that opens in the browser while the dialog
// stays open. OK, Enter and Escape close it. One object serves one showing.

#include "platform/CDialog.h"

namespace venkora {

class CLinkLabel;

class CAboutDlg : public CDialog {
    Q_OBJECT

public:
    // The id of the static text that becomes the link; each control is named by its id.
    enum ControlId : int { kIdLink = 1024 };

    CAboutDlg();

    CLinkLabel& link() const { return *link_; }

protected:
    bool DoDataExchange(bool save) override;
    void OnInitDialog() override;

private:
    CLinkLabel* link_;
};

}  // namespace venkora
