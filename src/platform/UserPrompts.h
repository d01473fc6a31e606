#pragma once
// The questions the document flow asks the user: which file to open, under which name to save,
// whether to save changes, what to do about a file another program changed, and whether to
// restore the unsaved text of an editor that ended without saving. Tests replace
// them with answers of their own.

#include <QFont>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace venkora {

enum class SaveAnswer { Yes, No, Cancel };
// About the document's file changed by another program: load it again (into an unmodified
// document, or losing the changes in the editor), or save over it.
enum class ChangedFileQuestion { Reload, ReloadLosingChanges, SaveAnyway };

// The file dialogs offer all files only; nullopt when the user cancels.
std::optional<QString> AskOpenFileName(QWidget* parent);
std::optional<QString> AskSaveFileName(QWidget* parent, const QString& suggestion);
// "Änderungen in „NAME“ speichern?" with Ja, Nein and Abbrechen.
SaveAnswer AskSaveChanges(QWidget* parent, const QString& title);
// "Venkora wurde nicht ordnungsgemäß beendet. Ungesicherte Änderungen an „NAME“ (Stand WHEN)
// wiederherstellen?" with Ja, Nein and Abbrechen.
SaveAnswer AskRestoreUnsaved(QWidget* parent, const QString& name, const QString& when);
// "„NAME“ wurde außerhalb von Venkora geändert. Neu laden?" (or "Trotzdem speichern?") with Ja
// and Nein; true for Ja. Only the question about an unmodified document has Ja as its default.
bool AskAboutChangedFile(QWidget* parent, ChangedFileQuestion question, const QString& title);
// The font dialog for screen fonts, starting from `current`; nullopt when cancelled.
std::optional<QFont> AskFont(QWidget* parent, const QFont& current);

struct UserPromptSeams {
    std::function<std::optional<QString>()> openFileName;
    std::function<std::optional<QString>(const QString& suggestion)> saveFileName;
    std::function<SaveAnswer(const QString& title)> saveChanges;
    std::function<bool(ChangedFileQuestion question, const QString& title)> changedFile;
    std::function<SaveAnswer(const QString& name, const QString& when)> restoreUnsaved;
    std::function<std::optional<QFont>(const QFont& current)> font;
};
// Replaces the real dialogs by `seams` (each empty function keeps its real dialog).
void SetUserPromptSeams(UserPromptSeams seams);

}  // namespace venkora
