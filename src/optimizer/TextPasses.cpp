#include "optimizer/TextPasses.h"

#include "optimizer/ByteScan.h"
#include "optimizer/Conversions.h"
#include "optimizer/LineBreakRules.h"

namespace venkora {

namespace {

void Announce(const StatusSink& status, std::string_view text) {
    if (status) status(text);
}

// Every deletion rule needs a line break in the text to change anything, so a text without one
// goes through the deletion groups unchanged and their scans can be spared.
bool HasLineBreak(std::string_view text) {
    return scan::Find(text, kCrLf) != scan::npos || scan::Find(text, kLfCr) != scan::npos;
}

// End-of-line rules first, then start-of-line rules; each for CR LF, then for LF CR.
void DeleteAtLineEndsThenStarts(std::string& text, std::string_view s, std::int32_t ende,
                                std::int32_t anf) {
    if (ende) {
        DeleteBeforeBreaks(text, s, kCrLf);
        DeleteBeforeBreaks(text, s, kLfCr);
    }
    if (anf) {
        DeleteAfterBreaks(text, kCrLf, s);
        DeleteAfterBreaks(text, kLfCr, s);
    }
}

}  // namespace

void OptimizeTextPasses(std::string& text, const OptimizeOptions& o, const StatusSink& status) {
    const bool breaks = (o.leerz || o.tab || o.zeilenumbruch || o.bendef) && HasLineBreak(text);
    if (o.leerz) {
        Announce(status, kStatusLeerzeichen);
        if (breaks) DeleteAtLineEndsThenStarts(text, " ", o.leerzEnde, o.leerzAnf);
    }
    if (o.tab) {
        Announce(status, kStatusTabulatoren);
        if (breaks) DeleteAtLineEndsThenStarts(text, "\t", o.tabEnde, o.tabAnf);
    }
    if (o.zeilenumbruch) {
        Announce(status, kStatusZeilenumbrueche);
        if (breaks && o.nurLeerzeilen == 1) {
            CollapseCrLfRuns(text);
        } else if (breaks && o.nurLeerzeilen == 0) {
            DeleteBreaks(text, kCrLf);
            DeleteBreaks(text, kLfCr);
        }
    }
    if (o.bendef) {
        // The user-defined string goes at line starts first, then at line ends. An empty string
        // deletes nothing.
        Announce(status, kStatusBenutzerdefiniert);
        if (breaks && !o.bendefZeichen.empty()) {
            if (o.bendefAnf) {
                DeleteAfterBreaks(text, kCrLf, o.bendefZeichen);
                DeleteAfterBreaks(text, kLfCr, o.bendefZeichen);
            }
            if (o.bendefEnde) {
                DeleteBeforeBreaks(text, o.bendefZeichen, kCrLf);
                DeleteBeforeBreaks(text, o.bendefZeichen, kLfCr);
            }
        }
    }
    if (o.tabZuLeerz) TabsToSpaces(text, o.tabbreite);
    if (o.leerzZuTab) {
        SpacesToTabs(text, o.tabbreite);
        if (o.loescheUeberz) DeleteSpacesAfterTabs(text);
    }
}

}  // namespace venkora
