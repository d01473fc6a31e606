// Find and replace in the edit view: the enabling rules, one dialog of either kind, the
// dialog's notifications, the beeps, typed strings in the document's code page, and
// replacements that one undo each takes back.

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <string>
#include <tuple>
#include <utility>

#include "EditViewFixture.h"
#include "core/CommandRouter.h"
#include "editview/FindReplaceState.h"
#include "platform/CFindReplaceDialog.h"
#include "platform/CFrameWnd.h"
#include "resources/CommandIds.h"

namespace venkora::test {
namespace {

using Dlg = CFindReplaceDialog;
using Selection = std::pair<std::size_t, std::size_t>;

class FindReplaceTest : public EditViewFixture {
protected:
    FindReplaceTest() {
        router.SetChain({view.get(), &document});
        view->SetFindReplaceState(state);
        SetMessageBeepSeam([this] { ++beeps; });
    }
    ~FindReplaceTest() override {
        view.reset();
        SetMessageBeepSeam({});
    }

    Selection Sel() const { return view->GetSelectionRange(); }
    // The application's find and replace state, handed to the view.
    FindReplaceState state;
    Dlg* Dialog() const { return state.dialog; }
    template <class Control = QPushButton>
    Control* Find(int id) const {
        return Dialog()->findChild<Control*>(QString::number(id));
    }
    // Opens the dialog of a kind (or shows it again) and fills in its texts.
    void Open(unsigned command, const QString& findWhat, const QString& replaceWith = {}) {
        ASSERT_TRUE(router.Execute(command));
        Find<QLineEdit>(Dlg::kIdFindWhat)->setText(findWhat);
        if (auto* edit = Find<QLineEdit>(Dlg::kIdReplaceWith)) edit->setText(replaceWith);
    }
    void Undo() { ASSERT_TRUE(router.Execute(kIdEditUndo)); }

