#include "postscript/export_glyphs.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "base/rounding.h"
#include "base/text_format.h"
#include "postscript/postscript_text.h"

namespace sorvella {

namespace {

// Bounds for components that refer to each other over and over.
constexpr int kMaxComponentDepth = 8;
constexpr int kMaxFlattenedNodes = 32767;

struct Transform {
  double sx = 1, sy = 1;
  double dx = 0, dy = 0;

  Point apply(Point p) const { return {roundToInt16(p.x * sx + dx), roundToInt16(p.y * sy + dy)}; }
  // Component transforms nest: the inner one is applied first.
  Transform then(const Transform& outer) const {
    return {sx * outer.sx, sy * outer.sy, dx * outer.sx + outer.dx, dy * outer.sy + outer.dy};
  }
};

double finiteOr(double v, double fallback) {
  return std::isfinite(v) ? v : fallback;
}

Stem transformStem(Stem s, double scale, double shift) {
  const double a = s.position * scale + shift;
  const double b = (s.position + s.width) * scale + shift;
  const int16_t pa = roundToInt16(a);
  return {pa, roundToInt16(b - pa)};
}

// Master `master` of `source`, transformed, into a fresh single-master glyph.
Glyph extractMaster(const Glyph& source, int master, const Transform& t) {
  Glyph out(1);
  for (int i = 0; i < source.nodeCount(); ++i) {
    Node node;
    node.header = static_cast<uint16_t>(source.header(i) & ~node_flag::kSelected);
    for (int k = 0; k < source.pointCount(i); ++k)
      node.points.push_back(t.apply(source.point(i, k, master)));
    out.appendNode(node);
  }
  if (source.hints()) {
    GlyphHints hints;
    for (const Hint& h : source.hints()->horizontal) {
      Hint one;
      if (static_cast<std::size_t>(master) < h.masters.size())
        one.masters.push_back(transformStem(h.masters[master], t.sy, t.dy));
      hints.horizontal.push_back(one);
    }
    for (const Hint& h : source.hints()->vertical) {
      Hint one;
      if (static_cast<std::size_t>(master) < h.masters.size())
        one.masters.push_back(transformStem(h.masters[master], t.sx, t.dx));
      hints.vertical.push_back(one);
    }
    hints.replacement = source.hints()->replacement;
    out.hints() = std::move(hints);
  }
  return out;
}

// `chain` holds the glyphs being expanded, so that a glyph never contains itself.
void appendComponents(const SubsetFont& font, const Glyph& glyph, int master,
                      const Transform& outer, std::vector<const Glyph*>& chain, Glyph& target) {
  if (static_cast<int>(chain.size()) > kMaxComponentDepth) return;
  for (const Component& component : glyph.components()) {
    const Glyph* part = font.glyph(component.glyphIndex);
    if (part == nullptr || part->masterCount() <= master) continue;
    if (std::find(chain.begin(), chain.end(), part) != chain.end()) continue;
    if (target.nodeCount() + part->nodeCount() > kMaxFlattenedNodes) return;
    const auto m = static_cast<std::size_t>(master);
    Transform inner;
    if (m < component.scale.size()) {
      inner.sx = finiteOr(component.scale[m].x, 1.0);
      inner.sy = finiteOr(component.scale[m].y, 1.0);
    }
    if (m < component.offset.size()) {
      inner.dx = component.offset[m].x;
      inner.dy = component.offset[m].y;
    }
    const Transform t = inner.then(outer);
    Glyph piece = extractMaster(*part, master, t);
    const int before = target.nodeCount();
    target.appendNodes(piece, 0, piece.nodeCount());
    target.mergeHints(piece, before);
    chain.push_back(part);
    appendComponents(font, *part, master, t, chain, target);
    chain.pop_back();
  }
}

}  // namespace

Glyph flattenedGlyph(const SubsetFont& font, int32_t slot, int master) {
  const Glyph* source = font.glyph(slot);
  if (source == nullptr || master < 0 || master >= source->masterCount()) return Glyph(1);
  Glyph out = extractMaster(*source, master, Transform{});
  out.setName(source->name());
  out.setAdvance(0, source->advance(master));
  std::vector<const Glyph*> chain{source};
  appendComponents(font, *source, master, Transform{}, chain, out);
  return out;
}

std::vector<std::string> exportGlyphNames(const SubsetFont& font) {
  std::vector<std::string> names(static_cast<std::size_t>(font.slotCount()));
  std::set<std::string> used;
  // Real names first, so that a made-up name never takes one a later glyph really has.
  for (int32_t slot = 0; slot < font.slotCount(); ++slot) {
    const Glyph* glyph = font.glyph(slot);
    if (glyph == nullptr) continue;
    std::string name = psName(glyph->name(), "");
    if (name.empty() || !used.insert(name).second) continue;
    names[static_cast<std::size_t>(slot)] = std::move(name);
  }
  for (int32_t slot = 0; slot < font.slotCount(); ++slot) {
    if (font.glyph(slot) == nullptr || !names[static_cast<std::size_t>(slot)].empty()) continue;
    std::string name = formatText("glyph%i", slot);
    for (int n = 1; used.count(name) != 0; ++n) name = formatText("glyph%i.%i", slot, n);
    used.insert(name);
    names[static_cast<std::size_t>(slot)] = std::move(name);
  }
  return names;
}

Box outlineBox(const Glyph& glyph) {
  if (glyph.empty()) return Box{};
  return glyph.boundingBox();
}

}  // namespace sorvella
