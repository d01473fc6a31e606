#include "optimizer/TextPasses.h"

#include <cassert>
#include <span>

#include "optimizer/BlanksAtBreaks.h"
#include "optimizer/ByteScan.h"
#include "optimizer/Conversions.h"
#include "optimizer/LineBreakRules.h"
#include "resources/StringTable.h"

namespace venkora {

namespace {

void Announce(const StatusSink& status, std::string_view text) {
    if (status) status(text);
}

// The line breaks the rules hang on, in the order each group takes them: CR LF, then LF CR; in
// an LF or CR text its one byte, which stands for the CR LF of its CR LF twin.
struct LineBreaks {
    LineEndKind kind;
    std::span<const std::string_view> all;
};

constexpr std::string_view kPairs[] = {kCrLf, kLfCr};
constexpr std::string_view kLf[] = {"\n"};
constexpr std::string_view kCr[] = {"\r"};

// The breaks of a text of `kind`. A user string with CR or LF is deleted by the CR LF rules on
// the text as it is: there it may form line breaks of its own.
LineBreaks BreaksFor(LineEndKind kind, const OptimizeOptions& o) {
    const bool pairsOnly = o.bendef && o.bendefZeichen.find_first_of("\r\n") != std::string::npos;
    if (pairsOnly || kind == LineEndKind::CrLf) return {LineEndKind::CrLf, kPairs};
    return {kind, kind == LineEndKind::Lf ? std::span(kLf) : std::span(kCr)};
}

// Every deletion rule needs a line break in the text to change anything, so a text without one
// goes through the deletion groups unchanged and their scans can be spared.
bool HasLineBreak(std::string_view text, const LineBreaks& breaks) {
    for (const std::string_view brk : breaks.all) {
        if (scan::Find(text, brk) != scan::npos) return true;
    }
    return false;
}

// End-of-line rules first, then start-of-line rules; each for every kind of break in turn.
void DeleteAtLineEndsThenStarts(std::string& text, std::string_view s, std::int32_t ende,
                                std::int32_t anf, const LineBreaks& breaks) {
    if (ende) {
        for (const std::string_view brk : breaks.all) DeleteBeforeBreaks(text, s, brk);
    }
    if (anf) {
        for (const std::string_view brk : breaks.all) DeleteAfterBreaks(text, brk, s);
    }
}

// The text between the passes. It starts as the caller's text. A caller that gives its text up
// lets passes work in it: a string in every way, a buffer only by shortening it (the text is
// then the start of the buffer). Otherwise passes that work in place work in a copy in the
// result, which a pass that reads the text and writes it anew may also fill.
class WorkingText {
public:
    // A text the caller keeps as it is.
    WorkingText(std::string_view text, std::string& result, std::size_t bound)
        : text_(text), result_(result), bound_(bound) {}
    // A string the caller gives up.
    WorkingText(std::string& text, std::string& result)
        : text_(text), string_(&text), result_(result), bound_(text.size()) {}
    // A buffer the caller gives up.
    WorkingText(std::span<char> text, std::string& result, std::size_t bound)
        : text_(text.data(), text.size()), buffer_(text.data()), result_(result), bound_(bound) {}

    std::string_view Current() const {
        if (inResult_) return result_;
        return string_ ? std::string_view(*string_) : text_;
    }
    bool InResult() const { return inResult_; }

    // Where a pass that only shortens the text may work in it, or null.
    char* Shortenable() {
        if (inResult_) return nullptr;
        return string_ ? string_->data() : buffer_;
    }
    // The text was shortened in place to its first `size` bytes.
    void Shortened(std::size_t size) {
        if (string_) string_->resize(size);
        text_ = text_.substr(0, size);
    }

    // The text for a pass that works in place in a string.
    std::string& Text() {
        if (inResult_) return result_;
        if (string_) return *string_;
        Reserve();
        result_.assign(text_);
        inResult_ = true;
        return result_;
    }

    // The empty result, for a pass that reads the text and writes it anew; TakeResult() when
    // it has written it.
    std::string& EmptyResult() {
        result_.clear();
        Reserve();
        return result_;
    }
    void TakeResult() { inResult_ = true; }

private:
    void Reserve() {
        if (result_.capacity() < bound_) result_.reserve(bound_);
    }

