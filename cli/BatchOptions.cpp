#include "BatchOptions.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "BatchTexts.h"
#include "core/ProfileStore.h"
#include "optimizer/OptimizeOptionKey.h"

namespace venkora {

namespace {

using Problem = std::optional<std::string>;

// Long options that take a value, either as --name=VALUE or as the next argument.
constexpr std::array<std::string_view, 8> kValueOptions{
    "leerzeichen", "tabulatoren", "zeilenumbrueche", "benutzerdefiniert",
    "benutzerdefiniert-an", "breite", "zeilenende", "set"};

std::string Quoted(std::string_view text) {
    return std::string("„").append(text).append("“");
}

std::string OptionName(std::string_view name) { return Quoted(std::string("--").append(name)); }

// A whole decimal number without sign, at most `max`.
std::optional<std::uint64_t> ParseDigits(std::string_view text, std::uint64_t max) {
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > max) return std::nullopt;
    }
    return value;
}

// anfang | ende | beide as the two side switches (start, end).
Problem ParseSides(std::string_view option, std::string_view value, std::int32_t& start,
                   std::int32_t& end) {
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
        return OptionName(option) + " erwartet anfang, ende oder beide, nicht " + Quoted(value);
    }
    return std::nullopt;
}

Problem ApplySet(OptimizeOptions& options, std::string_view assignment) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string_view::npos) {
        return "„--set“ erwartet SCHLÜSSEL=WERT, nicht " + Quoted(assignment);
    }
    const std::string_view name = assignment.substr(0, equals);
    const std::string_view value = assignment.substr(equals + 1);
    const OptimizeOptionKey* key = FindOptimizeOptionKey(name);
    if (!key) return "unbekannter Schlüssel " + Quoted(name) + " für „--set“";
    if (key->kind == OptimizeOptionKey::Kind::String) {
        key->SetString(options, std::string(value));
        return std::nullopt;
    }
    const auto stored = ProfileStore::ParseInteger(value);
    if (!stored) {
        return Quoted(std::string("--set ").append(key->name)) +
               " erwartet eine ganze Zahl im 32-Bit-Bereich, nicht " + Quoted(value);
    }
    key->SetInteger(options, *stored);
    return std::nullopt;
}

// Options with a value. `bendefSidesChosen` records an earlier --benutzerdefiniert-an.
Problem ApplyValueOption(BatchOptions& batch, bool& bendefSidesChosen, std::string_view name,
                         std::string_view value) {
    OptimizeOptions& o = batch.optimize;
    if (name == "leerzeichen") {
        o.leerz = 1;
        return ParseSides(name, value, o.leerzAnf, o.leerzEnde);
    }
    if (name == "tabulatoren") {
        o.tab = 1;
        return ParseSides(name, value, o.tabAnf, o.tabEnde);
    }
    if (name == "zeilenumbrueche") {
        if (value == "alle") {
            o.nurLeerzeilen = 0;
        } else if (value == "leerzeilen") {
            o.nurLeerzeilen = 1;
        } else {
            return OptionName(name) + " erwartet alle oder leerzeilen, nicht " + Quoted(value);
        }
        o.zeilenumbruch = 1;
        return std::nullopt;
    }
    if (name == "benutzerdefiniert") {
        if (value.empty()) return OptionName(name) + " braucht mindestens ein Zeichen";
        o.bendef = 1;
        o.bendefZeichen = std::string(value);
        if (!bendefSidesChosen) {
            o.bendefAnf = 1;
            o.bendefEnde = 1;
        }
        return std::nullopt;
    }
    if (name == "benutzerdefiniert-an") {
        bendefSidesChosen = true;
        return ParseSides(name, value, o.bendefAnf, o.bendefEnde);
    }
    if (name == "zeilenende") {
        if (value == "crlf") {
            batch.lineEnd = LineEndKind::CrLf;
        } else if (value == "lf") {
            batch.lineEnd = LineEndKind::Lf;
        } else {
            return OptionName(name) + " erwartet crlf oder lf, nicht " + Quoted(value);
        }
        return std::nullopt;
    }
    if (name == "breite") {
        const auto width = ParseDigits(value, 255);
        if (!width) {
            return OptionName(name) + " erwartet eine ganze Zahl von 0 bis 255, nicht " +
                   Quoted(value);
        }
        o.tabbreite = static_cast<std::uint8_t>(*width);
        return std::nullopt;
    }
    return ApplySet(o, value);
}

