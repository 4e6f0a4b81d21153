// The actions of actions programs: their kinds with controls, defaults and texts as data, the
// parameters of one action, and preparing an action for a subset font and applying it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "glyph/glyph.h"
#include "glyph/subset_font.h"
#include "outline/autohint_parameters.h"
#include "outline/hint_zones.h"

namespace sorvella {

// In the order of the available-actions list; the value is the kind number.
enum class ActionKind : int {
  kShift,
  kScale,
  kRotate,
  kSlant,
  kAutohint,
  kRemoveHints,
  kRemoveOverlap,
  kSetSidebearings,
  kChangeWidth,
  kChangeWeight,
  kCreateOutline,
};
inline constexpr int kActionKindCount = 11;

// The dialog controls an action uses.
namespace action_control {
constexpr uint8_t kField1 = 0x01;
constexpr uint8_t kField2 = 0x02;
constexpr uint8_t kField3 = 0x04;
constexpr uint8_t kCheck1 = 0x08;
constexpr uint8_t kCheck2 = 0x10;
}  // namespace action_control

// One letter per edit field.
namespace field_type {
constexpr char kUnits = 'U';    // integer, font units
constexpr char kPercent = 'P';  // real
constexpr char kAngle = 'A';    // real, degrees
constexpr char kUnused = 'N';
}  // namespace field_type

struct ActionKindInfo {
  const char* name;
  uint8_t mask;
  const char* fieldTypes;  // three letters
  std::array<double, 3> fields;
  std::array<bool, 2> checks;
  const char* summaryFormat;
  const char* labels;  // the used controls' labels in control order, each ended by ";"
  const char* description;
  const char* shortDescription;  // shown for the kind in the available list
};

const ActionKindInfo& actionKindInfo(ActionKind kind);

// The labels of the used controls, in the order field 1..3, check 1..2; unused ones empty.
std::array<std::string, 5> actionControlLabels(ActionKind kind);

struct GlyphAction {
  ActionKind kind = ActionKind::kShift;
  std::array<double, 3> fields{};  // the edit fields; integer fields hold whole numbers
  std::array<bool, 2> checks{};

  // An action of the kind with its defaults.
  static GlyphAction make(ActionKind kind);
  // Stores an edit field's value, rounded for integer fields and limited to its type's range.
  void setField(int field, double value);
  int32_t units(int field) const { return static_cast<int32_t>(fields[field]); }
  // The line the program list shows for the action.
  std::string summary() const;
  friend bool operator==(const GlyphAction&, const GlyphAction&) = default;
};

// What Autohint and Remove overlap take from the options.
struct ActionSettings {
  AutohintParameters autohint;
  uint16_t overlapMode = 2;
};

// An action made ready for the glyphs of one subset font.
struct PreparedAction {
  GlyphAction action;
  int master = 0;
  double sine = 0, cosine = 1;       // Rotate and Slant
  std::vector<AlignmentZone> zones;  // Autohint
  ActionSettings settings;
};

PreparedAction prepareAction(const GlyphAction& action, const SubsetFont& font, int master,
                             const ActionSettings& settings);

enum class ActionOutcome {
  kDone,       // applied (possibly leaving the glyph as it was)
  kRawOffset,  // weight or outline: the overlap engine failed, unmerged contours were kept
  kFailed,     // the glyph was left as the failing step prescribes
};

struct ActionResult {
  ActionOutcome outcome = ActionOutcome::kDone;
  int32_t code = 0;  // the failing step's status
};

ActionResult applyAction(const PreparedAction& action, Glyph& glyph);

// What a whole program did to one glyph.
struct ProgramOnGlyph {
  bool failed = false;  // some action failed; the others still ran
  bool rawOffset = false;
  ActionKind failedKind = ActionKind::kShift;  // the first that failed
  int32_t code = 0;
};

// Clears the glyph's highlighted node, then applies the actions in order.
ProgramOnGlyph applyProgram(std::span<const PreparedAction> program, Glyph& glyph);

}  // namespace sorvella
