#include "platform/UserPrompts.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>

namespace venkora {

namespace {

UserPromptSeams& Seams() {
    static UserPromptSeams seams;
    return seams;
}

const QString kAllFiles = QStringLiteral("Alle Dateien (*)");

}  // namespace

std::optional<QString> AskOpenFileName(QWidget* parent) {
    if (Seams().openFileName) return Seams().openFileName();
    const QString name = QFileDialog::getOpenFileName(parent, QStringLiteral("Öffnen"), QString(), kAllFiles);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<QString> AskSaveFileName(QWidget* parent, const QString& suggestion) {
    if (Seams().saveFileName) return Seams().saveFileName(suggestion);
    const QString name =
        QFileDialog::getSaveFileName(parent, QStringLiteral("Speichern unter"), suggestion, kAllFiles);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

SaveAnswer AskSaveChanges(QWidget* parent, const QString& title) {
    if (Seams().saveChanges) return Seams().saveChanges(title);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Venkora"),
                    QStringLiteral("Änderungen in „%1“ speichern?").arg(title), QMessageBox::NoButton,
                    parent);
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return SaveAnswer::Yes;
    if (box.clickedButton() == no) return SaveAnswer::No;
    return SaveAnswer::Cancel;
}

std::optional<QFont> AskFont(QWidget* parent, const QFont& current) {
    if (Seams().font) return Seams().font(current);
    bool ok = false;
    // Qt's own dialog on every desktop: it lists the family names Qt resolves fonts to.
    const QFont chosen = QFontDialog::getFont(&ok, current, parent, QStringLiteral("Schriftart"),
                                              QFontDialog::DontUseNativeDialog);
    if (!ok) return std::nullopt;
    return chosen;
}

void SetUserPromptSeams(UserPromptSeams seams) { Seams() = std::move(seams); }

}  // namespace venkora
