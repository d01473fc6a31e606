// The edit view's byte-offset operations, typing, the text limit, tab stops, the code page and
// the modified flag, on a real QScintilla control.

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QtTest/QTest>

#include <string>

#include "EditViewFixture.h"
#include "platform/QtKeys.h"
#include "resources/CommandTable.h"
#include "core/CodePage.h"

namespace venkora::test {
namespace {

using namespace std::string_literals;

class CEditViewPlusTest : public EditViewFixture {};

TEST_F(CEditViewPlusTest, SelectedTextStopsAtTheFirstCrOrLf) {
    Load("ab\r\ncd");
    struct Row {
        std::size_t start;
        std::ptrdiff_t end;
        std::string expected;
    };
    for (const Row& row : {Row{0, 6, "ab"}, Row{4, 6, "cd"}, Row{2, 6, ""}, Row{3, 6, ""},
                           Row{0, -1, "ab"}, Row{5, 5, ""}}) {
        view->SetSelection(row.start, row.end);
        EXPECT_EQ(view->GetSelectedText(), row.expected) << row.start << ".." << row.end;
    }
    view->SetSelection(1, 4);
    EXPECT_EQ(view->GetSelectionRange(), std::make_pair(std::size_t{1}, std::size_t{4}));
}

TEST_F(CEditViewPlusTest, LengthAndLockedTextKeepEveryByte) {
    EXPECT_EQ(view->GetTextLength(), 0u);
    const std::string bytes = "a\0b\r\n\xff\x80"s;
    Load(bytes);
    EXPECT_EQ(view->GetTextLength(), bytes.size());
    EXPECT_EQ(Text(), bytes);
    view->SetSelection(0, -1);
    EXPECT_EQ(view->GetSelectedText(), "a\0b"s);  // an interior NUL is text, the CR ends it
}

TEST_F(CEditViewPlusTest, LockedTextRefusesChangesUntilUnlocked) {
    Load("abc");
    const char* first = view->LockText();
    QTest::keyClicks(view.get(), "xyz");
    const char* second = view->LockText();
    EXPECT_EQ(std::string(second, 3), "abc");
    EXPECT_EQ(first, second);
    view->UnlockText();
    view->UnlockText();
    view->SetSelection(3, 3);
    QTest::keyClicks(view.get(), "d");
    EXPECT_EQ(Text(), "abcd");
}

TEST_F(CEditViewPlusTest, ReplaceSelectionLeavesTheCaretBehindTheText) {
    Load("Hallo Welt");
    view->SetSelection(6, 10);
    EXPECT_TRUE(view->ReplaceSelection("Venkora\0!"s, true));
    EXPECT_EQ(Text(), "Hallo Venkora\0!"s);
    EXPECT_EQ(view->GetSelectionRange(), std::make_pair(std::size_t{15}, std::size_t{15}));
    EXPECT_TRUE(document.IsModified());
}

TEST_F(CEditViewPlusTest, ReplacementAfterTypingIsItsOwnUndoStep) {
    Load("ab");
    view->SetSelection(2, 2);
    QTest::keyClicks(view.get(), "cd");
    ASSERT_EQ(Text(), "abcd");
    view->SetSelection(0, -1);
    view->ReplaceSelection("XY", true);
    ASSERT_TRUE(view->CanUndo());
    view->OnEditUndo();
    EXPECT_EQ(Text(), "abcd");
    view->OnEditUndo();
    EXPECT_EQ(Text(), "ab");
}

TEST_F(CEditViewPlusTest, ReplacementWithoutUndoCannotBeUndone) {
    Load("ab");
    view->SetSelection(2, 2);
    QTest::keyClicks(view.get(), "c");
    view->SetSelection(0, 1);
    view->ReplaceSelection("z", false);
    EXPECT_EQ(Text(), "zbc");
    EXPECT_FALSE(view->CanUndo());
}

TEST_F(CEditViewPlusTest, EnterInsertsCrLfAndTabReplacesTheSelection) {
    Load("a\r\nb\r\nc");
    view->SetSelection(0, -1);
    QTest::keyClick(view.get(), Qt::Key_Tab);
    EXPECT_EQ(Text(), "\t");
    QTest::keyClick(view.get(), Qt::Key_Return);
    EXPECT_EQ(Text(), "\t\r\n");
}

TEST_F(CEditViewPlusTest, TheLimitHoldsForTypingReplacingAndPasting) {
    Load(std::string(CEditViewPlus::kTextLimit - 1, 'x'));
    view->SetLineEnd(LineEndKind::CrLf);
    view->SetSelection(0, 0);
    QTest::keyClicks(view.get(), "ab");  // one fits, the second is refused
    EXPECT_EQ(view->GetTextLength(), CEditViewPlus::kTextLimit);
    EXPECT_EQ(Text().substr(0, 2), "ax");
    QTest::keyClick(view.get(), Qt::Key_Return);
    EXPECT_EQ(view->GetTextLength(), CEditViewPlus::kTextLimit);

    // A selection frees its bytes; the rest is cut at a character boundary (ä is two bytes).
    view->SetSelection(0, 3);
    EXPECT_FALSE(view->ReplaceSelection("12\xc3\xa4", true));
    EXPECT_EQ(Text().substr(0, 3), "12x");
    EXPECT_EQ(view->GetTextLength(), CEditViewPlus::kTextLimit - 1);

    view->SetSelection(0, 0);
    QApplication::clipboard()->setText(QStringLiteral("äö"));
    view->OnEditPaste();
    EXPECT_EQ(view->GetTextLength(), CEditViewPlus::kTextLimit - 1);  // ä does not fit whole

    view->SetSelection(0, 2);
    QApplication::clipboard()->setText(QStringLiteral("ä\nb"));  // LF grows into CR LF
    view->OnEditPaste();  // 3 bytes free: a line break is not cut in half
    EXPECT_EQ(Text().substr(0, 3), "\xc3\xa4x");
    EXPECT_EQ(view->GetTextLength(), CEditViewPlus::kTextLimit - 1);
}

// Enter, paste and the status line follow the document's own line end; a new document and a
// text without line ends use LF.
TEST_F(CEditViewPlusTest, EnterPasteAndTheStatusLineFollowTheDocumentsLineEnd) {
    const struct {
        const char* loaded;  // nullptr: a new document
        const char* shown;
        const char* end;
    } cases[] = {
        {nullptr, "LF", "\n"},      {"ab", "LF", "\n"},          {"a\nb", "LF", "\n"},
        {"a\rb", "CR", "\r"},      {"a\r\nb", "CR LF", "\r\n"}, {"a\n\rb", "gemischt", "\r\n"},
        {"a\r\nb\n", "gemischt", "\r\n"}, {"a\rb\r\n", "gemischt", "\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.loaded ? c.loaded : "new");
        if (c.loaded) {
            Load(c.loaded);
        } else {
            view->ClearText();
        }
        EXPECT_EQ(view->LineEndsText(), QString::fromLatin1(c.shown));
        const std::string before = Text();
        view->SetSelection(before.size(), -1);
        QTest::keyClick(view.get(), Qt::Key_Return);
        QApplication::clipboard()->setText(QStringLiteral("p\nq\rr\r\ns\n\rt"));
        view->OnEditPaste();
        const std::string end = c.end;
        EXPECT_EQ(Text(), before + end + "p" + end + "q" + end + "r" + end + "s" + end + "t");
        if (!c.loaded || std::string_view(c.loaded) == "ab") {
            EXPECT_EQ(view->LineEndsText(), QStringLiteral("LF"));
        }
        view->OnEditUndo();
        EXPECT_EQ(view->LineEndsText(), QString::fromLatin1(c.shown)) << "kept up to date by undo too";
    }
}

// Converting turns every line end (a CR LF or LF CR pair is one) into the chosen one and makes it
// Enter's, as one undoable edit, and is refused whole where the text would pass the limit.
TEST_F(CEditViewPlusTest, ConvertingLineEndsIsOneEditWithinTheLimit) {
    Load("a\r\nb\nc\rd\n\re\r\r\n");
    view->ConvertLineEndsTo(LineEndKind::Lf);
    EXPECT_EQ(Text(), "a\nb\nc\nd\ne\n\n");
    EXPECT_EQ(view->LineEndsText(), QStringLiteral("LF"));
    QTest::keyClick(view.get(), Qt::Key_Return);
    EXPECT_EQ(Text().back(), '\n');
    view->ConvertLineEndsTo(LineEndKind::CrLf);
    EXPECT_EQ(view->LineEndsText(), QStringLiteral("CR LF"));
    view->OnEditUndo();
    view->OnEditUndo();
    view->OnEditUndo();
    EXPECT_EQ(Text(), "a\r\nb\nc\rd\n\re\r\r\n");
    // Undo and redo take Enter's line end back and forth with the text.
    view->OnEditRedo();
    EXPECT_EQ(view->lineEnd(), LineEndKind::Lf);
    view->OnEditUndo();
    view->SetSelection(0, 0);
    QTest::keyClick(view.get(), Qt::Key_Return);
    EXPECT_EQ(Text(), "\r\na\r\nb\nc\rd\n\re\r\r\n");

    const std::string nearLimit = std::string(CEditViewPlus::kTextLimit - 2, 'x') + "\n\n";
    Load(nearLimit);
    view->ConvertLineEndsTo(LineEndKind::CrLf);
    EXPECT_EQ(Text(), nearLimit);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains(QStringLiteral("1.048.575"))) << messages.front().toStdString();
}

TEST_F(CEditViewPlusTest, DroppedFilesAreNotTakenAsText) {
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(QStringLiteral("/home/anna/brief.txt"))});
    file.setText(QStringLiteral("/home/anna/brief.txt"));
    EXPECT_FALSE(view->canInsertFromMimeData(&file));
    QMimeData text;
    text.setText(QStringLiteral("Text"));
    EXPECT_TRUE(view->canInsertFromMimeData(&text));
}

