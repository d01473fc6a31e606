#pragma once
// The application: opens the settings store, ties the document, the main window and the main
// view together, carries out the command line (a file that does not exist yet, in a folder that
// does, becomes an empty document of that name; "+N" puts the caret on a line), shows the
// window where it was left, offers the tip of the day, and at the end saves what has to outlive
// the run. A command line that prints (-p, -pt, --pdf) prints the file with the stored view
// settings and ends the run without showing anything and without writing the settings. Its own
// commands show the tip dialog and the about box.

#include <string>
#include <vector>

#include "app/CommandLineInfo.h"
#include "app/RecoveryKeeper.h"
#include "app/ViewSettings.h"
#include "editview/FindReplaceState.h"
#include "platform/CWinApp.h"

namespace venkora {

class CMainFrame;
class CQuendelDoc;
class CQuendelView;

class CQuendelApp : public CWinApp {
public:
    explicit CQuendelApp(std::vector<std::string> arguments);

    bool InitInstance() override;
    int ExitInstance() override;

    CMainFrame* mainFrame() const;
    CQuendelDoc* document() const;
    CQuendelView* view() const;
    // The main view's settings of this run, read when the view is made and written at exit.
    ViewSettings& viewSettings() { return viewSettings_; }

    // The last start-up step: unless the program was started for embedding, automation or
    // printing, the tip dialog reads the next tip and shows it when tips at start-up are on.
    void OfferStartupTip();
    // After the window shows, before the tip: offers, one by one, the unsaved texts of editors
    // that ended without saving (Ja restores one and ends the offers, Nein puts it aside for a
    // week, Abbrechen keeps it for the next start); damaged files are put aside and named.
    void OfferRecovery();
    // Writes the unsaved text to its recovery file at once (a termination signal came).
    void KeepUnsavedTextNow();
    void ShowTipsDialog();
    void ShowAboutBox();
    static const Map& CommandMap();
    const Map& GetCommandMap() const override { return CommandMap(); }

private:
    bool ProcessShellCommand();
    // Puts the caret at the start of the command line's line ("+N"), or of the last line when
    // the text has fewer, and scrolls that line into the middle of the window.
    void GoToStartLine();
    // Prints the command line's file; always false (the run ends), the exit code says whether
    // it printed. Every failure is reported on standard error.
    bool PrintFromCommandLine();
    // Shows `file`'s text as an unsaved document of its path; false when the user kept the
    // document shown (the save question was cancelled).
    bool Restore(const RecoveryFile& file);

    CommandLineInfo commandLine_;
    ViewSettings viewSettings_;
    // The open find or replace dialog and the last search, for the whole run.
    FindReplaceState findReplaceState_;
    // The unsaved text kept against a crash.
    RecoveryKeeper recovery_{RecoveryFolder(RecoveryFolder::DefaultPath())};
};

}  // namespace venkora
