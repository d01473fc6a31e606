#pragma once
// The base of the program's dialogs, shown modally (CModelessDialog shows them without a modal
// loop). A dialog is laid out like a dialog template: a fixed client size and control rectangles
// in dialog units of the application font, a quarter of the average width of the letters A-Z and
// a-z across and an eighth of the character height down. (The font's own average character
// width runs narrower than the captions' text and would cut them off.) Each modal showing lends
// the dialog a parent window, initialises it, runs the modal loop and takes the parent back, so
// the owner may keep the dialog longer than that window lives. The fields a dialog edits are
// exchanged with its controls by DoDataExchange, which may refuse a typed value. One seam
// replaces the modal loop of every dialog, so tests and the test command hook answer dialogs
// without showing them.

#include <QDialog>
#include <QList>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

class QAbstractButton;
class QFontMetricsF;
class QLineEdit;

namespace venkora {

class CDialog : public QDialog {
    Q_OBJECT

public:
    // The ids of the OK and Cancel buttons in every template.
    enum StandardId : int { kIdOk = 1, kIdCancel = 2 };

    // Shows the dialog modally over `parent` (may be null): OnInitDialog, then the modal loop, or
    // the modal seam instead of it. QDialog::Accepted or QDialog::Rejected.
    int DoModal(QWidget* parent);

    // Replaces the modal loop of every showing of every dialog by `seam` (tests, the test command
    // hook): it gets the initialised dialog, acts on it (its controls, OnOK, OnCancel) and gives
    // the showing's result, usually the dialog's result(), which is QDialog::Rejected until OK
    // succeeds. An empty function restores the modal loop.
    using ModalSeam = std::function<int(CDialog& shown)>;
    static void SetModalSeam(ModalSeam seam);
    // A modal seam that gives the showings of a `Dialog` to `answer` and cancels every other dialog.
    template <class Dialog>
    static void SetModalSeam(std::function<int(Dialog& shown)> answer) {
        SetModalSeam([answer = std::move(answer)](CDialog& shown) {
            auto* dialog = qobject_cast<Dialog*>(&shown);
            return dialog ? answer(*dialog) : static_cast<int>(QDialog::Rejected);
        });
    }

    // A font's average character width as dialog units measure it: the mean width of the 52
    // letters A-Z, a-z. Tab stops counted in dialog units measure with it too.
    static double AverageCharWidth(const QFontMetricsF& metrics);

    // OK: transfers the controls into the fields and closes with QDialog::Accepted; false, with
    // the dialog still open, when the transfer refused a value.
    virtual bool OnOK();
    // Cancel, the Escape key and the close box: closes with QDialog::Rejected, fields untouched.
    void OnCancel() { reject(); }

protected:
    // A parentless dialog with caption `caption`, `width` × `height` dialog units.
    CDialog(const QString& caption, int width, int height);

    // Fields into controls (`save` false) or controls into fields (`save` true) in the dialog's
    // own order; false when a control holds a value its field refuses (already reported).
    virtual bool DoDataExchange(bool save) = 0;
    // Before each showing: fields into controls, and the focus to the first tab stop.
    virtual void OnInitDialog();

    // Pixels of a template rectangle, each edge rounded on its own.
    QRect MapDialogRect(int x, int y, int width, int height) const;
    // Places a child control at its template rectangle and names it after its id (0: no id).
    template <class Control>
    Control* Place(Control* control, int id, int x, int y, int width, int height) {
        control->setGeometry(MapDialogRect(x, y, width, height));
        if (id != 0) control->setObjectName(QString::number(id));
        return control;
    }

    // The whole unsigned decimal number in `edit` (blanks around it allowed) when it lies in
    // [min, max]. Otherwise "Bitte geben Sie eine ganze Zahl zwischen MIN und MAX ein." is
    // shown, `edit` gets the focus with its text selected, and the result is nullopt.
    std::optional<std::uint32_t> ReadUnsigned(QLineEdit* edit, std::uint32_t min, std::uint32_t max);

private:
    // Radio groups as the desktop has them: of the buttons of an exclusive group only the checked
    // one (the first while none is) is a tab stop, so Tab enters the group at its checked button
    // and leaves it with the next Tab; the arrow keys move within the group (the buttons do that
    // themselves, checking the button they move to).
    void WatchRadioGroups();
    static void SetRadioTabStop(const QList<QAbstractButton*>& group);

    QList<QList<QAbstractButton*>> radioGroups_;  // found at the first showing
    int lettersWidth_;  // width of the 52 letters A-Z, a-z in the dialog font, in pixels
    int charHeight_;    // character height of the dialog font, in pixels
};

}  // namespace venkora
