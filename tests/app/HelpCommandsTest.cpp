// The tip of the day at start-up and the commands of the help menu, in the whole application
// with the shipped tips file next to the test program.

#include <QMenuBar>
#include <QToolBar>

#include "AppFixture.h"
#include "about/CAboutDlg.h"
#include "tips/CTipDlg.h"

namespace venkora::test {
namespace {

class HelpCommandsTest : public AppFixture {
protected:
    HelpCommandsTest() {
        offerStartupTip = true;
        CDialog::SetModalSeam([this](CDialog& shown) {
            auto* tip = qobject_cast<CTipDlg*>(&shown);
            shownDialogs << (tip ? "Tipp" : qobject_cast<CAboutDlg*>(&shown) ? "Info" : "?");
            EXPECT_TRUE(app->mainFrame()->isVisible() && shown.parentWidget() == app->mainFrame());
            EXPECT_TRUE(!tip || tip->tipText != "Tips-Datei ist im vorgeschriebenen Verzeichnis nicht vorhanden");
            return shown.result();
        });
    }
    ~HelpCommandsTest() override { CDialog::SetModalSeam({}); }
    std::uint32_t Position() const { return profile.GetInt("Tip", "FilePos", 0); }

    QStringList shownDialogs;
};

TEST_F(HelpCommandsTest, StartsShowTheTipAfterTheWindowAndMoveOnEvenWhenItIsOff) {
    std::uint32_t position = 0;
    for (const std::uint32_t startUp : {0u, 1u, 7u}) {
        profile.WriteInt("Tip", "StartUp", startUp);
        ASSERT_TRUE(Start());
        Stop();
        EXPECT_GT(Position(), position) << startUp;
        position = Position();
    }
    EXPECT_EQ(shownDialogs, QStringList{"Tipp"});
    for (const char* argument : {"-Embedding", "-automation"}) {  // no tip read at all
        profile.WriteInt("Tip", "StartUp", 0);
        ASSERT_TRUE(Start({argument}));
        Stop();
    }
    EXPECT_EQ(Position(), position);
    EXPECT_EQ(shownDialogs, QStringList{"Tipp"});
}

TEST_F(HelpCommandsTest, TipsAndAboutFromMenuAndToolbar) {
    profile.WriteInt("Tip", "StartUp", 1);
    ASSERT_TRUE(Start());
    QMenu* help = frame().menuBar()->actions().back()->menu();
    QMetaObject::invokeMethod(help, "aboutToShow");
    help->actions().front()->trigger();  // the tips, although off at start-up
    help->actions().back()->trigger();
    frame().UpdateIdle();
    QAction* button = frame().findChild<QToolBar*>()->actions().back();
    EXPECT_TRUE(button->isEnabled());
    button->trigger();
    EXPECT_EQ(shownDialogs, QStringList({"Tipp", "Info", "Info"}));
}

}  // namespace
}  // namespace venkora::test
