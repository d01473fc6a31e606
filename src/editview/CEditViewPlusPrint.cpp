// The edit view's printing: the print job's hooks lay the text out page by page with the
// display font on the printer, and the print commands run the job.

#include <QPainter>
#include <QPaintDevice>

#include <algorithm>
#include <array>

#include "editview/CEditViewPlus.h"
#include "editview/PrinterTextMeasure.h"
#include "platform/CDocument.h"
#include "platform/CPrintInfo.h"
#include "platform/CPrintJob.h"
#include "resources/CommandIds.h"

namespace venkora {

bool CEditViewPlus::OnPreparePrinting(CPrintInfo& info) { return CPrintJob::DoPreparePrinting(info); }

PrintText CEditViewPlus::TextToPrint(const char* text) const {
    return {std::string_view(text, GetTextLength()), codePage_, IsWordWrapOn(), tabStopWidth_};
}

std::string CEditViewPlus::ShownName(std::string_view bytes) const {
    // Scintilla reads a character of up to four bytes; a NUL ends it (the NUL character is
    // the empty string).
    std::array<char, 5> character{};
    std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), 4), character.begin());
    const long length = SendScintilla(SCI_GETREPRESENTATION, character.data(), static_cast<const char*>(nullptr));
    if (length <= 0) return {};
    std::string name(static_cast<std::size_t>(length), '\0');
    SendScintilla(SCI_GETREPRESENTATION, character.data(), name.data());
    return name;
}

void CEditViewPlus::OnBeginPrinting(QPaintDevice& device, CPrintInfo&) {
    pageStarts_.assign(1, 0);
    // The view's font is sized in points (SetViewFont), so it has its size on paper already.
    printMeasure_ = std::make_unique<PrinterTextMeasure>(
        font(), device, codePage_, [this](std::string_view bytes) { return ShownName(bytes); });
}

void CEditViewPlus::OnPrepareDC(QPaintDevice& device, CPrintInfo& info) {
    if (info.currentPage <= pageStarts_.size()) return;
    const PrintRect page{0, 0, device.width(), device.height()};
    const PrintText text = TextToPrint(LockText());
    const bool found = PaginateUpTo(*printMeasure_, text, pageStarts_, info.currentPage, page);
    UnlockText();
    if (!found) info.continuePrinting = false;
}

void CEditViewPlus::OnPrint(QPainter& painter, CPrintInfo& info) {
    const QRect& area = info.drawRect;
    const PrintRect page{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
    printMeasure_->SetPainter(&painter);
    const PrintText text = TextToPrint(LockText());
    PrintPage(*printMeasure_, text, pageStarts_, info.currentPage, page, LayoutPass::Draw);
    UnlockText();
    printMeasure_->SetPainter(nullptr);
}

void CEditViewPlus::OnEndPrinting(QPaintDevice&, CPrintInfo&) {
    pageStarts_.clear();
    printMeasure_.reset();
}

void CEditViewPlus::OnFilePrint(unsigned id) {
    CPrintInfo info;
    info.kind = id == kIdFilePrintDirect ? CPrintInfo::Kind::Direct : CPrintInfo::Kind::Dialog;
    info.docName = document_ ? document_->GetTitle() : QString();
    info.parent = window();
    CPrintJob::Run(*this, info);
}

}  // namespace venkora
