#include "editview/CEditViewPlus.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include <langinfo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "core/ArchiveException.h"
#include "core/MemoryException.h"
#include "core/UserException.h"
#include "editview/PrinterTextMeasure.h"
#include "platform/ActionCmdUI.h"
#include "platform/Archive.h"
#include "platform/CDialog.h"
#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/MessageBox.h"
#include "platform/QtKeys.h"
#include "platform/QtText.h"
#include "resources/CommandIds.h"
#include "resources/CommandTable.h"
#include "resources/StringTable.h"

namespace venkora {

// The messages write the limit with its thousands marked (text::kTextLimit); it must be the
// limit kept.
static_assert([] {
    std::size_t written = 0;
    for (const char c : text::kTextLimit) {
        if (c != '.') written = written * 10 + static_cast<std::size_t>(c - '0');
    }
    return written;
}() == CEditViewPlus::kTextLimit);

namespace {

// Readable stand-ins for the Windows-1252 bytes 0x80-0x9F, which single-byte display cannot
// draw (undefined bytes show their value).
constexpr const char* kWindows1252Names[32] = {
    "EUR", "x81", ",",  "f",   ",,", "...", "+",  "++", "^",  "%o", "S^", "<",  "OE", "x8D",
    "Z^",  "x8F", "x90", "'",  "'",  "\"",  "\"", "*",  "-",  "--", "~",  "TM", "s^", ">",
    "oe",  "x9D", "z^", "Y:"};

// What a plain text field does not have: these keep no key. Shift+Tab types a tab rather than
// dedenting; there are no block selections; selecting all is left to the program's commands,
// which have no key. (The keys of the program's commands are taken from
// the edit control as well, whatever it binds to them.)
constexpr QsciCommand::Command kForeignCommands[] = {
    QsciCommand::SelectAll,
    QsciCommand::LineCut,       QsciCommand::LineCopy,
    QsciCommand::LineDelete,    QsciCommand::LineTranspose,
    QsciCommand::LineDuplicate, QsciCommand::SelectionDuplicate,
    QsciCommand::SelectionLowerCase, QsciCommand::SelectionUpperCase,
    QsciCommand::ZoomIn,        QsciCommand::ZoomOut,
    QsciCommand::EditToggleOvertype, QsciCommand::MoveSelectedLinesUp,
    QsciCommand::MoveSelectedLinesDown, QsciCommand::ReverseLines,
    QsciCommand::DeleteLineLeft, QsciCommand::DeleteLineRight,
    QsciCommand::Formfeed,      QsciCommand::Backtab,
    QsciCommand::LineDownRectExtend, QsciCommand::LineUpRectExtend,
    QsciCommand::CharLeftRectExtend, QsciCommand::CharRightRectExtend,
    QsciCommand::HomeRectExtend, QsciCommand::VCHomeRectExtend,
    QsciCommand::LineEndRectExtend, QsciCommand::PageUpRectExtend,
    QsciCommand::PageDownRectExtend,
};

// Modifiers that make a key a command key: with them a key never types its text.
constexpr Qt::KeyboardModifiers kCommandModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool IsTabKey(int key) { return key == Qt::Key_Tab || key == Qt::Key_Backtab; }

// QScintilla's own line end for Enter where it types the key itself.
QsciScintilla::EolMode EolModeOf(LineEndKind kind) {
    switch (kind) {
        case LineEndKind::Lf: return QsciScintilla::EolUnix;
        case LineEndKind::Cr: return QsciScintilla::EolMac;
        case LineEndKind::CrLf: break;
    }
    return QsciScintilla::EolWindows;
}

// A change of the document's line end in the undo history, as a token of the kind before (low
// byte) and after it.
long LineEndChangeToken(LineEndKind from, LineEndKind to) {
    return static_cast<long>(from) | static_cast<long>(to) << 8;
}
LineEndKind LineEndBefore(int token) { return static_cast<LineEndKind>(token & 0xFF); }
LineEndKind LineEndAfter(int token) { return static_cast<LineEndKind>(token >> 8); }

// The status line's name of one kind of line end.
QString LineEndName(LineEndKind kind) {
    switch (kind) {
        case LineEndKind::Lf: return QtText(text::kLineEndsLf);
        case LineEndKind::Cr: return QtText(text::kLineEndsCr);
        case LineEndKind::CrLf: break;
    }
    return QtText(text::kLineEndsCrLf);
}

}  // namespace

CEditViewPlus::CEditViewPlus(QWidget* parent) : QsciScintilla(parent) {
    setEolMode(EolModeOf(lineEnd_));
    setEolVisibility(false);
    setIndentationsUseTabs(true);
    setAutoIndent(false);
    setMarginWidth(1, 0);
    SendScintilla(SCI_SETTABINDENTS, 0UL);
    SendScintilla(SCI_SETBACKSPACEUNINDENTS, 0UL);
    SendScintilla(SCI_SETPASTECONVERTENDINGS, 0UL);  // fromMimeData converts, within the limit
    SendScintilla(SCI_SETMULTIPLESELECTION, 0UL);
    SendScintilla(SCI_SETMOUSESELECTIONRECTANGULARSWITCH, 0UL);
    RemoveForeignKeyBindings();
    SetCodePage(CodePage::ForNewDocument(LocaleIsUtf8()));
    ApplyTabStops();
    connect(this, &QsciScintilla::textChanged, this, &CEditViewPlus::OnTextChange);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char* text, int length, int, int, int, int, int token, int) {
                OnModified(position, type, text, length, token);
            });
}

