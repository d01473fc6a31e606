#include "platform/CModelessDialog.h"

namespace venkora {

CModelessDialog::CModelessDialog(const QString& caption, int width, int height)
    : CDialog(caption, width, height) {}

void CModelessDialog::Create(QWidget* owner) {
    setParent(owner, windowFlags());
    setResult(Rejected);
    OnInitDialog();
    show();
    activateWindow();
}

void CModelessDialog::done(int result) {
    CDialog::done(result);
    emit closed();
    deleteLater();
}

}  // namespace venkora
