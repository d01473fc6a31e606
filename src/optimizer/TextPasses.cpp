#include "optimizer/TextPasses.h"

#include "optimizer/Conversions.h"
#include "optimizer/LineBreakRules.h"

namespace venkora {

namespace {

void Announce(const StatusSink& status, std::string_view text) {
    if (status) status(text);
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
    if (o.leerz) {
        Announce(status, kStatusLeerzeichen);
        DeleteAtLineEndsThenStarts(text, " ", o.leerzEnde, o.leerzAnf);
    }
    if (o.tab) {
        Announce(status, kStatusTabulatoren);
        DeleteAtLineEndsThenStarts(text, "\t", o.tabEnde, o.tabAnf);
    }
    if (o.zeilenumbruch) {
        Announce(status, kStatusZeilenumbrueche);
        if (o.nurLeerzeilen == 1) {
            CollapseCrLfRuns(text);
        } else if (o.nurLeerzeilen == 0) {
            DeleteBreaks(text, kCrLf);
            DeleteBreaks(text, kLfCr);
        }
    }
    if (o.bendef) {
        // The user-defined string goes at line starts first, then at line ends. An empty string
        // deletes nothing.
        Announce(status, kStatusBenutzerdefiniert);
        if (!o.bendefZeichen.empty()) {
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