CEditViewPlus::~CEditViewPlus() = default;

void CEditViewPlus::RemoveForeignKeyBindings() {
    QsciCommandSet* commands = standardCommands();
    for (QsciCommand::Command id : kForeignCommands) {
        if (QsciCommand* command = commands->find(id)) {
            command->setKey(0);
            command->setAlternateKey(0);
        }
    }
    // The keys of the command rows belong to the frame's accelerators: QScintilla would take
    // them first.
    for (const CommandRow& row : CommandRows()) {
        for (const KeyChord& chord : {row.key, row.alternateKey}) {
            if (chord.IsNone()) continue;
            const int key = QtKeys(chord).toCombined();
            for (QsciCommand* command : commands->commands()) {
                if (command->key() == key) command->setKey(0);
                if (command->alternateKey() == key) command->setAlternateKey(0);
            }
        }
    }
}

bool CEditViewPlus::LocaleIsUtf8() {
    const char* codeset = nl_langinfo(CODESET);
    return codeset != nullptr && (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0);
}

void CEditViewPlus::SetCodePage(const CodePage& codePage) {
    codePage_ = codePage;
    const bool windows1252 = codePage.kind() == CodePage::Kind::Windows1252;
    SendScintilla(SCI_SETCODEPAGE, windows1252 ? 0UL : static_cast<unsigned long>(SC_CP_UTF8));
    for (unsigned byte = 0x80; byte <= 0x9F; ++byte) {
        const char encoded[2] = {static_cast<char>(byte), '\0'};
        if (windows1252) {
            SendScintilla(SCI_SETREPRESENTATION, encoded, kWindows1252Names[byte - 0x80]);
        } else {
            SendScintilla(SCI_CLEARREPRESENTATION, encoded, "");
        }
    }
}

// --- Selection and text -------------------------------------------------------------------

std::pair<std::size_t, std::size_t> CEditViewPlus::GetSelectionRange() const {
    return {static_cast<std::size_t>(SendScintilla(SCI_GETSELECTIONSTART)),
            static_cast<std::size_t>(SendScintilla(SCI_GETSELECTIONEND))};
}

void CEditViewPlus::SetSelection(std::size_t start, std::ptrdiff_t end) {
    const std::size_t length = GetTextLength();
    const std::size_t to = end < 0 ? length : std::min(static_cast<std::size_t>(end), length);
    SendScintilla(SCI_SETANCHOR, static_cast<unsigned long>(std::min(start, length)));
    SendScintilla(SCI_SETCURRENTPOS, static_cast<unsigned long>(to));
}

bool CEditViewPlus::ReplaceSelection(std::string_view text, bool canUndo) {
    const auto [start, end] = GetSelectionRange();
    const std::size_t room = kTextLimit - (GetTextLength() - (end - start));
    const std::string_view inserted = text.substr(0, CutPoint(text, room));
    if (canUndo) SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(start), static_cast<long>(end));
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(inserted.size()), inserted.data());
    if (canUndo) {
        SendScintilla(SCI_ENDUNDOACTION);
    } else {
        SendScintilla(SCI_EMPTYUNDOBUFFER);
    }
    SetSelection(start + inserted.size(), static_cast<std::ptrdiff_t>(start + inserted.size()));
    return inserted.size() == text.size();
}