    CommandRouter router;
    int beeps = 0;
};

TEST_F(FindReplaceTest, RulesAndTypedStringsInTheDocumentsCodePage) {
    for (unsigned id : {kIdEditFind, kIdEditReplace, kIdEditRepeat}) EXPECT_FALSE(router.IsEnabled(id)) << id;
    Load("Gr\xFC\xDF" "e f\xFCr 5 \x80");  // not UTF-8: Windows-1252
    EXPECT_TRUE(router.IsEnabled(kIdEditFind) && router.IsEnabled(kIdEditReplace));
    EXPECT_FALSE(router.IsEnabled(kIdEditRepeat)) << "no find string yet";
    view->FindNext({"Ü", true, false, ""});
    EXPECT_EQ(Sel(), Selection(2, 3));
    view->FindNext({"ü", true, true, ""});
    EXPECT_EQ(Sel(), Selection(7, 8));
    view->FindNext({"€", true, true, ""});
    EXPECT_EQ(Sel(), Selection(12, 13));
    view->FindNext({"Ω", false, true, ""});  // no such character in the code page
    EXPECT_EQ(Sel(), Selection(12, 13));
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(router.IsEnabled(kIdEditRepeat));

    // A replacement the code page cannot hold replaces nothing, and the message pane says why.
    CFrameWnd frame({}, QStringLiteral("Bereit"));
    view->setParent(&frame);
    view->ReplaceCurrent({"€", true, true, "Ω"});
    view->setParent(nullptr);
    EXPECT_EQ(Text(), "Gr\xFC\xDF" "e f\xFCr 5 \x80");
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(frame.MessageText(), QStringLiteral("„Ω“ lässt sich in der Kodierung dieses Dokuments nicht schreiben."));
}

TEST_F(FindReplaceTest, OneDialogAtATimeStartingFromTheSelectionsFirstLine) {
    Load("erste Zeile\r\nzweite Zeile");
    view->SetSelection(6, 18);
    ASSERT_TRUE(router.Execute(kIdEditFind));
    const QPointer<Dlg> find = Dialog();
    ASSERT_TRUE(find && find->windowTitle() == "Suchen" && find->isVisible());
    EXPECT_EQ(Find<QLineEdit>(Dlg::kIdFindWhat)->text(), "Zeile");
    ASSERT_TRUE(router.Execute(kIdEditFind));
    EXPECT_EQ(Dialog(), find) << "the open dialog is shown again";

    view->SetSelection(0, 5);
    ASSERT_TRUE(router.Execute(kIdEditReplace));
    ASSERT_TRUE(Dialog() && Dialog()->windowTitle() == "Ersetzen");
    EXPECT_EQ(Find<QLineEdit>(Dlg::kIdFindWhat)->text(), "erste");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(find.isNull()) << "the find dialog has closed";

    // Escape closes; a dialog opened without a selection offers the last find string.
    Find<QLineEdit>(Dlg::kIdFindWhat)->setText("Zeile");
    Find(Dlg::kIdOk)->click();
    QTest::keyClick(Dialog(), Qt::Key_Escape);
    EXPECT_EQ(Dialog(), nullptr);
    view->SetSelection(0, 0);
    ASSERT_TRUE(router.Execute(kIdEditFind));
    EXPECT_EQ(Find<QLineEdit>(Dlg::kIdFindWhat)->text(), "Zeile");
    view.reset();
    EXPECT_EQ(Dialog(), nullptr) << "the view's destruction drops the reference";
}

TEST_F(FindReplaceTest, FindNextAndRepeatSearchAsTheDialogSaysAndBeepWhenNothingIsLeft) {
    Load("aaa");
    Open(kIdEditFind, "aa");
    for (const Selection& expected : {Selection(0, 2), Selection(1, 3), Selection(1, 3)}) {
        QTest::keyClick(Find<QLineEdit>(Dlg::kIdFindWhat), Qt::Key_Return);  // "Weitersuchen"
        EXPECT_EQ(Sel(), expected);
    }
    Find<QLineEdit>(Dlg::kIdFindWhat)->setText("AA");
    Find<QCheckBox>(Dlg::kIdMatchCase)->click();
    Find(Dlg::kIdOk)->click();
    EXPECT_EQ(Sel(), Selection(1, 3));
    Find<QCheckBox>(Dlg::kIdMatchCase)->click();
    Find<QRadioButton>(Dlg::kIdUp)->click();
    Find(Dlg::kIdOk)->click();
    EXPECT_EQ(Sel(), Selection(0, 2));
    Find(Dlg::kIdOk)->click();  // up from the first byte
    EXPECT_EQ(beeps, 3);
    view->SetSelection(2, 2);
    ASSERT_TRUE(router.Execute(kIdEditRepeat));  // "AA" without case, up
    EXPECT_EQ(Sel(), Selection(1, 3));
}

TEST_F(FindReplaceTest, DialogsOfferTheSelectionsFirstLineAndSearchTheDirectionTheyShow) {
    // Each row opens a dialog over a selection, then chooses the direction and presses
    // "Weitersuchen" (or "Ersetzen", with "a" replaced by "b") three times.
    struct Row {
        const char* text;
        Selection selection;
        unsigned command;
        const char* offered;
        bool up;
        const char* result;
        Selection after;
        int beeps;
    };
    const Row rows[] = {
        {"Zeile hier\nZeile hier", {0, 21}, kIdEditFind, "Zeile hier", false, "Zeile hier\nZeile hier", {11, 21}, 1},
        {"a-a-a", {5, 5}, kIdEditReplace, "", true, "a-b-b", {0, 1}, 0},
        {"a-a-a", {0, 0}, kIdEditReplace, "", false, "b-b-a", {4, 5}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        state = FindReplaceState{};
        beeps = 0;
        Load(row.text);
        view->SetSelection(row.selection.first, static_cast<std::ptrdiff_t>(row.selection.second));
        ASSERT_TRUE(router.Execute(row.command));
        EXPECT_EQ(Find<QLineEdit>(Dlg::kIdFindWhat)->text(), row.offered);
        const bool replace = row.command == kIdEditReplace;
        if (replace) Open(kIdEditReplace, "a", "b");
        auto* direction = Find<QRadioButton>(row.up ? Dlg::kIdUp : Dlg::kIdDown);
        ASSERT_TRUE(direction);
        direction->click();
        for (int press = 0; press < 3; ++press) Find(replace ? int{Dlg::kIdReplace} : int{Dlg::kIdOk})->click();
        EXPECT_EQ(Text(), row.result);
        EXPECT_EQ(Sel(), row.after);
        EXPECT_EQ(beeps, row.beeps);
        Dialog()->OnCancel();
    }
}

TEST_F(FindReplaceTest, ReplaceAndReplaceAllAreOneUndoStepEach) {
    Load("ein Haus, ein haus");
    view->SetSelection(0, 3);
    Open(kIdEditReplace, "haus", "Heim");
    Find(Dlg::kIdReplace)->click();  // the selection is no match: only the next match is selected
    EXPECT_EQ(Text(), "ein Haus, ein haus");
    EXPECT_EQ(Sel(), Selection(4, 8));
    Find(Dlg::kIdReplace)->click();
    EXPECT_EQ(Sel(), Selection(14, 18));
    Find(Dlg::kIdReplace)->click();  // no further match: silent
    EXPECT_EQ(Text(), "ein Heim, ein Heim");
    Undo();
    EXPECT_EQ(Text(), "ein Heim, ein haus");

    using Row = std::tuple<const char*, std::size_t, const char*>;
    for (const auto& [text, caret, result] : {Row{"aaa", 0, "aaaaaa"}, Row{"a-a-a-a", 3, "a-a-b-b"}}) {
        Load(text);
        view->SetSelection(caret, static_cast<std::ptrdiff_t>(caret));
        Open(kIdEditReplace, "a", caret == 0 ? "aa" : "b");
        Find(Dlg::kIdReplaceAll)->click();
        EXPECT_EQ(Text(), result);
        EXPECT_EQ(Sel(), Selection(Text().size(), Text().size()));
        Undo();
        EXPECT_EQ(Text(), text);
        EXPECT_FALSE(view->CanUndo());
    }
    EXPECT_EQ(beeps, 0);
}

TEST_F(FindReplaceTest, ReplacementsStopAtTheTextLimit) {
    std::string text;  // short lines, one byte free
    while (text.size() < CEditViewPlus::kTextLimit - 6) text += text.size() % 64 == 62 ? '\n' : '-';
    text += "ab-ab";
    Load(text);
    view->ReplaceAll({"ab", true, true, "abc"});
    EXPECT_TRUE(Text() == text.substr(0, text.size() - 5) + "abc-ab");  // no diff of 1 MiB
    EXPECT_EQ(Sel(), Selection(CEditViewPlus::kTextLimit - 2, CEditViewPlus::kTextLimit));
    view->ReplaceCurrent({"ab", true, true, "abcd"});  // the selected match would not fit
    EXPECT_EQ(beeps, 2);
    Undo();
    EXPECT_TRUE(Text() == text);
}

}  // namespace
}  // namespace venkora::test
