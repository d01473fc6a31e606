#include "optimizer/TextPasses.h"

#include "optimizer/BlanksAtBreaks.h"
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
void DeleteBlanks(WorkingText& w, const OptimizeOptions& o) {
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
        if (const auto kept = DeleteBlanksAtBreaksInPlace(writable, text.size(), sides)) {
            return w.Shortened(*kept);
        }
    }
    switch (DeleteBlanksAtBreaks(text, w.EmptyResult(), sides)) {
        case OnePass::Unchanged: return;
        case OnePass::Changed: w.TakeResult(); return;
        case OnePass::NotExact: break;
    }
    std::string& rules = w.Text();
    if (o.leerz) DeleteAtLineEndsThenStarts(rules, " ", o.leerzEnde, o.leerzAnf);
    if (o.tab) DeleteAtLineEndsThenStarts(rules, "\t", o.tabEnde, o.tabAnf);
}

// Every group and conversion in order; whether the optimized text is in `result`.
bool RunPasses(WorkingText& w, const OptimizeOptions& o, const StatusSink& status) {
    // The space and tab groups find the line breaks themselves; only when later groups run
    // is the text first looked at for one. (Deleting blanks neither makes the first line break
    // nor takes the last.)
    const bool looked = o.zeilenumbruch || o.bendef;
    const bool breaks = looked && HasLineBreak(w.Current());
    // The space and tab groups begin together: they share one pass.
    if (o.leerz) Announce(status, kStatusLeerzeichen);
    if (o.tab) Announce(status, kStatusTabulatoren);
    if (breaks || !looked) DeleteBlanks(w, o);
    if (o.zeilenumbruch) {
        Announce(status, kStatusZeilenumbrueche);
        if (breaks && o.nurLeerzeilen == 1) {
            CollapseCrLfRuns(w.Text());
        } else if (breaks && o.nurLeerzeilen == 0) {
            DeleteBreaks(w.Text(), kCrLf);
            DeleteBreaks(w.Text(), kLfCr);
        }
    }
    if (o.bendef) {
        // The user-defined string goes at line starts first, then at line ends. An empty string
        // deletes nothing.
        Announce(status, kStatusBenutzerdefiniert);
        if (breaks && !o.bendefZeichen.empty()) {
            if (o.bendefAnf) {
                DeleteAfterBreaks(w.Text(), kCrLf, o.bendefZeichen);
                DeleteAfterBreaks(w.Text(), kLfCr, o.bendefZeichen);
            }
            if (o.bendefEnde) {
                DeleteBeforeBreaks(w.Text(), o.bendefZeichen, kCrLf);
                DeleteBeforeBreaks(w.Text(), o.bendefZeichen, kLfCr);
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
                  const StatusSink& status) {
    WorkingText w(source, result, OptimizedSizeBound(source, options));
    return RunPasses(w, options, status);
}

std::string_view OptimizeTextInBuffer(std::span<char> text, std::string& result,
                                      const OptimizeOptions& options, const StatusSink& status) {
    WorkingText w(text, result, OptimizedSizeBound({text.data(), text.size()}, options));
    RunPasses(w, options, status);
    return w.Current();
}

void OptimizeTextPasses(std::string& text, const OptimizeOptions& options, const StatusSink& status) {
    std::string result;
    WorkingText w(text, result);
    if (RunPasses(w, options, status)) text.swap(result);
}

}  // namespace venkora
