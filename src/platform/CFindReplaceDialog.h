#pragma once
// The modeless find and replace dialog: "Suchen" (find text, match case, direction) or
// "Ersetzen" (the same and the replace text). It searches nothing itself: each button tells its
// owner through one notification that carries the flags below, the find text and the replace
// text; closing it sends the notification with kFrDialogTerm. There is no whole-word option.
// Created with `new` for one showing over its owner, which keeps only a reference and drops it
// on kFrDialogTerm.

#include <QString>

#include "platform/CModelessDialog.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace venkora {

class CFindReplaceDialog : public CModelessDialog {
    Q_OBJECT

public:
    // The flags of the notification: the direction and the case setting as the controls show
    // them, plus what was asked for.
    enum Flag : unsigned {
        kFrDown = 0x1,
        kFrMatchCase = 0x4,
        kFrFindNext = 0x8,
        kFrReplace = 0x10,
        kFrReplaceAll = 0x20,
        kFrDialogTerm = 0x40,
        kFrHideWholeWord = 0x10000,
    };
    // The controls besides kIdOk ("Weitersuchen") and kIdCancel ("Abbrechen"); each is named by
    // its id. The find kind has no replace text and no replace buttons.
    enum ControlId : int {
        kIdReplace = 1024,
        kIdReplaceAll = 1025,
        kIdMatchCase = 1041,
        kIdUp = 1056,
        kIdDown = 1057,
        kIdFindWhat = 1152,
        kIdReplaceWith = 1153,
    };

    // The find dialog ("Suchen") when `findOnly`, else the replace dialog ("Ersetzen").
    explicit CFindReplaceDialog(bool findOnly);

    // Shows the dialog over `owner` with these texts and flags (kFrDown, kFrMatchCase).
    void Create(const QString& findWhat, const QString& replaceWith, unsigned flags, QWidget* owner);

signals:
    void findReplaceMessage(unsigned flags, const QString& findWhat, const QString& replaceWith);

protected:
    bool DoDataExchange(bool save) override;

private:
    // Takes the controls' values and tells the owner `action`.
    void Notify(unsigned action);
    // The search buttons are usable while there is a find text.
    void EnableButtons();

    QString findWhat_;
    QString replaceWith_;
    unsigned flags_ = kFrDown;
    QLineEdit* findEdit_;
    QLineEdit* replaceEdit_ = nullptr;
    QCheckBox* matchCase_;
    QRadioButton* up_;
    QRadioButton* down_;
    QPushButton* findNext_;
    QPushButton* replace_ = nullptr;
    QPushButton* replaceAll_ = nullptr;
};

}  // namespace venkora
