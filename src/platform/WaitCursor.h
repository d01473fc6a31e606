#pragma once
// The wait cursor for as long as the object lives: over the whole application while a longer
// piece of work runs (a search, a font change, opening a link).

#include <QApplication>

namespace venkora {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace venkora
