#include "platform/CSingleDocTemplate.h"

#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"

namespace venkora {

CSingleDocTemplate::CSingleDocTemplate(DocumentFactory makeDocument, FrameFactory makeFrame)
    : makeDocument_(std::move(makeDocument)), makeFrame_(std::move(makeFrame)) {}

CSingleDocTemplate::~CSingleDocTemplate() {
    frame_.reset();
    document_.reset();
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const QString* path) {
    const bool firstUse = !document_;
    cancelled_ = false;
    if (firstUse) {
        document_ = makeDocument_();
        frame_ = makeFrame_(*document_);
    } else if (!document_->SaveModified()) {
        cancelled_ = true;
        return nullptr;
    }
    bool ok = false;
    if (path) {
        ok = document_->OnOpenDocument(*path);
        if (ok) document_->SetPathName(*path);
    } else {
        ok = document_->OnNewDocument();
    }
    if (!ok && firstUse) {
        frame_.reset();
        document_.reset();
    }
    return ok ? document_.get() : nullptr;
}

}  // namespace venkora