    std::string_view text_;
    std::string* string_ = nullptr;
    char* buffer_ = nullptr;
    std::string& result_;
    std::size_t bound_;
    bool inResult_ = false;
};

// Groups 1 and 2, spaces then tabs: in one pass where that is exact, in the text itself where
// the caller gave it up; else the rules one by one.
void DeleteBlanks(WorkingText& w, const OptimizeOptions& o, const LineBreaks& breaks) {
    BlankSides sides;
    sides.spacesAtEnds = o.leerz && o.leerzEnde;
    sides.spacesAtStarts = o.leerz && o.leerzAnf;
    sides.tabsAtEnds = o.tab && o.tabEnde;
    sides.tabsAtStarts = o.tab && o.tabAnf;
    if (!sides.spacesAtEnds && !sides.spacesAtStarts && !sides.tabsAtEnds && !sides.tabsAtStarts) {
        return;
    }
    const std::string_view text = w.Current();
    if (char* writable = w.Shortenable()) {
        if (const auto kept =
                DeleteBlanksAtBreaksInPlace(writable, text.size(), sides, breaks.kind)) {
            return w.Shortened(*kept);
        }
    }
    switch (DeleteBlanksAtBreaks(text, w.EmptyResult(), sides, breaks.kind)) {
        case OnePass::Unchanged: return;
        case OnePass::Changed: w.TakeResult(); return;
        case OnePass::NotExact: break;
    }
    std::string& rules = w.Text();
    if (o.leerz) DeleteAtLineEndsThenStarts(rules, " ", o.leerzEnde, o.leerzAnf, breaks);
    if (o.tab) DeleteAtLineEndsThenStarts(rules, "\t", o.tabEnde, o.tabAnf, breaks);
}

// Every group and conversion in order; whether the optimized text is in `result`.
bool RunPasses(WorkingText& w, const OptimizeOptions& o, LineEndKind kind,
               const StatusSink& status) {
    const LineBreaks breaks = BreaksFor(kind, o);
    // The space and tab groups find the line breaks themselves; only when later groups run
    // is the text first looked at for one. (Deleting blanks neither makes the first line break
    // nor takes the last.)
    const bool looked = o.zeilenumbruch || o.bendef;
    const bool hasBreak = looked && HasLineBreak(w.Current(), breaks);
    // The space and tab groups begin together: they share one pass.
    if (o.leerz) Announce(status, text::kStatusLeerzeichen);
    if (o.tab) Announce(status, text::kStatusTabulatoren);
    if (hasBreak || !looked) DeleteBlanks(w, o, breaks);
    if (o.zeilenumbruch) {
        Announce(status, text::kStatusZeilenumbrueche);
        if (hasBreak && o.nurLeerzeilen == 1) {
            // Only runs of the pair CR LF shrink; in an LF or CR text, runs of its byte.
            if (breaks.kind == LineEndKind::CrLf) {
                CollapseCrLfRuns(w.Text());
            } else {
                CollapseRuns(w.Text(), breaks.all[0][0]);
            }
        } else if (hasBreak && o.nurLeerzeilen == 0) {
            for (const std::string_view brk : breaks.all) DeleteBreaks(w.Text(), brk);
        }
    }
    if (o.bendef) {
        // The user-defined string goes at line starts first, then at line ends. An empty string
        // deletes nothing.
        Announce(status, text::kStatusBenutzerdefiniert);
        if (hasBreak && !o.bendefZeichen.empty()) {
            const std::string_view s = o.bendefZeichen;
            if (o.bendefAnf) {
                for (const std::string_view brk : breaks.all) DeleteAfterBreaks(w.Text(), brk, s);
            }
            if (o.bendefEnde) {
                for (const std::string_view brk : breaks.all) DeleteBeforeBreaks(w.Text(), s, brk);
            }
        }
    }
    if (o.tabZuLeerz) TabsToSpaces(w.Text(), o.tabbreite);
    if (o.leerzZuTab) {
        SpacesToTabs(w.Text(), o.tabbreite);
        if (o.loescheUeberz) DeleteSpacesAfterTabs(w.Text());
    }
    return w.InResult();
}

}  // namespace

std::size_t OptimizedSizeBound(std::string_view source, const OptimizeOptions& o) {
    // Only tabs to spaces lengthens the text, and no pass adds a tab.
    if (!o.tabZuLeerz || o.tabbreite <= 1) return source.size();
    return source.size() + scan::Count(source, '\t') * (o.tabbreite - 1u);
}

bool OptimizeText(std::string_view source, std::string& result, const OptimizeOptions& options,
                  LineEndKind kind, const StatusSink& status) {
    assert(result.empty());
    WorkingText w(source, result, OptimizedSizeBound(source, options));
    return RunPasses(w, options, kind, status);
}

std::string_view OptimizeTextInBuffer(std::span<char> text, std::string& result,
                                      const OptimizeOptions& options, LineEndKind kind,
                                      const StatusSink& status) {
    assert(result.empty());
    WorkingText w(text, result, OptimizedSizeBound({text.data(), text.size()}, options));
    RunPasses(w, options, kind, status);
    return w.Current();
}

void OptimizeTextPasses(std::string& text, const OptimizeOptions& options, LineEndKind kind,
                        const StatusSink& status) {
    std::string result;
    WorkingText w(text, result);
    if (RunPasses(w, options, kind, status)) text.swap(result);
}

}  // namespace venkora
