#pragma once
// The main window base: menus, accelerators and toolbar actions built from command rows (each
// action carries its command id), the routing of those commands along view, document, frame and
// application, the enabling rules asked when a menu opens and when the program falls idle, the
// message pane of the status line with its prompts, the recent files in the menu, the window
// title that follows the document ("TITLE - PROGRAM", the program being the application's name),
// and files dropped onto the window. Each time the window becomes active it has the document look
// whether its file changed.

#include <QMainWindow>

#include <map>
#include <span>

#include "core/CommandRouter.h"
#include "core/CommandRow.h"
#include "core/CommandTarget.h"

class QLabel;
class QMenu;
class QToolBar;

namespace venkora {

class CDocument;
class RecentFileList;

class CFrameWnd : public QMainWindow, public CommandTarget {
    Q_OBJECT

public:
    // `commands` (borrowed, living as long as the program) give every command its menu text,
    // keys, toolbar image, prompt and tooltip; `idleText` is the message pane's text when
    // nothing else is shown.
    CFrameWnd(std::span<const CommandRow> commands, QString idleText);
    ~CFrameWnd() override;

    // The view that fills the window (with its command target) and its document.
    void SetView(QWidget* view, CommandTarget* viewTarget, CDocument* document);
    QWidget* GetActiveView() const { return view_; }
    // The application, last on the command route, and its recent files (both borrowed).
    void SetApplication(CommandTarget* app, const RecentFileList* recentFiles);

    CommandRouter& router() { return router_; }
    // The action that stands for a command in the menus and the toolbar.
    QAction* ActionFor(unsigned id) const;

    // Shows `text` in the message pane at once, until the next prompt or idle text.
    void SetMessageText(const QString& text);
    QString MessageText() const;
    // Asks the enabling rules of the toolbar and the status panes.
    void UpdateIdle();
    // Asks the enabling rules of the items of `menu`.
    void UpdateMenu(QMenu* menu);
    void OnUpdateFrameTitle();
    // Files dragged from a file manager onto the window: the first local one opens through the
    // application once the drop is over, as the open command opens it (the save question
    // first, the recent-file list); the others are passed over. Text dropped into the view
    // stays the view's. Off until switched on.
    void DragAcceptFiles(bool accept = true) { setAcceptDrops(accept); }

    void OnViewToolbar();
    void OnUpdateViewToolbar(CmdUI& ui);
    void OnViewStatusBar();
    void OnUpdateViewStatusBar(CmdUI& ui);
    static const Map& CommandMap();
    const Map& GetCommandMap() const override { return CommandMap(); }

signals:
    // The message pane shows `text` now.
    void messageTextChanged(const QString& text);

protected:
    void BuildMenuBar(std::span<const MenuPopup> popups);
    // A shortcut of the window for every key of the command rows.
    void AddAccelerators();
    // A toolbar of the given commands (id 0 = separator) with their images and tooltips.
    QToolBar* BuildToolBar(const QString& objectName, std::span<const unsigned> ids);
    // Called before the status panes of derived frames are asked (on idle).
    virtual void OnIdleUpdate() {}
    // Called on every close request; the base asks the document about unsaved changes.
    virtual bool OnClose();
    // Called before a popup of the menu bar opens, and before the bar itself is used by keyboard,
    // with the menu bar (derived frames add items at run time).
    virtual void OnInitMenu(QWidget* menu);
    // Called when the popup `menu` is about to open, after OnInitMenu; the base shows the recent
    // files in it.
    virtual void OnInitMenuPopup(QMenu* menu);
    // The action that stands for `id`, made from its command row when there is none yet.
    QAction* ActionOrNew(unsigned id);

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    QToolBar* toolBar_ = nullptr;

private:
    // Puts the items of `popup` into `menu`, its submenus as menus of their own.
    void FillMenu(QMenu* menu, const MenuPopup& popup);
    QAction* MakeAction(unsigned id, const QString& text);
    void ScheduleIdleUpdate();
    void UpdateChain();
    void FillRecentFiles(QMenu* menu);
    // Files dragged over any part of the window, the view too (which would take them for
    // itself), are the window's: taken as a copy, the first opened when dropped. True when
    // `event` was such a drag or drop.
    bool TakeFileDrop(QObject* watched, QEvent* event);

    std::span<const CommandRow> commands_;
    QString idleText_;
    CommandRouter router_;
    QWidget* view_ = nullptr;
    CommandTarget* viewTarget_ = nullptr;
    CDocument* document_ = nullptr;
    CommandTarget* app_ = nullptr;
    const RecentFileList* recentFiles_ = nullptr;
    QLabel* messagePane_ = nullptr;
    std::map<unsigned, QAction*> actions_;
    bool idleUpdatePending_ = false;
};

}  // namespace venkora
