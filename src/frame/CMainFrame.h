#pragma once
// The program's main window: menu bar, accelerators, toolbar and status line with the lock
// indicators; it keeps its placement (SettingId::WindowPlacement) and the layout of its bars
// (ToolBarLayout, StatusBarShown), both written at every close request, and puts the tips item
// at the top of the help menu "&?" whenever a menu is about to be used.

#include <QPointer>
#include <QTimer>

#include <optional>

#include "platform/CFrameWnd.h"
#include "core/WindowPlacement.h"

class QLabel;
class QMenu;

namespace venkora {

class ProfileStore;

class CMainFrame : public CFrameWnd {
    Q_OBJECT

public:
    explicit CMainFrame(ProfileStore& profile);

    // Shows the window with the stored placement, or with `showCommand` (5 = show normally)
    // when none is stored.
    void RestoreWindowPlacement(int showCommand);
    std::optional<WindowPlacement> ReadWindowPlacement() const;
    void WriteWindowPlacement(const WindowPlacement& placement);
    // The placement of the window as it is now.
    WindowPlacement CurrentPlacement() const;

    // The lock indicators: "UF", "NUM", "RF" while Caps, Num and Scroll Lock are on.
    QLabel* indicator(int index) const { return indicators_[index]; }
    // The pane in front of them that shows the document's line ends, as the view says.
    QLabel* lineEndsPane() const { return lineEndsPane_; }
    // The pane in front of that one: the caret's line and column ("Z 12, Sp 5").
    QLabel* caretPane() const { return caretPane_; }

    // Makes sure that the popup titled "&?" in `menu` (a menu bar or a popup; the last one so
    // titled) begins with "Ti&ps und Tricks..." (command 104) and a separator. A menu without
    // such a popup gets one appended that holds the tips item.
    void OnInitMenu(QWidget* menu) override;

protected:
    bool OnClose() override;
    void OnIdleUpdate() override;

private:
    void SaveBarState();
    void LoadBarState();

    ProfileStore& profile_;
    QLabel* caretPane_ = nullptr;
    QLabel* lineEndsPane_ = nullptr;
    QLabel* indicators_[3] = {};
    QTimer lockPoll_;
    // The help popup found last, or the one made for a menu without one (owned by the frame).
    QPointer<QMenu> helpPopup_;
    bool floatingBarWaits_ = false;  // the floating toolbar is shown with the main window
};

}  // namespace venkora