TEST_F(CEditViewPlusTest, Windows1252TextIsTypedCopiedAndPastedThroughItsTable) {
    Load("Gr\xfc\xdf \x80");  // not UTF-8: a Windows-1252 document
    ASSERT_EQ(view->codePage().kind(), CodePage::Kind::Windows1252);
    view->SetSelection(0, -1);
    view->OnEditCopy();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Grüß €"));

    view->SetSelection(6, 6);
    Type(QStringLiteral("€„ä"));
    EXPECT_EQ(Text(), "Gr\xfc\xdf \x80\x80\x84\xe4");
    Type(QStringLiteral("ł"));  // not in the code page: refused
    EXPECT_EQ(Text(), "Gr\xfc\xdf \x80\x80\x84\xe4");

    QApplication::clipboard()->setText(QStringLiteral("“–”"));
    view->OnEditPaste();
    EXPECT_EQ(Text().substr(9), "\x93\x96\x94");
}

TEST_F(CEditViewPlusTest, InputMethodCommitsFollowTheCodePageAndTheLimit) {
    Load("\x80");  // Windows-1252
    view->SetSelection(1, 1);
    const auto commit = [this](const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(view.get(), &event);
    };
    commit(QStringLiteral("€ä"));
    EXPECT_EQ(Text(), "\x80\x80\xe4");
    commit(QStringLiteral("日本"));  // not in the code page
    EXPECT_EQ(Text(), "\x80\x80\xe4");

    Load(std::string(CEditViewPlus::kTextLimit - 1, 'x'));
    view->SetSelection(0, 0);
    commit(QStringLiteral("ab"));  // two bytes, one free
    EXPECT_EQ(view->GetTextLength(), CEditViewPlus::kTextLimit - 1);
    commit(QStringLiteral("a"));
    EXPECT_EQ(view->GetTextLength(), CEditViewPlus::kTextLimit);
}

