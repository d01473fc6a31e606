#include "frame/CMainFrame.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "frame/LockKeyState.h"
#include "platform/QtText.h"
#include "resources/CommandIds.h"
#include "resources/CommandTable.h"
#include "core/ProfileStore.h"
#include "resources/SettingsSchema.h"
#include "resources/StringTable.h"

namespace venkora {

namespace {

constexpr unsigned kIndicatorIds[3] = {kIdIndicatorCaps, kIdIndicatorNum, kIdIndicatorScroll};

// A status pane as the enabling rule of its id sets it: its text, blank while disabled.
class PaneCmdUI : public CmdUI {
public:
    PaneCmdUI(unsigned id, QLabel& pane) : CmdUI(id), pane_(pane) {}
    void Enable(bool on) override {
        if (!on) SetText({});
    }
    void SetCheck(int) override {}
    void SetText(std::string_view text) override {
        const QString shown = QtText(text);
        if (pane_.text() != shown) pane_.setText(shown);
    }

private:
    QLabel& pane_;
};

// Placement values as stored: the restore-to-maximized flag and the three ways of showing.
constexpr std::uint32_t kRestoreToMaximized = 2;
constexpr std::uint32_t kShowNormal = 1;
constexpr std::uint32_t kShowMinimized = 2;
constexpr std::uint32_t kShowMaximized = 3;

// The stored normal rectangle as a widget geometry at least `minimum` large, fitted into the free
// area of the screen it stands on (or the primary screen when it stands on none), since stored
// numbers may be anything: a window never grows beyond the screen, nor lies off every screen.
QRect NormalGeometry(const WindowPlacement::Rect& r, QSize minimum) {
    const std::int64_t centerX = (std::int64_t{r.left} + r.right) / 2;
    const std::int64_t centerY = (std::int64_t{r.top} + r.bottom) / 2;
    const QScreen* screen = QGuiApplication::screenAt(QPoint(static_cast<int>(centerX), static_cast<int>(centerY)));
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect free = screen->availableGeometry();
    const WindowPlacement::Rect fitted = WindowPlacement::FitInto(
        r, {free.left(), free.top(), free.left() + free.width(), free.top() + free.height()}, minimum.width(),
        minimum.height());
    return QRect(fitted.left, fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top);
}

// The right or bottom edge for the stored placement, `start` + `length` held to 32 bits.
std::int32_t EndOf(int start, int length) {
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(std::int64_t{start} + length, kMin, kMax));
}

}  // namespace

CMainFrame::CMainFrame(ProfileStore& profile)
    : CFrameWnd(CommandRows(), QtText(StringTable::Prompt(kIdsIdleMessage))), profile_(profile) {
    BuildMenuBar(MainMenu());
    AddAccelerators();
    // The object names are no texts: the toolbar's is stored with the bar layout.
    QToolBar* toolBar = BuildToolBar(QStringLiteral("Symbolleiste"), MainToolBar());
    toolBar->setIconSize(QSize(16, 16));
    statusBar()->setObjectName(QStringLiteral("Statusleiste"));
    // The panes of the caret's place and of the line ends, wide enough for their longest texts.
    const auto pane = [this](const char* name, const QString& widest) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest) + 8);
        label->setAlignment(Qt::AlignCenter);
        statusBar()->addPermanentWidget(label);
        return label;
    };
    caretPane_ = pane("Einfuegemarke", QtText(text::kCaretPane).arg(99999).arg(9999));
    lineEndsPane_ = pane("Zeilenenden", QtText(text::kLineEndsMixed));
    for (int i = 0; i < 3; ++i) {
        const QString text = QtText(StringTable::Prompt(kIndicatorIds[i]));
        indicators_[i] = new QLabel(this);
        indicators_[i]->setObjectName(text);
        indicators_[i]->setMinimumWidth(indicators_[i]->fontMetrics().horizontalAdvance(text) + 8);
        indicators_[i]->setAlignment(Qt::AlignCenter);
        statusBar()->addPermanentWidget(indicators_[i]);
    }
    DragAcceptFiles();
    LoadBarState();
    connect(&lockPoll_, &QTimer::timeout, this, &CMainFrame::OnIdleUpdate);
    lockPoll_.start(500);
}

void CMainFrame::OnIdleUpdate() {
    PaneCmdUI caret(kIdIndicatorCaret, *caretPane_);
    router().Update(caret);
    PaneCmdUI lineEnds(kIdIndicatorLineEnds, *lineEndsPane_);
    router().Update(lineEnds);
    const std::optional<LockKeyState> locks = LockKeyState::Read();
    const bool on[3] = {locks && locks->capsLock, locks && locks->numLock, locks && locks->scrollLock};
    for (int i = 0; i < 3; ++i) {
        const QString text = on[i] ? QtText(StringTable::Prompt(kIndicatorIds[i])) : QString();
        if (indicators_[i]->text() != text) indicators_[i]->setText(text);
    }
}

