// Copy and paste of whole glyphs ("VT Glyph") and of selected nodes ("VT Glyph Selection")
// as glyph and outline records on the platform clipboard.
#pragma once

#include <cstddef>

#include "glyph/glyph.h"
#include "platform/clipboard.h"

namespace sorvella {

inline constexpr const char* kGlyphClipboardFormat = "VT Glyph";
inline constexpr const char* kSelectionClipboardFormat = "VT Glyph Selection";
inline constexpr std::size_t kClipboardCapacity = 30000;
inline constexpr int16_t kPasteOffset = 50;

// Both return false when the record did not fit the clipboard stream and was cut.
bool copyGlyph(const Glyph& glyph, Clipboard& clipboard);
bool copySelection(const Outline& outline, Clipboard& clipboard);

// Each run of consecutive selected nodes becomes one contour starting with a move node.
Outline outlineFromSelection(const Outline& outline);

bool canPasteGlyph(const Clipboard& clipboard);
bool canPasteSelection(const Clipboard& clipboard);
// Replaces `glyph` by the clipboard's glyph; false (glyph unchanged) when unreadable.
bool pasteGlyph(Glyph& glyph, const Clipboard& clipboard);
// Appends the clipboard's contours, moved by (+50, +50), as the new selection; false when
// unreadable or of another master count.
bool pasteSelection(Glyph& glyph, const Clipboard& clipboard);

}  // namespace sorvella
