#pragma once
// Why an operation on a file failed, worded in German for the user. A failure the system
// reported keeps its error number. The text is either a reason, which follows "kann nicht
// gelesen/geschrieben werden:" ("keine Berechtigung"), or a statement, which says on its own
// what the path is or what became of it ("ist keine gewöhnliche Datei"). Texts start in lower
// case; whoever shows one as a sentence of its own capitalises it.

#include <string>

namespace venkora {

class FileFailure {
public:
    // The failure the system reported by `errnum`, with its German reason.
    static FileFailure FromErrno(int errnum);
    // A failure with a text of the program's own.
    static FileFailure Reason(int errnum, std::string text);
    static FileFailure Statement(int errnum, std::string text);

    // The failures the program finds itself.
    static FileFailure NotRegularFile();         // a FIFO, device, socket, ...
    static FileFailure Directory();              // "ist ein Verzeichnis"
    static FileFailure NotFound();               // "Datei nicht gefunden"
    static FileFailure ReplacedMeanwhile();      // another file took its place while we worked
    static FileFailure CreatedMeanwhile();       // a new name was taken while we worked
    static FileFailure Locked();                 // another program holds the file's lock

    int errnum() const { return errnum_; }
    const std::string& text() const { return text_; }
    bool isStatement() const { return statement_; }

private:
    FileFailure(int errnum, std::string text, bool statement)
        : errnum_(errnum), text_(std::move(text)), statement_(statement) {}

    int errnum_;
    std::string text_;
    bool statement_;
};

}  // namespace venkora
