#include "glyph/glyph_clipboard.h"

#include "base/rounding.h"
#include "glyph/glyph_record.h"

namespace sorvella {

namespace {

bool place(ByteWriter& out, const char* format, Clipboard& clipboard) {
  bool fitted = out.fitted();
  return clipboard.setData(format, out.take()) && fitted;
}

}  // namespace

bool copyGlyph(const Glyph& glyph, Clipboard& clipboard) {
  ByteWriter out(kClipboardCapacity);
  writeGlyphRecord(glyph, out);
  return place(out, kGlyphClipboardFormat, clipboard);
}

Outline outlineFromSelection(const Outline& outline) {
  int masters = outline.masterCount();
  Outline selection(masters);
  bool inRun = false;
  for (int i = 0; i < outline.nodeCount(); ++i) {
    if (!outline.isSelected(i)) {
      inRun = false;
      continue;
    }
    Node n = outline.node(i);
    n.header &= static_cast<uint16_t>(~node_flag::kSelected);
    if (!inRun) {
      Node move = Node::make(node_type::kMove, masters, {});
      for (int m = 0; m < masters && m < static_cast<int>(n.points.size()); ++m)
        move.points[static_cast<std::size_t>(m)] = n.points[static_cast<std::size_t>(m)];
      n = std::move(move);
      inRun = true;
    }
    selection.appendNode(n);
  }
  return selection;
}

bool copySelection(const Outline& outline, Clipboard& clipboard) {
  if (!outline.anySelected()) return false;
  ByteWriter out(kClipboardCapacity);
  writeOutlineRecord(outlineFromSelection(outline), out);
  return place(out, kSelectionClipboardFormat, clipboard);
}

bool canPasteGlyph(const Clipboard& clipboard) {
  return clipboard.hasFormat(kGlyphClipboardFormat);
}

bool canPasteSelection(const Clipboard& clipboard) {
  return clipboard.hasFormat(kSelectionClipboardFormat);
}

bool pasteGlyph(Glyph& glyph, const Clipboard& clipboard) {
  auto bytes = clipboard.data(kGlyphClipboardFormat);
  if (!bytes) return false;
  Glyph pasted(1);
  if (!readGlyphRecord(pasted, *bytes)) return false;
  glyph = std::move(pasted);
  return true;
}

bool pasteSelection(Glyph& glyph, const Clipboard& clipboard) {
  auto bytes = clipboard.data(kSelectionClipboardFormat);
  if (!bytes) return false;
  Outline pasted(1);
  ByteReader in(*bytes);
  if (!readOutlineRecord(pasted, in)) return false;
  if (pasted.masterCount() != glyph.masterCount()) return false;
  for (int i = 0; i < pasted.nodeCount(); ++i) {
    pasted.setSelected(i, true);
    for (int k = 0; k < pasted.pointCount(i); ++k) {
      for (int m = 0; m < pasted.masterCount(); ++m) {
        Point p = pasted.point(i, k, m);
        // Saturate: a point near the edge of the coordinate range must not wrap around.
        pasted.setPoint(i, k, m,
                        {clampToInt16(p.x + kPasteOffset), clampToInt16(p.y + kPasteOffset)});
      }
    }
  }
  glyph.deselectAll();
  return glyph.appendNodes(pasted, 0, pasted.nodeCount());
}

}  // namespace sorvella
