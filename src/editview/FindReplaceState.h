#pragma once
// The find and replace state of the whole process: the one open find or replace dialog and the
// last search, so that a repeated search or a newly opened dialog starts from it. Made on first
// use, it lasts until the process ends; nothing of it is stored between runs. The strings are
// kept as typed (UTF-8) and encoded in the document's code page when they are used.

#include <string>

namespace venkora {

class CFindReplaceDialog;

class FindReplaceState {
public:
    static FindReplaceState& Instance();

    // The open dialog, a reference only: the dialog deletes itself when it closes, which clears
    // this, and so does the destruction of the view that owns it.
    CFindReplaceDialog* dialog = nullptr;
    bool findOnly = false;  // whether the open dialog is the find dialog
    std::string findString;
    std::string replaceString;
    bool matchCase = false;
    bool searchDown = true;
};

}  // namespace venkora
