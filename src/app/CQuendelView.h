#pragma once
// The main view: the edit view that fills the main window, with the program's own commands:
// optimize (with the one optimize dialog, which lives as long as the view), word wrap, visible
// blanks, tab length, display font, select all, go to line, and the print preview. Its settings live in the
// application's ViewSettings, which it keeps up to date.

#include "app/ProjectConventions.h"
#include "editview/CEditViewPlus.h"
#include "optimizer/COptimierenDlg.h"

namespace venkora {

class ProfileStore;
class ViewSettings;

class CQuendelView : public CEditViewPlus {
public:
    // `profile` and `settings` must outlive the view.
    CQuendelView(ProfileStore& profile, ViewSettings& settings, QWidget* parent = nullptr);

    // Applies the view settings read for this run: word wrap, visible blanks, tab width, font.
    void OnCreate();

    // Switches word wrap in place: nothing is re-created; the name is the design's, whose edit
    // control took a new style only by being made anew. False when it already is as asked. The
    // text, font, tab stops, limit and focus stay; the selection, the scroll position and the
    // undo history go, as with a new control; the document's modified flag is not touched.
    bool RecreateEditControl(bool wrap);

    // Follows a project's conventions for the document shown: Enter inserts the line end they
    // name, and the tab width is theirs, or the settings' when they name none.
    void FollowConventions(const ProjectConventions& conventions);
    // Brings the text to `conventions` before a save, as one undoable edit of the lines that
    // change; the caret stays on its line and the message pane names what changed. A text
    // they would take past the limit stays as it is, and the message pane says so.
    void ConformForSaving(const TextConventions& conventions);

    void OnOptimize();
    void OnToggleWordWrap();
    void OnUpdateToggleWordWrap(CmdUI& ui);
    void OnViewBlanks();
    void OnUpdateViewBlanks(CmdUI& ui);
    void OnGoToLine();
    void OnTabLength();
    void OnDisplayFont();
    void OnSelectAllText();
    void OnFilePrintPreview();
    static const Map& CommandMap();
    const Map& GetCommandMap() const override { return CommandMap(); }

    COptimierenDlg& optimizeDialog() { return optimizeDialog_; }

private:
    ViewSettings& settings_;
    COptimierenDlg optimizeDialog_;
};

}  // namespace venkora
