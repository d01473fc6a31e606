#pragma once
// The application base: start-up and exit steps, the settings store, the recent-file list, the
// document template, the printer chosen for the run, and the commands of the application as a
// whole (new, open, printer setup, the recent files, exit).

#include <QString>

#include <memory>
#include <string_view>

#include "core/CommandTarget.h"
#include "core/RecentFileList.h"

class QPrinter;

namespace venkora {

class CDocument;
class CFrameWnd;
class CSingleDocTemplate;
class ProfileStore;

class CWinApp : public CommandTarget {
public:
    // The application of `program` by `company`, the names under which the settings are kept;
    // `program` is also the title of its windows and message boxes.
    CWinApp(std::string_view company, std::string_view program);
    // The application of this process; nullptr while there is none.
    static CWinApp* Current();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs before the event loop; false ends the program at once.
    virtual bool InitInstance() = 0;
    // Runs after the event loop (also after a failed start); returns the exit code.
    virtual int ExitInstance();

    // Opens the user's settings store of the company and program; a store set before (tests) is
    // kept.
    void SetRegistryKey();
    void SetProfileStore(std::unique_ptr<ProfileStore> store);
    ProfileStore& profile() const { return *profile_; }
    // Reads the recent-file list.
    void LoadStdProfileSettings();
    RecentFileList& recentFiles() { return recentFiles_; }

    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
    CSingleDocTemplate* docTemplate() const { return template_.get(); }
    // Opens `path` as the document (nullptr: a new one); a file opened enters the recent list.
    CDocument* OpenDocumentFile(const QString* path);
    CFrameWnd* GetMainWnd() const;
    // The printer and paper that printing and the preview use in this run: the system's
    // default printer until the printer setup chooses another.
    QPrinter& printer();

    void OnFileNew();
    void OnFileOpen();
    // The dialog "Druckereinrichtung": printer, paper and orientation for the rest of the run.
    void OnFilePrintSetup();
    void OnAppExit();
    // The recent-file commands, one id per entry of the list.
    void OnOpenRecentFile(unsigned id);
    void OnUpdateRecentFileMenu(CmdUI& ui);
    static const Map& CommandMap();
    const Map& GetCommandMap() const override { return CommandMap(); }

    void SetExitCode(int code) { exitCode_ = code; }
    int ExitCode() const { return exitCode_; }

private:
    QString company_;
    QString program_;
    std::unique_ptr<ProfileStore> profile_;
    RecentFileList recentFiles_;
    std::unique_ptr<CSingleDocTemplate> template_;
    std::unique_ptr<QPrinter> printer_;
    int exitCode_ = 0;
};

}  // namespace venkora
