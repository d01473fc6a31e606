#include "about/CAboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include "about/CLinkLabel.h"
#include "platform/QtText.h"
#include "resources/CommandIds.h"
#include "resources/StringTable.h"

namespace venkora {

CAboutDlg::CAboutDlg() : CDialog(QtText(text::kAboutTitle), 128, 93) {
    // In template order: OK is the first tab stop, the link the second.
    Place(new QLabel(QtText(text::kAboutVersion).arg(QStringLiteral(VENKORA_VERSION)), this), 0, 7, 7, 88, 8);
    auto* makers = Place(new QLabel(QtText(text::kAboutMakers), this), 0, 7, 17, 114, 18);
    makers->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* ok = Place(new QPushButton(QtText(text::kOk), this), kIdOk, 38, 72, 50, 14);
    ok->setDefault(true);
    link_ = Place(new CLinkLabel(this), kIdLink, 7, 53, 114, 8);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
}

bool CAboutDlg::DoDataExchange(bool) { return true; }

void CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const QString address = QtText(StringTable::Prompt(kIdsMakerWebAddress));
    link_->linkTarget = address;
    link_->setText(address);
}

}  // namespace venkora
