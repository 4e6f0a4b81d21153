// The actions program the "Apply Actions" dialog builds: at most 108 actions, the selection
// and the couplings of its controls, and the dialog's texts; testable without a display.
#pragma once

#include <string>
#include <vector>

#include "outline/glyph_actions.h"

namespace sorvella {

namespace actions_text {
inline constexpr const char* kTitle = "Apply Actions";
inline constexpr const char* kIntro =
    "In this dialog box you can create an actions program that may be applied to one or more "
    "glyphs of the font.";
inline constexpr const char* kApplyTo = "Apply actions program to:";
inline constexpr const char* kAvailable = "A&vailable actions";
inline constexpr const char* kProgram = "Current actions &program";
inline constexpr const char* kDescription = "Actio&n description";
inline constexpr const char* kAdd = "&Add";
inline constexpr const char* kDel = "&Del";
inline constexpr const char* kUp = "&Up";
inline constexpr const char* kDown = "Do&wn";
inline constexpr const char* kReset = "Reset";
inline constexpr const char* kOptions = "&Options...";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Cancel";
inline constexpr const char* kUnits = "F.U.";
inline constexpr const char* kTargets[] = {"One glyph only", "Selected glyphs",
                                           "All glyphs in current subset font",
                                           "All glyphs in the CID font"};
inline constexpr const char* kQuestion =
    "This operation is not undoable and it may affect many characters. Do you wish to run this "
    "transformation program?";
inline constexpr const char* kYes = "&Yes";
inline constexpr const char* kNo = "&No";
inline constexpr const char* kProgressTitle = "Transforming";
inline constexpr const char* kProgressCaption = "Transforming glyphs...";
}  // namespace actions_text

enum class ActionsTarget : int {
  kOneGlyph = 0,
  kSelectedGlyphs = 1,
  kSubsetFont = 2,
  kCidFont = 3,
};

class ActionsProgram {
 public:
  static constexpr int kMaxActions = 108;

  int count() const { return static_cast<int>(actions_.size()); }
  const std::vector<GlyphAction>& actions() const { return actions_; }
  const GlyphAction& action(int i) const { return actions_.at(static_cast<std::size_t>(i)); }
  // The selected program entry, -1 when none.
  int selected() const { return selected_; }
  ActionsTarget target() const { return target_; }
  void setTarget(ActionsTarget target) { target_ = target; }

  // Appends an action of the kind with its defaults and selects it; refused (false, the
  // program unchanged) when the program is full.
  bool add(ActionKind kind);
  // Removes the selected action and selects the entry at min(new count - 1, old index).
  void remove();
  // Swap the selected action with its neighbour; it stays selected.
  void moveUp();
  void moveDown();
  void reset();
  void select(int i);  // out of range: no selection

  // Editing the selected action's controls, with the couplings: "Scale proportionally" and
  // "Equal sidebearings" copy a changed value of the first or second field into the other.
  void setField(int field, double value);
  void setCheck(int box, bool on);

  std::vector<std::string> summaries() const;

 private:
  GlyphAction* current();

  std::vector<GlyphAction> actions_;
  int selected_ = -1;
  ActionsTarget target_ = ActionsTarget::kOneGlyph;
};

}  // namespace sorvella
