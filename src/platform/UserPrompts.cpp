#include "platform/UserPrompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/FileNameIconProvider.h"
#include "platform/QtText.h"
#include "resources/StringTable.h"

namespace venkora {

namespace {

UserPromptSeams& Seams() {
    static UserPromptSeams seams;
    return seams;
}

// The toolkit's own file dialog (never a desktop one, which may read the files it lists), with
// icons and types from the file names only, so that no path typed or shown in it can block the
// program. `start` is a folder or a file name to begin with.
std::optional<QString> AskFileName(QWidget* parent, QFileDialog::AcceptMode mode, const QString& caption,
                                   const QString& start) {
    FileNameIconProvider icons;  // outlives the dialog
    QFileDialog dialog(parent, caption, start, QtText(text::kAllFiles));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&icons);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> AskOpenFileName(QWidget* parent) {
    if (Seams().openFileName) return Seams().openFileName();
    return AskFileName(parent, QFileDialog::AcceptOpen, QtText(text::kOpenTitle), QString());
}

std::optional<QString> AskSaveFileName(QWidget* parent, const QString& suggestion) {
    if (Seams().saveFileName) return Seams().saveFileName(suggestion);
    return AskFileName(parent, QFileDialog::AcceptSave, QtText(text::kSaveAsTitle), suggestion);
}

namespace {

// `question` with Ja (the default), Nein and Abbrechen (also Escape).
SaveAnswer AskYesNoCancel(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), question, QMessageBox::NoButton,
                    parent);
    QPushButton* yes = box.addButton(QtText(text::kYes), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QtText(text::kNo), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QtText(text::kCancel), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return SaveAnswer::Yes;
    if (box.clickedButton() == no) return SaveAnswer::No;
    return SaveAnswer::Cancel;
}

}  // namespace

SaveAnswer AskSaveChanges(QWidget* parent, const QString& title) {
    if (Seams().saveChanges) return Seams().saveChanges(title);
    return AskYesNoCancel(parent, QtText(text::kSaveChanges).arg(title));
}

SaveAnswer AskRestoreUnsaved(QWidget* parent, const QString& name, const QString& when) {
    if (Seams().restoreUnsaved) return Seams().restoreUnsaved(name, when);
    return AskYesNoCancel(parent, QtText(text::kRestoreQuestion).arg(name, when));
}

bool AskAboutChangedFile(QWidget* parent, ChangedFileQuestion question, const QString& title) {
    if (Seams().changedFile) return Seams().changedFile(question, title);
    const std::string_view text = question == ChangedFileQuestion::Reload ? text::kChangedElsewhereReload
                                  : question == ChangedFileQuestion::SaveAnyway
                                      ? text::kChangedElsewhereSave
                                      : text::kChangedElsewhereReloadLosingChanges;
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), QtText(text).arg(title),
                    QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QtText(text::kYes), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QtText(text::kNo), QMessageBox::NoRole);
    box.setDefaultButton(question == ChangedFileQuestion::Reload ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

std::optional<QFont> AskFont(QWidget* parent, const QFont& current) {
    if (Seams().font) return Seams().font(current);
    bool ok = false;
    // Qt's own dialog on every desktop: it lists the family names Qt resolves fonts to.
    const QFont chosen = QFontDialog::getFont(&ok, current, parent, QtText(text::kFontTitle),
                                              QFontDialog::DontUseNativeDialog);
    if (!ok) return std::nullopt;
    return chosen;
}

void SetUserPromptSeams(UserPromptSeams seams) { Seams() = std::move(seams); }

}  // namespace venkora
