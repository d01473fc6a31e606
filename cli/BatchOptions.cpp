#include "BatchOptions.h"

#include <getopt.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>

#include "BatchTexts.h"
#include "core/DecimalNumber.h"
#include "core/ProfileStore.h"
#include "optimizer/OptimizeOptionKey.h"

namespace venkora {

namespace {

using Problem = std::optional<std::string>;

// What getopt_long gives for each option: the short forms their letter, the others a number
// beyond every character.
enum Id : int {
    kInPlace = 'i',
    kCheck = 'c',
    kVerbose = 'v',
    kHelp = 'h',
    kVersion = 'V',
    kLeerzeichen = 256,
    kTabulatoren,
    kZeilenumbrueche,
    kBenutzerdefiniert,
    kBenutzerdefiniertAn,
    kTabZuLeerz,
    kLeerzZuTab,
    kUeberzaehligeLoeschen,
    kBreite,
    kZeilenende,
    kNurCrLf,
    kGespeichert,
    kSet,
    kNichtWarten,
    kEditorConfig,
    kNull,
};

// "-" first: file names come back in their place among the options (as option 1), whatever
// POSIXLY_CORRECT says; ":" next: a missing value is told apart from an unknown option.
constexpr char kShortOptions[] = "-:icvhV";

constexpr option kLongOptions[] = {
    {"leerzeichen", required_argument, nullptr, kLeerzeichen},
    {"tabulatoren", required_argument, nullptr, kTabulatoren},
    {"zeilenumbrueche", required_argument, nullptr, kZeilenumbrueche},
    {"benutzerdefiniert", required_argument, nullptr, kBenutzerdefiniert},
    {"benutzerdefiniert-an", required_argument, nullptr, kBenutzerdefiniertAn},
    {"tab-zu-leerz", no_argument, nullptr, kTabZuLeerz},
    {"leerz-zu-tab", no_argument, nullptr, kLeerzZuTab},
    {"ueberzaehlige-loeschen", no_argument, nullptr, kUeberzaehligeLoeschen},
    {"breite", required_argument, nullptr, kBreite},
    {"zeilenende", required_argument, nullptr, kZeilenende},
    {"nur-crlf", no_argument, nullptr, kNurCrLf},
    {"editorconfig", no_argument, nullptr, kEditorConfig},
    {"null", no_argument, nullptr, kNull},
    {"gespeichert", no_argument, nullptr, kGespeichert},
    {"set", required_argument, nullptr, kSet},
    {"vor-ort", no_argument, nullptr, kInPlace},
    {"pruefen", no_argument, nullptr, kCheck},
    {"nicht-warten", no_argument, nullptr, kNichtWarten},
    {"ausfuehrlich", no_argument, nullptr, kVerbose},
    {"help", no_argument, nullptr, kHelp},
    {"version", no_argument, nullptr, kVersion},
    {nullptr, 0, nullptr, 0},
};

// The long name of the option `id`, or null when it has none.
const char* LongName(int id) {
    for (const option* o = kLongOptions; o->name; ++o) {
        if (o->val == id) return o->name;
    }
    return nullptr;
}

std::string Quoted(std::string_view text) {
    return BatchTexts::Fill(BatchTexts::kQuoted, {text});
}

// What getopt_long refused in `argument` (the element it stood in), worded for the user.
std::string Refusal(int result, std::string_view argument) {
    if (result == ':') return BatchTexts::Fill(BatchTexts::kNeedsValue, {LongName(optopt)});
    if (optopt != 0) {
        if (const char* name = LongName(optopt)) {
            return BatchTexts::Fill(BatchTexts::kTakesNoValue, {name});
        }
        // A byte of a letter beyond ASCII ("-ä") says too little: the whole element is named.
        const bool ascii = optopt > 0 && optopt < 128;
        return BatchTexts::Fill(BatchTexts::kUnknownOption,
                                {ascii ? std::string{'-', char(optopt)} : std::string(argument)});
    }
    // A long option that is unknown, or ambiguous: a prefix of several names.
    const std::string_view given = argument.substr(0, argument.find('='));
    std::string candidates;
    int count = 0;
    for (const option* o = kLongOptions; o->name && given.size() > 2; ++o) {
        if (std::string_view(o->name).starts_with(given.substr(2))) {
            candidates += (count++ == 0 ? "" : ", ") + Quoted(std::string("--").append(o->name));
        }
    }
    if (count == 0) return BatchTexts::Fill(BatchTexts::kUnknownOption, {given});
    return BatchTexts::Fill(BatchTexts::kAmbiguousOption, {given, candidates});
}

// anfang | ende | beide as the two side switches (start, end) of the option `id`.
Problem ParseSides(int id, std::string_view value, std::int32_t& start, std::int32_t& end) {
    if (value == "anfang") {
        start = 1;
        end = 0;
    } else if (value == "ende") {
        start = 0;
        end = 1;
    } else if (value == "beide") {
        start = 1;
        end = 1;
    } else {
        return BatchTexts::Fill(BatchTexts::kExpectsSides, {LongName(id), value});
    }
    return std::nullopt;
}

Problem ApplySet(OptimizeOptions& options, std::string_view assignment) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string_view::npos) {
        return BatchTexts::Fill(BatchTexts::kSetExpectsAssignment, {assignment});
    }
    const std::string_view name = assignment.substr(0, equals);
    const std::string_view value = assignment.substr(equals + 1);
    const OptimizeOptionKey* key = FindOptimizeOptionKey(name);
    if (!key) return BatchTexts::Fill(BatchTexts::kSetUnknownKey, {name});
    if (key->kind == OptimizeOptionKey::Kind::String) {
        key->SetString(options, std::string(value));
        return std::nullopt;
    }
    const auto stored = ProfileStore::ParseInteger(value);
    if (!stored) return BatchTexts::Fill(BatchTexts::kSetExpectsNumber, {key->name, value});
    key->SetInteger(options, *stored);
    return std::nullopt;
}