TEST_F(CEditViewPlusTest, Utf8IsChosenForValidUtf8) {
    Load("Grüß €");
    EXPECT_EQ(view->codePage().kind(), CodePage::Kind::Utf8);
    view->SetSelection(0, -1);
    view->OnEditCopy();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Grüß €"));
}

TEST_F(CEditViewPlusTest, ChangesMarkTheDocumentButLoadingAndClearingDoNot) {
    Load("abc");
    EXPECT_FALSE(document.IsModified());
    QTest::keyClicks(view.get(), "x");
    EXPECT_TRUE(document.IsModified());

    document.SetModifiedFlag(false);
    view->ClearText();
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(view->GetTextLength(), 0u);
    EXPECT_FALSE(view->CanUndo());

    Load("abc");
    view->SetSelection(0, 1);
    view->OnEditClear();
    document.SetModifiedFlag(false);
    view->OnEditUndo();
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(Text(), "abc");
}

// Every key of a command row belongs to the frame, whatever the edit control binds to it; keys
// of extras a plain text field lacks (select all, line cut, duplicate, transpose, upper case) do
// nothing.
TEST_F(CEditViewPlusTest, KeysOfTheFrameAndForeignExtrasDoNothingInTheView) {
    Load("one two\r\nthree");
    view->SetSelection(0, 3);
    QList<QKeyCombination> keys = {Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_L, Qt::CTRL | Qt::Key_D,
                                   Qt::CTRL | Qt::Key_T, Qt::CTRL | Qt::Key_U};
    for (const CommandRow& row : CommandRows()) {
        for (const KeyChord& chord : {row.key, row.alternateKey}) {
            if (!chord.IsNone()) keys << QtKeys(chord);
        }
    }
    for (const QKeyCombination key : keys) {
        QTest::keyClick(view.get(), key.key(), key.keyboardModifiers());
    }
    EXPECT_EQ(Text(), "one two\r\nthree");
    EXPECT_EQ(view->GetSelectionRange(), std::make_pair(std::size_t{0}, std::size_t{3}));
    QTest::keyClick(view.get(), Qt::Key_Right, Qt::ShiftModifier);  // ordinary keys stay
    EXPECT_EQ(view->GetSelectionRange(), std::make_pair(std::size_t{0}, std::size_t{4}));
}

