#include "app/CQuendelDoc.h"

#include "app/CQuendelView.h"
#include "resources/CommandIds.h"

namespace venkora {

bool CQuendelDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return false;
    view_->SetCodePage(CodePage::ForNewDocument(CEditViewPlus::LocaleIsUtf8()));
    view_->ClearText();
    return true;
}

void CQuendelDoc::Serialize(Archive& archive) { view_->SerializeRawText(archive); }

void CQuendelDoc::OnUpdateOptimize(CmdUI&) {}

const CommandTarget::Map& CQuendelDoc::CommandMap() {
    static constexpr Entry kEntries[] = {
        OnUpdate<&CQuendelDoc::OnUpdateOptimize>(kIdOptimize),
    };
    static const Map map{&CDocument::CommandMap(), kEntries};
    return map;
}

}  // namespace venkora