// The width of --breite: digits without a sign, 0 to 255.
std::optional<std::uint8_t> ParseWidth(std::string_view text) {
    if (text.starts_with('+') || text.starts_with('-')) return std::nullopt;
    const auto number = DecimalNumber::ReadWhole(text);
    if (!number || number->magnitude > 255) return std::nullopt;
    return static_cast<std::uint8_t>(number->magnitude);
}

// What the option `id` does, with `value` where it takes one. `bendefSidesChosen` records an
// earlier --benutzerdefiniert-an.
Problem Apply(BatchOptions& batch, bool& bendefSidesChosen, int id, std::string_view value) {
    OptimizeOptions& o = batch.optimize;
    switch (id) {
        case kLeerzeichen: o.leerz = 1; return ParseSides(id, value, o.leerzAnf, o.leerzEnde);
        case kTabulatoren: o.tab = 1; return ParseSides(id, value, o.tabAnf, o.tabEnde);
        case kZeilenumbrueche:
            if (value != "alle" && value != "leerzeilen") {
                return BatchTexts::Fill(BatchTexts::kExpectsLineBreaks, {value});
            }
            o.zeilenumbruch = 1;
            o.nurLeerzeilen = value == "leerzeilen" ? 1 : 0;
            return std::nullopt;
        case kBenutzerdefiniert:
            if (value.empty()) return std::string(BatchTexts::kNeedsCharacter);
            o.bendef = 1;
            o.bendefZeichen = std::string(value);
            if (!bendefSidesChosen) {
                o.bendefAnf = 1;
                o.bendefEnde = 1;
            }
            return std::nullopt;
        case kBenutzerdefiniertAn:
            bendefSidesChosen = true;
            return ParseSides(id, value, o.bendefAnf, o.bendefEnde);
        case kTabZuLeerz: o.tabZuLeerz = 1; return std::nullopt;
        case kLeerzZuTab: o.leerzZuTab = 1; return std::nullopt;
        case kUeberzaehligeLoeschen: o.loescheUeberz = 1; return std::nullopt;
        case kBreite:
            if (const auto width = ParseWidth(value)) {
                o.tabbreite = *width;
                return std::nullopt;
            }
            return BatchTexts::Fill(BatchTexts::kExpectsWidth, {value});
        case kZeilenende:
            if (value == "crlf") {
                batch.lineEnd = LineEndKind::CrLf;
            } else if (value == "lf") {
                batch.lineEnd = LineEndKind::Lf;
            } else if (value == "cr") {
                batch.lineEnd = LineEndKind::Cr;
            } else {
                return BatchTexts::Fill(BatchTexts::kExpectsLineEnd, {value});
            }
            return std::nullopt;
        case kNurCrLf: batch.onlyCrLf = true; return std::nullopt;
        case kEditorConfig: batch.editorConfig = true; return std::nullopt;
        case kNull: batch.nullSeparated = true; return std::nullopt;
        case kSet: return ApplySet(o, value);
        case kInPlace: batch.inPlace = true; return std::nullopt;
        case kCheck: batch.check = true; return std::nullopt;
        case kNichtWarten: batch.dontWait = true; return std::nullopt;
        case kVerbose: batch.verbose = true; return std::nullopt;
        case kHelp: batch.request = BatchOptions::Request::Help; return std::nullopt;
        case kVersion: batch.request = BatchOptions::Request::Version; return std::nullopt;
    }
    return std::nullopt;
}

