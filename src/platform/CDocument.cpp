#include "platform/CDocument.h"

#include <QFileInfo>

#include <new>

#include "platform/Archive.h"
#include "core/ArchiveException.h"
#include "core/StandardIds.h"
#include "core/MemoryException.h"
#include "platform/MessageBox.h"
#include "core/UserException.h"
#include "platform/UserPrompts.h"

namespace venkora {

namespace {

// A reason ("keine Berechtigung") as the line of its own it is in a message: "Keine Berechtigung."
QString AsSentence(QString reason) {
    reason[0] = reason[0].toUpper();
    if (!reason.endsWith(QLatin1Char('.'))) reason += QLatin1Char('.');
    return reason;
}

// Runs a load or save and reports its failure in German; true when it succeeded.
bool ReportFailures(QWidget* parent, const QString& failedText, const std::function<void()>& work) {
    QString reason;
    try {
        work();
        return true;
    } catch (const UserException&) {
        return false;  // already reported
    } catch (const ArchiveException& e) {
        reason = QString::fromStdString(e.reason());
    } catch (const MemoryException&) {
        reason = QStringLiteral("nicht genug Arbeitsspeicher");
    } catch (const std::bad_alloc&) {
        reason = QStringLiteral("nicht genug Arbeitsspeicher");
    }
    ShowMessageBox(reason.isEmpty() ? failedText : failedText + QLatin1Char('\n') + AsSentence(reason),
                   parent);
    return false;
}

QString Quoted(const QString& path) {
    return QStringLiteral("„%1“").arg(QFileInfo(path).fileName());
}

}  // namespace

void CDocument::SetPathName(const QString& path) {
    pathName_ = QFileInfo(path).absoluteFilePath();
    SetTitle(QFileInfo(path).fileName());
}

void CDocument::SetTitle(const QString& title) {
    title_ = title;
    if (titleChanged_) titleChanged_();
}

bool CDocument::OnNewDocument() {
    pathName_.clear();
    SetTitle(kUntitled);
    modified_ = false;
    return true;
}

bool CDocument::OnOpenDocument(const QString& path) {
    const bool loaded = ReportFailures(
        dialogParent_, QStringLiteral("%1 kann nicht geöffnet werden.").arg(Quoted(path)),
        [&] { Archive::LoadFile(path, [this](Archive& archive) { Serialize(archive); }); });
    if (loaded) modified_ = false;
    return loaded;
}

bool CDocument::OnSaveDocument(const QString& path) {
    const bool saved = ReportFailures(
        dialogParent_, QStringLiteral("%1 kann nicht gespeichert werden.").arg(Quoted(path)),
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
