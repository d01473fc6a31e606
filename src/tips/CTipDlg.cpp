#include "tips/CTipDlg.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/CodePage.h"
#include "core/ProfileStore.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "resources/CommandIds.h"
#include "resources/SettingsSchema.h"
#include "resources/StringTable.h"

namespace venkora {

namespace {

// The bulb beside the heading, in pixels.
constexpr QSize kBulbSize(40, 53);

QString Text(unsigned id) { return QtText(StringTable::Prompt(id)); }

// A tip as read: UTF-8 when its bytes are valid UTF-8 apart from the characters split at its
// ends, each of which then shows as one replacement character; else Windows-1252.
QString DecodeTip(const TipsFile::Result& read) {
    const std::string_view whole = std::string_view(read.tip).substr(
        read.splitAtStart, read.tip.size() - read.splitAtStart - read.splitAtEnd);
    if (!CodePage::IsValidUtf8(whole)) return QtText(CodePage(CodePage::Kind::Windows1252).Decode(read.tip));
    QString text = QtText(whole);
    if (read.splitAtStart > 0) text.prepend(QChar::ReplacementCharacter);
    if (read.splitAtEnd > 0) text.append(QChar::ReplacementCharacter);
    return text;
}

}  // namespace

CTipDlg::CTipDlg(const QString& tipsPath)
    : CDialog(QtText(text::kTipsTitle), 275, 174), tipsPath_(tipsPath) {
    // In template order, which is the tab order.
    auto* frame = Place(new QFrame(this), 0, 12, 11, 251, 134);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette black = frame->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    frame->setPalette(black);
    tip_ = Place(new QLabel(this), kIdTip, 28, 63, 177, 60);
    tip_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tip_->setTextFormat(Qt::PlainText);  // a tip that looks like HTML is still shown as it stands
    tip_->setWordWrap(true);
    tip_->setAutoFillBackground(true);
    QPalette white = tip_->palette();
    white.setColor(QPalette::Window, Qt::white);
    tip_->setPalette(white);
    startup_ = Place(new QCheckBox(QtText(text::kTipsAtStartup), this), kIdStartup, 13, 152, 110, 10);
    // As with a static text, "&" in a tip underlines the next letter, whose key then moves the
    // focus to the control that follows, and "&&" shows one "&".
    tip_->setBuddy(startup_);
    nextTip_ = Place(new QPushButton(QtText(text::kNextTip), this), kIdNextTip, 157, 152, 52, 14);
    auto* close = Place(new QPushButton(QtText(text::kClose), this), kIdOk, 216, 152, 50, 14);
    close->setDefault(true);
    panel_ = Place(new QWidget(this), kIdPanel, 20, 17, 190, 111);
    panel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    panel_->lower();
    connect(nextTip_, &QPushButton::clicked, this, &CTipDlg::OnNextTip);
    connect(close, &QPushButton::clicked, this, [this] { OnOK(); });
}

void CTipDlg::LoadTipState(ProfileStore& profile) {
    showAtStartup = profile.ReadInteger(Setting(SettingId::TipStartUp)) == 0;
    auto position = static_cast<std::uint32_t>(profile.ReadInteger(Setting(SettingId::TipFilePos)));
    std::variant<TipsFile, FileFailure> opened = TipsFile::Open(QFile::encodeName(tipsPath_).toStdString());
    if (!std::holds_alternative<TipsFile>(opened)) {
        tipText = Text(kIdsTipsFileMissing);
        return;
    }
    tipsFile_.emplace(std::move(std::get<TipsFile>(opened)));
    // A file put in the place of the old one starts again at its first tip.
    const StoredSetting& timeStamp = Setting(SettingId::TipTimeStamp);
    if (profile.ReadText(timeStamp) != tipsFile_->timeStamp()) {
        profile.WriteText(timeStamp, tipsFile_->timeStamp());
        position = 0;
    }
    if (tipsFile_->Seek(position)) {
        ReadNextTip(tipText);
    } else {
        ShowMessageBox(Text(kIdsTipsFileReadError));
    }
}

void CTipDlg::SaveTipState(ProfileStore& profile) const {
    if (result() == Accepted) profile.WriteInteger(Setting(SettingId::TipStartUp), showAtStartup ? 0 : 1);
    if (!tipsFile_) return;
    const std::uint64_t position = std::min<std::uint64_t>(tipsFile_->position(),
                                                           std::numeric_limits<std::uint32_t>::max());
    profile.WriteInteger(Setting(SettingId::TipFilePos), static_cast<std::int32_t>(position));
}

QString CTipDlg::GetModuleDirectory() { return QCoreApplication::applicationDirPath() + QLatin1Char('/'); }

QString CTipDlg::TipsFilePath() {
    const QString beside = GetModuleDirectory() + QStringLiteral("tips.txt");
    if (QFileInfo(beside).isFile()) return beside;
    const QString installed =
        QDir::cleanPath(GetModuleDirectory() + QStringLiteral(VENKORA_TIPS_DIR_FROM_BINDIR "/tips.txt"));
    return QFileInfo(installed).isFile() ? installed : beside;
}

void CTipDlg::ReadNextTip(QString& target) {
    TipsFile::Result result = tipsFile_->ReadNextTip();
    switch (result.status) {
        case TipsFile::Status::Tip:
            target = DecodeTip(result);
            return;
        case TipsFile::Status::SeekFailed:
            ShowMessageBox(Text(kIdsTipsFileReadError), isVisible() ? this : nullptr);
            TreatAsMissing(target);
            return;
        case TipsFile::Status::NoTip:
            TreatAsMissing(target);
            return;
    }
}

void CTipDlg::TreatAsMissing(QString& target) {
    // Reading on would never end; like a missing file, nothing more is read or stored.
    tipsFile_.reset();
    target = Text(kIdsTipsFileMissing);
}

bool CTipDlg::DoDataExchange(bool save) {
    if (save) {
        showAtStartup = startup_->isChecked();
    } else {
        startup_->setChecked(showAtStartup);
        tip_->setText(tipText);
    }
    return true;
}

void CTipDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    nextTip_->setEnabled(tipsFile_.has_value());
}

void CTipDlg::OnNextTip() {
    ReadNextTip(tipText);
    // Every control again from the fields: a change of the check box since the dialog opened
    // is undone.
    DoDataExchange(false);
    nextTip_->setEnabled(tipsFile_.has_value());
}

void CTipDlg::paintEvent(QPaintEvent* event) {
    CDialog::paintEvent(event);
    QPainter painter(this);
    const QRect panel = panel_->geometry();
    painter.fillRect(panel, Qt::white);
    const qreal ratio = devicePixelRatioF();
    if (bulb_.isNull() || bulb_.devicePixelRatio() != ratio) {
        bulb_ = QIcon(QStringLiteral(":/bitmaps/bulb.svg")).pixmap(kBulbSize, ratio);
    }
    painter.setClipRect(panel);
    painter.drawPixmap(panel.topLeft(), bulb_);
    const QRect heading(panel.left() + kBulbSize.width(), panel.top(),
                        panel.width() - kBulbSize.width(), kBulbSize.height());
    painter.drawText(heading, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, Text(kIdsTipHeading));
}

}  // namespace venkora