// --- Help menu ------------------------------------------------------------------------------

void CMainFrame::OnInitMenu(QWidget* menu) {
    CFrameWnd::OnInitMenu(menu);
    const QString helpTitle = QtText(StringTable::Prompt(kIdsHelpMenuTitle));
    bool found = false;
    for (QAction* item : menu->actions()) {
        if (item->text() == helpTitle) {
            helpPopup_ = item->menu();
            found = true;
        }
    }
    const QString tipsText = QtText(StringTable::Prompt(kIdsTipsMenuItem));
    const auto tipsItem = [this, &tipsText] {
        QAction* action = ActionOrNew(kIdTipOfTheDay);
        action->setText(tipsText);
        return action;
    };
    if (found) {
        if (!helpPopup_) return;  // an item titled "&?" without a popup
        const QList<QAction*> items = helpPopup_->actions();
        if (!items.isEmpty() && items.front()->text() == tipsText) return;
        QAction* separator = helpPopup_->insertSeparator(items.isEmpty() ? nullptr : items.front());
        helpPopup_->insertAction(separator, tipsItem());
        return;
    }
    if (!helpPopup_) {
        helpPopup_ = new QMenu(helpTitle, this);
        helpPopup_->addAction(tipsItem());
    }
    auto* item = new QAction(helpTitle, menu);
    item->setMenu(helpPopup_.data());
    menu->addAction(item);
    menuBar()->update();
}

// --- Placement and bar layout -------------------------------------------------------------

std::optional<WindowPlacement> CMainFrame::ReadWindowPlacement() const {
    const std::string stored = profile_.ReadText(Setting(SettingId::WindowPlacement));
    if (stored.empty()) return std::nullopt;
    return WindowPlacement::Parse(stored);
}

void CMainFrame::WriteWindowPlacement(const WindowPlacement& placement) {
    profile_.WriteText(Setting(SettingId::WindowPlacement), placement.Format());
}

WindowPlacement CMainFrame::CurrentPlacement() const {
    WindowPlacement placement;
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    // A window minimized from maximized has both states; restoring it goes to the normal size.
    const bool maximizedNow = isMaximized() && !isMinimized();
    placement.flags = maximizedNow ? kRestoreToMaximized : 0;
    placement.showCmd = isMinimized()  ? kShowMinimized
                        : maximizedNow ? kShowMaximized
                                       : kShowNormal;
    placement.minPosition = {-1, -1};
    placement.maxPosition = {-1, -1};
    placement.normalPosition = {normal.x(), normal.y(), EndOf(normal.x(), normal.width()),
                                EndOf(normal.y(), normal.height())};
    return placement;
}

void CMainFrame::RestoreWindowPlacement(int showCommand) {
    const std::optional<WindowPlacement> placement = ReadWindowPlacement();
    if (!placement) {
        // The platform's default for a main window: a large one, three quarters of the free
        // area of the screen, in its middle.
        const QRect area = screen()->availableGeometry();
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, area.size() * 3 / 4, area));
        if (showCommand != 0) show();
    } else {
        setGeometry(NormalGeometry(placement->normalPosition, minimumSizeHint()));
        switch (placement->showCmd) {
            case kShowMinimized: showMinimized(); break;
            case kShowMaximized: showMaximized(); break;
            default: showNormal(); break;
        }
    }
    if (floatingBarWaits_ && isVisible()) {
        floatingBarWaits_ = false;
        toolBar_->show();
    }
}

void CMainFrame::SaveBarState() {
    const QByteArray state = saveState();
    profile_.WriteBytes(Setting(SettingId::ToolBarLayout),
                        std::string_view(state.constData(), static_cast<std::size_t>(state.size())));
    profile_.WriteInteger(Setting(SettingId::StatusBarShown), statusBar()->isHidden() ? 0 : 1);
}

void CMainFrame::LoadBarState() {
    const std::string state = profile_.ReadBytes(Setting(SettingId::ToolBarLayout));
    if (!state.empty()) restoreState(QByteArray(state.data(), static_cast<qsizetype>(state.size())));
    // A floating toolbar is a window of its own: shown before the main window, it would end up
    // beneath it. It waits until the main window is shown.
    if (toolBar_->isFloating() && !toolBar_->isHidden()) {
        toolBar_->hide();
        floatingBarWaits_ = true;
    }
    statusBar()->setHidden(profile_.ReadInteger(Setting(SettingId::StatusBarShown)) == 0);
}

bool CMainFrame::OnClose() {
    SaveBarState();
    WriteWindowPlacement(CurrentPlacement());
    return CFrameWnd::OnClose();
}

}  // namespace venkora