const char* CEditViewPlus::LockText() {
    if (lockCount_++ == 0) setReadOnly(true);
    return static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
}

void CEditViewPlus::UnlockText() {
    if (lockCount_ > 0 && --lockCount_ == 0) setReadOnly(false);
}

std::size_t CEditViewPlus::GetTextLength() const {
    return static_cast<std::size_t>(SendScintilla(SCI_GETLENGTH));
}

std::string CEditViewPlus::GetSelectedText() const {
    const auto [start, end] = GetSelectionRange();
    if (start == end) return {};
    const auto* bytes = reinterpret_cast<const char*>(
        SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(start),
                      static_cast<long>(end - start)));
    // The first line: up to the first CR, or an LF before it.
    std::size_t length = end - start;
    for (const char lineEnd : {'\r', '\n'}) {
        if (const void* found = std::memchr(bytes, lineEnd, length)) {
            length = static_cast<std::size_t>(static_cast<const char*>(found) - bytes);
        }
    }
    return std::string(bytes, length);
}

bool CEditViewPlus::CanUndo() const { return SendScintilla(SCI_CANUNDO) != 0; }

void CEditViewPlus::ClearText() {
    SetLineEnd(LineEndKind::Lf);
    SetTextBytes({});
}

void CEditViewPlus::SetTextBytes(std::string_view bytes) {
    suppressChangeNotification_ = true;
    const bool wasReadOnly = isReadOnly();
    setReadOnly(false);
    SendScintilla(SCI_CLEARALL);
    // Inserted with word wrap on, Scintilla would wrap every line at once (half a second for
    // 1 MiB); switched on afterwards, it wraps the visible lines first and the rest when idle.
    const long wrap = SendScintilla(SCI_GETWRAPMODE);
    SendScintilla(SCI_SETWRAPMODE, static_cast<unsigned long>(SC_WRAP_NONE));
    SendScintilla(SCI_APPENDTEXT, static_cast<uintptr_t>(bytes.size()), bytes.data());
    SendScintilla(SCI_SETWRAPMODE, static_cast<unsigned long>(wrap));
    setReadOnly(wasReadOnly);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETSAVEPOINT);
    SendScintilla(SCI_GOTOPOS, 0UL);
    suppressChangeNotification_ = false;
}

void CEditViewPlus::ShowMessageText(const QString& text) {
    if (auto* frame = qobject_cast<CFrameWnd*>(window())) frame->SetMessageText(text);
}

void CEditViewPlus::OnTextChange() {
    if (!suppressChangeNotification_ && document_) document_->SetModifiedFlag(true);
}

void CEditViewPlus::OnModified(int position, int modificationType, const char* text, int length, int token) {
    if ((modificationType & SC_MOD_CONTAINER) != 0) {
        if ((modificationType & SC_PERFORMED_UNDO) != 0) SetLineEnd(LineEndBefore(token));
        if ((modificationType & SC_PERFORMED_REDO) != 0) SetLineEnd(LineEndAfter(token));
        return;
    }
    const bool inserted = (modificationType & SC_MOD_INSERTTEXT) != 0;
    if ((!inserted && (modificationType & SC_MOD_DELETETEXT) == 0) || text == nullptr || length <= 0) return;
    // The bytes beside the change as the text is now (after it).
    const auto byteAt = [this](long at) {
        return at < 0 ? '\0' : static_cast<char>(SendScintilla(SCI_GETCHARAT, static_cast<unsigned long>(at)));
    };
    const char before = byteAt(static_cast<long>(position) - 1);
    const char after = byteAt(inserted ? static_cast<long>(position) + length : position);
    const std::string_view changed(text, static_cast<std::size_t>(length));
    if (inserted) {
        lineEnds_.Inserted(before, changed, after);
    } else {
        lineEnds_.Deleted(before, changed, after);
    }
}

// --- Line ends ----------------------------------------------------------------------------

void CEditViewPlus::SetLineEnd(LineEndKind kind) {
    lineEnd_ = kind;
    setEolMode(EolModeOf(kind));
}

