#include "app/CSetTabStops.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/ViewSettings.h"
#include "platform/QtText.h"
#include "resources/StringTable.h"

namespace venkora {

CSetTabStops::CSetTabStops() : CDialog(QtText(text::kTabLength), 186, 49) {
    auto* ok = Place(new QPushButton(QtText(text::kOk), this), kIdOk, 129, 7, 50, 14);
    auto* cancel = Place(new QPushButton(QtText(text::kCancel), this), kIdCancel, 129, 24, 50, 14);
    edit_ = Place(new QLineEdit(this), kIdTabLengthEdit, 73, 15, 34, 14);
    Place(new QLabel(QtText(text::kTabLength), this), 0, 7, 18, 61, 8);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, &CSetTabStops::OnCancel);
}

bool CSetTabStops::DoDataExchange(bool save) {
    if (!save) {
        edit_->setText(QString::number(tabLength));
        return true;
    }
    const std::optional<std::uint32_t> length =
        ReadUnsigned(edit_, ViewSettings::kMinTabLength, ViewSettings::kMaxTabLength);
    if (length) tabLength = *length;
    return length.has_value();
}

}  // namespace venkora
