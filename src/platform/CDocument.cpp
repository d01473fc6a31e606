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

void CDocument::SetModifiedFlag(bool modified) {
    if (modified == modified_) return;
    modified_ = modified;
    if (modifiedChanged_) modifiedChanged_();
}

bool CDocument::OnNewDocument() {
    pathName_.clear();
    SetTitle(QtText(text::kUntitled));
    SetModifiedFlag(false);
    RememberFile(std::nullopt);
    return true;
}

bool CDocument::OnOpenDocument(const QString& path) {
    // Taken before loading, so that a change while loading shows as a change afterwards.
    const std::optional<FileIdentity> identity = FileIdentity::Of(FileNameCodec::Encode(path));
    const bool loaded = ReportFailures(
        dialogParent_, QtText(text::kCannotOpen).arg(DisplayName(path)),
        [&] { Archive::LoadFile(path, [this](Archive& archive) { Serialize(archive); }); });
    if (loaded) {
        SetModifiedFlag(false);
        RememberFile(identity);
    }
    return loaded;
}

bool CDocument::OnSaveDocument(const QString& path) {
    const bool saved = ReportFailures(
        dialogParent_, QtText(text::kCannotSave).arg(DisplayName(path)),
        [&] { Archive::StoreFile(path, [this](Archive& archive) { Serialize(archive); }); });
    if (saved) {
        SetModifiedFlag(false);
        RememberFile(FileIdentity::Of(FileNameCodec::Encode(path)));
    }
    return saved;
}

void CDocument::ContinueUnsaved(const QString& path, const std::optional<FileIdentity>& identity) {
    if (path.isEmpty()) {
        pathName_.clear();
        SetTitle(QtText(text::kUntitled));
    } else {
        SetPathName(path);
    }
    RememberFile(identity);
    SetModifiedFlag(true);
}

std::optional<FileIdentity> CDocument::ChangedFileOnDisk() const {
    if (pathName_.isEmpty()) return std::nullopt;
    const std::optional<FileIdentity> now = FileIdentity::Of(FileNameCodec::Encode(pathName_));
    if (!now || now == fileIdentity_) return std::nullopt;
    return now;
}

void CDocument::RememberFile(const std::optional<FileIdentity>& identity) {
    fileIdentity_ = identity;
    declinedIdentity_.reset();
}

void CDocument::CheckFileChangedElsewhere() {
    if (askingAboutChange_) return;
    const std::optional<FileIdentity> now = ChangedFileOnDisk();
    if (!now || now == declinedIdentity_) return;
    askingAboutChange_ = true;
    const ChangedFileQuestion question =
        modified_ ? ChangedFileQuestion::ReloadLosingChanges : ChangedFileQuestion::Reload;
    // Through the normal load; one that fails (reported) is not offered again for this change.
    const bool reloaded = AskAboutChangedFile(dialogParent_, question, title_) && OnOpenDocument(pathName_);
    askingAboutChange_ = false;
    if (!reloaded) declinedIdentity_ = now;
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
    if (FileNameCodec::AbsolutePath(target) == pathName_ && ChangedFileOnDisk()) {
        askingAboutChange_ = true;
        const bool saveAnyway = AskAboutChangedFile(dialogParent_, ChangedFileQuestion::SaveAnyway, title_);
        askingAboutChange_ = false;
        if (!saveAnyway) return false;
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
