#pragma once
// The command line of venkora-optimieren, turned into optimizer switches, a working mode and a
// list of files. Parsing is pure: it touches no file and prints nothing, so main decides what
// to show and the unit tests see every outcome.

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "optimizer/LineEnds.h"
#include "optimizer/OptimizeOptions.h"
#include "core/ProfileStore.h"

namespace venkora {

struct BatchOptions {
    // What the caller asked for; --help and --version end parsing where they stand.
    enum class Request { Optimize, Help, Version };

    // A wrong command line: `message` names the problem in German, without the program name.
    struct UsageError {
        std::string message;
    };

    // The editor's stored settings, asked for once at the first --gespeichert.
    using SettingsSource = std::function<std::unique_ptr<ProfileStore>()>;

    // Reads the arguments behind the program name with getopt_long(3): long options may be
    // abbreviated to any prefix that begins no other name, short switches may be bundled, and
    // "--" ends the options. Options take effect in the order given; --gespeichert sets all
    // stored switches from `savedSettings` where it stands. Uses getopt's global state, so
    // one thread parses at a time.
    static std::variant<BatchOptions, UsageError> Parse(
        std::span<const std::string_view> arguments, const SettingsSource& savedSettings);

    // The German text of --help, ending in a newline.
    static std::string HelpText();

    Request request = Request::Optimize;
    OptimizeOptions optimize;       // Parse sets bereich = 1: the whole text is meant
    bool inPlace = false;           // -i: rewrite each file atomically
    bool dontWait = false;          // with -i: a file locked by another process is an error
    bool check = false;             // -c: write nothing, name the files that would change
    bool verbose = false;           // -v: status texts, each file's kind and whether it changed
    bool onlyCrLf = false;          // --nur-crlf: every file read as a CR LF text
    std::optional<LineEndKind> lineEnd;  // --zeilenende: every line end turned into this one
    bool editorConfig = false;      // --editorconfig: each file's .editorconfig rules after these
    bool nullSeparated = false;     // --null: with -c, each name ends in NUL and stands alone
    std::vector<std::string> files; // "-" is standard input; none means standard input
};

}  // namespace venkora