QString CEditViewPlus::LineEndsText() const {
    switch (lineEnds_.Get()) {
        case LineEndTally::Summary::Mixed: return QtText(text::kLineEndsMixed);
        case LineEndTally::Summary::CrLf: return QtText(text::kLineEndsCrLf);
        case LineEndTally::Summary::Lf: return QtText(text::kLineEndsLf);
        case LineEndTally::Summary::Cr: return QtText(text::kLineEndsCr);
        case LineEndTally::Summary::None: break;
    }
    return LineEndName(lineEnd_);
}

std::optional<LineEndKind> CEditViewPlus::TextLineEndKind() const {
    switch (lineEnds_.Get()) {
        case LineEndTally::Summary::Lf: return LineEndKind::Lf;
        case LineEndTally::Summary::Cr: return LineEndKind::Cr;
        case LineEndTally::Summary::CrLf:
        case LineEndTally::Summary::Mixed: return LineEndKind::CrLf;  // CR and LF both occur
        case LineEndTally::Summary::None: break;
    }
    return std::nullopt;
}

void CEditViewPlus::ConvertLineEndsTo(LineEndKind to) {
    const std::string_view text(LockText(), GetTextLength());
    const std::size_t size = ConvertedLineEndsSize(text, to);
    std::string converted;
    bool changed = false;
    if (size <= kTextLimit) {
        converted.reserve(size);
        changed = ConvertLineEnds(text, to, converted);
    }
    // Where the caret comes to stand: behind the same characters.
    const std::size_t caret = std::get<1>(GetSelectionRange());
    const std::size_t newCaret = ConvertedLineEndsSize(text.substr(0, caret), to);
    UnlockText();
    if (size > kTextLimit) {
        ShowMessageBox(QtText(text::kLineEndsTooLong).arg(QtText(text::kTextLimit)), window());
        return;
    }
    if (!changed) {
        SetLineEnd(to);
        return;
    }
    // The new line end is part of the edit: undo and redo take it back and forth with the text.
    constexpr long kUndoNone = 0;
    SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_ADDUNDOACTION, static_cast<unsigned long>(LineEndChangeToken(lineEnd_, to)), kUndoNone);
    SetLineEnd(to);
    SetSelection(0, -1);
    ReplaceSelection(converted, true);
    SendScintilla(SCI_ENDUNDOACTION);
    SetSelection(newCaret, static_cast<std::ptrdiff_t>(newCaret));
    SendScintilla(SCI_SCROLLCARET);
}

void CEditViewPlus::OnConvertLineEnds(unsigned id) {
    ConvertLineEndsTo(id == kIdLineEndsToLf ? LineEndKind::Lf : LineEndKind::CrLf);
}

void CEditViewPlus::OnUpdateCaretPane(CmdUI& ui) {
    const auto caret = static_cast<unsigned long>(SendScintilla(SCI_GETCURRENTPOS));
    const long line = SendScintilla(SCI_LINEFROMPOSITION, caret) + 1;
    const long column = SendScintilla(SCI_GETCOLUMN, caret) + 1;
    ui.SetText(QtText(text::kCaretPane).arg(line).arg(column).toStdString());
}

void CEditViewPlus::ShowBlanks(bool show) {
    SendScintilla(SCI_SETVIEWWS, static_cast<unsigned long>(show ? SCWS_VISIBLEALWAYS : SCWS_INVISIBLE));
    SendScintilla(SCI_SETVIEWEOL, static_cast<unsigned long>(show));
}

bool CEditViewPlus::BlanksShown() const { return SendScintilla(SCI_GETVIEWWS) != SCWS_INVISIBLE; }

std::size_t CEditViewPlus::GetLineCount() const { return static_cast<std::size_t>(SendScintilla(SCI_GETLINECOUNT)); }

void CEditViewPlus::GoToLine(std::size_t line) {
    const std::size_t index = std::min(std::max<std::size_t>(line, 1), GetLineCount()) - 1;
    SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(SendScintilla(SCI_POSITIONFROMLINE, index)));
}

void CEditViewPlus::OnUpdateLineEndsPane(CmdUI& ui) { ui.SetText(LineEndsText().toStdString()); }

// --- Tab stops and font -------------------------------------------------------------------

