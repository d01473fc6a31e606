#include "BatchRunner.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <new>
#include <variant>
#include <vector>

#include "BatchTexts.h"
#include "core/SignalHold.h"
#include "optimizer/TextPasses.h"
#include "core/CodePage.h"
#include "core/EditorConfig.h"
#include "core/FileReplacement.h"
#include "core/RegularFile.h"
#include "core/SystemErrorText.h"

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
    if (options_.verbose && !notApplied_.empty()) {
        std::string list;
        for (const std::string& property : notApplied_) {
            list.append(list.empty() ? "" : ", ").append(property);
        }
        diagnostics_.WriteAll(BatchTexts::Fill(BatchTexts::kNotApplied, {list}));
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
    const std::optional<TextConventions> conventions = ConventionsFor(name);
    if (!conventions) return;
    Room room;
    // Only checking and -v compare with the bytes as read; otherwise the passes may work in them.
    const bool compare = options_.check || options_.verbose;
    const LineEndKind kind = KindOf(contents->bytes());
    const std::string_view text = Optimize(*contents, kind, room, compare, *conventions);
    const bool changed = compare && Differs(text, contents->bytes());
    if (options_.verbose) Describe(name, kind, changed);
    if (!options_.check) return WriteOutput(text);
    const BrokenConventions broken = FindBrokenConventions(contents->bytes(), *conventions);
    if (changed || broken.Any()) {
        anyWouldChange_ = true;
        WriteOutput(CheckLine(name, broken));
    }
}

std::string BatchRunner::CheckLine(const std::string& name, const BrokenConventions& broken) const {
    if (options_.nullSeparated) return name + '\0';
    std::string line = name;
    for (const std::string_view property : EditorConfig::BrokenNames(broken)) {
        line.append(line.size() == name.size() ? ": " : ", ").append(property);
    }
    return line + "\n";
}

std::optional<TextConventions> BatchRunner::ConventionsFor(const std::string& name) {
    if (!options_.editorConfig || name == "-") return TextConventions{};
    if (!workingDirectory_ && !name.starts_with('/')) {
        const std::unique_ptr<char, decltype(&std::free)> path(getcwd(nullptr, 0), &std::free);
        if (!path) {
            Report(FileError(name, BatchTexts::Fill(BatchTexts::kNoWorkingDirectory,
                                                    {SystemErrorText(errno)})));
            return std::nullopt;
        }
        workingDirectory_ = path.get();
    }
    const auto found =
        EditorConfig::For(EditorConfig::AbsolutePath(name, workingDirectory_.value_or("/")));
    if (const auto* failure = std::get_if<EditorConfig::Failure>(&found)) {
        Report(FileError(
            name, failure->notRegularFile
                      ? BatchTexts::Fill(BatchTexts::kEditorConfigNotRegular, {failure->file})
                      : BatchTexts::Fill(BatchTexts::kEditorConfigWrong,
                                         {failure->file, std::to_string(failure->line)})));
        return std::nullopt;
    }
    const auto& properties = std::get<EditorConfig::Properties>(found);
    TextConventions conventions = properties.Conventions();
    // What is left alone is listed with -v, each "name = value" once.
    const auto leave = [this](std::string_view property, const std::string& value) {
        std::string named = std::string(property).append(" = ").append(value);
        if (std::find(notApplied_.begin(), notApplied_.end(), named) == notApplied_.end()) {
            notApplied_.push_back(std::move(named));
        }
    };
    for (const EditorConfig::Property& other : properties.others) leave(other.name, other.value);
    if (properties.tabWidth) leave(EditorConfig::kTabWidth, std::to_string(*properties.tabWidth));
    if (properties.indentSize) {
        leave(EditorConfig::kIndentSize, std::to_string(*properties.indentSize));
    }
    if (properties.charset) {
        const bool withBom = *properties.charset == EditorConfig::Charset::Utf8Bom;
        if (!options_.check) {
            leave(EditorConfig::kCharset, withBom ? "utf-8-bom" : "utf-8");
        } else {  // only checked
            conventions.utf8 = withBom ? TextConventions::Utf8::WithBom
                                       : TextConventions::Utf8::WithoutBom;
        }
    }
    return conventions;
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

LineEndKind BatchRunner::KindOf(std::string_view source) const {
    return options_.onlyCrLf ? LineEndKind::CrLf : LineEndKindOf(source);
}

std::string_view BatchRunner::Optimize(FileContents& contents, LineEndKind kind, Room& room,
                                       bool keepText, const TextConventions& conventions) {
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
    std::string_view text;
    if (!keepText) {
        text = OptimizeTextInBuffer(contents.writableBytes(), result, options, kind, status);
    } else {
        text = OptimizeText(source, result, options, kind, status) ? std::string_view(result) : source;
    }
    if (options_.lineEnd) {
        char* const writable = text.data() == result.data() ? result.data()
                               : keepText                   ? nullptr
                                                            : contents.writableBytes().data();
        text = ConvertedLineEnds(text, writable, room.converted);
    }
    TextConventions rules = conventions;
    rules.utf8.reset();  // only checked
    if (!FindBrokenConventions(text, rules).AnyApplied()) return text;
    room.conformed.assign(text);
    ApplyConventions(room.conformed, rules);
    return room.conformed;
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

void BatchRunner::Describe(const std::string& name, LineEndKind kind, bool changed) {
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
    const std::optional<TextConventions> conventions = ConventionsFor(name);
    if (!conventions) return;
    Room room;
    const LineEndKind kind = KindOf(source);
    const std::string_view optimized = Optimize(contents, kind, room, true, *conventions);
    const bool changed = Differs(optimized, source);
    if (options_.verbose) Describe(name, kind, changed);
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
