#pragma once
// What a recovery file holds: the unsaved text of a document and enough about it to offer it
// again after a crash — the document's path (none for an untitled one), its code page, the
// identity its file had when it was loaded or last saved, the process that wrote it and when.
// The form is a short header of lines, then the text as raw bytes:
//
//   VENKORA-WIEDERHERSTELLUNG 1
//   pfad LENGTH            (then LENGTH bytes of the path and a line feed; 0 for untitled)
//   codepage utf-8 | windows-1252
//   datei DEV INO SIZE SEC NSEC | datei -
//   prozess PID STARTTIME
//   stand SECONDS          (when it was written, seconds since 1970)
//   text LENGTH            (then exactly LENGTH bytes of text, the end of the file)
//
// A file that is short, long or otherwise off is damaged: Parse gives nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/CodePage.h"
#include "core/FileIdentity.h"
#include "core/ProcessIdentity.h"

namespace venkora {

struct RecoveryFile {
    std::string path;  // empty: an untitled document
    CodePage::Kind codePage = CodePage::Kind::Utf8;
    std::optional<FileIdentity> identity;
    ProcessIdentity process;
    std::int64_t written = 0;
    std::string text;

    bool operator==(const RecoveryFile&) const = default;

    // The header and the text, as they are written.
    std::string Format() const;
    static std::optional<RecoveryFile> Parse(std::string_view bytes);
};

}  // namespace venkora