void CEditViewPlus::SetTabStopWidth(int dialogUnits) {
    tabStopWidth_ = dialogUnits;
    ApplyTabStops();
    viewport()->update();
}

void CEditViewPlus::SetViewFont(const QFont& font) {
    // Scintilla sizes its fonts in points; a font sized in pixels is given the same size in
    // points of this screen.
    QFont sized = font;
    if (sized.pointSizeF() <= 0 && sized.pixelSize() > 0) {
        sized.setPointSizeF(sized.pixelSize() * 72.0 / logicalDpiY());
    }
    setFont(sized);
    ApplyTabStops();
}

void CEditViewPlus::ApplyTabStops() {
    // Scintilla counts tab stops in widths of a space; a dialog unit is a quarter of the font's
    // average character width, measured over the letters as the dialogs measure it. A stored
    // width may be anything: held, as in printing, to 2^20 pixels, wider than any screen and
    // within what Scintilla lays out (wider tabs hide the text behind them).
    constexpr double kWidestTab = 1 << 20;
    const QFontMetricsF metrics(font());
    const double pixels = std::min(tabStopWidth_ * CDialog::AverageCharWidth(metrics) / 4.0, kWidestTab);
    const double space = metrics.horizontalAdvance(QLatin1Char(' '));
    const long columns = space > 0 ? std::lround(pixels / space) : tabStopWidth_ / 4;
    SendScintilla(SCI_SETTABWIDTH, static_cast<unsigned long>(std::max(1L, columns)));
}

// --- Raw load and save --------------------------------------------------------------------

void CEditViewPlus::SerializeRawText(Archive& archive) {
    if (!archive.IsLoading()) {
        WriteTextToArchive(archive);
        return;
    }
    const std::uint64_t length = archive.FileLength();
    if (length > kTextLimit) {
        ShowMessageBox(QtText(StringTable::Find(kIdsFileTooLarge).value_or(""))
                           .arg(archive.FileName(), QtText(text::kTextLimit)),
                       this);
        throw UserException();
    }
    ReadTextFromArchive(archive, static_cast<std::size_t>(length));
}

void CEditViewPlus::SerializeWithLength(Archive& archive) {
    if (archive.IsLoading()) {
        const std::uint32_t length = archive.ReadUInt32();
        if (length > kTextLimit) throw ArchiveException(ArchiveException::Kind::BadIndex);
        ReadTextFromArchive(archive, length);
    } else {
        archive.WriteUInt32(static_cast<std::uint32_t>(GetTextLength()));
        WriteTextToArchive(archive);
    }
}

void CEditViewPlus::ReadTextFromArchive(Archive& archive, std::size_t n) {
    std::string bytes;
    try {
        bytes.resize(n);
    } catch (const std::bad_alloc&) {
        throw MemoryException();
    }
    if (archive.Read(bytes.data(), n) != n) throw ArchiveException(ArchiveException::Kind::EndOfFile);
    SetCodePage(CodePage::ForLoadedText(bytes, LocaleIsUtf8()));
    SetTextBytes(bytes);
    // A text without line ends gets this platform's.
    SetLineEnd(TextLineEndKind().value_or(LineEndKind::Lf));
    if (GetTextLength() != n) throw MemoryException();
}

void CEditViewPlus::WriteTextToArchive(Archive& archive) {
    const char* text = LockText();
    try {
        archive.Write(text, GetTextLength());
    } catch (...) {
        UnlockText();
        throw;
    }
    UnlockText();
}

// --- Typing and the clipboard -------------------------------------------------------------

std::size_t CEditViewPlus::CutPoint(std::string_view text, std::size_t room) const {
    if (text.size() <= room) return text.size();
    std::size_t cut = codePage_.BoundaryAtOrBefore(text, room);
    if (cut > 0 && text[cut - 1] == '\r' && text[cut] == '\n') --cut;  // a CR LF stays whole
    return cut;
}

bool CEditViewPlus::Fits(std::size_t insertedBytes) const {
    const auto [start, end] = GetSelectionRange();
    return GetTextLength() - (end - start) + insertedBytes <= kTextLimit;
}

