#include "optimizer/COptimierenDlg.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <string_view>

#include "optimizer/OptimizeOptionKey.h"
#include "core/CodePage.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "core/ProfileStore.h"
#include "resources/StringTable.h"

namespace venkora {

namespace {

// The stored user string for the edit control: UTF-8, and each byte that starts no valid
// sequence as the Latin-1 character of that byte.
QString DecodeUtf8OrLatin1(std::string_view bytes) {
    const CodePage utf8(CodePage::Kind::Utf8);
    QString text;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t next = utf8.Next(bytes, pos);
        const std::string_view character = bytes.substr(pos, next - pos);
        if (character.size() == 1) {
            text += QChar(static_cast<unsigned char>(character.front()));
        } else {
            text += QtText(character);
        }
        pos = next;
    }
    return text;
}

// A check box carries 0 or 1; every other stored value shows as checked.
void Exchange(bool save, QCheckBox* box, std::int32_t& field) {
    if (save) {
        field = box->isChecked() ? 1 : 0;
    } else {
        box->setChecked(field != 0);
    }
}

// A radio group carries the index of its checked button, -1 when none is; other stored values
// show no button checked.
void Exchange(bool save, QButtonGroup* group, std::int32_t& field) {
    if (save) {
        field = group->checkedId();
    } else if (QAbstractButton* button = group->button(field)) {
        button->setChecked(true);
    } else {
        group->setExclusive(false);
        for (QAbstractButton* each : group->buttons()) each->setChecked(false);
        group->setExclusive(true);
    }
}

}  // namespace

COptimierenDlg::COptimierenDlg(ProfileStore& profile)
    : CDialog(QtText(text::kOptimizeTitle), 184, 241), profile_(profile) {
    // Created in tab order.
    auto* ok = Place(new QPushButton(QtText(text::kOk), this), kIdOk, 66, 220, 50, 14);
    auto* cancel = Place(new QPushButton(QtText(text::kCancel), this), kIdCancel, 127, 220, 50, 14);
    ok->setDefault(true);
    const auto check = [this](std::string_view caption, int id, int x, int y, int w, int h) {
        return Place(new QCheckBox(QtText(caption), this), id, x, y, w, h);
    };
    const auto group = [this](std::initializer_list<QAbstractButton*> buttons) {
        auto* radios = new QButtonGroup(this);
        int index = 0;
        for (QAbstractButton* button : buttons) radios->addButton(button, index++);
        return radios;
    };
    const auto radio = [this](std::string_view caption, int id, int x, int y, int w, int h) {
        return Place(new QRadioButton(QtText(caption), this), id, x, y, w, h);
    };
    leerz_ = check(text::kOptimizeSpaces, kIdLeerz, 14, 22, 55, 10);
    leerzEnde_ = check(text::kOptimizeAtLineEnd, kIdLeerzEnde, 88, 22, 63, 10);
    leerzAnf_ = check(text::kOptimizeAtLineStart, kIdLeerzAnf, 88, 34, 69, 10);
    tab_ = check(text::kOptimizeTabs, kIdTab, 14, 49, 54, 10);
    tabEnde_ = check(text::kOptimizeAtLineEnd, kIdTabEnde, 88, 49, 63, 10);
    tabAnf_ = check(text::kOptimizeAtLineStart, kIdTabAnf, 88, 60, 69, 10);
    zeilenumbruch_ = check(text::kOptimizeLineBreaks, kIdZeilenumbruch, 14, 76, 67, 10);
    auto* alle = radio(text::kOptimizeAllBreaks, kIdAlle, 88, 76, 27, 10);
    auto* nurLeerzeilen = radio(text::kOptimizeEmptyLinesOnly, kIdNurLeerzeilen, 88, 87, 60, 10);
    nurLeerzeilen_ = group({alle, nurLeerzeilen});
    bendef_ = check(text::kOptimizeUserDefined, kIdBendef, 14, 98, 69, 10);
    bendefZeichen_ = Place(new QLineEdit(this), kIdBendefZeichen, 45, 111, 34, 14);
    bendefEnde_ = check(text::kOptimizeAtLineEnd, kIdBendefEnde, 88, 108, 63, 10);
    bendefAnf_ = check(text::kOptimizeAtLineStart, kIdBendefAnf, 88, 118, 69, 10);
    bereich_ = group({radio(text::kOptimizeSelection, kIdMarkierung, 14, 196, 51, 10),
                      radio(text::kOptimizeWholeDocument, kIdGesamtesDokument, 88, 196, 81, 10)});
    // The frames lie beneath the controls they surround.
    Place(new QGroupBox(QtText(text::kOptimizeRange), this), 0, 7, 185, 170, 29)->lower();
    Place(new QGroupBox(QtText(text::kOptimizeDelete), this), 0, 7, 7, 170, 125)->lower();
    Place(new QLabel(QtText(text::kOptimizeCharacter), this), 0, 14, 114, 29, 8);
    Place(new QGroupBox(QtText(text::kOptimizeConvert), this), 0, 7, 134, 170, 48)->lower();
    Place(new QLabel(QtText(text::kOptimizeWidth), this), 0, 137, 145, 19, 8);
    tabbreite_ = Place(new QLineEdit(this), kIdTabbreite, 137, 156, 26, 12);
    leerzZuTab_ = check(text::kOptimizeSpacesToTabs, kIdLeerzZuTab, 14, 156, 104, 10);
    tabZuLeerz_ = check(text::kOptimizeTabsToSpaces, kIdTabZuLeerz, 14, 144, 104, 10);
    loescheUeberz_ = check(text::kOptimizeSurplus, kIdLoescheUeberz, 24, 168, 80, 10);

    masters_ = {{
        {&OptimizeOptions::leerz, {leerzAnf_, leerzEnde_}},
        {&OptimizeOptions::bendef, {bendefAnf_, bendefZeichen_, bendefEnde_}},
        {&OptimizeOptions::tab, {tabAnf_, tabEnde_}},
        {&OptimizeOptions::zeilenumbruch, {alle, nurLeerzeilen}},
        {&OptimizeOptions::leerzZuTab, {loescheUeberz_}},
    }};
    const std::array<QCheckBox*, 4> clickedMasters{leerz_, bendef_, tab_, zeilenumbruch_};
    for (std::size_t i = 0; i < clickedMasters.size(); ++i) {
        connect(clickedMasters[i], &QCheckBox::clicked, this, [this, i] { OnMasterClicked(masters_[i]); });
    }
    connect(tabZuLeerz_, &QCheckBox::clicked, this, [this] {
        OnConversionClicked(&OptimizeOptions::tabZuLeerz, &OptimizeOptions::leerzZuTab);
    });
    connect(leerzZuTab_, &QCheckBox::clicked, this, [this] {
        OnConversionClicked(&OptimizeOptions::leerzZuTab, &OptimizeOptions::tabZuLeerz);
    });
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, &COptimierenDlg::OnCancel);
}