// With Ctrl, Alt or Meta a key types nothing, though bound commands still act; AltGr (a group
// switch to Qt) types its character. Shift+Tab types a tab; Alt+Shift+arrows make no block.
TEST_F(CEditViewPlusTest, OnlyPlainKeysType) {
    const auto press = [this](Qt::Key key, Qt::KeyboardModifiers modifiers, const char* text = "") {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, QString::fromUtf8(text));
        QApplication::sendEvent(view.get(), &event);
    };
    Load("eins zwei\r\ndrei");
    view->SetSelection(4, 4);
    press(Qt::Key_1, Qt::ControlModifier, "1");
    press(Qt::Key_X, Qt::AltModifier, "x");
    press(Qt::Key_K, Qt::MetaModifier, "k");
    press(Qt::Key_At, Qt::GroupSwitchModifier, "@");
    press(Qt::Key_Home, Qt::ControlModifier);
    press(Qt::Key_Down, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(Text(), "eins@ zwei\r\ndrei");
    EXPECT_EQ(view->GetSelectionRange(), std::make_pair(std::size_t{0}, std::size_t{0}));
    view->SetSelection(2, 13);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Text(), "ei\trei");
}

// A drag with Ctrl selects a stream of text, no block; whatever made a block, the next event
// leaves one selection with the same anchor and caret.
TEST_F(CEditViewPlusTest, SelectionsAreNeverBlocks) {
    Load("eins zwei\r\ndrei vier\r\nfuenf sechs");
    const auto mouse = [this](QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, view->viewport()->mapToGlobal(at), button, buttons, Qt::ControlModifier);
        QApplication::sendEvent(view->viewport(), &event);
    };
    mouse(QEvent::MouseButtonPress, QPointF(20, 3), Qt::LeftButton);
    mouse(QEvent::MouseMove, QPointF(40, 60), Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, QPointF(40, 60), Qt::NoButton);
    EXPECT_EQ(view->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONS), 1);
    view->SendScintilla(QsciScintillaBase::SCI_SETRECTANGULARSELECTIONANCHOR, 1UL);
    view->SendScintilla(QsciScintillaBase::SCI_SETRECTANGULARSELECTIONCARET, 14UL);
    mouse(QEvent::MouseMove, QPointF(5, 5), Qt::NoButton);
    EXPECT_EQ(view->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONS), 1);
    EXPECT_EQ(view->GetSelectionRange(), std::make_pair(std::size_t{1}, std::size_t{14}));
}

