#include "app/RecoveryKeeper.h"

#include <QDateTime>

#include "editview/CEditViewPlus.h"
#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/FileNameCodec.h"
#include "platform/QtText.h"
#include "resources/StringTable.h"

namespace venkora {

void RecoveryKeeper::Watch(CDocument& document, CEditViewPlus& view) {
    document_ = &document;
    view_ = &view;
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMilliseconds);
    longest_.setSingleShot(true);
    longest_.setInterval(kLongestMilliseconds);
    connect(&quiet_, &QTimer::timeout, this, &RecoveryKeeper::WriteNow);
    connect(&longest_, &QTimer::timeout, this, &RecoveryKeeper::WriteNow);
    connect(&view, &QsciScintilla::textChanged, this, &RecoveryKeeper::OnChanged);
    document.SetModifiedChangedHandler([this] { OnModifiedChanged(); });
}

void RecoveryKeeper::OnChanged() {
    if (!document_ || !document_->IsModified()) return;
    quiet_.start();
    if (!longest_.isActive()) longest_.start();
}

void RecoveryKeeper::OnModifiedChanged() {
    if (document_->IsModified()) return OnChanged();
    quiet_.stop();
    longest_.stop();
    failureShown_ = false;
    folder_.RemoveOwn();
}

bool RecoveryKeeper::WriteNow() {
    quiet_.stop();
    longest_.stop();
    if (!document_ || !view_) return true;
    if (!document_->IsModified()) {
        folder_.RemoveOwn();
        return true;
    }
    RecoveryFile file;
    file.path = FileNameCodec::Encode(document_->GetPathName());
    file.codePage = view_->codePage().kind();
    file.identity = document_->fileIdentity();
    file.process = ProcessIdentity::Current();
    file.written = QDateTime::currentSecsSinceEpoch();
    file.text.assign(view_->LockText(), view_->GetTextLength());
    view_->UnlockText();
    const std::optional<FileFailure> failure = folder_.Write(file);
    if (!failure) {
        failureShown_ = false;
        return true;
    }
    longest_.start();  // tried again later
    if (failureShown_) return false;
    failureShown_ = true;
    if (auto* frame = qobject_cast<CFrameWnd*>(view_->window())) {
        frame->SetMessageText(QtText(text::kRecoveryWriteFailed).arg(QtText(failure->text())));
    }
    return false;
}

void RecoveryKeeper::Discard() {
    quiet_.stop();
    longest_.stop();
    folder_.RemoveOwn();
}

std::string RecoveryKeeper::Listing(const RecoveryFolder& folder) {
    QString listing;
    for (const RecoveryFolder::Entry& entry : folder.Entries()) {
        QString document = QtText(text::kUntitled);
        QString when = QStringLiteral("?");
        std::size_t size = 0;
        std::string_view state = text::kRecoveryDamagedState;
        if (entry.file) {
            const RecoveryFile& file = *entry.file;
            if (!file.path.empty()) document = FileNameCodec::ForDisplay(FileNameCodec::Decode(file.path));
            when = WrittenAt(file.written);
            size = file.text.size();
            state = entry.declined ? text::kRecoveryDeclined : file.process.StillRuns() ? text::kRecoveryRunning : "";
        }
        listing += QtText(text::kRecoveryLine).arg(document, when, QString::number(size), QtText(state));
    }
    const QString place = FileNameCodec::ForDisplay(FileNameCodec::Decode(folder.path()));
    if (listing.isEmpty()) return QtText(text::kRecoveryNone).arg(place).toStdString();
    return (QtText(text::kRecoveryFolder).arg(place) + listing).toStdString();
}

QString RecoveryKeeper::WrittenAt(std::int64_t seconds) {
    return QDateTime::fromSecsSinceEpoch(seconds).toString(QtText(text::kRestoreTime));
}

}  // namespace venkora
