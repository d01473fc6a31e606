#include "app/CQuendelView.h"

#include <QDialog>
#include <QStringList>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>

#include "app/CGoToLineDlg.h"
#include "app/CSetTabStops.h"
#include "app/FontMapping.h"
#include "app/ViewSettings.h"
#include "optimizer/TextConventions.h"
#include "optimizer/TextPasses.h"
#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CPrintJob.h"
#include "resources/CommandIds.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "resources/StringTable.h"
#include "platform/UserPrompts.h"
#include "platform/WaitCursor.h"

namespace venkora {

CQuendelView::CQuendelView(ProfileStore& profile, ViewSettings& settings, QWidget* parent)
    : CEditViewPlus(parent), settings_(settings), optimizeDialog_(profile) {}

void CQuendelView::OnCreate() {
    SetTabStopWidth(settings_.tabWidth());
    // A font that cannot be made leaves the default font in the edit area.
    if (settings_.font().height != 0 && CanMake(settings_.font())) SetViewFont(ToQFont(settings_.font()));
    if (settings_.wordWrap() != 0) RecreateEditControl(true);
    ShowBlanks(settings_.showBlanks() != 0);
}

// --- Optimize -----------------------------------------------------------------------------

void CQuendelView::OnOptimize() {
    OptimizeOptions& options = optimizeDialog_.options();
    {
        const auto [start, end] = GetSelectionRange();
        options.bereich = start == end ? 1 : 0;
    }
    if (optimizeDialog_.DoModal(window()) != QDialog::Accepted) return;
    // The range; the whole text is selected only once the result is known to fit.
    std::size_t start = 0;
    std::size_t end = GetTextLength();
    if (options.bereich == 0) {
        std::tie(start, end) = GetSelectionRange();
        if (start == end) {
            ShowMessageBox(QtText(text::kOptimizeNoSelection), window());
            return;
        }
    }
    // The line ends of the whole document decide where the range's lines break; one without
    // any reads as CR LF.
    const LineEndKind kind = TextLineEndKind().value_or(LineEndKind::CrLf);
    const char* text = LockText();
    std::string working(text + start, end - start);
    UnlockText();

    // The user-defined string is typed text; it is matched as the document's bytes. A string
    // the code page cannot hold matches nothing.
    OptimizeOptions run = options;
    if (!run.bendefZeichen.empty()) run.bendefZeichen = codePage().Encode(run.bendefZeichen).value_or("");
    OptimizeTextPasses(working, run, kind, [this](std::string_view status) { ShowMessageText(QtText(status)); });

    const QString idle = QtText(StringTable::Prompt(kIdsIdleMessage));
    if (GetTextLength() - (end - start) + working.size() > kTextLimit) {
        ShowMessageBox(QtText(text::kOptimizedTooLong).arg(QtText(text::kTextLimit)), window());
        ShowMessageText(idle);
        return;
    }
    SetSelection(start, static_cast<std::ptrdiff_t>(end));
    ReplaceSelection(working, true);
    if (options.bereich == 0) SetSelection(start, static_cast<std::ptrdiff_t>(start + working.size()));
    ShowMessageText(idle);
}

// --- A project's conventions -------------------------------------------------------------

void CQuendelView::FollowConventions(const ProjectConventions& conventions) {
    if (conventions.lineEnd) SetLineEnd(*conventions.lineEnd);
    SetTabStopWidth(conventions.tabWidth ? *conventions.tabWidth * ViewSettings::kUnitsPerCharacter
                                         : settings_.tabWidth());
}

void CQuendelView::ConformForSaving(const TextConventions& conventions) {
    if (!conventions.Any()) return;
    const std::string text(LockText(), GetTextLength());
    UnlockText();
    const BrokenConventions broken = FindBrokenConventions(text, conventions);
    if (!broken.AnyApplied()) return;
    std::string conformed = text;
    ApplyConventions(conformed, conventions);
    if (conformed.size() > kTextLimit) {
        ShowMessageText(QtText(text::kConformedTooLong).arg(QtText(text::kTextLimit)));
        return;
    }
    // Only the lines that change are replaced, whole, so that the rest stays where it is.
    std::size_t head = static_cast<std::size_t>(
        std::mismatch(text.begin(), text.end(), conformed.begin(), conformed.end()).first - text.begin());
    while (head > 0 && text[head - 1] != '\n' && text[head - 1] != '\r') --head;
    std::size_t tail = 0;  // the bytes behind the change, the same in both
    while (tail < text.size() - head && tail < conformed.size() - head &&
           text[text.size() - 1 - tail] == conformed[conformed.size() - 1 - tail]) {
        ++tail;
    }
    while (tail > 0 && text[text.size() - 1 - tail] != '\n' && text[text.size() - 1 - tail] != '\r') --tail;

    const auto caret = static_cast<unsigned long>(SendScintilla(SCI_GETCURRENTPOS));
    const auto line = static_cast<unsigned long>(SendScintilla(SCI_LINEFROMPOSITION, caret));
    const auto column = caret - static_cast<unsigned long>(SendScintilla(SCI_POSITIONFROMLINE, line));
    const long firstVisible = SendScintilla(SCI_GETFIRSTVISIBLELINE);
    SetSelection(head, static_cast<std::ptrdiff_t>(text.size() - tail));
    ReplaceSelection(std::string_view(conformed).substr(head, conformed.size() - tail - head), true);
    const auto newLine = std::min(line, static_cast<unsigned long>(SendScintilla(SCI_GETLINECOUNT)) - 1);
    const auto lineStart = static_cast<unsigned long>(SendScintilla(SCI_POSITIONFROMLINE, newLine));
    const auto lineEnd = static_cast<unsigned long>(SendScintilla(SCI_GETLINEENDPOSITION, newLine));
    const std::size_t newCaret = std::min(lineStart + column, lineEnd);
    SetSelection(newCaret, static_cast<std::ptrdiff_t>(newCaret));
    SendScintilla(SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(firstVisible));

    QStringList changed;
    for (const std::string_view name : EditorConfig::BrokenNames(broken)) changed << QtText(name);
    ShowMessageText(QtText(text::kConformedForSaving).arg(changed.join(QStringLiteral(", "))));
}

// --- Word wrap, tab length, font, select all ----------------------------------------------


bool CQuendelView::RecreateEditControl(bool wrap) {
    if (wrap == IsWordWrapOn()) return false;
    setWrapMode(wrap ? WrapWord : WrapNone);
    SendScintilla(SCI_SETHSCROLLBAR, wrap ? 0UL : 1UL);
    SetSelection(0, 0);
    SendScintilla(SCI_SETFIRSTVISIBLELINE, 0UL);
    SendScintilla(SCI_SETXOFFSET, 0UL);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    return true;
}

void CQuendelView::OnToggleWordWrap() {
    RecreateEditControl(!IsWordWrapOn());
    settings_.SetWordWrap(IsWordWrapOn() ? 1 : 0);
}

void CQuendelView::OnUpdateToggleWordWrap(CmdUI& ui) { ui.SetCheck(IsWordWrapOn() ? 1 : 0); }

void CQuendelView::OnViewBlanks() {
    ShowBlanks(!BlanksShown());
    settings_.SetShowBlanks(BlanksShown() ? 1 : 0);
}

void CQuendelView::OnUpdateViewBlanks(CmdUI& ui) { ui.SetCheck(BlanksShown() ? 1 : 0); }

void CQuendelView::OnGoToLine() {
    CGoToLineDlg dialog;
    dialog.lineCount = GetLineCount();
    dialog.line = static_cast<std::size_t>(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(
                                                                                      SendScintilla(SCI_GETCURRENTPOS)))) +
                  1;
    if (dialog.DoModal(window()) != QDialog::Accepted) return;
    GoToLine(dialog.line);
}

