#include "optimizer/Sweep.h"

#include <cstdint>
#include <limits>
#include <vector>

namespace venkora {

std::size_t ReplaceAllSweep(std::string& text, std::string_view oldText, std::string_view newText) {
    if (oldText.empty()) return 0;
    const std::string_view in(text);
    std::size_t pos = in.find(oldText);
    if (pos == std::string_view::npos) return 0;
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    std::size_t count = 0;
    while (pos != std::string_view::npos) {
        out.append(in.substr(from, pos - from));
        out.append(newText);
        ++count;
        from = pos + oldText.size();
        pos = in.find(oldText, from);
    }
    out.append(in.substr(from));
    text.swap(out);
    return count;
}

namespace {

// Carries out the repeated sweeps of a shrinking rule without rescanning the whole text.
//
// After a sweep, every occurrence of the pattern touches a place where that sweep replaced
// something: an occurrence inside unchanged text would have been found by the sweep itself,
// unless it overlapped a replaced occurrence. So each following sweep only examines a few
// bytes around the previous sweep's replacements. The text is a linked list over the original
// byte positions: a replacement overwrites the first |new| bytes of the occurrence and unlinks
// the rest, so list order stays index order and "left of" is a comparison of indices.
template <typename Index>
class ShrinkingSweeps {
public:
    ShrinkingSweeps(std::string& text, std::string_view oldText, std::string_view newText)
        : text_(text), old_(oldText), new_(newText),
          end_(static_cast<Index>(text.size())), begin_(static_cast<Index>(text.size() + 1)),
          next_(text.size() + 2), prev_(text.size() + 2) {
        for (Index i = 0; i < end_; ++i) {
            next_[i] = i + 1;
            prev_[i] = i == 0 ? begin_ : i - 1;
        }
        next_[begin_] = end_ == 0 ? end_ : 0;
        prev_[end_] = end_ == 0 ? begin_ : end_ - 1;
    }

    void Run() {
        std::vector<Index> candidates;
        const std::string_view whole(text_);
        for (std::size_t pos = whole.find(old_); pos != std::string_view::npos;
             pos = whole.find(old_, pos + 1)) {
            candidates.push_back(static_cast<Index>(pos));
        }
        std::vector<Index> seams;
        while (!candidates.empty()) {
            seams.clear();
            Sweep(candidates, seams);
            candidates.clear();
            CollectCandidates(seams, candidates);
        }
        Compact();
    }

private:
    // One sweep over the verified occurrences, in text order: the leftmost one is replaced and
    // those overlapping it are passed over. Records, per replacement, the last node before the
    // place where text was removed or rewritten.
    void Sweep(const std::vector<Index>& candidates, std::vector<Index>& seams) {
        bool replaced = false;
        Index lastReplaced = 0;  // index of the last node of the previous replaced occurrence
        for (Index start : candidates) {
            if (replaced && start <= lastReplaced) continue;
            Index node = start;
            Index lastKept = prev_[start];
            for (std::size_t i = 0; i < old_.size(); ++i) {
                const Index following = next_[node];
                lastReplaced = node;
                if (i < new_.size()) {
                    text_[node] = new_[i];
                    lastKept = node;
                } else {
                    Unlink(node);
                }
                node = following;
            }
            replaced = true;
            seams.push_back(lastKept);
        }
    }

    // Every occurrence in the changed text reaches into a rewritten part or spans a join: it
    // starts at one of the |old| - 1 + |new| nodes that end at a seam.
    void CollectCandidates(const std::vector<Index>& seams, std::vector<Index>& candidates) {
        const std::size_t window = old_.size() - 1 + new_.size();
        bool checkedAny = false;
        Index lastChecked = 0;
        for (Index seam : seams) {
            if (seam == begin_) continue;
            Index first = seam;
            for (std::size_t steps = 1; steps < window && prev_[first] != begin_; ++steps) {
                first = prev_[first];
            }
            for (Index node = first;; node = next_[node]) {
                if (!checkedAny || node > lastChecked) {
                    if (MatchesAt(node)) candidates.push_back(node);
                    lastChecked = node;
                    checkedAny = true;
                }
                if (node == seam) break;
            }
        }
    }

    bool MatchesAt(Index node) const {
        for (char c : old_) {
            if (node == end_ || text_[node] != c) return false;
            node = next_[node];
        }
        return true;
    }

    void Unlink(Index node) {
        next_[prev_[node]] = next_[node];
        prev_[next_[node]] = prev_[node];
    }

    void Compact() {
        std::size_t w = 0;
        for (Index node = next_[begin_]; node != end_; node = next_[node]) text_[w++] = text_[node];
        text_.resize(w);
    }

    std::string& text_;
    std::string_view old_;
    std::string_view new_;
    const Index end_;    // sentinel behind the last byte
    const Index begin_;  // sentinel before the first byte
    std::vector<Index> next_;
    std::vector<Index> prev_;
};

}  // namespace

void SweepToFixpoint(std::string& text, std::string_view oldText, std::string_view newText) {
    if (oldText.empty() || oldText == newText) return;
    if (newText.size() >= oldText.size()) {
        // Rules that do not shrink the text: the sweeps themselves, until one changes nothing.
        while (ReplaceAllSweep(text, oldText, newText) != 0) {
        }
        return;
    }
    if (text.find(oldText) == std::string::npos) return;
    if (text.size() + 2 <= std::numeric_limits<std::uint32_t>::max()) {
        ShrinkingSweeps<std::uint32_t>(text, oldText, newText).Run();
    } else {
        ShrinkingSweeps<std::size_t>(text, oldText, newText).Run();
    }
}

}  // namespace venkora
