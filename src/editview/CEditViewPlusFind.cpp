// The edit view's find and replace: the commands that open the modeless dialog, its
// notifications, and the searches and replacements over the text's bytes.

#include <algorithm>

#include "editview/CEditViewPlus.h"
#include "editview/TextSearch.h"
#include "platform/CFindReplaceDialog.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "platform/WaitCursor.h"
#include "resources/StringTable.h"

namespace venkora {

void CEditViewPlus::OnUpdateEditRepeat(CmdUI& ui) {
    ui.Enable(GetTextLength() > 0 && !findState_->last.find.empty());
}

void CEditViewPlus::OpenFindReplaceDialog(bool findOnly) {
    FindReplaceState& state = *findState_;
    if (state.dialog && state.findOnly == findOnly) {
        state.dialog->show();
        state.dialog->activateWindow();
        return;
    }
    // The closing dialog's notification clears the reference.
    if (state.dialog) state.dialog->OnCancel();
    const std::string selected = GetSelectedText();
    const std::string findWhat = selected.empty() ? state.last.find : codePage_.Decode(selected);
    unsigned flags = CFindReplaceDialog::kFrHideWholeWord;
    if (state.last.searchDown) flags |= CFindReplaceDialog::kFrDown;
    if (state.last.matchCase) flags |= CFindReplaceDialog::kFrMatchCase;
    auto* dialog = new CFindReplaceDialog(findOnly);
    connect(dialog, &CFindReplaceDialog::findReplaceMessage, this, &CEditViewPlus::OnFindReplaceMessage);
    state.dialog = dialog;
    state.findOnly = findOnly;
    dialog->Create(QString::fromStdString(findWhat), QString::fromStdString(state.last.replace), flags, this);
}

void CEditViewPlus::OnFindReplaceMessage(unsigned flags, const QString& findWhat,
                                         const QString& replaceWith) {
    if (flags & CFindReplaceDialog::kFrDialogTerm) {
        findState_->dialog = nullptr;
        return;
    }
    const FindRequest request{findWhat.toStdString(), (flags & CFindReplaceDialog::kFrDown) != 0,
                              (flags & CFindReplaceDialog::kFrMatchCase) != 0, replaceWith.toStdString()};
    if (flags & CFindReplaceDialog::kFrFindNext) {
        FindNext(request);
    } else if (flags & CFindReplaceDialog::kFrReplace) {
        ReplaceCurrent(request);
    } else if (flags & CFindReplaceDialog::kFrReplaceAll) {
        ReplaceAll(request);
    }
}

void CEditViewPlus::FindNext(const FindRequest& request) {
    // The replacement is the dialog's business; a find leaves the remembered one as it is.
    FindRequest& last = findState_->last;
    last = FindRequest{request.find, request.searchDown, request.matchCase, last.replace};
    if (!SearchText(request)) TextNotFound(request.find);
}

void CEditViewPlus::RepeatFind() {
    const FindRequest& last = findState_->last;
    if (!SearchText(last)) TextNotFound(last.find);
}

void CEditViewPlus::OnEditRepeatUp() {
    FindRequest upwards = findState_->last;
    upwards.searchDown = false;
    if (!SearchText(upwards)) TextNotFound(upwards.find);
}

std::optional<std::string> CEditViewPlus::RememberReplace(const FindRequest& request) {
    findState_->last = request;
    std::optional<std::string> replacement = codePage_.Encode(request.replace);
    if (!replacement) {
        MessageBeep();
        ShowMessageText(QtText(text::kReplacementNotEncodable).arg(QString::fromStdString(request.replace)));
    }
    return replacement;
}

void CEditViewPlus::ReplaceCurrent(const FindRequest& request) {
    const std::optional<std::string> replacement = RememberReplace(request);
    if (!replacement || !PrepareReplace()) return;
    const auto [start, end] = GetSelectionRange();
    if (GetTextLength() - (end - start) + replacement->size() > kTextLimit) {
        MessageBeep();
        return;
    }
    ReplaceSelection(*replacement, true);
    SearchText(request);  // silent when there is no further match
}

void CEditViewPlus::ReplaceAll(const FindRequest& request) {
    FindRequest downwards = request;
    downwards.searchDown = true;
    const std::optional<std::string> replacement = RememberReplace(downwards);
    if (!replacement) return;
    if (!PrepareReplace() && !SelectionMatches(downwards)) return;
    // The selection is a match, so the find string has its bytes.
    const std::string bytes = codePage_.Encode(request.find).value_or(std::string());
    const std::size_t first = GetSelectionRange().first;
    TextSearch::Replaced replaced;
    {
        WaitCursor wait;
        const char* text = LockText();
        const std::size_t length = GetTextLength();
        replaced = TextSearch({text, length}, bytes, request.matchCase, codePage_)
                       .ReplaceAll(first, *replacement, kTextLimit - std::min(length, kTextLimit));
        UnlockText();
    }
    // One replacement of the whole range is one undo step; the caret ends behind the last
    // replacement.
    if (replaced.count > 0) {
        SetSelection(first, static_cast<std::ptrdiff_t>(replaced.end));
        ReplaceSelection(replaced.text, true);
    }
    ShowMessageText(replaced.count == 1 ? QtText(text::kReplacedOne)
                                         : QtText(text::kReplacedMany).arg(replaced.count));
    if (replaced.stoppedAt) {
        // The match that did not fit stays selected.
        SetSelection(*replaced.stoppedAt, static_cast<std::ptrdiff_t>(*replaced.stoppedAt + bytes.size()));
        MessageBeep();
    }
    SendScintilla(SCI_SCROLLCARET);
}

bool CEditViewPlus::PrepareReplace() {
    const FindRequest& last = findState_->last;
    const auto [start, end] = GetSelectionRange();
    if (start != end && SelectionMatches(last)) return true;
    if (!SearchText(last)) TextNotFound(last.find);
    return false;
}

void CEditViewPlus::TextNotFound(const std::string& find) {
    MessageBeep();
    ShowMessageText(QtText(text::kNotFound).arg(QString::fromStdString(find)));
}

bool CEditViewPlus::SelectionMatches(const FindRequest& request) {
    const std::optional<std::string> bytes = codePage_.Encode(request.find);
    if (!bytes) return false;
    const auto [start, end] = GetSelectionRange();
    const char* text = LockText();
    const bool matches =
        TextSearch({text, GetTextLength()}, *bytes, request.matchCase, codePage_).SelectionMatches(start, end);
    UnlockText();
    return matches;
}

bool CEditViewPlus::SearchText(const FindRequest& request) {
    const auto [start, end] = GetSelectionRange();
    if (start == 0 && !request.searchDown) return false;  // nothing lies before the first byte
    const std::optional<std::string> bytes = codePage_.Encode(request.find);
    if (!bytes) return false;
    std::optional<std::size_t> found;
    {
        WaitCursor wait;
        const char* text = LockText();
        found = TextSearch({text, GetTextLength()}, *bytes, request.matchCase, codePage_)
                    .SearchText(start, end, request.searchDown);
        UnlockText();
    }
    if (!found) return false;
    SetSelection(*found, static_cast<std::ptrdiff_t>(*found + bytes->size()));
    SendScintilla(SCI_SCROLLCARET);
    return true;
}

}  // namespace venkora
