#pragma once
// The edit view: the whole client area is one QScintilla edit control holding the document's
// text as bytes. Around the control it offers byte-offset access to the text and the selection,
// the text limit, tab stops in dialog units, raw loading and saving, the edit commands with
// their enabling rules, find and replace through the modeless dialog, printing (its own page
// layout behind the print job's hooks), and it marks its document modified on every change of
// the text.

#include <Qsci/qsciscintilla.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/CodePage.h"
#include "core/CommandTarget.h"
#include "editview/FindReplaceState.h"
#include "editview/LineEndTally.h"
#include "editview/PrintLayout.h"
#include "optimizer/LineEnds.h"
#include "platform/PrintHooks.h"

namespace venkora {

class Archive;
class CDocument;
class PrinterTextMeasure;

class CEditViewPlus : public QsciScintilla, public CommandTarget, public PrintHooks {
    Q_OBJECT

public:
    // The most bytes the text may hold.
    static constexpr std::size_t kTextLimit = 0xFFFFF;
    // One tab stop at construction, in dialog units (8 average characters).
    static constexpr int kDefaultTabStopWidth = 32;

    explicit CEditViewPlus(QWidget* parent = nullptr);
    ~CEditViewPlus() override;

    // The document this view shows; marked modified on every change of the text.
    void SetDocument(CDocument* document) { document_ = document; }
    CDocument* GetDocument() const { return document_; }

    // The code page decides display, typing and clipboard conversion; the bytes stay as they
    // are.
    const CodePage& codePage() const { return codePage_; }
    void SetCodePage(const CodePage& codePage);
    static bool LocaleIsUtf8();

    // The selection as byte offsets, start <= end.
    std::pair<std::size_t, std::size_t> GetSelectionRange() const;
    // Selects [start, end); an end of -1 means up to the end of the text. The caret goes to
    // `end`; nothing is scrolled.
    void SetSelection(std::size_t start, std::ptrdiff_t end);
    // Replaces the selection by `text`; afterwards the caret stands behind the inserted text.
    // With `canUndo` the replacement is one undo step of its own, else no undo reaches back
    // past it. Text that would take the whole past the limit is cut at a character boundary;
    // returns false when it had to be cut.
    bool ReplaceSelection(std::string_view text, bool canUndo);
    // The whole text as one contiguous byte array (NUL-terminated; NUL bytes inside are text),
    // valid and unchanged until UnlockText. The control refuses changes while locked.
    const char* LockText();
    void UnlockText();
    std::size_t GetTextLength() const;
    // The bytes from the selection start up to the first CR or LF in the selection, or up to its
    // end.
    std::string GetSelectedText() const;
    // One tab stop every `dialogUnits` quarters of the font's average character width.
    void SetTabStopWidth(int dialogUnits);
    int GetTabStopWidth() const { return tabStopWidth_; }
    // Sets the display font, sized in points; the tab stops follow it.
    void SetViewFont(const QFont& font);
    // Whether the lines wrap at the window's edge (the one test of word wrap, printing included).
    bool IsWordWrapOn() const;

    // The document's own line end, which Enter inserts and pasted or dropped text gets: the
    // kind of a loaded text, LF in a new document or a text without line ends.
    LineEndKind lineEnd() const { return lineEnd_; }
    void SetLineEnd(LineEndKind kind);
    // The line ends the text holds, for the status line: "CR LF", "LF", "CR" or "gemischt";
    // the document's own line end while it holds none. Kept up to date at every change.
    QString LineEndsText() const;
    // The kind of the whole text as LineEndKindOf reads it, known without reading the text;
    // nullopt while it holds no line end.
    std::optional<LineEndKind> TextLineEndKind() const;
    // Turns every line end into `to` and makes it the document's, as one undoable edit (undo
    // brings back the former line end with the text); refused with a message, changing nothing,
    // when the text would pass the limit.
    void ConvertLineEndsTo(LineEndKind to);
    // Empties the text and the undo history without marking the document modified.
    virtual void ClearText();
    bool CanUndo() const;

