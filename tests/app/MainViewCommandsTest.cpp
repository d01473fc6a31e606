// The main view's own commands: word wrap switched in place, the tab length dialog, the font
// dialog and select all, with what they leave in the view settings for the exit.

#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <functional>

#include "AppFixture.h"
#include "app/CGoToLineDlg.h"
#include "app/CSetTabStops.h"
#include "platform/ActionCmdUI.h"
#include "resources/CommandIds.h"

namespace venkora::test {
namespace {

class MainViewCommandsTest : public AppFixture {
protected:
    ~MainViewCommandsTest() override { CDialog::SetModalSeam({}); }

    // The font command with the real dialog: `answer` gets it as it opened, then it gets OK.
    void ChooseFont(const std::function<void(QFontDialog&)>& answer) {
        QTimer timer;  // fires in the dialog's event loop, and never after this function
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answer(*dialog);
            dialog->accept();
        });
        timer.start(0);
        Execute(kIdDisplayFont);
    }
};

TEST_F(MainViewCommandsTest, WordWrapKeepsTextFlagAndFontButDropsSelectionAndUndo) {
    ASSERT_TRUE(Start());
    view().ReplaceSelection("ein langer Text\r\nzweite Zeile", true);
    const QFont font = view().font();
    view().SetSelection(2, 6);
    ASSERT_TRUE(doc().IsModified());
    Execute(kIdToggleWordWrap);
    EXPECT_TRUE(view().IsWordWrapOn());
    EXPECT_EQ(Text(), "ein langer Text\r\nzweite Zeile");
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(view().font(), font);
    EXPECT_EQ(view().GetSelectionRange(), std::make_pair(std::size_t{0}, std::size_t{0}));
    EXPECT_FALSE(view().CanUndo());
    EXPECT_EQ(viewSettings().wordWrap(), 1);

    saveAnswers = {SaveAnswer::No};
    Stop();
    EXPECT_EQ(profile.GetInt("Einstellungen", "Zeilenumbruch", 0), 1u);
    ASSERT_TRUE(Start());  // comes back on, with its check mark
    EXPECT_TRUE(view().IsWordWrapOn());
    ActionCmdUI ui(kIdToggleWordWrap, *frame().ActionFor(kIdToggleWordWrap));
    frame().router().Update(ui);
    EXPECT_TRUE(frame().ActionFor(kIdToggleWordWrap)->isChecked());
}

TEST_F(MainViewCommandsTest, TheDefaultFontIsAThirteenPixelMonospaceFont) {
    ASSERT_TRUE(Start());
    const QFontInfo shown(view().font());
    EXPECT_EQ(shown.pixelSize(), 13);
    EXPECT_TRUE(ColumnsLineUp(view().font())) << shown.family().toStdString();
    // The edit area draws lines of that font, not of a font of size zero.
    EXPECT_GE(view().SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0UL), 13);
    EXPECT_EQ(view().SendScintilla(QsciScintillaBase::SCI_GETTABWIDTH), 8);
}

TEST_F(MainViewCommandsTest, TabLengthIsShownInCharactersAndStoredInDialogUnits) {
    profile.WriteInt("Einstellungen", "TabStops", 30);
    ASSERT_TRUE(Start());
    unsigned shown = 0;
    CDialog::SetModalSeam<CSetTabStops>([&shown](CSetTabStops& dialog) {
        shown = dialog.tabLength;
        return dialog.OnOK() ? static_cast<int>(QDialog::Accepted) : static_cast<int>(QDialog::Rejected);
    });
    Execute(kIdTabLength);
    EXPECT_EQ(shown, 7u);
    EXPECT_EQ(view().GetTabStopWidth(), 28);
    Stop();
    EXPECT_EQ(profile.GetInt("Einstellungen", "TabStops", 0), 28u);
}

// "Gehe zu Zeile" offers the caret's line within 1 to the last line (CR LF, CR and LF each end
// one), refuses others, and puts the caret at the start of the chosen line; the status line
// shows line and column, tabs expanded to the tab width.
TEST_F(MainViewCommandsTest, GoToLineAndTheCaretPane) {
    ASSERT_TRUE(Start());
    view().ReplaceSelection("eins\r\nzwei\rdrei\nvi\ter", true);
    view().SetSelection(8, 8);  // in "zwei"
    QString range;
    std::size_t offered = 0;
    const auto answer = [&](const char* typed) {
        CDialog::SetModalSeam<CGoToLineDlg>([&, typed](CGoToLineDlg& dialog) {
            offered = dialog.line;
            for (QLabel* label : dialog.findChildren<QLabel*>()) {
                if (label->text().startsWith(u'(')) range = label->text();
            }
            dialog.findChild<QLineEdit*>(QString::number(CGoToLineDlg::kIdLineEdit))->setText(QString::fromLatin1(typed));
            return dialog.OnOK() ? static_cast<int>(QDialog::Accepted) : static_cast<int>(QDialog::Rejected);
        });
        Execute(kIdGoToLine);
    };
    answer("0");
    EXPECT_EQ(offered, 2u);
    EXPECT_EQ(range, QStringLiteral("(1 bis 4)"));
    EXPECT_EQ(messages.size(), 1) << "out of range is refused";
    answer("4");
    EXPECT_EQ(view().GetSelectionRange(), std::make_pair(std::size_t{16}, std::size_t{16}));
    view().SetSelection(19, 19);  // behind the tab
    frame().UpdateIdle();
    EXPECT_EQ(frame().caretPane()->text(), QStringLiteral("Z 4, Sp 9"));
}

