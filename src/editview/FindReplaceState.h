#pragma once
// The find and replace state of the program: the one open find or replace dialog and the last
// search, so that a repeated search or a newly opened dialog starts from it. The application
// owns it for the whole run and hands it to the view; nothing of it is stored between runs.

#include <QPointer>

#include "editview/FindRequest.h"
#include "platform/CFindReplaceDialog.h"

namespace venkora {

struct FindReplaceState {
    // The open dialog, a reference only: it is cleared when the dialog goes (it deletes itself
    // when it closes, and goes with the view that owns it).
    QPointer<CFindReplaceDialog> dialog;
    bool findOnly = false;  // whether the open dialog is the find dialog
    FindRequest last;       // the last search and replacement
};

}  // namespace venkora
