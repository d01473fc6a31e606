// venkora-optimieren: optimizes text files from the command line with the editor's optimizer.

#include <signal.h>

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "BatchOptions.h"
#include "BatchRunner.h"
#include "BatchTexts.h"
#include "FileError.h"
#include "SavedSettings.h"
#include "core/FileDescriptor.h"

int main(int argc, char** argv) {
    using venkora::BatchOptions;
    using venkora::BatchRunner;
    using venkora::BatchTexts;
    // A write beyond the file size limit then fails with EFBIG, so the temporary file is
    // removed, instead of ending the program in the middle of it.
    signal(SIGXFSZ, SIG_IGN);

    const std::vector<std::string_view> arguments(argc > 0 ? argv + 1 : argv, argv + argc);
    const auto out = venkora::FileDescriptor::Borrow(1);
    const auto err = venkora::FileDescriptor::Borrow(2);
    const auto savedSettings = [&err] {
        using venkora::SavedSettings;
        SavedSettings::Loaded loaded = SavedSettings::Load();
        if (loaded.warning) err.WriteAll(BatchTexts::Fill(BatchTexts::kMessage, {*loaded.warning}));
        return std::move(loaded.store);
    };
    const auto parsed = BatchOptions::Parse(arguments, savedSettings);
    if (const auto* usage = std::get_if<BatchOptions::UsageError>(&parsed)) {
        err.WriteAll(BatchTexts::Fill(BatchTexts::kMessage, {usage->message}) +
                     std::string(BatchTexts::kUsageHint));
        return BatchRunner::kExitUsage;
    }
    const BatchOptions& options = std::get<BatchOptions>(parsed);
    std::string text;
    switch (options.request) {
        case BatchOptions::Request::Optimize: return BatchRunner(options).Run();
        case BatchOptions::Request::Help: text = BatchOptions::HelpText(); break;
        case BatchOptions::Request::Version:
            text = BatchTexts::Fill(BatchTexts::kVersion, {VENKORA_VERSION});
            break;
    }
    if (const int error = out.WriteAll(text)) {
        err.WriteAll(BatchTexts::Fill(
            BatchTexts::kMessage,
            {venkora::FileError("-", venkora::FileError::Action::Write, error).Message()}));
        return BatchRunner::kExitFileError;
    }
    return BatchRunner::kExitDone;
}
