// Flattening of composite glyphs: every component decoded (and flattened itself when it is
// composite), transformed by its 2.14 scales, placed and appended as contours of its own.
#include <algorithm>

#include "truetype/glyf_table.h"

namespace sorvella {

namespace {

// Coordinates stay well inside 32 bits however far nested scales and offsets push them.
constexpr int64_t kCoordinateLimit = int64_t{1} << 30;

int32_t clampCoordinate(int64_t v) {
  return static_cast<int32_t>(std::clamp(v, -kCoordinateLimit, kCoordinateLimit));
}

// Each product of a coordinate and a 2.14 value is shifted right by 14 bits on its own.
int64_t fixed(int64_t coordinate, int16_t scale) {
  return (coordinate * scale) >> 14;
}

void transform(const TTComponent& c, std::vector<TTPoint>& points) {
  for (TTPoint& p : points) {
    int64_t x = fixed(p.x, c.xx) + fixed(p.y, c.yx);
    int64_t y = fixed(p.x, c.xy) + fixed(p.y, c.yy);
    p.x = clampCoordinate(x);
    p.y = clampCoordinate(y);
  }
}

// Keeps each contour's first point and walks the others backwards.
void reverseContours(TTGlyphOutline& part) {
  std::size_t start = 0;
  for (uint32_t end : part.endPoints) {
    std::reverse(part.points.begin() + static_cast<std::ptrdiff_t>(start) + 1,
                 part.points.begin() + static_cast<std::ptrdiff_t>(end) + 1);
    start = end + 1;
  }
}

void place(const TTComponent& c, TTGlyphOutline& part, TTGlyphOutline& result) {
  if (c.scaled()) transform(c, part.points);
  int64_t dx = 0;
  int64_t dy = 0;
  if (c.flags & tt_component_flag::kArgsAreXYValues) {
    dx = c.argument1;
    dy = c.argument2;
  } else {
    // Point numbers: the component's point (second) moves onto the placed point (first).
    auto placed = static_cast<std::size_t>(c.argument1);
    auto own = static_cast<std::size_t>(c.argument2);
    if (placed < result.points.size() && own < part.points.size()) {
      dx = int64_t{result.points[placed].x} - part.points[own].x;
      dy = int64_t{result.points[placed].y} - part.points[own].y;
    }
  }
  for (TTPoint& p : part.points) {
    p.x = clampCoordinate(p.x + dx);
    p.y = clampCoordinate(p.y + dy);
  }
  // A mirroring transformation would turn the contours against the others.
  if (c.scaled() && fixed(c.xx, c.yy) - fixed(c.xy, c.yx) < 0) reverseContours(part);
  const auto base = static_cast<uint32_t>(result.points.size());
  for (uint32_t end : part.endPoints) result.endPoints.push_back(base + end);
  result.points.insert(result.points.end(), part.points.begin(), part.points.end());
}

}  // namespace

struct glyfTABLE::FlattenState {
  std::vector<uint32_t> stack;  // the glyphs being flattened, outermost first
  uint32_t components = 0;
};

TTError glyfTABLE::appendComponents(const std::vector<TTComponent>& components, FlattenState& state,
                                    TTGlyphOutline& result) {
  for (const TTComponent& c : components) {
    if (++state.components > kMaxFlattenedComponents) return TTError::kCompositeTooComplex;
    if (state.stack.size() > kMaxCompositeDepth) return TTError::kCompositeTooComplex;
    if (std::find(state.stack.begin(), state.stack.end(), c.glyphIndex) != state.stack.end())
      return TTError::kCompositeTooComplex;
    if (c.glyphIndex >= glyphs_.size()) return TTError::kDamaged;
    const TTGLYPH& referenced = glyphs_[c.glyphIndex];
    if (referenced.error() == TTError::kSeekFailed) return TTError::kSeekFailed;

    TTGlyphOutline part;
    if (referenced.dataLength() > 0) {
      TTGlyphHeader header;
      TTError error = decodeGlyph(body_.subspan(referenced.dataOffset(), referenced.dataLength()),
                                  header, part);
      if (error != TTError::kNone) return error;
      if (header.numberOfContours < 0) {
        TTGlyphOutline flat;
        state.stack.push_back(c.glyphIndex);
        error = appendComponents(part.components, state, flat);
        state.stack.pop_back();
        if (error != TTError::kNone) return error;
        part = std::move(flat);
      }
    }
    if (result.points.size() + part.points.size() > kMaxFlattenedPoints)
      return TTError::kCompositeTooComplex;
    place(c, part, result);
  }
  return TTError::kNone;
}

bool glyfTABLE::Flatten(TTGLYPH& g) {
  if (!LoadOutline(g)) return false;
  if (g.kind_ != TTGlyphKind::kComposite) return true;
  FlattenState state;
  state.stack.push_back(g.index_);
  TTGlyphOutline result;
  TTError error = appendComponents(g.outline_.components, state, result);
  if (error != TTError::kNone) {
    g.fail(error);
    return false;
  }
  int32_t box[4] = {32767, 32767, -32767, -32767};
  for (const TTPoint& p : result.points) {
    if (!p.onCurve()) continue;
    box[0] = std::min(box[0], p.x);
    box[1] = std::min(box[1], p.y);
    box[2] = std::max(box[2], p.x);
    box[3] = std::max(box[3], p.y);
  }
  for (int k = 0; k < 4; ++k)
    g.pointBox_[k] =
        result.points.empty() ? 0 : static_cast<int16_t>(std::clamp(box[k], -32768, 32767));
  g.outline_ = std::move(result);
  g.kind_ = TTGlyphKind::kSimple;
  g.setSource(TTSource::kCalculated);
  return true;
}

}  // namespace sorvella
