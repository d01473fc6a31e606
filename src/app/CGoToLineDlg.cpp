#include "app/CGoToLineDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/QtText.h"
#include "resources/StringTable.h"

namespace venkora {

CGoToLineDlg::CGoToLineDlg() : CDialog(QtText(text::kGoToLineTitle), 186, 49) {
    // The field first: the focus goes to the first tab stop, which selects its number.
    auto* label = Place(new QLabel(QtText(text::kLineNumber), this), 0, 7, 9, 61, 8);
    edit_ = Place(new QLineEdit(this), kIdLineEdit, 7, 19, 58, 14);
    range_ = Place(new QLabel(this), 0, 69, 22, 56, 8);
    auto* ok = Place(new QPushButton(QtText(text::kOk), this), kIdOk, 129, 7, 50, 14);
    auto* cancel = Place(new QPushButton(QtText(text::kCancel), this), kIdCancel, 129, 24, 50, 14);
    label->setBuddy(edit_);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, &CGoToLineDlg::OnCancel);
}

bool CGoToLineDlg::DoDataExchange(bool save) {
    const auto last = static_cast<std::uint32_t>(
        std::min<std::size_t>(std::max<std::size_t>(lineCount, 1), std::numeric_limits<std::uint32_t>::max()));
    if (!save) {
        range_->setText(QtText(text::kLineRange).arg(last));
        edit_->setText(QString::number(line));
        return true;
    }
    const std::optional<std::uint32_t> chosen = ReadUnsigned(edit_, 1, last);
    if (chosen) line = *chosen;
    return chosen.has_value();
}

}  // namespace venkora