// Options without a value; false when `name` is none of them.
bool ApplySwitch(BatchOptions& batch, std::string_view name) {
    if (name == "tab-zu-leerz") {
        batch.optimize.tabZuLeerz = 1;
    } else if (name == "leerz-zu-tab") {
        batch.optimize.leerzZuTab = 1;
    } else if (name == "ueberzaehlige-loeschen") {
        batch.optimize.loescheUeberz = 1;
    } else if (name == "vor-ort") {
        batch.inPlace = true;
    } else if (name == "pruefen") {
        batch.check = true;
    } else if (name == "nicht-warten") {
        batch.dontWait = true;
    } else if (name == "nur-crlf") {
        batch.onlyCrLf = true;
    } else if (name == "ausfuehrlich") {
        batch.verbose = true;
    } else if (name == "help") {
        batch.request = BatchOptions::Request::Help;
    } else if (name == "version") {
        batch.request = BatchOptions::Request::Version;
    } else {
        return false;
    }
    return true;
}

Problem CheckMode(const BatchOptions& batch) {
    if (!batch.inPlace) return std::nullopt;
    if (batch.check) return std::string("„--vor-ort“ und „--pruefen“ schließen einander aus");
    if (batch.files.empty()) return std::string("„--vor-ort“ braucht mindestens eine Datei");
    if (std::find(batch.files.begin(), batch.files.end(), "-") != batch.files.end()) {
        return std::string("„--vor-ort“ kann die Standardeingabe nicht überschreiben");
    }
    return std::nullopt;
}

}  // namespace

std::variant<BatchOptions, BatchOptions::UsageError> BatchOptions::Parse(
    std::span<const std::string_view> arguments, const SettingsSource& savedSettings) {
    BatchOptions batch;
    batch.optimize.bereich = 1;
    std::unique_ptr<ProfileStore> saved;
    bool bendefSidesChosen = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view arg = arguments[i];
        if (optionsEnded || arg.size() < 2 || arg.front() != '-') {
            batch.files.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg[1] != '-') {
            // Bundled short switches such as -cv.
            for (char letter : arg.substr(1)) {
                const std::string_view name = letter == 'i'   ? "vor-ort"
                                              : letter == 'c' ? "pruefen"
                                              : letter == 'v' ? "ausfuehrlich"
                                              : letter == 'h' ? "help"
                                                              : "";
                if (name.empty()) {
                    return UsageError{"unbekannte Option " + Quoted(std::string{'-', letter})};
                }
                ApplySwitch(batch, name);
                if (batch.request != Request::Optimize) return batch;
            }
            continue;
        }
        const std::string_view body = arg.substr(2);
        const std::size_t equals = body.find('=');
        const std::string_view name = body.substr(0, equals);
        const bool takesValue =
            std::find(kValueOptions.begin(), kValueOptions.end(), name) != kValueOptions.end();
        if (name == "gespeichert") {
            if (equals != std::string_view::npos) {
                return UsageError{OptionName(name) + " nimmt keinen Wert an"};
            }
            // Every stored switch, a missing or unusable value giving the switch's default.
            if (!saved) saved = savedSettings();
            LoadOptimizeOptions(*saved, batch.optimize);
            continue;
        }
        if (!takesValue) {
            if (!ApplySwitch(batch, name)) {
                return UsageError{"unbekannte Option " + OptionName(name)};
            }
            if (equals != std::string_view::npos) {
                return UsageError{OptionName(name) + " nimmt keinen Wert an"};
            }
            if (batch.request != Request::Optimize) return batch;
            continue;
        }
        std::string_view value;
        if (equals != std::string_view::npos) {
            value = body.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return UsageError{OptionName(name) + " braucht einen Wert"};
        }
        if (Problem problem = ApplyValueOption(batch, bendefSidesChosen, name, value)) {
            return UsageError{std::move(*problem)};
        }
    }
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
