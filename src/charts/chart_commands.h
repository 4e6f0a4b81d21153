// The chart commands as operations over the CID font: what the context menus and drops of
// the Characters, Unplaced and Font charts do, given the ranges the charts chose and the
// shared chart clipboard.
#pragma once

#include <cstdint>
#include <optional>

#include "charts/chart_kinds.h"
#include "cidfont/cid_font.h"
#include "cmap/chart_clipboard.h"
#include "platform/chart_grid.h"

namespace sorvella {

// Copy and Cut of each chart: the clipboard value they leave.
ChartClipboard copyFromCharacters(ItemRange selection, bool cut);
ChartClipboard copyFromUnplaced(ItemRange selection);
ChartClipboard copyFromFont(int32_t subsetFont, ItemRange selection);

// The Characters chart's Paste, "&Append" (at the CID after the range top) and "&Paste to..."
// (at `target`): the clipboard's range goes to `target` onwards. Returns the CIDs that now hold
// it, or nothing when there was nothing to paste or the range would leave the CIDs a font can
// hold. A pasted cut, and pasted unplaced positions (which the paste renumbers), empty the
// clipboard; a copy stays for pasting again.
std::optional<ItemRange> pasteCharacters(CCidFont& font, ChartClipboard& clipboard, int32_t target);
int32_t appendTarget(const CCidFont& font);

// "&Delete" of the Characters chart (and a drop onto the Unplaced chart): the CIDs are cleared
// and their characters become unplaced; locked characters stay.
void clearCharacters(CCidFont& font, ItemRange cids);
// "&Delete" of the Font chart: the selected glyphs leave their CIDs and become unplaced.
void unplaceGlyphs(CCidFont& font, int32_t subsetFont, ItemRange glyphs);

// A drop onto the Characters chart: `source` is the dragged range of the source chart (CIDs,
// unplaced positions or glyphs of `subsetFont`), `command` the drop menu's choice and `target`
// its CID (the drop range's first, the CID after the range top, or the one asked for).
// Returns the CIDs that now hold the range, or nothing when nothing happened.
std::optional<ItemRange> dropOnCharacters(CCidFont& font, ChartId sourceChart, ItemRange source,
                                          int32_t subsetFont, ChartCommand command, int32_t target);
// Whether a drop from the Characters chart is offered at all (not onto its own start).
bool dropOffered(ChartId sourceChart, ItemRange source, ItemRange drop);

}  // namespace sorvella
