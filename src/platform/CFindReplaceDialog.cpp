#include "platform/CFindReplaceDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/QtText.h"
#include "resources/StringTable.h"

namespace venkora {

CFindReplaceDialog::CFindReplaceDialog(bool findOnly)
    : CModelessDialog(QtText(findOnly ? text::kFindTitle : text::kReplaceTitle), 276, findOnly ? 62 : 80) {
    // The creation order is the tab order.
    auto* findLabel = Place(new QLabel(QtText(text::kFindWhat), this), 0, 6, 9, 58, 8);
    findEdit_ = Place(new QLineEdit(this), kIdFindWhat, 66, 7, 140, 12);
    findLabel->setBuddy(findEdit_);
    int y = 30;
    if (!findOnly) {
        auto* replaceLabel = Place(new QLabel(QtText(text::kReplaceWith), this), 0, 6, 27, 58, 8);
        replaceEdit_ = Place(new QLineEdit(this), kIdReplaceWith, 66, 25, 140, 12);
        replaceLabel->setBuddy(replaceEdit_);
        y = 48;
    }
    matchCase_ = Place(new QCheckBox(QtText(text::kMatchCase), this), kIdMatchCase, 6, y, 134, 10);
    Place(new QGroupBox(QtText(text::kDirection), this), 0, 146, y - 6, 60, 34);
    up_ = Place(new QRadioButton(QtText(text::kUp), this), kIdUp, 152, y + 4, 50, 10);
    down_ = Place(new QRadioButton(QtText(text::kDown), this), kIdDown, 152, y + 15, 50, 10);
    findNext_ = Place(new QPushButton(QtText(text::kFindNext), this), kIdOk, 214, 6, 56, 14);
    findNext_->setDefault(true);
    connect(findNext_, &QPushButton::clicked, this, [this] { Notify(kFrFindNext); });
    if (!findOnly) {
        replace_ = Place(new QPushButton(QtText(text::kReplace), this), kIdReplace, 214, 24, 56, 14);
        replaceAll_ = Place(new QPushButton(QtText(text::kReplaceAll), this), kIdReplaceAll, 214, 42, 56, 14);
        connect(replace_, &QPushButton::clicked, this, [this] { Notify(kFrReplace); });
        connect(replaceAll_, &QPushButton::clicked, this, [this] { Notify(kFrReplaceAll); });
    }
    auto* cancel = Place(new QPushButton(QtText(text::kCancel), this), kIdCancel, 214, findOnly ? 24 : 60, 56, 14);
    connect(cancel, &QPushButton::clicked, this, &CFindReplaceDialog::OnCancel);
    connect(findEdit_, &QLineEdit::textChanged, this, &CFindReplaceDialog::EnableButtons);
    connect(this, &CModelessDialog::closed, this, [this] {
        emit findReplaceMessage(kFrDialogTerm | (flags_ & (kFrDown | kFrMatchCase)), findWhat_, replaceWith_);
    });
}

void CFindReplaceDialog::Create(const QString& findWhat, const QString& replaceWith, unsigned flags,
                                QWidget* owner) {
    findWhat_ = findWhat;
    replaceWith_ = replaceWith;
    flags_ = flags;
    CModelessDialog::Create(owner);
}

bool CFindReplaceDialog::DoDataExchange(bool save) {
    if (!save) {
        findEdit_->setText(findWhat_);
        if (replaceEdit_) replaceEdit_->setText(replaceWith_);
        matchCase_->setChecked((flags_ & kFrMatchCase) != 0);
        ((flags_ & kFrDown) ? down_ : up_)->setChecked(true);
        EnableButtons();
        return true;
    }
    findWhat_ = findEdit_->text();
    if (replaceEdit_) replaceWith_ = replaceEdit_->text();
    flags_ &= ~unsigned{kFrMatchCase};
    if (matchCase_->isChecked()) flags_ |= kFrMatchCase;
    flags_ &= ~unsigned{kFrDown};
    if (down_->isChecked()) flags_ |= kFrDown;
    return true;
}

void CFindReplaceDialog::Notify(unsigned action) {
    DoDataExchange(true);
    flags_ = (flags_ & ~unsigned{kFrFindNext | kFrReplace | kFrReplaceAll}) | action;
    emit findReplaceMessage(flags_, findWhat_, replaceWith_);
}

void CFindReplaceDialog::EnableButtons() {
    const bool any = !findEdit_->text().isEmpty();
    for (QPushButton* button : {findNext_, replace_, replaceAll_}) {
        if (button) button->setEnabled(any);
    }
}

}  // namespace venkora
