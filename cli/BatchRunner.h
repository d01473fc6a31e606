#pragma once
// Carries out a parsed command line: reads each file (or standard input), optimizes its bytes
// and writes the result to standard output, back into the file (--vor-ort) or only names the
// file when it would change (--pruefen). A file rewritten in place is a regular file, locked
// against other runs from reading to replacing, and what is replaced is the file that was
// read. A file that fails is reported in German on standard error and the others are still
// processed.
//
// Each file is read whole into memory and optimized by its own line-end kind (or, with
// --nur-crlf, as a CR LF text), then its line ends are converted when --zeilenende asks for it,
// then, with --editorconfig, the conventions of its .editorconfig properties are applied.
// Written to standard output, it is optimized and converted in its own memory where the passes
// can (deleting spaces and tabs, turning line ends into LF); checking, rewriting and -v compare
// with the text as read, so there the result is built beside it. A text that no rule changes is
// written as it was read, never copied.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "BatchOptions.h"
#include "FileError.h"
#include "core/FileContents.h"
#include "core/FileDescriptor.h"
#include "optimizer/TextConventions.h"

namespace venkora {

class BatchRunner {
public:
    static constexpr int kExitDone = 0;
    static constexpr int kExitWouldChange = 1;  // only with --pruefen
    static constexpr int kExitUsage = 2;
    static constexpr int kExitFileError = 3;    // wins over kExitWouldChange

    explicit BatchRunner(const BatchOptions& options);

    // Processes all files in order and returns the exit code.
    int Run();

private:
    void Process(const std::string& name);
    // Reads `name` for the modes that do not write it: any file that can be read.
    std::optional<FileContents> ReadOnly(const std::string& name);
    // With --editorconfig, the conventions of the properties of `name` (none for standard
    // input), remembering those not applied; nullopt, reported, when they cannot be found.
    std::optional<TextConventions> ConventionsFor(const std::string& name);
    // The room for what becomes of one text: the optimized text, that with its line ends
    // converted, and that following the conventions.
    struct Room {
        std::string result;
        std::string converted;
        std::string conformed;
    };
    // The line-end kind the text `source` is read as: its own, or CR LF with --nur-crlf.
    LineEndKind KindOf(std::string_view source) const;
    // Optimizes the text read from a file as one of `kind`, then converts its line ends if
    // asked to, then applies `conventions`; the status texts go to standard error with -v.
    // Returns the text as read, or what became of it in `room` or, unless `keepText`, in the
    // text's own memory.
    std::string_view Optimize(FileContents& contents, LineEndKind kind, Room& room,
                              bool keepText, const TextConventions& conventions);
    // `text` with every line end turned into the chosen one: itself when they are that already,
    // converted in place where `writable` (its start, or null) allows, else in `converted`.
    std::string_view ConvertedLineEnds(std::string_view text, char* writable,
                                       std::string& converted) const;
    // With -v: the line-end kind the file was read as and whether it changed.
    void Describe(const std::string& name, LineEndKind kind, bool changed);
    // The line of -c for a file that would change or breaks `broken`.
    std::string CheckLine(const std::string& name, const BrokenConventions& broken) const;
    void ProcessInPlace(const std::string& name);
    void WriteOutput(std::string_view bytes);
    void Report(const FileError& error);

    const BatchOptions& options_;
    FileDescriptor output_ = FileDescriptor::Borrow(1);
    FileDescriptor diagnostics_ = FileDescriptor::Borrow(2);
    bool anyWouldChange_ = false;
    bool anyFailed_ = false;
    bool outputBroken_ = false;  // standard output failed; nothing more can be delivered
    std::optional<std::string> workingDirectory_;  // asked for once, for the first relative name
    std::vector<std::string> notApplied_;  // .editorconfig properties left alone, "name = value"
};

}  // namespace venkora