// "Leerraum anzeigen" switches the visible blanks, checks its item, and is kept for the next run.
TEST_F(MainViewCommandsTest, VisibleBlanksAreSwitchedAndKept) {
    ASSERT_TRUE(Start());
    EXPECT_FALSE(view().BlanksShown());
    Execute(kIdViewWhitespace);
    EXPECT_TRUE(view().BlanksShown());
    ActionCmdUI ui(kIdViewWhitespace, *frame().ActionFor(kIdViewWhitespace));
    frame().router().Update(ui);
    EXPECT_TRUE(frame().ActionFor(kIdViewWhitespace)->isChecked());
    Stop();
    EXPECT_EQ(profile.GetInt("Einstellungen", "Leerraum", 0), 1u);
    ASSERT_TRUE(Start());
    EXPECT_TRUE(view().BlanksShown());
}

TEST_F(MainViewCommandsTest, NothingChangedWritesNoViewSetting) {
    ASSERT_TRUE(Start());
    Execute(kIdToggleWordWrap);
    Execute(kIdToggleWordWrap);  // and back
    Stop();
    EXPECT_EQ(profile.GetInt("Einstellungen", "Zeilenumbruch", 77), 77u);
    EXPECT_EQ(profile.GetInt("Einstellungen", "TabStops", 77), 77u);
    EXPECT_EQ(profile.GetInt("Schriftart", "Höhe", 77), 77u);
}

TEST_F(MainViewCommandsTest, AChosenFontIsShownAndSavedAtExit) {
    ASSERT_TRUE(Start());
    UserPromptSeams seams;
    seams.font = [](const QFont& current) -> std::optional<QFont> {
        QFont chosen = current;
        chosen.setPixelSize(20);
        chosen.setBold(true);
        return chosen;
    };
    SetUserPromptSeams(seams);
    Execute(kIdDisplayFont);
    EXPECT_EQ(QFontInfo(view().font()).pixelSize(), 20);
    Stop();
    EXPECT_EQ(static_cast<std::int32_t>(profile.GetInt("Schriftart", "Höhe", 0)), -20);
    EXPECT_EQ(profile.GetInt("Schriftart", "Dicke", 0), 700u);
}

// The dialog opens on the font drawn (not on a face name its list may lack) and OK alone writes
// nothing; a size picked in it (11 points, no whole number of pixels) is what the view shows at
// once and after a restart, where the dialog offers it again.
TEST_F(MainViewCommandsTest, TheFontDialogStartsFromAndKeepsTheShownFont) {
    for (const char* height : {"-13", "0"}) {  // "Courier", the edit area's default font
        SCOPED_TRACE(height);
        profile = MemoryProfileStore();
        profile.WriteString("Schriftart", "Höhe", height);
        ASSERT_TRUE(Start());
        const QFontInfo shown(view().font());
        ChooseFont([&](QFontDialog& dialog) {
            const QFontInfo opened(dialog.currentFont());
            EXPECT_EQ(opened.family().toStdString(), shown.family().toStdString());
            EXPECT_EQ(opened.styleName().toStdString(), shown.styleName().toStdString());
            EXPECT_NEAR(opened.pointSizeF(), shown.pointSizeF(), 0.5);
        });
        Stop();
        EXPECT_EQ(profile.GetString("Schriftart", "Höhe"), height);
        EXPECT_EQ(profile.GetString("Schriftart", "Art", "-"), "-");

        ASSERT_TRUE(Start());
        QFont picked;
        ChooseFont([&](QFontDialog& dialog) {
            QFont resized = dialog.currentFont();
            resized.setPointSize(11);
            dialog.setCurrentFont(resized);
            picked = dialog.currentFont();
        });
        const QFont chosen = view().font();
        EXPECT_EQ(QFontInfo(chosen).family().toStdString(), shown.family().toStdString());
        Stop();
        if (height == std::string("-13")) {  // only the size was changed and is written
            EXPECT_EQ(profile.GetString("Schriftart", "Art", "-"), "-");
        }
        ASSERT_TRUE(Start());
        EXPECT_EQ(view().font().toString().toStdString(), chosen.toString().toStdString());
        ChooseFont([&](QFontDialog& dialog) {
            EXPECT_EQ(dialog.currentFont().toString().toStdString(),
                      picked.toString().toStdString());
        });
        Stop();
    }
}

TEST_F(MainViewCommandsTest, SelectAllTextIsAlwaysEnabled) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(frame().router().IsEnabled(kIdSelectAllText));
    Execute(kIdSelectAllText);  // empty text: nothing selected, nothing reported
    EXPECT_TRUE(messages.isEmpty());
    view().ReplaceSelection("abc", true);
    Execute(kIdSelectAllText);
    EXPECT_EQ(view().GetSelectionRange(), std::make_pair(std::size_t{0}, std::size_t{3}));
}

}  // namespace
}  // namespace venkora::test
