#pragma once
// The questions the document flow asks the user: which file to open, under which name to save,
// and whether to save changes. Tests replace them with answers of their own.

#include <QFont>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace venkora {

enum class SaveAnswer { Yes, No, Cancel };

// The file dialogs offer all files only; nullopt when the user cancels.
std::optional<QString> AskOpenFileName(QWidget* parent);
std::optional<QString> AskSaveFileName(QWidget* parent, const QString& suggestion);
// "Änderungen in „NAME“ speichern?" with Ja, Nein and Abbrechen.
SaveAnswer AskSaveChanges(QWidget* parent, const QString& title);
// The font dialog for screen fonts, starting from `current`; nullopt when cancelled.
std::optional<QFont> AskFont(QWidget* parent, const QFont& current);

struct UserPromptSeams {
    std::function<std::optional<QString>()> openFileName;
    std::function<std::optional<QString>(const QString& suggestion)> saveFileName;
    std::function<SaveAnswer(const QString& title)> saveChanges;
    std::function<std::optional<QFont>(const QFont& current)> font;
};
// Replaces the real dialogs by `seams` (each empty function keeps its real dialog).
void SetUserPromptSeams(UserPromptSeams seams);

}  // namespace venkora
