// The optimize command through the real view and document: the range it takes, the refusal of
// an empty selection, one undo step, the modified flag, the status texts and the reselection.

#include <QLabel>

#include "AppFixture.h"
#include "optimizer/COptimierenDlg.h"
#include "optimizer/TextPasses.h"
#include "resources/CommandIds.h"

namespace venkora::test {
namespace {

using namespace std::string_literals;

class OptimizeCommandTest : public AppFixture {
protected:
    OptimizeCommandTest() {
        CDialog::SetModalSeam<COptimierenDlg>([this](COptimierenDlg& dialog) {
            presetRange = dialog.options().bereich;
            if (!answer) return static_cast<int>(QDialog::Rejected);
            const int range = choice.value_or(dialog.options().bereich);
            dialog.options() = *answer;
            dialog.options().bereich = range;
            return static_cast<int>(QDialog::Accepted);
        });
    }
    ~OptimizeCommandTest() override { CDialog::SetModalSeam({}); }

    // Opens `bytes` as a file, dropping the changes of the text before.
    void Load(const std::string& bytes) {
        WriteFile(Path("text.txt"), bytes);
        openAnswers = {Path("text.txt")};
        saveAnswers = {SaveAnswer::No};
        Execute(kIdFileOpen);
    }

    std::optional<OptimizeOptions> answer;  // the switches confirmed; nullopt = cancel
    std::optional<int> choice;               // the range chosen in the dialog, if changed
    int presetRange = -1;
};

OptimizeOptions SpacesAtBothSides() {
    OptimizeOptions o;
    o.leerz = o.leerzAnf = o.leerzEnde = 1;
    return o;
}

TEST_F(OptimizeCommandTest, TheWholeTextWhenNothingIsSelected) {
    ASSERT_TRUE(Start());
    Load("  a  \r\n  b  \r\n");
    answer = SpacesAtBothSides();
    Execute(kIdOptimize);
    EXPECT_EQ(presetRange, 1);
    EXPECT_EQ(Text(), "  a\r\nb\r\n");
    const std::size_t length = Text().size();
    EXPECT_EQ(view().GetSelectionRange(), std::make_pair(length, length));  // caret at the end
    EXPECT_TRUE(doc().IsModified());
    Execute(kIdEditUndo);
    EXPECT_EQ(Text(), "  a  \r\n  b  \r\n");
}

TEST_F(OptimizeCommandTest, ASelectionIsOptimizedAndSelectedAgain) {
    ASSERT_TRUE(Start());
    Load("x  \r\n  a  \r\n  b  \r\ny");
    view().SetSelection(3, 15);  // from mid-line to mid-line
    answer = SpacesAtBothSides();
    Execute(kIdOptimize);
    EXPECT_EQ(presetRange, 0);
    EXPECT_EQ(Text(), "x  \r\na\r\nb  \r\ny");
    EXPECT_EQ(view().GetSelectionRange(), std::make_pair(std::size_t{3}, std::size_t{9}));
}

// The line ends of the whole document, not of the selection, say where lines break; the status
// line shows them afterwards.
TEST_F(OptimizeCommandTest, TheDocumentsLineEndsDecideAlsoForASelection) {
    ASSERT_TRUE(Start());
    const struct {
        std::string text;
        std::size_t start, end;
        std::string optimized;
        const char* shown;
    } rows[] = {
        {"x  \n  a  \n  b  \ny", 3, 12, "x  \na\nb  \ny", "LF"},
        {"x  \r  a  \r  b  \ry", 3, 12, "x  \ra\rb  \ry", "CR"},
        {"x  \n  a  \r\n", 0, 6, "x  \n  a  \r\n", "gemischt"},  // a lone LF breaks no line here
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        Load(row.text);
        view().SetSelection(row.start, static_cast<std::ptrdiff_t>(row.end));
        answer = SpacesAtBothSides();
        Execute(kIdOptimize);
        EXPECT_EQ(Text(), row.optimized);
        frame().UpdateIdle();
        EXPECT_EQ(frame().lineEndsPane()->text(), QString::fromLatin1(row.shown));
    }
}

TEST_F(OptimizeCommandTest, AnEmptySelectionIsRefused) {
    ASSERT_TRUE(Start());
    Load("  a  \r\n");
    answer = SpacesAtBothSides();
    choice = 0;  // "Markierung" although nothing is selected
    Execute(kIdOptimize);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.front(), QStringLiteral("Bitte wählen Sie einen Bereich, den Sie optimieren wollen."));
    EXPECT_EQ(Text(), "  a  \r\n");
    EXPECT_FALSE(doc().IsModified());
}

TEST_F(OptimizeCommandTest, CancelChangesNothing) {
    ASSERT_TRUE(Start());
    Load("  a  \r\n");
    frame().SetMessageText(QStringLiteral("vorher"));
    Execute(kIdOptimize);
    EXPECT_EQ(Text(), "  a  \r\n");
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(frame().MessageText(), QStringLiteral("vorher"));
}

TEST_F(OptimizeCommandTest, RangesWithCrsAreTakenWhole) {
    ASSERT_TRUE(Start());
    struct Row {
        std::string text;
        OptimizeOptions options;
    };
    OptimizeOptions nothing;
    OptimizeOptions joinAll;
    joinAll.zeilenumbruch = 1;
    for (const Row& row : {Row{"a\rb\r", nothing}, Row{"\r\r\r a \r\r", SpacesAtBothSides()},
                           Row{"a\r\n\rb\r", joinAll}, Row{"", SpacesAtBothSides()}}) {
        Load(row.text);
        answer = row.options;
        Execute(kIdOptimize);
        std::string expected = row.text;
        OptimizeTextPasses(expected, row.options, LineEndKindOf(row.text));
        EXPECT_EQ(Text(), expected);
        EXPECT_EQ(frame().MessageText(), QStringLiteral("Bereit"));
    }
}

TEST_F(OptimizeCommandTest, OneUndoStepAlsoRightAfterTyping) {
    ASSERT_TRUE(Start());
    Load("a\t\r\n\tb");
    view().SetSelection(0, 0);
    Type(QStringLiteral("z "));
    answer = OptimizeOptions{};
    answer->tabZuLeerz = 1;
    answer->tabbreite = 3;
    Execute(kIdOptimize);
    EXPECT_EQ(Text(), "z a   \r\n   b");
    Execute(kIdEditUndo);
    EXPECT_EQ(Text(), "z a\t\r\n\tb");
}

TEST_F(OptimizeCommandTest, StatusTextsInTheirOrderThenBereit) {
    ASSERT_TRUE(Start());
    Load("a \r\n");
    QStringList texts;
    QObject::connect(&frame(), &CFrameWnd::messageTextChanged,
                     [&texts](const QString& text) { texts << text; });
    answer = SpacesAtBothSides();
    answer->tab = answer->tabEnde = 1;
    answer->bendef = answer->bendefAnf = 1;
    answer->bendefZeichen = "#";
    Execute(kIdOptimize);
    EXPECT_EQ(texts, (QStringList{"Lösche Leerzeichen...", "Lösche Tabulatoren...",
                                           "Lösche benutzerdefinierte Zeichen...", "Bereit"}));
}

TEST_F(OptimizeCommandTest, TheUserStringIsMatchedInTheDocumentsCodePage) {
    ASSERT_TRUE(Start());
    Load("\r\n\xe4\xe4x\r\n");  // Windows-1252: "ää" as single bytes
    answer = OptimizeOptions{};
    answer->bendef = answer->bendefAnf = 1;
    answer->bendefZeichen = "ä";  // typed text, UTF-8
    Execute(kIdOptimize);
    EXPECT_EQ(Text(), "\r\nx\r\n");

    answer->bendefZeichen = "ł";  // not in the code page: deletes nothing
    Load("\r\n\xe4x");
    Execute(kIdOptimize);
    EXPECT_EQ(Text(), "\r\n\xe4x");
}

TEST_F(OptimizeCommandTest, AResultPastTheLimitIsRefusedAndKeepsTheSelection) {
    ASSERT_TRUE(Start());
    Load(std::string(600000, '\t'));
    answer = OptimizeOptions{};
    answer->tabZuLeerz = 1;
    answer->tabbreite = 2;  // 1.2 million bytes
    struct Row {
        std::size_t start, end;
        std::optional<int> range;
    };
    // A caret with the whole text preset, a selection with the whole text chosen in the dialog,
    // and a selection of the whole text.
    for (const Row& row : {Row{7, 7, std::nullopt}, Row{5, 10, 1}, Row{0, 600000, std::nullopt}}) {
        view().SetSelection(row.start, static_cast<std::ptrdiff_t>(row.end));
        choice = row.range;
        messages.clear();
        Execute(kIdOptimize);
        EXPECT_EQ(messages.join(QLatin1Char('|')).toStdString(),
                  "Der Text wäre danach länger als 1.048.575 Bytes und passt nicht in das Dokument. "
                  "Der Text bleibt unverändert.");
        EXPECT_EQ(view().GetSelectionRange(), std::make_pair(row.start, row.end));
        EXPECT_EQ(view().GetTextLength(), 600000u);
        EXPECT_FALSE(doc().IsModified());
        EXPECT_EQ(frame().MessageText(), QStringLiteral("Bereit"));
    }
}

}  // namespace
}  // namespace venkora::test
