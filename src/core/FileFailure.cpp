#include "core/FileFailure.h"

#include <cerrno>

#include "core/SystemErrorText.h"

namespace venkora {

FileFailure FileFailure::FromErrno(int errnum) {
    if (errnum == EISDIR) return Directory();
    return Reason(errnum, SystemErrorText(errnum));
}

FileFailure FileFailure::Reason(int errnum, std::string text) {
    return FileFailure(errnum, std::move(text), false);
}

FileFailure FileFailure::Statement(int errnum, std::string text) {
    return FileFailure(errnum, std::move(text), true);
}

FileFailure FileFailure::NotRegularFile() {
    return Statement(0, "ist keine gewöhnliche Datei");
}

FileFailure FileFailure::Directory() { return Statement(EISDIR, SystemErrorText(EISDIR)); }

FileFailure FileFailure::NotFound() { return Statement(ENOENT, SystemErrorText(ENOENT)); }

FileFailure FileFailure::ReplacedMeanwhile() {
    return Statement(0, "wurde inzwischen durch eine andere Datei ersetzt und bleibt, wie sie "
                        "ist");
}

FileFailure FileFailure::CreatedMeanwhile() {
    return Statement(EEXIST, "wurde inzwischen von einem anderen Programm angelegt und bleibt, "
                             "wie sie ist");
}

FileFailure FileFailure::Locked() {
    return Statement(EWOULDBLOCK, "wird gerade von einem anderen Programm bearbeitet");
}

}  // namespace venkora
