#pragma once
// A command row's key as Qt names it, for the frame's shortcuts and for the keys the edit
// control must leave to them.

#include <QKeyCombination>

#include "core/CommandRow.h"

namespace venkora {

inline QKeyCombination QtKeys(const KeyChord& chord) {
    Qt::KeyboardModifiers modifiers;
    if (chord.modifiers & KeyChord::kShift) modifiers |= Qt::ShiftModifier;
    if (chord.modifiers & KeyChord::kCtrl) modifiers |= Qt::ControlModifier;
    if (chord.modifiers & KeyChord::kAlt) modifiers |= Qt::AltModifier;
    Qt::Key key = static_cast<Qt::Key>(chord.key);  // letters and digits are their ASCII codes
    switch (chord.key) {
        case KeyChord::kInsert: key = Qt::Key_Insert; break;
        case KeyChord::kDelete: key = Qt::Key_Delete; break;
        case KeyChord::kBackspace: key = Qt::Key_Backspace; break;
        default:
            if (chord.key >= KeyChord::kF1) key = static_cast<Qt::Key>(Qt::Key_F1 + (chord.key - KeyChord::kF1));
            break;
    }
    return QKeyCombination(modifiers, key);
}

}  // namespace venkora
