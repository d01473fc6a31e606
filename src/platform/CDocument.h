#pragma once
// The document base: the data behind the one view, its path name, title and modified flag, and
// the document's part of the file commands (save, save as, the save question). The view marks
// it modified on every change of the text; new, open and save clear the flag. It remembers what
// its file was on the disk when loaded or saved, and asks before it saves over a file another
// program changed since, or offers to load that file again.

#include <QString>

#include <functional>
#include <optional>

#include "core/CommandTarget.h"
#include "core/FileIdentity.h"
#include "platform/QtText.h"
#include "resources/StringTable.h"

class QWidget;

namespace venkora {

class Archive;

class CDocument : public CommandTarget {
public:
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true);

    const QString& GetPathName() const { return pathName_; }
    const QString& GetTitle() const { return title_; }
    // The file the document is kept in; the title becomes its name.
    void SetPathName(const QString& path);

    // Empties the path; the title becomes the untitled name; not modified.
    virtual bool OnNewDocument();
    // The document goes on with an unsaved text of the file `path` (empty: untitled), which was
    // `identity` when it was loaded or saved: modified, so that saving writes it there, asking
    // first when the file changed since.
    void ContinueUnsaved(const QString& path, const std::optional<FileIdentity>& identity);
    // The file as it was last loaded or saved, if any.
    const std::optional<FileIdentity>& fileIdentity() const { return fileIdentity_; }
    // Loads the file; on failure reports why and leaves the text and the flag as they were.
    virtual bool OnOpenDocument(const QString& path);
    // Stores into the file, keeping the old file whole if anything fails (reported).
    virtual bool OnSaveDocument(const QString& path);
    // Loads from or stores into the archive; the base holds no data.
    virtual void Serialize(Archive&) {}

    // Asks whether to save a modified document: true when the caller may go on (saved or not
    // wanted), false when the user cancelled or the save failed.
    bool SaveModified();
    // Saves under `path`, or asks for a name when it is empty; true when saved. Saving over the
    // document's own file after another program changed it asks first.
    bool DoSave(const QString& path);
    // Offers to load the file again when another program changed it since it was loaded or
    // saved; the frame calls it when the window becomes active. Nothing is asked for an
    // untitled document, while a question about the file is open, when the file is gone or its
    // status cannot be read, nor about a change the user chose not to load.
    void CheckFileChangedElsewhere();

    void OnFileSave();
    void OnFileSaveAs();
    static const Map& CommandMap();
    const Map& GetCommandMap() const override { return CommandMap(); }

    // Where dialogs of the document appear; the frame sets itself.
    void SetDialogParent(QWidget* parent) { dialogParent_ = parent; }
    // Told when the title changes (the frame's window title follows it).
    void SetTitleChangedHandler(std::function<void()> handler) { titleChanged_ = std::move(handler); }
    // Told whenever the modified flag changes.
    void SetModifiedChangedHandler(std::function<void()> handler) { modifiedChanged_ = std::move(handler); }
    // Told of each file opened or saved under a name (the recent-file list).
    void SetFileUsedHandler(std::function<void(const QString&)> handler) {
        fileUsed_ = std::move(handler);
    }

private:
    void SetTitle(const QString& title);
    // The file under the path now when it is not the one last loaded or saved; nullopt when it
    // is, and when there is no file (one deleted elsewhere is saved again without asking) or its
    // status cannot be read (taken as unchanged).
    std::optional<FileIdentity> ChangedFileOnDisk() const;
    void RememberFile(const std::optional<FileIdentity>& identity);

    QString pathName_;
    QString title_ = QtText(text::kUntitled);
    bool modified_ = false;
    std::optional<FileIdentity> fileIdentity_;      // the file as last loaded or saved
    std::optional<FileIdentity> declinedIdentity_;  // a change the user chose not to load
    bool askingAboutChange_ = false;  // a question about the changed file is open
    QWidget* dialogParent_ = nullptr;
    std::function<void()> titleChanged_;
    std::function<void()> modifiedChanged_;
    std::function<void(const QString&)> fileUsed_;
};

}  // namespace venkora
