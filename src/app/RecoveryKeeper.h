#pragma once
// Keeps the unsaved text of the document safe against a crash, a kill, a power cut or a logout.
// While the document has unsaved changes, its whole text goes into its recovery file (see
// core/RecoveryFolder) 2 seconds after the last change, and at least every 30 seconds while the
// changes go on; when it has none any more (saved, new, loaded), the file goes. A failed write is
// said once in the status line and tried again later; editing goes on.

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <string>

#include "core/RecoveryFolder.h"

namespace venkora {

class CDocument;
class CEditViewPlus;

class RecoveryKeeper : public QObject {
    Q_OBJECT

public:
    static constexpr int kQuietMilliseconds = 2000;
    static constexpr int kLongestMilliseconds = 30000;

    explicit RecoveryKeeper(RecoveryFolder folder) : folder_(std::move(folder)) {}

    // The document and its view to keep (both outlive the keeper's use of them).
    void Watch(CDocument& document, CEditViewPlus& view);
    // Writes the file at once when there are unsaved changes (a termination signal), else
    // removes it; false when the text could not be written.
    bool WriteNow();
    // The file goes (the run ends normally, or the unsaved text was given up).
    void Discard();

    const RecoveryFolder& folder() const { return folder_; }

    // The recovery files of the folder, one line each (document, when, size, state), for
    // "venkora --wiederherstellen".
    static std::string Listing(const RecoveryFolder& folder);
    // When a recovery file was written, as its list and the question to restore it show it.
    static QString WrittenAt(std::int64_t seconds);

private:
    void OnChanged();
    void OnModifiedChanged();

    RecoveryFolder folder_;
    CDocument* document_ = nullptr;
    CEditViewPlus* view_ = nullptr;
    QTimer quiet_;    // since the last change
    QTimer longest_;  // since the first change not yet written
    bool failureShown_ = false;
};

}  // namespace venkora