std::optional<std::string> CEditViewPlus::TypedBytes(const QKeyEvent& event) const {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return std::string(LineEndBytes(lineEnd_));
    if (IsTabKey(event.key())) return std::string("\t");
    const QString text = event.text();
    if (text.isEmpty()) return std::nullopt;
    for (QChar c : text) {
        if (!c.isPrint() && !c.isSurrogate()) return std::nullopt;
    }
    return codePage_.Encode(text.toStdString()).value_or(std::string());
}

void CEditViewPlus::InsertTyped(const std::string& bytes) {
    SendScintilla(SCI_REPLACESEL, static_cast<uintptr_t>(0), bytes.c_str());
}

void CEditViewPlus::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & kCommandModifiers) {
        // Only a command bound to the key acts; its text is never typed. (AltGr comes as a
        // group switch, not as Alt, so its characters are typed below.)
        QKeyEvent command(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                          event->nativeVirtualKey(), event->nativeModifiers(), QString(),
                          event->isAutoRepeat(), static_cast<quint16>(event->count()));
        QsciScintilla::keyPressEvent(&command);
        event->setAccepted(command.isAccepted());
        return;
    }
    const std::optional<std::string> bytes = TypedBytes(*event);
    if (!bytes || isReadOnly()) {
        QsciScintilla::keyPressEvent(event);
        return;
    }
    event->accept();
    if (bytes->empty() || !Fits(bytes->size())) {
        MessageBeep();
        return;
    }
    // Scintilla types UTF-8, and Latin-1 in single-byte mode, by itself; a tab (also with Shift)
    // replaces the selection rather than indenting lines, and Windows-1252 characters outside
    // Latin-1 are inserted here.
    const bool scintillaTypesIt =
        !IsTabKey(event->key()) &&
        (codePage_.kind() == CodePage::Kind::Utf8 || event->text().toLatin1().toStdString() == *bytes);
    if (scintillaTypesIt) {
        QsciScintilla::keyPressEvent(event);
    } else {
        InsertTyped(*bytes);
    }
}

void CEditViewPlus::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (commit.isEmpty() || isReadOnly()) {
        QsciScintilla::inputMethodEvent(event);
        return;
    }
    const std::optional<std::string> bytes = codePage_.Encode(commit.toStdString());
    const bool scintillaTypesIt =
        bytes && (codePage_.kind() == CodePage::Kind::Utf8 || commit.toLatin1().toStdString() == *bytes);
    if (bytes && Fits(bytes->size()) && scintillaTypesIt) {
        QsciScintilla::inputMethodEvent(event);
        return;
    }
    // Hand on the composition without the committed text, which is inserted here or refused.
    QInputMethodEvent rest(event->preeditString(), event->attributes());
    QsciScintilla::inputMethodEvent(&rest);
    if (bytes && Fits(bytes->size())) {
        InsertTyped(*bytes);
    } else {
        MessageBeep();
    }
}

void CEditViewPlus::mousePressEvent(QMouseEvent* event) {
    // Clicks select as in a plain text field: Ctrl, Alt and Meta are dropped, so no click starts
    // a block or a second selection; Shift still extends the selection.
    event->setModifiers(event->modifiers() & ~kCommandModifiers);
    QsciScintilla::mousePressEvent(event);
}

bool CEditViewPlus::event(QEvent* event) {
    const bool handled = QsciScintilla::event(event);
    KeepOneStreamSelection();
    return handled;
}

bool CEditViewPlus::viewportEvent(QEvent* event) {
    const bool handled = QsciScintilla::viewportEvent(event);
    KeepOneStreamSelection();
    return handled;
}

void CEditViewPlus::KeepOneStreamSelection() {
    if (SendScintilla(SCI_GETSELECTIONS) == 1 && SendScintilla(SCI_GETSELECTIONMODE) == SC_SEL_STREAM) {
        return;
    }
    // Anchor and caret are those of the block, or of the main selection.
    const auto anchor = SendScintilla(SCI_GETANCHOR);
    const auto caret = SendScintilla(SCI_GETCURRENTPOS);
    SendScintilla(SCI_CLEARSELECTIONS);
    SendScintilla(SCI_SETSELECTION, static_cast<unsigned long>(caret), anchor);
}

