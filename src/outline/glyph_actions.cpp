#include "outline/glyph_actions.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/rounding.h"
#include "base/text_format.h"
#include "outline/autohint.h"
#include "outline/overlap_removal.h"
#include "outline/weight_outline.h"

namespace sorvella {

namespace {

using namespace action_control;

constexpr const char* kAutohintText =
    "Automatically generates hints. This action uses the Options dialog box for setting up "
    "parameters.";
constexpr const char* kRemoveOverlapText =
    "Merges overlapping contours and corrects contour directions. This action uses the Options "
    "dialog box to set up parameters.";
constexpr const char* kWeightLabels =
    "Horz. weight:;Vert. weight:;Save dimensions;Rounded corners;";

const std::array<ActionKindInfo, kActionKindCount> kKinds{{
    {"Shift",
     kField1 | kField2,
     "UUN",
     {0, 0, 0},
     {false, false},
     "Shift by (%i, %i)",
     "Horizontal offset:;Vertical offset:;",
     "This action shifts a glyph's contour. Enter the shift values for the horizontal and "
     "vertical directions.",
     "This actions shifts glyph's contour in horizontal and/or vertical direction."},
    {"Scale",
     kField1 | kField2 | kCheck2,
     "PPN",
     {100.0, 100.0, 0},
     {false, false},
     "Scale by (%.2f%%, %.2f%%)",
     "Horizontal Scale:;Vertical Scale:;Scale proportionally;",
     "This action scales a glyph's contour. Enter the scale percent for horizontal and vertical "
     "directions. Check Proportional to scale the glyph proportionally in both directions.",
     "This action scales glyph's contour in vertical and/or horizontal directions."},
    {"Rotate",
     kField1 | kField2 | kField3,
     "AUU",
     {0, 0, 0},
     {false, false},
     "Rotate on %.2f deg. around (%i, %i)",
     "Rotation angle:;Center point x:;Center point y:;",
     "This action rotates a glyph's contour. Enter the rotation angle (degrees clockwise) and "
     "the position of the center of rotation.",
     "Rotates a glyph's contour around a center point."},
    {"Slant",
     kField1 | kField2,
     "AUN",
     {0, 0, 0},
     {false, false},
     "Slant on %.2f deg. base on (%i)",
     "Slant angle:;Base position y:;",
     "This action slants a glyph. Enter the slant angle (degrees clockwise) and vertical "
     "position of the slant base line.",
     "Slants a glyph at specified angle based on the specified horizontal."},
    {"Autohint",
     0,
     "NNN",
     {0, 0, 0},
     {false, false},
     "Autohint",
     ";",
     kAutohintText,
     kAutohintText},
    {"Remove hints",
     kCheck1 | kCheck2,
     "NNN",
     {0, 0, 0},
     {true, true},
     "Remove hints (%s)",
     "Vertical hints only;Horizontal hints only;",
     "Removes all hints. Select the type of hints that you wish to remove. Use the Autohint "
     "action to generate hints.",
     "Removes all vertical and/or horizontal hints"},
    {"Remove overlap",
     0,
     "NNN",
     {0, 0, 0},
     {false, false},
     "Remove overlap",
     ";",
     kRemoveOverlapText,
     kRemoveOverlapText},
    {"Set sidebearings",
     kField1 | kField2 | kCheck2,
     "UUN",
     {80, 80, 0},
     {false, false},
     "Sidebearings L: %i, R: %i",
     "Left sidebearing:;Right sidebearing:;Equal sidebearings;",
     "Changes a glyph's sidebearings. Enter values for left and right sidebearings.",
     "Changes left and right sidebearings."},
    {"Change width",
     kField1,
     "UNN",
     {500, 0, 0},
     {false, false},
     "Set width = %u",
     "New width:;",
     "Changes the width of a glyph. The character is horizontally centered in a fixed width "
     "field.",
     "Changes the width of a character by centering it in a fixed field."},
    {"Change weight",
     kField2 | kField3 | kCheck1 | kCheck2,
     "NUU",
     {0, 0, 0},
     {true, false},
     "Weight H: %i, V: %i, %c, %c",
     kWeightLabels,
     "Changes a glyph's weight. Enter a value for additional weight for H and V direction and "
     "select other options.",
     "Changes weight of a glyph."},
    {"Create outline",
     kField2 | kField3 | kCheck1 | kCheck2,
     "NUU",
     {0, 0, 0},
     {true, false},
     "Outline H: %i, V: %i, %c, %c",
     kWeightLabels,
     "Creates an outline glyph. Enter a value for the outline width for H and V direction and "
     "select other options.",
     "Creates outline version of a glyph."},
}};

// Far beyond any use, so that the arithmetic below stays finite and in range.
constexpr double kMaxUnits = 32767;
constexpr double kMaxPercent = 10000;
constexpr double kMaxAngle = 3600;

double radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

template <typename Transform>
void transformPoints(Glyph& glyph, int m, Transform f) {
  for (int i = 0; i < glyph.nodeCount(); ++i)
    for (int k = 0; k < glyph.pointCount(i); ++k) glyph.setPoint(i, k, m, f(glyph.point(i, k, m)));
}

Point moved(Point p, int32_t dx, int32_t dy) {
  return {clampToInt16(double(p.x) + dx), clampToInt16(double(p.y) + dy)};
}

template <typename Map>
void mapStems(std::vector<Hint>& hints, int m, Map f) {
  for (Hint& h : hints)
    if (m < static_cast<int>(h.masters.size())) {
      Stem& s = h.masters[static_cast<std::size_t>(m)];
      const int16_t low = f(s.position), high = f(clampToInt16(double(s.position) + s.width));
      s.position = low;
      s.width = clampToInt16(double(high) - low);
    }
}

template <typename Map>
void mapGuides(std::vector<Guide>& guides, int m, Map f) {
  for (Guide& g : guides)
    if (m < static_cast<int>(g.masters.size()))
      g.masters[static_cast<std::size_t>(m)].position =
          f(g.masters[static_cast<std::size_t>(m)].position);
}

// Horizontal hints and guides through fy, vertical ones through fx.
template <typename MapX, typename MapY>
void mapHintsAndGuides(Glyph& glyph, int m, MapX fx, MapY fy) {
  if (glyph.hints()) {
    mapStems(glyph.hints()->horizontal, m, fy);
    mapStems(glyph.hints()->vertical, m, fx);
  }
  if (glyph.guides()) {
    mapGuides(glyph.guides()->horizontal, m, fy);
    mapGuides(glyph.guides()->vertical, m, fx);
  }
}

void shiftGlyph(Glyph& glyph, int m, int32_t dx, int32_t dy) {
  transformPoints(glyph, m, [&](Point p) { return moved(p, dx, dy); });
  mapHintsAndGuides(
      glyph, m, [&](int16_t x) { return clampToInt16(double(x) + dx); },
      [&](int16_t y) { return clampToInt16(double(y) + dy); });
}

void scaleGlyph(Glyph& glyph, int m, double sx, double sy) {
  auto fx = [&](int16_t x) { return roundToInt16(x * sx / 100); };
  auto fy = [&](int16_t y) { return roundToInt16(y * sy / 100); };
  transformPoints(glyph, m, [&](Point p) { return Point{fx(p.x), fy(p.y)}; });
  mapHintsAndGuides(glyph, m, fx, fy);
  const Point a = glyph.advance(m);
  glyph.setAdvance(m,
                   {clampToInt16(double(fx(a.x)) - fx(0)), clampToInt16(double(fy(a.y)) - fy(0))});
}

// The x extent of master m: the tight box on master 0, the control box on the others.
Box horizontalExtent(const Glyph& glyph, int m) {
  if (m == 0) return glyph.boundingBox();
  Box box;
  glyph.widenControlBox(m, box);
  return box;
}

void setAdvanceWidth(Glyph& glyph, int m, double width) {
  glyph.setAdvance(m, {clampToInt16(width), glyph.advance(m).y});
}

ActionResult setSidebearings(Glyph& glyph, int m, int32_t left, int32_t right) {
  const Box box = horizontalExtent(glyph, m);
  if (box.empty()) return {};
  shiftGlyph(glyph, m, left - box.xMin, 0);
  setAdvanceWidth(glyph, m, double(left) + (box.xMax - box.xMin) + right);
  return {};
}

ActionResult changeWidth(Glyph& glyph, int m, int32_t width) {
  const Box box = horizontalExtent(glyph, m);
  if (!box.empty()) {
    const int32_t left = std::max(0, (width - (box.xMax - box.xMin)) / 2);
    shiftGlyph(glyph, m, left - box.xMin, 0);
  }
  setAdvanceWidth(glyph, m, width);
  return {};
}

ActionResult removeHints(Glyph& glyph, bool vertical, bool horizontal) {
  if (!glyph.hints()) return {};
  if (vertical && horizontal) {
    glyph.hints().reset();
  } else if (vertical || horizontal) {
    glyph.hints()->replacement.clear();
    (vertical ? glyph.hints()->vertical : glyph.hints()->horizontal).clear();
  }
  return {};
}

ActionResult offsetAction(Glyph& glyph, const GlyphAction& a, bool outline) {
  const WeightParameters p{a.units(1), a.units(2), a.checks[0], a.checks[1]};
  const OffsetResult r = outline ? createOutline(glyph, p) : changeWeight(glyph, p);
  switch (r.outcome) {
    case OffsetOutcome::kMerged:
    case OffsetOutcome::kNoNodes:
      return {};
    case OffsetOutcome::kRawOffset:
      return {ActionOutcome::kRawOffset, overlapCode(r.engineStatus)};
    case OffsetOutcome::kSeveralMasters:
      return {ActionOutcome::kFailed, overlapCode(OverlapStatus::kSeveralMasters)};
    case OffsetOutcome::kOutOfMemory:
      break;
  }
  return {ActionOutcome::kFailed, overlapCode(OverlapStatus::kOutOfMemory)};
}

}  // namespace

const ActionKindInfo& actionKindInfo(ActionKind kind) {
  return kKinds[static_cast<std::size_t>(kind)];
}

std::array<std::string, 5> actionControlLabels(ActionKind kind) {
  const ActionKindInfo& info = actionKindInfo(kind);
  std::array<std::string, 5> labels;
  std::string_view rest = info.labels;
  for (int c = 0; c < 5; ++c) {
    if (!(info.mask & (1u << c))) continue;
    const std::size_t end = rest.find(';');
    labels[static_cast<std::size_t>(c)] = std::string(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
  }
  return labels;
}

GlyphAction GlyphAction::make(ActionKind kind) {
  const ActionKindInfo& info = actionKindInfo(kind);
  return {kind, info.fields, info.checks};
}

void GlyphAction::setField(int field, double value) {
  if (field < 0 || field > 2) return;
  if (!std::isfinite(value)) value = 0;
  const char type = actionKindInfo(kind).fieldTypes[field];
  const double limit = type == field_type::kPercent ? kMaxPercent
                       : type == field_type::kAngle ? kMaxAngle
                                                    : kMaxUnits;
  // A width is never negative.
  value = std::clamp(value, kind == ActionKind::kChangeWidth ? 0.0 : -limit, limit);
  if (type == field_type::kUnits || type == field_type::kUnused) value = roundHalfDown(value);
  fields[static_cast<std::size_t>(field)] = value;
}

std::string GlyphAction::summary() const {
  const char* format = actionKindInfo(kind).summaryFormat;
  switch (kind) {
    case ActionKind::kShift:
    case ActionKind::kSetSidebearings:
      return formatText(format, units(0), units(1));
    case ActionKind::kScale:
      return formatText(format, fields[0], fields[1]);
    case ActionKind::kRotate:
      return formatText(format, fields[0], units(1), units(2));
    case ActionKind::kSlant:
      return formatText(format, fields[0], units(1));
    case ActionKind::kRemoveHints:
      return formatText(format, checks[0] ? (checks[1] ? "V+H" : "V") : checks[1] ? "H" : "");
    case ActionKind::kChangeWidth:
      return formatText(format, static_cast<unsigned>(units(0)));
    case ActionKind::kChangeWeight:
    case ActionKind::kCreateOutline:
      return formatText(format, units(1), units(2), checks[0] ? 'D' : '-', checks[1] ? 'R' : '-');
    case ActionKind::kAutohint:
    case ActionKind::kRemoveOverlap:
      break;
  }
  return format;
}

PreparedAction prepareAction(const GlyphAction& action, const SubsetFont& font, int master,
                             const ActionSettings& settings) {
  PreparedAction p{action, master, 0, 1, {}, settings};
  if (action.kind == ActionKind::kRotate) {
    p.sine = std::sin(radians(action.fields[0]));
    p.cosine = std::cos(radians(action.fields[0]));
  } else if (action.kind == ActionKind::kSlant) {
    p.sine = std::sin(-radians(action.fields[0]));
    p.cosine = std::cos(-radians(action.fields[0]));
    // Near-vertical slants are limited to a tangent of 9, keeping the sine's sign.
    if (p.cosine > 0 && p.cosine < 0.1) {
      p.sine = std::copysign(0.9, p.sine);
      p.cosine = 0.1;
    } else if (p.cosine < 0 && p.cosine > -0.1) {
      p.sine = std::copysign(0.9, p.sine);
      p.cosine = -0.1;
    }
  } else if (action.kind == ActionKind::kAutohint) {
    p.zones = alignmentZones(font, master);
  }
  return p;
}

ActionResult applyAction(const PreparedAction& p, Glyph& glyph) {
  const GlyphAction& a = p.action;
  const int m = std::clamp(p.master, 0, glyph.masterCount() - 1);
  switch (a.kind) {
    case ActionKind::kShift:
      shiftGlyph(glyph, m, a.units(0), a.units(1));
      return {};
    case ActionKind::kScale:
      scaleGlyph(glyph, m, a.fields[0], a.fields[1]);
      return {};
    case ActionKind::kRotate: {
      const double cx = a.units(1), cy = a.units(2);
      transformPoints(glyph, m, [&](Point q) {
        const double dx = q.x - cx, dy = q.y - cy;
        return Point{clampToInt16(cx + roundHalfDown(dx * p.cosine - dy * p.sine)),
                     clampToInt16(cy + roundHalfDown(dx * p.sine + dy * p.cosine))};
      });
      return {};
    }
    case ActionKind::kSlant: {
      const double base = a.units(1);
      transformPoints(glyph, m, [&](Point q) {
        return Point{clampToInt16(q.x - roundHalfDown((q.y - base) / p.cosine * p.sine)), q.y};
      });
      return {};
    }
    case ActionKind::kAutohint: {
      const AutohintStatus status = autohint(glyph, m, p.zones, p.settings.autohint);
      if (status == AutohintStatus::kOk) return {};
      return {ActionOutcome::kFailed, static_cast<int32_t>(status)};
    }
    case ActionKind::kRemoveHints:
      return removeHints(glyph, a.checks[0], a.checks[1]);
    case ActionKind::kRemoveOverlap: {
      if (glyph.empty()) return {};
      const OverlapStatus status = removeOverlap(glyph, m, p.settings.overlapMode);
      if (status == OverlapStatus::kOk) return {};
      return {ActionOutcome::kFailed, overlapCode(status)};
    }
    case ActionKind::kSetSidebearings:
      return setSidebearings(glyph, m, a.units(0), a.units(1));
    case ActionKind::kChangeWidth:
      return changeWidth(glyph, m, a.units(0));
    case ActionKind::kChangeWeight:
      return offsetAction(glyph, a, false);
    case ActionKind::kCreateOutline:
      return offsetAction(glyph, a, true);
  }
  return {};
}

ProgramOnGlyph applyProgram(std::span<const PreparedAction> program, Glyph& glyph) {
  ProgramOnGlyph result;
  glyph.setHighlight(-1, 0);
  for (const PreparedAction& action : program) {
    const ActionResult r = applyAction(action, glyph);
    if (r.outcome == ActionOutcome::kRawOffset) result.rawOffset = true;
    if (r.outcome == ActionOutcome::kFailed && !result.failed) {
      result.failed = true;
      result.failedKind = action.action.kind;
      result.code = r.code;
    }
  }
  return result;
}

}  // namespace sorvella