    // Raw load and save: the file is the text, byte for byte.
    void SerializeRawText(Archive& archive);
    // The same behind a 4-byte length.
    void SerializeWithLength(Archive& archive);
    // Reads exactly `n` bytes and makes them the text, choosing the code page for them.
    void ReadTextFromArchive(Archive& archive, std::size_t n);
    void WriteTextToArchive(Archive& archive);

    // The print job's hooks: the printer chosen as the framework does; page 1 starts the text; a
    // page whose start is not known yet is found by laying out the pages before it without
    // drawing; each page is laid out in the printable area with the display font at its size
    // on the screen and the view's word wrap and tab stop.
    bool OnPreparePrinting(CPrintInfo& info) override;
    void OnBeginPrinting(QPaintDevice& device, CPrintInfo& info) override;
    void OnPrepareDC(QPaintDevice& device, CPrintInfo& info) override;
    void OnPrint(QPainter& painter, CPrintInfo& info) override;
    void OnEndPrinting(QPaintDevice& device, CPrintInfo& info) override;

    static const Map& CommandMap();
    const Map& GetCommandMap() const override { return CommandMap(); }

    // Prints with the print dialog (57607) or directly on the printer chosen for the run (57608).
    void OnFilePrint(unsigned id);
    void OnEditUndo();
    void OnUpdateEditUndo(CmdUI& ui);
    void OnEditRedo();
    void OnUpdateEditRedo(CmdUI& ui);
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnUpdateEditPaste(CmdUI& ui);
    void OnEditClear();
    void OnUpdateNeedSelection(CmdUI& ui);
    void OnEditSelectAll();
    void OnUpdateNeedText(CmdUI& ui);
    void OnConvertLineEnds(unsigned id);
    void OnUpdateLineEndsPane(CmdUI& ui);
    // The caret's line and column for the status line: lines as CR LF, CR and LF end them (not
    // as word wrap breaks them), the column in characters with tabs expanded to the tab width,
    // both from 1.
    void OnUpdateCaretPane(CmdUI& ui);
    // Spaces, tabs and line ends drawn visibly, or not.
    void ShowBlanks(bool show);
    bool BlanksShown() const;
    // Puts the caret at the start of `line` (from 1; a line beyond the last is the last) and
    // scrolls it into view.
    void GoToLine(std::size_t line);
    std::size_t GetLineCount() const;

    // Find and replace. The find and replace commands open the dialog of their kind (closing the
    // other kind) with the selection's first line, or the last find string, as find text; the
    // repeat command searches again for the last find string. Strings are UTF-8 as typed; one
    // the code page cannot hold is not found. The state of find and replace (the open dialog,
    // the last search) is the application's, handed to the view; a view on its own keeps one.
    void SetFindReplaceState(FindReplaceState& state) { findState_ = &state; }
    FindReplaceState& findReplaceState() const { return *findState_; }
    void OnEditFind() { OpenFindReplaceDialog(true); }
    void OnEditReplace() { OpenFindReplaceDialog(false); }
    void OnEditRepeat() { RepeatFind(); }
    // Searches the last text again, upwards, whatever direction the last search had.
    void OnEditRepeatUp();
    void OnUpdateEditRepeat(CmdUI& ui);
    void OpenFindReplaceDialog(bool findOnly);
    // The dialog's notification: closing, find next, replace or replace all.
    void OnFindReplaceMessage(unsigned flags, const QString& findWhat, const QString& replaceWith);
    void RepeatFind();
    // Remembers the search and selects the next match; TextNotFound when there is none.
    virtual void FindNext(const FindRequest& request);
    // Replaces the selection when it is a match (one undo step) and selects the next match; a
    // selection that is none is only moved to the next match. A replacement that would pass the
    // text limit is not made (a beep).
    virtual void ReplaceCurrent(const FindRequest& request);
    // Replaces the match at the selection, or the next one, and every match behind it, as one
    // undo step, searching downwards whatever the request says; stops with a beep before a
    // replacement that would pass the text limit.
    virtual void ReplaceAll(const FindRequest& request);
    // A beep, and the message pane says what was not found; never a message box.
    virtual void TextNotFound(const std::string& find);

