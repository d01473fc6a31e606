#pragma once
// Ties the one document to its main window and view: creates them on first use and reuses them
// for every new or opened file, after asking about unsaved changes.

#include <QString>

#include <functional>
#include <memory>

namespace venkora {

class CDocument;
class CFrameWnd;

class CSingleDocTemplate {
public:
    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
    // Creates the main window with its view for the document and connects them.
    using FrameFactory = std::function<std::unique_ptr<CFrameWnd>(CDocument& document)>;

    CSingleDocTemplate(DocumentFactory makeDocument, FrameFactory makeFrame);
    ~CSingleDocTemplate();

    // A new empty document when `path` is null, else the file at `path`. Returns the document,
    // or nullptr when the user cancelled or the file could not be loaded; a failure on first
    // use leaves no window behind.
    CDocument* OpenDocumentFile(const QString* path);
    // Whether the last OpenDocumentFile stopped because the user cancelled the save question.
    bool WasCancelled() const { return cancelled_; }

    CDocument* document() const { return document_.get(); }
    CFrameWnd* frame() const { return frame_.get(); }

private:
    DocumentFactory makeDocument_;
    FrameFactory makeFrame_;
    std::unique_ptr<CDocument> document_;  // declared first: the frame and its view go first
    std::unique_ptr<CFrameWnd> frame_;
    bool cancelled_ = false;
};

}  // namespace venkora
