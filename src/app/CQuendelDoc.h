#pragma once
// The program's one document. It holds no data of its own: the text lives in the main view and
// the file is the text's bytes.

#include "platform/CDocument.h"

namespace venkora {

class CQuendelView;

class CQuendelDoc : public CDocument {
public:
    void SetView(CQuendelView* view) { view_ = view; }
    CQuendelView* GetView() const { return view_; }

    // Empties the view without marking the document modified.
    bool OnNewDocument() override;
    void Serialize(Archive& archive) override;

    // The optimize command stays enabled, with or without text or selection.
    void OnUpdateOptimize(CmdUI& ui);
    static const Map& CommandMap();
    const Map& GetCommandMap() const override { return CommandMap(); }

private:
    CQuendelView* view_ = nullptr;
};

}  // namespace venkora
