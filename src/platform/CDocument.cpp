#include "platform/CDocument.h"

#include <QFileInfo>

#include "core/StandardIds.h"
#include "platform/Archive.h"
#include "platform/FileNameCodec.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "platform/UserPrompts.h"
#include "resources/StringTable.h"

namespace venkora {

namespace {

QString DisplayName(const QString& path) { return FileNameCodec::ForDisplay(QFileInfo(path).fileName()); }

}  // namespace

void CDocument::SetPathName(const QString& path) {
    pathName_ = FileNameCodec::AbsolutePath(path);
    SetTitle(DisplayName(path));
}

void CDocument::SetTitle(const QString& title) {
    title_ = title;
    if (titleChanged_) titleChanged_();
}

bool CDocument::OnNewDocument() {
    pathName_.clear();
    SetTitle(QtText(text::kUntitled));
    modified_ = false;
    return true;
}

bool CDocument::OnOpenDocument(const QString& path) {
    const bool loaded = ReportFailures(
        dialogParent_, QtText(text::kCannotOpen).arg(DisplayName(path)),
        [&] { Archive::LoadFile(path, [this](Archive& archive) { Serialize(archive); }); });
    if (loaded) modified_ = false;
    return loaded;
}

bool CDocument::OnSaveDocument(const QString& path) {
    const bool saved = ReportFailures(
        dialogParent_, QtText(text::kCannotSave).arg(DisplayName(path)),
        [&] { Archive::StoreFile(path, [this](Archive& archive) { Serialize(archive); }); });
    if (saved) modified_ = false;
    return saved;
}

bool CDocument::SaveModified() {
    if (!modified_) return true;
    switch (AskSaveChanges(dialogParent_, title_)) {
        case SaveAnswer::Yes: return DoSave(pathName_);
        case SaveAnswer::No: return true;
        case SaveAnswer::Cancel: return false;
    }
    return false;
}

bool CDocument::DoSave(const QString& path) {
    QString target = path;
    if (target.isEmpty()) {
        const std::optional<QString> chosen =
            AskSaveFileName(dialogParent_, pathName_.isEmpty() ? title_ : pathName_);
        if (!chosen) return false;
        target = *chosen;
    }
    if (!OnSaveDocument(target)) return false;
    SetPathName(target);
    if (fileUsed_) fileUsed_(pathName_);
    return true;
}

void CDocument::OnFileSave() { DoSave(pathName_); }

void CDocument::OnFileSaveAs() { DoSave(QString()); }

const CommandTarget::Map& CDocument::CommandMap() {
    static constexpr Entry kEntries[] = {
        OnCommand<&CDocument::OnFileSave>(kIdFileSave),
        OnCommand<&CDocument::OnFileSaveAs>(kIdFileSaveAs),
    };
    static const Map map{&CommandTarget::CommandMap(), kEntries};
    return map;
}

}  // namespace venkora
