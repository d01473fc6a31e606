#pragma once
// The base of the program's modeless dialogs: laid out from a template in dialog units, with
// data exchange and the radio-group tab stops of every dialog (CDialog), but shown over its owner
// window without a modal loop, so the caller goes on and the owner stays usable. OK (once the
// transfer takes the values), Cancel, Escape and the close box close it; it then tells its owner
// through `closed` and deletes itself. Created with `new`; it belongs to its owner window from
// Create on, so the owner keeps only a reference, which it drops on `closed` (a dialog destroyed
// together with its owner window says nothing).

#include "platform/CDialog.h"

namespace venkora {

class CModelessDialog : public CDialog {
    Q_OBJECT

public:
    // Shows the dialog over `owner` and returns at once: the dialog becomes the owner's child
    // window, OnInitDialog runs, and the dialog is shown and activated.
    void Create(QWidget* owner);

signals:
    // The dialog has closed, with result() QDialog::Accepted after OK, else QDialog::Rejected; it
    // is deleted once the event loop runs again.
    void closed();

protected:
    // A dialog with caption `caption`, `width` × `height` dialog units.
    CModelessDialog(const QString& caption, int width, int height);

    // Every way of closing ends here: hides the dialog, tells the owner, deletes the dialog later.
    void done(int result) override;

private:
    // A modeless dialog is never shown in a modal loop.
    using CDialog::DoModal;
};

}  // namespace venkora
