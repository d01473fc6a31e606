#pragma once
// The program's one document. It holds no data of its own: the text lives in the main view and
// the file is the text's bytes. A file whose project sets conventions in .editorconfig has the
// view follow them while it is shown, and its text brought to them before each save.

#include "app/ProjectConventions.h"
#include "platform/CDocument.h"

namespace venkora {

class CQuendelView;

class CQuendelDoc : public CDocument {
public:
    void SetView(CQuendelView* view) { view_ = view; }
    CQuendelView* GetView() const { return view_; }

    // Empties the view without marking the document modified; no project's conventions apply.
    bool OnNewDocument() override;
    // Loads the file; the view follows its project's conventions.
    bool OnOpenDocument(const QString& path) override;
    // Brings the text to the conventions of the project of `path`, then stores it; under a new
    // name, the view follows that project from now on.
    bool OnSaveDocument(const QString& path) override;
    void Serialize(Archive& archive) override;

    // The conventions the .editorconfig files of the file at `path` set; none when there are
    // none, or when one cannot be read (the message pane says which).
    ProjectConventions ConventionsFor(const QString& path) const;
    // The view follows the conventions of the project of `path` (none for an empty path).
    void FollowProjectOf(const QString& path);

    // The optimize command stays enabled, with or without text or selection.
    void OnUpdateOptimize(CmdUI& ui);
    static const Map& CommandMap();
    const Map& GetCommandMap() const override { return CommandMap(); }

private:
    CQuendelView* view_ = nullptr;
};

}  // namespace venkora