// Text the code page cannot hold is refused whole, pasted or dropped: text and selection stay,
// and a drag (Shift asks for a move) is offered no move, so its source keeps the text.
TEST_F(CEditViewPlusTest, TextTheCodePageCannotHoldIsRefusedWhole) {
    Load("ab\x80 cd");  // Windows-1252
    view->SetSelection(0, 2);
    QApplication::clipboard()->setText(QStringLiteral("日本"));
    view->OnEditPaste();
    const QMimeData* text = QApplication::clipboard()->mimeData();
    const QPoint at(20, 5);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, text, Qt::LeftButton, Qt::ShiftModifier);
    QDragMoveEvent move(at, actions, text, Qt::LeftButton, Qt::ShiftModifier);
    QDropEvent drop(at, actions, text, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    QApplication::sendEvent(view->viewport(), &move);
    QApplication::sendEvent(view->viewport(), &drop);
    EXPECT_EQ(move.dropAction(), Qt::CopyAction);
    EXPECT_EQ(Text(), "ab\x80 cd");
    EXPECT_EQ(view->GetSelectionRange(), std::make_pair(std::size_t{0}, std::size_t{2}));
}

// A tab stop lies the given dialog units (quarters of the average width of A-Z, a-z) from the
// line start, as near as whole columns allow, for whatever fonts this machine resolves.
TEST_F(CEditViewPlusTest, TabStopsAreDialogUnitsOfTheFont) {
    Load("\tx");
    QFont larger = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    larger.setPointSizeF(larger.pointSizeF() * 3);
    for (const int units : {32, 6}) {
        view->SetTabStopWidth(units);
        for (const QFont& font : {QFontDatabase::systemFont(QFontDatabase::FixedFont), larger,
                                  QFontDatabase::systemFont(QFontDatabase::GeneralFont)}) {
            view->SetViewFont(font);  // keeps the width in dialog units
            const QFontMetricsF metrics(view->font());
            const double letter =
                metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52;
            const long tabStop = view->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, 1L) -
                                 view->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, 0L);
            EXPECT_NEAR(static_cast<double>(tabStop), units * letter / 4, metrics.horizontalAdvance(u' ') / 2 + 1)
                << QFontInfo(view->font()).family().toStdString() << ", " << units;
        }
    }
    view->SetTabStopWidth(1);
    EXPECT_EQ(view->SendScintilla(QsciScintillaBase::SCI_GETTABWIDTH), 1);  // never 0
    // The widest stored width (only a hand-edited setting gives it) still lays out the text
    // behind the tab: a wider tab overflowed Scintilla's positions and hid it.
    view->SetTabStopWidth(std::numeric_limits<int>::max());
    for (const auto wrap : {QsciScintilla::WrapWord, QsciScintilla::WrapNone}) {
        view->setWrapMode(wrap);
        const long behindTab = view->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, 1L);
        EXPECT_GT(behindTab, 0) << wrap;
        EXPECT_GT(view->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, 2L), behindTab) << wrap;
    }
}

}  // namespace
}  // namespace venkora::test
