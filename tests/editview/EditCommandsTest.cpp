// The edit commands through the command table of the view, with their enabling rules asked the
// way menus and the toolbar ask them.

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QUrl>
#include <QtTest/QTest>

#include <string>

#include "EditViewFixture.h"
#include "resources/CommandIds.h"
#include "core/CommandRouter.h"

namespace venkora::test {
namespace {

class EditCommandsTest : public EditViewFixture {
protected:
    EditCommandsTest() { router.SetChain({view.get(), &document}); }

    bool Enabled(unsigned id) const { return router.IsEnabled(id); }

    CommandRouter router;
};

TEST_F(EditCommandsTest, SelectionCommandsNeedASelection) {
    Load("Text ohne Markierung");
    view->SetSelection(3, 3);
    for (unsigned id : {kIdEditCut, kIdEditCopy, kIdEditClear}) {
        EXPECT_FALSE(Enabled(id)) << id;
        EXPECT_FALSE(router.Execute(id)) << id;
    }
    EXPECT_EQ(Text(), "Text ohne Markierung");
    view->SetSelection(0, 4);
    for (unsigned id : {kIdEditCut, kIdEditCopy, kIdEditClear}) EXPECT_TRUE(Enabled(id)) << id;
}

TEST_F(EditCommandsTest, SelectAllNeedsText) {
    EXPECT_FALSE(Enabled(kIdEditSelectAll));
    Load("abc");
    EXPECT_TRUE(router.Execute(kIdEditSelectAll));
    EXPECT_EQ(view->GetSelectionRange(), std::make_pair(std::size_t{0}, std::size_t{3}));
    EXPECT_FALSE(document.IsModified());
}

TEST_F(EditCommandsTest, PasteFollowsTheClipboard) {
    QApplication::clipboard()->setText(QStringLiteral("eingefügt"));
    EXPECT_TRUE(Enabled(kIdEditPaste));  // also with an empty text
    auto* picture = new QMimeData;
    picture->setImageData(QImage(4, 4, QImage::Format_RGB32));
    QApplication::clipboard()->setMimeData(picture);
    EXPECT_FALSE(Enabled(kIdEditPaste));
    QApplication::clipboard()->clear();
    EXPECT_FALSE(Enabled(kIdEditPaste));
    auto* files = new QMimeData;  // copied in a file manager: their names are no text to paste
    files->setUrls({QUrl::fromLocalFile(QStringLiteral("/home/anna/brief.txt"))});
    QApplication::clipboard()->setMimeData(files);
    EXPECT_FALSE(Enabled(kIdEditPaste));
}

TEST_F(EditCommandsTest, EveryChangeCanBeUndone) {
    Load("abc");
    EXPECT_FALSE(Enabled(kIdEditUndo));
    QTest::keyClicks(view.get(), "x");
    EXPECT_TRUE(Enabled(kIdEditUndo));

    const auto undoneAfter = [this](unsigned id) {
        Load("abc");
        view->SetSelection(0, 1);
        EXPECT_TRUE(router.Execute(id)) << id;
        EXPECT_TRUE(Enabled(kIdEditUndo)) << id;
        EXPECT_TRUE(router.Execute(kIdEditUndo));
        return Text();
    };
    QApplication::clipboard()->setText(QStringLiteral("Z"));
    EXPECT_EQ(undoneAfter(kIdEditPaste), "abc");
    EXPECT_EQ(undoneAfter(kIdEditCut), "abc");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("a"));
    EXPECT_EQ(undoneAfter(kIdEditClear), "abc");
}

// Undo goes back step by step through typing, pasting and replacing; redo takes the undos back
// until something new is done; loading empties both.
TEST_F(EditCommandsTest, UndoAndRedoGoThroughEveryStep) {
    Load("abc");
    QTest::keyClicks(view.get(), "x");
    view->SetSelection(4, 4);
    QApplication::clipboard()->setText(QStringLiteral("P"));
    router.Execute(kIdEditPaste);
    view->SetSelection(0, 1);
    view->ReplaceSelection("R", true);
    const std::string steps[] = {"RabcP", "xabcP", "xabc", "abc"};
    EXPECT_FALSE(Enabled(kIdEditRedo));
    for (std::size_t i = 1; i < std::size(steps); ++i) {
        EXPECT_TRUE(router.Execute(kIdEditUndo));
        EXPECT_EQ(Text(), steps[i]);
    }
    EXPECT_FALSE(Enabled(kIdEditUndo));
    for (std::size_t i = std::size(steps) - 1; i-- > 0;) {
        EXPECT_TRUE(router.Execute(kIdEditRedo));
        EXPECT_EQ(Text(), steps[i]);
    }
    EXPECT_FALSE(Enabled(kIdEditRedo));
    router.Execute(kIdEditUndo);
    QTest::keyClicks(view.get(), "n");  // something new: nothing left to redo
    EXPECT_FALSE(Enabled(kIdEditRedo));
    Load("abc");
    EXPECT_FALSE(Enabled(kIdEditUndo) || Enabled(kIdEditRedo));
}

TEST_F(EditCommandsTest, CommandsNobodyHandlesAreDisabled) {
    for (unsigned id : {kIdFilePageSetup, kIdEditClearAll}) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
}

}  // namespace
}  // namespace venkora::test
