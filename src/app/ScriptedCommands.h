#pragma once
// For whole-program tests: the command ids in the environment variable VENKORA_TEST_COMMANDS
// (comma-separated, e.g. "32772,57603,57665") are issued one after another once the event loop
// runs, as if chosen from the menu; the optimize and tab length dialogs then confirm with the
// values they show. Without the variable nothing happens.

namespace venkora {

class CFrameWnd;

class ScriptedCommands {
public:
    // Schedules the commands for `frame`; true when the variable was set.
    static bool Schedule(CFrameWnd& frame);
};

}  // namespace venkora
