// The test command hook: commands named in VENKORA_TEST_COMMANDS run once the event loop runs,
// and the one dialog seam confirms every kind of dialog they show; without commands named,
// nothing is scheduled and a dialog runs its own modal loop.

#include <QTimer>

#include <cstdlib>

#include "AppFixture.h"
#include "app/CSetTabStops.h"
#include "app/ScriptedCommands.h"
#include "optimizer/OptimizeOptionKey.h"
#include "resources/CommandIds.h"

namespace venkora::test {
namespace {

class ScriptedCommandsTest : public AppFixture {
protected:
    ~ScriptedCommandsTest() override {
        unsetenv("VENKORA_TEST_COMMANDS");
        CDialog::SetModalSeam({});
    }

    // Whether the tab length dialog runs a modal loop of its own (cancelled from within it).
    bool TabLengthDialogRunsItsLoop() {
        bool ran = false;
        QTimer timer;  // fires in the dialog's event loop, and never after this function
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&ran] {
            auto* dialog = qobject_cast<CSetTabStops*>(QApplication::activeModalWidget());
            ran = dialog != nullptr;
            if (dialog) dialog->OnCancel();
        });
        timer.start(0);
        Execute(kIdTabLength);
        return ran;
    }
};

TEST_F(ScriptedCommandsTest, WithoutCommandsNothingIsScheduledAndDialogsRunTheirLoop) {
    ASSERT_TRUE(Start());
    EXPECT_FALSE(ScriptedCommands::Schedule(frame()));
    EXPECT_TRUE(TabLengthDialogRunsItsLoop());
    setenv("VENKORA_TEST_COMMANDS", "", 1);
    EXPECT_FALSE(ScriptedCommands::Schedule(frame()));
    EXPECT_TRUE(TabLengthDialogRunsItsLoop());
}

TEST_F(ScriptedCommandsTest, TheCommandsRunLaterAndEveryDialogKindIsConfirmed) {
    profile.WriteInt("Einstellungen", "TabStops", 30);
    ASSERT_TRUE(Start());
    setenv("VENKORA_TEST_COMMANDS", "32774, 32772", 1);  // tab length, optimize
    ASSERT_TRUE(ScriptedCommands::Schedule(frame()));
    EXPECT_EQ(view().GetTabStopWidth(), 30);
    QApplication::processEvents();
    EXPECT_EQ(view().GetTabStopWidth(), 28);  // 7 characters confirmed
    EXPECT_EQ(app->profile().GetInt("OptimierenDlg", "Tabbreite", 0), 2u);  // stored by OK
    EXPECT_TRUE(messages.isEmpty());
    // The seam answered the scripted commands only.
    EXPECT_TRUE(TabLengthDialogRunsItsLoop());
}

}  // namespace
}  // namespace venkora::test
