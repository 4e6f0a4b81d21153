// Glyph: an outline with its name, advance per master, optional hints, guides, components,
// kerning and TrueType data, plus the contour operations the editor and the algorithms use.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "glyph/glyph_parts.h"
#include "glyph/outline.h"

namespace sorvella {

class Glyph : public Outline {
 public:
  static constexpr std::size_t kMaxNameLength = 255;

  explicit Glyph(int masterCount = 1);
  Glyph(const Glyph&) = default;
  Glyph& operator=(const Glyph&) = default;
  Glyph(Glyph&&) noexcept = default;
  Glyph& operator=(Glyph&&) noexcept = default;

  // An empty name is no name. Longer names are cut to 255 bytes.
  const std::string& name() const { return name_; }
  void setName(std::string_view name);

  Point advance(int master = 0) const;
  void setAdvance(int master, Point advance);
  const std::vector<Point>& advances() const { return advances_; }
  // Sizes the advance storage for the master count (new entries are (0, 0)).
  void makeRoomForAdvances();

  std::optional<GlyphHints>& hints() { return hints_; }
  const std::optional<GlyphHints>& hints() const { return hints_; }
  std::optional<GlyphGuides>& guides() { return guides_; }
  const std::optional<GlyphGuides>& guides() const { return guides_; }
  std::vector<Component>& components() { return components_; }
  const std::vector<Component>& components() const { return components_; }
  std::vector<KernPair>& kerning() { return kerning_; }
  const std::vector<KernPair>& kerning() const { return kerning_; }
  std::optional<TrueTypeGlyphData>& trueTypeData() { return trueType_; }
  const std::optional<TrueTypeGlyphData>& trueTypeData() const { return trueType_; }

  // Sets the kerning value of one master against `rightGlyph`; appends a pair when new.
  void setKerning(int32_t rightGlyph, int16_t value, int master = 0);

  // The tight box of master 0 (curve extremes, not control points); cached until the
  // outline changes.
  Box boundingBox() const;

  int highlightedNode() const { return highlightedNode_; }
  int32_t highlightedPart() const { return highlightedPart_; }
  void setHighlight(int node, int32_t part) {
    highlightedNode_ = node;
    highlightedPart_ = part;
  }

  // Contour operations, each on the contour (or node) of node i. Those that renumber nodes
  // empty the hint replacement program.
  bool reverseContour(int i);
  bool setStartNode(int i);
  bool moveContour(int i, int position);  // 0 first, -1 last
  bool deleteContour(int i);
  bool toggleConnection(int i);
  // Offered only where node i or the next node is a curve; false otherwise.
  bool canSetConnection(int i) const;
  bool setConnection(int i, uint16_t connection);

  // Brings in other's hints when other's nodes are appended after this glyph's first n nodes.
  void mergeHints(const Glyph& other, int n);

  // Frees every optional part and the name and leaves an empty outline with one master.
  void clear();

  // Same content in every stored part (not the editor's highlight).
  bool sameContent(const Glyph& other) const;

 protected:
  void structureChanged() override;

 private:
  void emptyReplacementProgram();
  int nextNodeInContour(int i) const;

  std::string name_;
  std::vector<Point> advances_;
  std::optional<GlyphHints> hints_;
  std::optional<GlyphGuides> guides_;
  std::vector<Component> components_;
  std::vector<KernPair> kerning_;
  std::optional<TrueTypeGlyphData> trueType_;
  mutable Box boundingBox_;
  mutable uint64_t boxRevision_ = UINT64_MAX;
  int highlightedNode_ = -1;
  int32_t highlightedPart_ = 0;
};

}  // namespace sorvella
