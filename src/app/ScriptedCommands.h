#pragma once
// A testing aid for whole-program tests (docs/testing.md): when the environment variable
// VENKORA_TEST_COMMANDS names command ids (comma-separated, e.g. "32772,57603,57665"), they are
// issued one after another once the event loop runs, as if chosen from the menu, and every
// dialog they show is confirmed with OK and the values it shows. Unset or empty, the variable
// schedules nothing and dialogs run as always.

namespace venkora {

class CFrameWnd;

class ScriptedCommands {
public:
    // Schedules the commands for `frame`; true when the variable named some.
    static bool Schedule(CFrameWnd& frame);
};

}  // namespace venkora