void CEditViewPlus::dragMoveEvent(QDragMoveEvent* event) {
    QsciScintilla::dragMoveEvent(event);
    // Text the code page cannot hold is refused at the drop; no move is offered for it, so its
    // source never gives the text away.
    if (event->isAccepted() && !Encodable(*event->mimeData())) {
        if (event->possibleActions() & Qt::CopyAction) {
            event->setDropAction(Qt::CopyAction);
        } else {
            event->ignore();
        }
    }
}

void CEditViewPlus::dropEvent(QDropEvent* event) {
    // Text the code page cannot hold is refused whole, the text and the selection stay.
    if (canInsertFromMimeData(event->mimeData()) && !Encodable(*event->mimeData())) {
        MessageBeep();
        event->ignore();
        return;
    }
    // A move inside the view takes its text away again, so the selection's bytes are free.
    const auto [start, end] = GetSelectionRange();
    const bool moveWithin = event->source() == this && event->dropAction() == Qt::MoveAction;
    insertAllowance_ = kTextLimit - GetTextLength() + (moveWithin ? end - start : 0);
    QsciScintilla::dropEvent(event);
    insertAllowance_.reset();
}

bool CEditViewPlus::Encodable(const QMimeData& source) const {
    return codePage_.Encode(source.text().toStdString()).has_value();
}

std::optional<std::string> CEditViewPlus::EncodedText(const QMimeData& source) const {
    std::optional<std::string> encoded = codePage_.Encode(source.text().toStdString());
    if (!encoded) return std::nullopt;
    std::string converted;
    if (!ConvertLineEnds(*encoded, lineEnd_, converted)) return encoded;
    return converted;
}

bool CEditViewPlus::canInsertFromMimeData(const QMimeData* source) const {
    for (const QUrl& url : source->urls()) {
        if (url.isLocalFile()) return false;
    }
    return source->hasText();
}

QByteArray CEditViewPlus::fromMimeData(const QMimeData* source, bool& rectangular) const {
    rectangular = false;
    const std::optional<std::string> encoded = EncodedText(*source);
    if (!encoded) {
        MessageBeep();
        return {};
    }
    const std::size_t allowance = insertAllowance_.value_or(kTextLimit - GetTextLength());
    const std::size_t fits = CutPoint(*encoded, allowance);
    if (fits < encoded->size()) MessageBeep();
    return QByteArray(encoded->data(), static_cast<qsizetype>(fits));
}

QMimeData* CEditViewPlus::toMimeData(const QByteArray& text, bool rectangular) const {
    QMimeData* mime = QsciScintilla::toMimeData(text, rectangular);
    mime->setText(QString::fromStdString(
        codePage_.Decode(std::string_view(text.constData(), static_cast<std::size_t>(text.size())))));
    return mime;
}

void CEditViewPlus::contextMenuEvent(QContextMenuEvent* event) {
    // The commands of a plain text field (0 a separator), with their texts and enabling rules.
    static constexpr unsigned kItems[] = {
        kIdEditUndo, 0, kIdEditCut, kIdEditCopy, kIdEditPaste, kIdEditClear, 0, kIdEditSelectAll,
    };
    QMenu menu(this);
    for (const unsigned id : kItems) {
        if (id == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QtText(FindCommandRow(CommandRows(), id)->menuText));
        ActionCmdUI ui(id, *action);
        RunUpdateRule(ui);
        const unsigned command = id;
        connect(action, &QAction::triggered, this, [this, command] { RunHandler(command); });
    }
    menu.exec(event->globalPos());
}

// --- Word wrap --------------------------------------------------------------------------

bool CEditViewPlus::IsWordWrapOn() const { return wrapMode() != WrapNone; }

// --- Edit commands ------------------------------------------------------------------------

