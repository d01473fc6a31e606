#include "BatchRunner.h"

#include <unistd.h>

#include <new>
#include <variant>
#include <vector>

#include "BatchTexts.h"
#include "core/SignalHold.h"
#include "optimizer/TextPasses.h"
#include "core/CodePage.h"
#include "core/FileReplacement.h"
#include "core/RegularFile.h"

namespace venkora {

BatchRunner::BatchRunner(const BatchOptions& options) : options_(options) {}

int BatchRunner::Run() {
    const std::vector<std::string> names =
        options_.files.empty() ? std::vector<std::string>{"-"} : options_.files;
    for (const std::string& name : names) {
        if (outputBroken_) break;
        try {
            Process(name);
        } catch (const std::bad_alloc&) {
            Report(FileError(name, BatchTexts::kOutOfMemory));
        }
    }
    if (anyFailed_) return kExitFileError;
    return anyWouldChange_ ? kExitWouldChange : kExitDone;
}

namespace {

// Whether `text` differs from `source`, the text as read and kept.
bool Differs(std::string_view text, std::string_view source) {
    return text.data() != source.data() && text != source;
}

}  // namespace

void BatchRunner::Process(const std::string& name) {
    if (options_.inPlace) return ProcessInPlace(name);
    std::optional<FileContents> contents = ReadOnly(name);
    if (!contents) return;
    Room room;
    // Only checking and -v compare with the bytes as read; otherwise the passes may work in them.
    const bool compare = options_.check || options_.verbose;
    const std::string_view text = Optimize(*contents, room, compare);
    const bool changed = compare && Differs(text, contents->bytes());
    if (options_.verbose) Describe(name, contents->bytes(), changed);
    if (!options_.check) return WriteOutput(text);
    if (changed) {
        anyWouldChange_ = true;
        WriteOutput(name + "\n");
    }
}

std::optional<FileContents> BatchRunner::ReadOnly(const std::string& name) {
    using Action = FileError::Action;
    const bool isStandardInput = name == "-";
    // A named file must be a regular one: a device or FIFO would be read without end.
    std::optional<RegularFile> file;
    if (!isStandardInput) {
        auto opened = RegularFile::Open(name);
        if (const auto* failure = std::get_if<FileFailure>(&opened)) {
            Report(FileError(name, Action::Read, *failure));
            return std::nullopt;
        }
        file.emplace(std::move(std::get<RegularFile>(opened)));
    } else if (isatty(STDIN_FILENO)) {
        diagnostics_.WriteAll(
            BatchTexts::Fill(BatchTexts::kMessage, {BatchTexts::kReadingStandardInput}));
    }
    auto read = FileContents::Read(file ? file->fd() : STDIN_FILENO);
    if (const int* error = std::get_if<int>(&read)) {
        Report(FileError(name, Action::Read, *error));
        return std::nullopt;
    }
    return std::move(std::get<FileContents>(read));
}

std::string_view BatchRunner::Optimize(FileContents& contents, Room& room, bool keepText) {
    const std::string_view source = contents.bytes();
    // The user string is typed text. In each file it stands for the bytes the editor would
    // give it there: UTF-8 in a text of valid UTF-8, Windows-1252 in any other; a string that
    // code page cannot hold deletes nothing. A string that is no valid UTF-8 is taken as bytes.
    OptimizeOptions options = options_.optimize;
    if (!options.bendefZeichen.empty() && CodePage::IsValidUtf8(options.bendefZeichen)) {
        options.bendefZeichen =
            CodePage::ForLoadedText(source, true).Encode(options.bendefZeichen).value_or("");
    }
    StatusSink status;
    if (options_.verbose) {
        status = [this](std::string_view message) {
            diagnostics_.WriteAll(std::string(message).append("\n"));
        };
    }
    // The room of the result, reserved once; a large one in huge pages.
    std::string& result = room.result;
    result.reserve(OptimizedSizeBound(source, options));
    AdviseHugePages(result.data(), result.capacity());
    const LineEndKind kind = options_.onlyCrLf ? LineEndKind::CrLf : LineEndKindOf(source);
    std::string_view text;
    if (!keepText) {
        text = OptimizeTextInBuffer(contents.writableBytes(), result, options, kind, status);
    } else {
        text = OptimizeText(source, result, options, kind, status) ? std::string_view(result) : source;
    }
    if (!options_.lineEnd) return text;
    char* const writable = text.data() == result.data() ? result.data()
                           : keepText                   ? nullptr
                                                        : contents.writableBytes().data();
    return ConvertedLineEnds(text, writable, room.converted);
}

std::string_view BatchRunner::ConvertedLineEnds(std::string_view text, char* writable,
                                                std::string& converted) const {
    const LineEndKind to = *options_.lineEnd;
    if (LineEndsAre(text, to)) return text;
    if (writable && to != LineEndKind::CrLf) {
        return {writable, ConvertLineEndsInPlace({writable, text.size()}, to)};
    }
    converted.reserve(ConvertedLineEndsSize(text, to));
    AdviseHugePages(converted.data(), converted.capacity());
    ConvertLineEnds(text, to, converted);
    return converted;
}

void BatchRunner::Describe(const std::string& name, std::string_view source, bool changed) {
    const LineEndKind kind = LineEndKindOf(source);
    const std::string_view text = kind == LineEndKind::Lf   ? BatchTexts::kLfText
                                  : kind == LineEndKind::Cr ? BatchTexts::kCrText
                                                            : BatchTexts::kCrLfText;
    diagnostics_.WriteAll(
        BatchTexts::Fill(changed ? BatchTexts::kChanged : BatchTexts::kUnchanged,
                         {FileError::Subject(name, FileError::Action::Read), text}) +
        "\n");
}

void BatchRunner::ProcessInPlace(const std::string& name) {
    using Action = FileError::Action;
    // Locked from reading to replacing, so two runs on one file cannot lose a change.
    auto opened = RegularFile::Open(
        name, options_.dontWait ? RegularFile::Lock::DontWait : RegularFile::Lock::Wait);
    if (const auto* failure = std::get_if<FileFailure>(&opened)) {
        return Report(FileError(name, Action::Read, *failure));
    }
    const RegularFile& file = std::get<RegularFile>(opened);
    auto read = FileContents::Read(file.fd());
    if (const int* error = std::get_if<int>(&read)) {
        return Report(FileError(name, Action::Read, *error));
    }
    FileContents& contents = std::get<FileContents>(read);
    const std::string_view source = contents.bytes();
    Room room;
    const std::string_view optimized = Optimize(contents, room, true);
    const bool changed = Differs(optimized, source);
    if (options_.verbose) Describe(name, source, changed);
    // An unchanged file stays untouched.
    if (!changed) return;
    const SignalHold hold;
    if (const auto failure = FileReplacement::Replace(file, optimized)) {
        Report(FileError(name, Action::Write, *failure));
    }
}

void BatchRunner::WriteOutput(std::string_view bytes) {
    if (const int error = output_.WriteAll(bytes)) {
        Report(FileError("-", FileError::Action::Write, error));
        outputBroken_ = true;
    }
}

void BatchRunner::Report(const FileError& error) {
    anyFailed_ = true;
    diagnostics_.WriteAll(BatchTexts::Fill(BatchTexts::kMessage, {error.Message()}));
}

}  // namespace venkora