bool COptimierenDlg::DoDataExchange(bool save) {
    OptimizeOptions& o = options_;
    if (save) {
        const QByteArray utf8 = bendefZeichen_->text().toUtf8();
        o.bendefZeichen.assign(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    } else {
        bendefZeichen_->setText(DecodeUtf8OrLatin1(o.bendefZeichen));
    }
    Exchange(save, bendefAnf_, o.bendefAnf);
    Exchange(save, bendefEnde_, o.bendefEnde);
    Exchange(save, bendef_, o.bendef);
    Exchange(save, leerzAnf_, o.leerzAnf);
    Exchange(save, leerzEnde_, o.leerzEnde);
    Exchange(save, leerz_, o.leerz);
    Exchange(save, bereich_, o.bereich);
    Exchange(save, tabAnf_, o.tabAnf);
    Exchange(save, tab_, o.tab);
    Exchange(save, tabEnde_, o.tabEnde);
    Exchange(save, zeilenumbruch_, o.zeilenumbruch);
    Exchange(save, nurLeerzeilen_, o.nurLeerzeilen);
    Exchange(save, leerzZuTab_, o.leerzZuTab);
    if (save) {
        const std::optional<std::uint32_t> width = ReadUnsigned(tabbreite_, 0, 255);
        if (!width) return false;
        o.tabbreite = static_cast<std::uint8_t>(*width);
    } else {
        tabbreite_->setText(QString::number(o.tabbreite));
    }
    Exchange(save, tabZuLeerz_, o.tabZuLeerz);
    Exchange(save, loescheUeberz_, o.loescheUeberz);
    return true;
}

void COptimierenDlg::OnInitDialog() {
    LoadOptimizeOptions(profile_, options_);
    for (const Master& master : masters_) EnableDependents(master);
    CDialog::OnInitDialog();
}

void COptimierenDlg::EnableDependents(const Master& master) {
    for (QWidget* control : master.dependents) control->setEnabled(options_.*master.field != 0);
}

void COptimierenDlg::OnMasterClicked(const Master& master) {
    DoDataExchange(true);
    EnableDependents(master);
}

void COptimierenDlg::OnConversionClicked(std::int32_t OptimizeOptions::*clicked,
                                         std::int32_t OptimizeOptions::*other) {
    DoDataExchange(true);
    if (options_.*clicked != 0) options_.*other = 0;
    EnableDependents(masters_.back());
    DoDataExchange(false);
}

QString COptimierenDlg::FirstFailedCheck() const {
    const OptimizeOptions& o = options_;
    if (o.leerz != 0 && o.leerzAnf == 0 && o.leerzEnde == 0) {
        return QtText(text::kOptimizeNoSideForSpaces);
    }
    if (o.tab != 0 && o.tabAnf == 0 && o.tabEnde == 0) {
        return QtText(text::kOptimizeNoSideForTabs);
    }
    if (o.bendef != 0 && o.bendefAnf == 0 && o.bendefEnde == 0) {
        return QtText(text::kOptimizeNoSideForUserDefined);
    }
    if (o.bendef != 0 && o.bendefZeichen.empty()) {
        return QtText(text::kOptimizeNoCharacter);
    }
    return {};
}

bool COptimierenDlg::OnOK() {
    if (!DoDataExchange(true)) return false;
    if (const QString message = FirstFailedCheck(); !message.isEmpty()) {
        ShowMessageBox(message, this);
        return false;
    }
    StoreOptimizeOptions(profile_, options_);
    return CDialog::OnOK();
}

}  // namespace venkora
