#include "app/CQuendelDoc.h"

#include <variant>

#include "app/CQuendelView.h"
#include "platform/FileNameCodec.h"
#include "platform/QtText.h"
#include "resources/CommandIds.h"
#include "resources/StringTable.h"

namespace venkora {

bool CQuendelDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return false;
    view_->SetCodePage(CodePage::ForNewDocument(CEditViewPlus::LocaleIsUtf8()));
    view_->ClearText();
    view_->FollowConventions({});
    return true;
}

bool CQuendelDoc::OnOpenDocument(const QString& path) {
    if (!CDocument::OnOpenDocument(path)) return false;
    FollowProjectOf(path);
    return true;
}

bool CQuendelDoc::OnSaveDocument(const QString& path) {
    const ProjectConventions conventions = ConventionsFor(path);
    view_->ConformForSaving(conventions.atSave);
    const bool newName = FileNameCodec::AbsolutePath(path) != GetPathName();
    if (!CDocument::OnSaveDocument(path)) return false;
    if (newName) view_->FollowConventions(conventions);
    return true;
}

void CQuendelDoc::Serialize(Archive& archive) { view_->SerializeRawText(archive); }

void CQuendelDoc::FollowProjectOf(const QString& path) {
    view_->FollowConventions(path.isEmpty() ? ProjectConventions{} : ConventionsFor(path));
}

ProjectConventions CQuendelDoc::ConventionsFor(const QString& path) const {
    const auto found = ProjectConventions::For(FileNameCodec::Encode(FileNameCodec::AbsolutePath(path)));
    if (const auto* failure = std::get_if<EditorConfig::Failure>(&found)) {
        const QString file = FileNameCodec::ForDisplay(FileNameCodec::Decode(failure->file));
        view_->ShowMessageText(failure->notRegularFile
                                   ? QtText(text::kEditorConfigNotRegular).arg(file)
                                   : QtText(text::kEditorConfigWrong).arg(file, QString::number(failure->line)));
        return {};
    }
    return std::get<ProjectConventions>(found);
}

void CQuendelDoc::OnUpdateOptimize(CmdUI&) {}

const CommandTarget::Map& CQuendelDoc::CommandMap() {
    static constexpr Entry kEntries[] = {
        OnUpdate<&CQuendelDoc::OnUpdateOptimize>(kIdOptimize),
    };
    static const Map map{&CDocument::CommandMap(), kEntries};
    return map;
}

}  // namespace venkora
