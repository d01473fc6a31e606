#include "platform/CDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>

#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "resources/StringTable.h"

namespace venkora {

namespace {

CDialog::ModalSeam& InstalledModalSeam() {
    static CDialog::ModalSeam seam;
    return seam;
}

// The letters whose mean width is a font's average character width.
QString AverageWidthLetters() { return QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"); }

// value × numerator / denominator rounded to the nearest integer (halves away from zero).
int MulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

CDialog::CDialog(const QString& caption, int width, int height)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    // The layout is computed once; a parent with another font must not change it later.
    setFont(QApplication::font(this));
    const QFontMetrics metrics(font());
    lettersWidth_ = metrics.horizontalAdvance(AverageWidthLetters());
    charHeight_ = metrics.height();
    setWindowTitle(caption);
    setFixedSize(MapDialogRect(0, 0, width, height).size());
}

double CDialog::AverageCharWidth(const QFontMetricsF& metrics) {
    return metrics.horizontalAdvance(AverageWidthLetters()) / 52.0;
}

int CDialog::DoModal(QWidget* parent) {
    setParent(parent, windowFlags());
    setResult(Rejected);
    OnInitDialog();
    // A copy, so a seam may replace itself while it answers.
    const ModalSeam seam = InstalledModalSeam();
    const int result = seam ? seam(*this) : exec();
    setParent(nullptr, windowFlags());
    return result;
}

void CDialog::SetModalSeam(ModalSeam seam) { InstalledModalSeam() = std::move(seam); }

bool CDialog::OnOK() {
    if (!DoDataExchange(true)) return false;
    accept();
    return true;
}

void CDialog::OnInitDialog() {
    DoDataExchange(false);
    if (radioGroups_.isEmpty()) WatchRadioGroups();
    for (const QList<QAbstractButton*>& group : radioGroups_) SetRadioTabStop(group);
    for (QWidget* control = nextInFocusChain(); control != this; control = control->nextInFocusChain()) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isEnabled()) {
            control->setFocus(Qt::TabFocusReason);
            break;
        }
    }
}

void CDialog::WatchRadioGroups() {
    // Button groups, and radio buttons that exclude their siblings without one.
    for (const QButtonGroup* buttonGroup : findChildren<QButtonGroup*>()) {
        if (buttonGroup->exclusive()) radioGroups_ << buttonGroup->buttons();
    }
    QMap<QObject*, QList<QAbstractButton*>> siblings;
    for (QRadioButton* radio : findChildren<QRadioButton*>()) {
        if (!radio->group() && radio->autoExclusive()) siblings[radio->parent()] << radio;
    }
    for (const QList<QAbstractButton*>& group : siblings) radioGroups_ << group;
    for (const QList<QAbstractButton*>& group : radioGroups_) {
        for (QAbstractButton* button : group) {
            connect(button, &QAbstractButton::toggled, this, [group] { SetRadioTabStop(group); });
        }
    }
}

void CDialog::SetRadioTabStop(const QList<QAbstractButton*>& group) {
    if (group.isEmpty()) return;
    QAbstractButton* stop = group.front();
    for (QAbstractButton* button : group) {
        if (button->isChecked()) stop = button;
    }
    for (QAbstractButton* button : group) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(button == stop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                              : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

QRect CDialog::MapDialogRect(int x, int y, int width, int height) const {
    // A horizontal unit is a quarter of lettersWidth_ / 52.
    const int left = MulDiv(x, lettersWidth_, 52 * 4);
    const int top = MulDiv(y, charHeight_, 8);
    return QRect(left, top, MulDiv(x + width, lettersWidth_, 52 * 4) - left,
                 MulDiv(y + height, charHeight_, 8) - top);
}

std::optional<std::uint32_t> CDialog::ReadUnsigned(QLineEdit* edit, std::uint32_t min,
                                                   std::uint32_t max) {
    const QString text = edit->text().trimmed();
    std::uint64_t value = 0;
    bool valid = !text.isEmpty();
    for (const QChar c : text) {
        if (c < u'0' || c > u'9' || value > max) {
            valid = false;
            break;
        }
        value = value * 10 + static_cast<std::uint64_t>(c.unicode() - u'0');
    }
    if (valid && value >= min && value <= max) return static_cast<std::uint32_t>(value);
    ShowMessageBox(QtText(text::kEnterWholeNumber).arg(min).arg(max), this);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    return std::nullopt;
}

}  // namespace venkora
