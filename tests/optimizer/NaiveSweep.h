#pragma once
// Slow, literal reference versions of the optimizer operations for the tests and the fuzz
// targets to compare the engine against. Written straight from the rule definitions, with no
// shortcuts, so that they are easy to check by reading.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "optimizer/LineEnds.h"
#include "optimizer/OptimizeOptions.h"

namespace venkora::naive {

// One sweep: find the leftmost occurrence at or after the scan position, replace it, count it,
// go on directly behind the inserted bytes.
inline std::size_t ReplaceAllSweep(std::string& text, std::string_view oldText,
                                   std::string_view newText) {
    if (oldText.empty()) {
        return 0;
    }
    std::size_t count = 0;
    std::size_t scan = 0;
    for (;;) {
        const std::size_t found = text.find(oldText, scan);
        if (found == std::string::npos) {
            return count;
        }
        text.replace(found, oldText.size(), newText);
        ++count;
        scan = found + newText.size();
    }
}

// Sweeps until a sweep leaves the text unchanged. Ends for every rule whose replacement holds
// fewer copies of some byte than its pattern (all shrinking rules), and for new == old.
inline void SweepToFixpoint(std::string& text, std::string_view oldText,
                            std::string_view newText) {
    for (;;) {
        const std::string before = text;
        ReplaceAllSweep(text, oldText, newText);
        if (text == before) {
            return;
        }
    }
}

// The whole pipeline: deletion groups 1 to 4, then the two conversions. Appends the status text
// of each group that runs to `statuses`.
inline void OptimizeTextPasses(std::string& text, const OptimizeOptions& o,
                               std::vector<std::string>& statuses) {
    const std::string crLf = "\r\n";
    const std::string lfCr = "\n\r";

    if (o.leerz != 0) {
        statuses.emplace_back("Lösche Leerzeichen...");
        if (o.leerzEnde != 0) {
            SweepToFixpoint(text, " " + crLf, crLf);
            SweepToFixpoint(text, " " + lfCr, lfCr);
        }
        if (o.leerzAnf != 0) {
            SweepToFixpoint(text, crLf + " ", crLf);
            SweepToFixpoint(text, lfCr + " ", lfCr);
        }
    }
    if (o.tab != 0) {
        statuses.emplace_back("Lösche Tabulatoren...");
        if (o.tabEnde != 0) {
            SweepToFixpoint(text, "\t" + crLf, crLf);
            SweepToFixpoint(text, "\t" + lfCr, lfCr);
        }
        if (o.tabAnf != 0) {
            SweepToFixpoint(text, crLf + "\t", crLf);
            SweepToFixpoint(text, lfCr + "\t", lfCr);
        }
    }
    if (o.zeilenumbruch != 0) {
        statuses.emplace_back("Lösche Zeilenumbrüche...");
        if (o.nurLeerzeilen == 1) {
            SweepToFixpoint(text, crLf + crLf, crLf);
        } else if (o.nurLeerzeilen == 0) {
            SweepToFixpoint(text, crLf, "");
            SweepToFixpoint(text, lfCr, "");
        }
    }
    if (o.bendef != 0) {
        statuses.emplace_back("Lösche benutzerdefinierte Zeichen...");
        const std::string& s = o.bendefZeichen;
        if (o.bendefAnf != 0) {
            SweepToFixpoint(text, crLf + s, crLf);
            SweepToFixpoint(text, lfCr + s, lfCr);
        }
        if (o.bendefEnde != 0) {
            SweepToFixpoint(text, s + crLf, crLf);
            SweepToFixpoint(text, s + lfCr, lfCr);
        }
    }

    const std::string spaces(o.tabbreite, ' ');
    if (o.tabZuLeerz != 0) {
        SweepToFixpoint(text, "\t", spaces);
    }
    if (o.leerzZuTab != 0) {
        SweepToFixpoint(text, spaces, "\t");
        if (o.loescheUeberz != 0) {
            SweepToFixpoint(text, "\t ", "\t");
        }
    }
}

// The pipeline on a text of the given kind, by its definition: an LF or CR text is optimized as
// its CR LF twin, each of its line-end bytes turned into CR LF and back afterwards; a CR LF text,
// or any text while the user-string group holds a CR or LF, as it is.
inline void OptimizeTextPasses(std::string& text, const OptimizeOptions& o, LineEndKind kind,
                               std::vector<std::string>& statuses) {
    const bool userBreak = o.bendef != 0 && o.bendefZeichen.find_first_of("\r\n") != std::string::npos;
    if (kind == LineEndKind::CrLf || userBreak) return OptimizeTextPasses(text, o, statuses);
    const std::string_view end = kind == LineEndKind::Lf ? "\n" : "\r";
    ReplaceAllSweep(text, end, "\r\n");
    OptimizeTextPasses(text, o, statuses);
    ReplaceAllSweep(text, "\r\n", end);
}

}  // namespace venkora::naive