void CQuendelView::OnTabLength() {
    CSetTabStops dialog;
    dialog.tabLength = static_cast<std::uint32_t>(GetTabStopWidth() / ViewSettings::kUnitsPerCharacter);
    if (dialog.DoModal(window()) != QDialog::Accepted) return;
    SetTabStopWidth(static_cast<int>(dialog.tabLength) * ViewSettings::kUnitsPerCharacter);
    settings_.SetTabWidth(GetTabStopWidth());
}

void CQuendelView::OnDisplayFont() {
    const QFont offered = DialogFont(font());
    const std::optional<QFont> chosen = AskFont(window(), offered);
    if (!chosen) return;
    const FontRecord record = ChosenFontRecord(settings_.font(), offered, *chosen);
    if (record == settings_.font()) return;  // nothing changed in the dialog
    if (!CanMake(record)) return;           // the font record stays as it was
    const WaitCursor wait;
    // The font of the record, not the dialog's: the next start shows the very same font.
    SetViewFont(ToQFont(record));
    settings_.SetFont(record);
}

void CQuendelView::OnSelectAllText() { OnEditSelectAll(); }

void CQuendelView::OnFilePrintPreview() {
    CPrintJob::Preview(*this, GetDocument() ? GetDocument()->GetTitle() : QString(), window());
}

const CommandTarget::Map& CQuendelView::CommandMap() {
    static constexpr Entry kEntries[] = {
        OnCommand<&CQuendelView::OnOptimize>(kIdOptimize),
        OnCommand<&CQuendelView::OnToggleWordWrap>(kIdToggleWordWrap),
        OnUpdate<&CQuendelView::OnUpdateToggleWordWrap>(kIdToggleWordWrap),
        OnCommand<&CQuendelView::OnViewBlanks>(kIdViewWhitespace),
        OnUpdate<&CQuendelView::OnUpdateViewBlanks>(kIdViewWhitespace),
        OnCommand<&CQuendelView::OnGoToLine>(kIdGoToLine),
        OnCommand<&CQuendelView::OnTabLength>(kIdTabLength),
        OnCommand<&CQuendelView::OnDisplayFont>(kIdDisplayFont),
        OnCommand<&CQuendelView::OnSelectAllText>(kIdSelectAllText),
        OnCommand<&CQuendelView::OnFilePrintPreview>(kIdFilePrintPreview),
    };
    static const Map map{&CEditViewPlus::CommandMap(), kEntries};
    return map;
}

}  // namespace venkora
