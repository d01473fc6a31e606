#include "about/CLinkLabel.h"

#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "platform/WaitCursor.h"

namespace venkora {

namespace {

// Text colours by link state: unvisited, visited, hover.
constexpr QRgb kColours[] = {qRgb(0, 0, 255), qRgb(128, 0, 128), qRgb(255, 0, 0)};

CLinkLabel::OpenUrlSeam& InstalledSeam() {
    static CLinkLabel::OpenUrlSeam seam;
    return seam;
}

}  // namespace

CLinkLabel::CLinkLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    // Only the underline is set here; face and size stay those the label inherits.
    QFont underlined;
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    ApplyColour();
}

void CLinkLabel::SetOpenUrlSeam(OpenUrlSeam seam) { InstalledSeam() = std::move(seam); }

bool CLinkLabel::OpenLink() {
    const WaitCursor wait;
    const QUrl url = QUrl::fromUserInput(linkTarget);
    return url.isValid() && (InstalledSeam() ? InstalledSeam()(url) : QDesktopServices::openUrl(url));
}

void CLinkLabel::SetHover(bool on) {
    if (on == (linkState_ == kHover)) return;
    if (on) {
        stateBeforeHover_ = linkState_;
        linkState_ = kHover;
    } else {
        linkState_ = stateBeforeHover_;
    }
    ApplyColour();
    update();
}

void CLinkLabel::EndHover() {
    if (linkState_ != kHover) return;
    SetHover(false);
    releaseMouse();
}

void CLinkLabel::Activate() {
    const bool opened = OpenLink();
    EndHover();
    if (!opened) return;
    linkState_ = kVisited;
    ApplyColour();
    update();
}

void CLinkLabel::ApplyColour() {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(kColours[linkState_]));
    setPalette(colours);
}

void CLinkLabel::mouseMoveEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    if (inside && linkState_ != kHover) {
        grabMouse();
        SetHover(true);
    } else if (!inside) {
        EndHover();
    }
    QLabel::mouseMoveEvent(event);
}

void CLinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Activate();
    event->accept();
}

void CLinkLabel::contextMenuEvent(QContextMenuEvent* event) { event->accept(); }

void CLinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
                Activate();
                return;
            }
            break;
        default:
            break;
    }
    QLabel::keyPressEvent(event);
}

void CLinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void CLinkLabel::hideEvent(QHideEvent* event) {
    EndHover();
    QLabel::hideEvent(event);
}

void CLinkLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) EndHover();
    QLabel::changeEvent(event);
}

}  // namespace venkora