const CommandTarget::Map& CEditViewPlus::CommandMap() {
    static constexpr Entry kEntries[] = {
        OnCommand<&CEditViewPlus::OnEditUndo>(kIdEditUndo),
        OnUpdate<&CEditViewPlus::OnUpdateEditUndo>(kIdEditUndo),
        OnCommand<&CEditViewPlus::OnEditRedo>(kIdEditRedo),
        OnUpdate<&CEditViewPlus::OnUpdateEditRedo>(kIdEditRedo),
        OnCommand<&CEditViewPlus::OnEditCut>(kIdEditCut),
        OnUpdate<&CEditViewPlus::OnUpdateNeedSelection>(kIdEditCut),
        OnCommand<&CEditViewPlus::OnEditCopy>(kIdEditCopy),
        OnUpdate<&CEditViewPlus::OnUpdateNeedSelection>(kIdEditCopy),
        OnCommand<&CEditViewPlus::OnEditPaste>(kIdEditPaste),
        OnUpdate<&CEditViewPlus::OnUpdateEditPaste>(kIdEditPaste),
        OnCommand<&CEditViewPlus::OnEditClear>(kIdEditClear),
        OnUpdate<&CEditViewPlus::OnUpdateNeedSelection>(kIdEditClear),
        OnCommand<&CEditViewPlus::OnEditSelectAll>(kIdEditSelectAll),
        OnUpdate<&CEditViewPlus::OnUpdateNeedText>(kIdEditSelectAll),
        OnCommand<&CEditViewPlus::OnEditFind>(kIdEditFind),
        OnUpdate<&CEditViewPlus::OnUpdateNeedText>(kIdEditFind),
        OnCommand<&CEditViewPlus::OnEditReplace>(kIdEditReplace),
        OnUpdate<&CEditViewPlus::OnUpdateNeedText>(kIdEditReplace),
        OnCommand<&CEditViewPlus::OnEditRepeat>(kIdEditRepeat),
        OnUpdate<&CEditViewPlus::OnUpdateEditRepeat>(kIdEditRepeat),
        OnCommand<&CEditViewPlus::OnEditRepeatUp>(kIdEditRepeatUp),
        OnUpdate<&CEditViewPlus::OnUpdateEditRepeat>(kIdEditRepeatUp),
        OnCommandRange<&CEditViewPlus::OnFilePrint>(kIdFilePrint, kIdFilePrintDirect),
        OnCommandRange<&CEditViewPlus::OnConvertLineEnds>(kIdLineEndsToCrLf, kIdLineEndsToLf),
        OnUpdate<&CEditViewPlus::OnUpdateNeedText>(kIdLineEndsToCrLf),
        OnUpdate<&CEditViewPlus::OnUpdateNeedText>(kIdLineEndsToLf),
        OnUpdate<&CEditViewPlus::OnUpdateLineEndsPane>(kIdIndicatorLineEnds),
        OnUpdate<&CEditViewPlus::OnUpdateCaretPane>(kIdIndicatorCaret),
    };
    static const Map map{&CommandTarget::CommandMap(), kEntries};
    return map;
}

void CEditViewPlus::OnEditUndo() { SendScintilla(SCI_UNDO); }

void CEditViewPlus::OnUpdateEditUndo(CmdUI& ui) { ui.Enable(CanUndo()); }

void CEditViewPlus::OnEditRedo() { SendScintilla(SCI_REDO); }

void CEditViewPlus::OnUpdateEditRedo(CmdUI& ui) { ui.Enable(SendScintilla(SCI_CANREDO) != 0); }

void CEditViewPlus::OnEditCut() { SendScintilla(SCI_CUT); }

void CEditViewPlus::OnEditCopy() { SendScintilla(SCI_COPY); }

void CEditViewPlus::OnEditPaste() {
    // The pasted text replaces the selection as one undo step, cut at the limit; text the code
    // page cannot hold is refused whole and the selection stays.
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    if (clipboard == nullptr || !canInsertFromMimeData(clipboard) || isReadOnly()) return;
    const std::optional<std::string> text = EncodedText(*clipboard);
    if (!text || !ReplaceSelection(*text, true)) MessageBeep();
    SendScintilla(SCI_SCROLLCARET);
}

void CEditViewPlus::OnUpdateEditPaste(CmdUI& ui) {
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    ui.Enable(clipboard != nullptr && canInsertFromMimeData(clipboard));
}

void CEditViewPlus::OnEditClear() { SendScintilla(SCI_CLEAR); }

void CEditViewPlus::OnUpdateNeedSelection(CmdUI& ui) {
    const auto [start, end] = GetSelectionRange();
    ui.Enable(start != end);
}

void CEditViewPlus::OnEditSelectAll() {
    SetSelection(0, -1);
    SendScintilla(SCI_SCROLLCARET);
}

void CEditViewPlus::OnUpdateNeedText(CmdUI& ui) { ui.Enable(GetTextLength() > 0); }

}  // namespace venkora
