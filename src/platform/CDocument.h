#pragma once
// The document base: the data behind the one view, with its modified flag. The view marks it
// modified on every change of the text; opening, saving and starting anew clear the flag.

#include "platform/CommandTarget.h"

namespace venkora {

class CDocument : public CommandTarget {
public:
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }

private:
    bool modified_ = false;
};

}  // namespace venkora