Problem CheckMode(const BatchOptions& batch) {
    if (batch.nullSeparated && !batch.check) return std::string(BatchTexts::kNullNeedsCheck);
    if (!batch.inPlace) return std::nullopt;
    if (batch.check) return std::string(BatchTexts::kInPlaceAndCheck);
    if (batch.files.empty()) return std::string(BatchTexts::kInPlaceNeedsFile);
    if (std::find(batch.files.begin(), batch.files.end(), "-") != batch.files.end()) {
        return std::string(BatchTexts::kInPlaceNotStandardInput);
    }
    return std::nullopt;
}

}  // namespace

std::variant<BatchOptions, BatchOptions::UsageError> BatchOptions::Parse(
    std::span<const std::string_view> arguments, const SettingsSource& savedSettings) {
    BatchOptions batch;
    batch.optimize.bereich = 1;
    // getopt_long wants a program name in front and writable C strings.
    std::vector<std::string> strings{"venkora-optimieren"};
    strings.insert(strings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& s : strings) argv.push_back(s.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(strings.size());
    opterr = 0;  // the refusals are worded here, in German
    optind = 0;  // 0, not 1: GNU getopt starts over, forgetting a bundle left half read
    std::unique_ptr<ProfileStore> saved;
    bool bendefSidesChosen = false;
    for (;;) {
        // The element getopt_long reads: the one it is inside of, or else the next one.
        const auto element = static_cast<std::size_t>(std::max(optind, 1));
        const int id = getopt_long(argc, argv.data(), kShortOptions, kLongOptions, nullptr);
        if (id == -1) break;
        if (id == 1) {
            batch.files.emplace_back(optarg);
        } else if (id == '?' || id == ':') {
            return UsageError{Refusal(id, strings[element])};
        } else if (id == kGespeichert) {
            // Every stored switch, a missing or unusable value giving the switch's default.
            if (!saved) saved = savedSettings();
            LoadOptimizeOptions(*saved, batch.optimize);
        } else if (Problem problem = Apply(batch, bendefSidesChosen, id, optarg ? optarg : "")) {
            return UsageError{std::move(*problem)};
        } else if (batch.request != Request::Optimize) {
            return batch;
        }
    }
    // Behind "--" everything is a file name.
    batch.files.insert(batch.files.end(), strings.begin() + optind, strings.end());
    if (Problem problem = CheckMode(batch)) return UsageError{std::move(*problem)};
    return batch;
}

std::string BatchOptions::HelpText() {
    // Columns on the screen: UTF-8 continuation bytes take none.
    const auto columns = [](std::string_view s) {
        return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }));
    };
    std::string keys;
    std::string line = "                     ";
    for (const OptimizeOptionKey& key : OptimizeOptionKeys()) {
        const std::string entry = " " + Quoted(key.name);
        if (columns(line) + columns(entry) > 80) {
            keys.append(line).append("\n");
            line = "                     ";
        }
        line.append(entry);
    }
    keys.append(line).append("\n");
    return BatchTexts::Fill(BatchTexts::kHelp, {keys});
}

}  // namespace venkora
