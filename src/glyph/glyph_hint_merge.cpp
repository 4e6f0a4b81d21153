// Merging another glyph's hints when its nodes are appended after this glyph's first n nodes.
#include "glyph/glyph.h"

namespace sorvella {

namespace {

int32_t shiftedReplacementPoint(int32_t v, int n) { return v > 0 ? v + n : v - n; }

int32_t count(const std::vector<Hint>& hints) { return static_cast<int32_t>(hints.size()); }

}  // namespace

void Glyph::mergeHints(const Glyph& other, int n) {
  // A copy, since `other` may be this glyph.
  const std::optional<GlyphHints> theirs = other.hints_;
  if (!theirs || (theirs->horizontal.empty() && theirs->vertical.empty())) return;

  if (!hints_ || (hints_->horizontal.empty() && hints_->vertical.empty())) {
    hints_ = *theirs;
    for (HintReplacementEntry& entry : hints_->replacement)
      if (entry.kind == hint_kind::kReplacementPoint)
        entry.value = shiftedReplacementPoint(entry.value, n);
    return;
  }

  GlyphHints& ours = *hints_;
  int32_t formerHorizontal = count(ours.horizontal);
  int32_t formerVertical = count(ours.vertical);
  if (ours.replacement.empty()) {
    for (int32_t k = 0; k < formerHorizontal; ++k)
      ours.replacement.push_back({hint_kind::kHorizontal, k});
    for (int32_t k = 0; k < formerVertical; ++k)
      ours.replacement.push_back({hint_kind::kVertical, k});
  }
  ours.replacement.push_back({hint_kind::kReplacementPoint, n});
  ours.horizontal.insert(ours.horizontal.end(), theirs->horizontal.begin(),
                         theirs->horizontal.end());
  ours.vertical.insert(ours.vertical.end(), theirs->vertical.begin(), theirs->vertical.end());

  if (theirs->replacement.empty()) {
    for (int32_t k = formerHorizontal; k < count(ours.horizontal); ++k)
      ours.replacement.push_back({hint_kind::kHorizontal, k});
    for (int32_t k = formerVertical; k < count(ours.vertical); ++k)
      ours.replacement.push_back({hint_kind::kVertical, k});
    return;
  }
  for (HintReplacementEntry entry : theirs->replacement) {
    if (entry.kind == hint_kind::kHorizontal) entry.value += formerHorizontal;
    else if (entry.kind == hint_kind::kVertical) entry.value += formerVertical;
    else if (entry.kind == hint_kind::kReplacementPoint)
      entry.value = shiftedReplacementPoint(entry.value, n);
    ours.replacement.push_back(entry);
  }
}

}  // namespace sorvella