    // Whether the clipboard or a drop offers text to insert (this decides paste, its enabling
    // rule and drops): text only, so files copied or dragged are neither opened nor their
    // names inserted.
    bool canInsertFromMimeData(const QMimeData* source) const override;

    // Shows `text` in the message pane of the window the view is in.
    void ShowMessageText(const QString& text);

protected:
    // Selects the next match of the request from the selection and scrolls it into view; false,
    // with the selection unchanged, when there is none.
    bool SearchText(const FindRequest& request);
    bool SelectionMatches(const FindRequest& request);
    // True when the selection is a match of the last search; otherwise selects the next match
    // (or beeps) and gives false.
    bool PrepareReplace();
    // Remembers a replace request for the next one and for repeating; the replacement in the
    // document's code page, or nullopt when that cannot hold it (a beep, and the message pane
    // says so).
    std::optional<std::string> RememberReplace(const FindRequest& request);

    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QByteArray fromMimeData(const QMimeData* source, bool& rectangular) const override;
    QMimeData* toMimeData(const QByteArray& text, bool rectangular) const override;

private:
    void OnTextChange();
    // Every insertion and deletion of text, for the line-end tally; and the document's line end
    // as a conversion's undo or redo sets it (`token` of the undo history).
    void OnModified(int position, int modificationType, const char* text, int length, int token);
    // Makes `bytes` the text without marking the document modified; no undo reaches back.
    void SetTextBytes(std::string_view bytes);
    // The bytes a key press without Ctrl, Alt or Meta would insert: nullopt when it inserts
    // nothing, an empty string when it would insert a character the code page lacks.
    std::optional<std::string> TypedBytes(const QKeyEvent& event) const;
    bool Fits(std::size_t insertedBytes) const;
    // The text of a clipboard or a drop in the code page, its line ends made the document's;
    // nullopt when the code page cannot hold it.
    std::optional<std::string> EncodedText(const QMimeData& source) const;
    // Whether the code page can hold the text of a clipboard or a drop (without converting it).
    bool Encodable(const QMimeData& source) const;
    // How much of `text` goes in when `room` bytes are free: whole characters and line breaks.
    std::size_t CutPoint(std::string_view text, std::size_t room) const;
    void InsertTyped(const std::string& bytes);
    void ApplyTabStops();
    // Turns a block or several selections into one ordinary selection from the same anchor to
    // the same caret; run after every event, so no input leaves anything else behind.
    void KeepOneStreamSelection();
    void RemoveForeignKeyBindings();
    // The whole text (locked by the caller) as the print layout takes it.
    PrintText TextToPrint(const char* text) const;
    // The name the screen shows for the character `bytes` ("NUL", "x81"), empty for none.
    std::string ShownName(std::string_view bytes) const;

    CDocument* document_ = nullptr;
    CodePage codePage_;
    int tabStopWidth_ = kDefaultTabStopWidth;
    FindReplaceState ownFindState_;
    FindReplaceState* findState_ = &ownFindState_;
    LineEndKind lineEnd_ = LineEndKind::Lf;
    LineEndTally lineEnds_;
    int lockCount_ = 0;
    bool suppressChangeNotification_ = false;
    // How many bytes a drop may bring, set while it is handled; without it (the middle button
    // pastes the X11 selection at a caret) the free bytes.
    mutable std::optional<std::size_t> insertAllowance_;
    // During a print job: where the pages found so far begin, and the print font's measures.
    PageStarts pageStarts_;
    std::unique_ptr<PrinterTextMeasure> printMeasure_;
};

}  // namespace venkora
