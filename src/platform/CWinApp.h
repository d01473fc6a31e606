#pragma once
// The application base: start-up and exit steps, the settings store, the recent-file list, the
// document template, and the commands of the application as a whole (new, open, the recent
// files, exit).

#include <QString>

#include <memory>

#include "core/CommandTarget.h"
#include "core/RecentFileList.h"

namespace venkora {

class CDocument;
class CFrameWnd;
class CSingleDocTemplate;
class ProfileStore;

class CWinApp : public CommandTarget {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs before the event loop; false ends the program at once.
    virtual bool InitInstance() = 0;
    // Runs after the event loop (also after a failed start); returns the exit code.
    virtual int ExitInstance();

    // Opens the user's settings store (company "talberg", application "Venkora"); a store set
    // before (tests) is kept.
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

    void OnFileNew();
    void OnFileOpen();
    void OnAppExit();
    void OnFileMru1() { OpenRecentFile(0); }
    void OnFileMru2() { OpenRecentFile(1); }
    void OnFileMru3() { OpenRecentFile(2); }
    void OnFileMru4() { OpenRecentFile(3); }
    void OnUpdateRecentFileMenu(CmdUI& ui);
    static const Map& CommandMap();
    const Map& GetCommandMap() const override { return CommandMap(); }

    void SetExitCode(int code) { exitCode_ = code; }

private:
    void OpenRecentFile(std::size_t index);

    std::unique_ptr<ProfileStore> profile_;
    RecentFileList recentFiles_;
    std::unique_ptr<CSingleDocTemplate> template_;
    int exitCode_ = 0;
};

}  // namespace venkora
