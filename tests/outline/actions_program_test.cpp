// The actions program of the "Apply Actions" dialog: adding up to the limit, deleting with the
// selection rule, moving, resetting, and the couplings of the scale and sidebearing fields.
#include "outline/actions_program.h"

#include <gtest/gtest.h>

namespace sorvella {
namespace {

class ActionsProgramTest : public ::testing::Test {
 protected:
  void addKinds(std::initializer_list<ActionKind> kinds) {
    for (ActionKind k : kinds) ASSERT_TRUE(program_.add(k));
  }
  ActionsProgram program_;
};

TEST_F(ActionsProgramTest, AddAppendsWithDefaultsAndSelectsTheNewAction) {
  addKinds({ActionKind::kShift, ActionKind::kChangeWidth});
  EXPECT_EQ(program_.selected(), 1);
  EXPECT_EQ(program_.summaries(), (std::vector<std::string>{"Shift by (0, 0)", "Set width = 500"}));
}

TEST_F(ActionsProgramTest, AddIsRefusedWhenFullAndKeepsTheProgram) {
  for (int i = 0; i < ActionsProgram::kMaxActions; ++i)
    ASSERT_TRUE(program_.add(static_cast<ActionKind>(i % kActionKindCount)));
  program_.select(5);
  const std::vector<GlyphAction> before = program_.actions();
  EXPECT_FALSE(program_.add(ActionKind::kShift));
  EXPECT_EQ(program_.actions(), before);
  EXPECT_EQ(program_.selected(), 5);
}

TEST_F(ActionsProgramTest, DelSelectsTheSameIndexOrTheNewLast) {
  addKinds({ActionKind::kShift, ActionKind::kScale, ActionKind::kRotate});
  program_.select(1);
  program_.remove();
  EXPECT_EQ(program_.count(), 2);
  EXPECT_EQ(program_.selected(), 1);
  EXPECT_EQ(program_.action(1).kind, ActionKind::kRotate);
  program_.remove();
  EXPECT_EQ(program_.selected(), 0);
  program_.remove();
  EXPECT_EQ(program_.count(), 0);
  EXPECT_EQ(program_.selected(), -1);
  program_.remove();  // nothing selected: nothing happens
  EXPECT_EQ(program_.count(), 0);
}

TEST_F(ActionsProgramTest, UpAndDownSwapWithTheNeighbourAndStopAtTheEnds) {
  addKinds({ActionKind::kShift, ActionKind::kScale, ActionKind::kRotate});
  program_.select(0);
  program_.moveUp();
  EXPECT_EQ(program_.action(0).kind, ActionKind::kShift);
  program_.moveDown();
  EXPECT_EQ(program_.selected(), 1);
  EXPECT_EQ(program_.action(1).kind, ActionKind::kShift);
  EXPECT_EQ(program_.action(0).kind, ActionKind::kScale);
  program_.moveDown();
  program_.moveDown();
  EXPECT_EQ(program_.selected(), 2);
  EXPECT_EQ(program_.action(2).kind, ActionKind::kShift);
  program_.moveUp();
  EXPECT_EQ(program_.action(1).kind, ActionKind::kShift);
  program_.reset();
  EXPECT_EQ(program_.count(), 0);
  EXPECT_EQ(program_.selected(), -1);
}

TEST_F(ActionsProgramTest, ProportionalScaleAndEqualSidebearingsCopyTheChangedField) {
  addKinds({ActionKind::kScale});
  program_.setField(0, 70);
  EXPECT_EQ(program_.action(0).fields[1], 100);  // not coupled yet
  program_.setCheck(1, true);
  program_.setField(1, 40);
  EXPECT_EQ(program_.action(0).fields[0], 40);
  program_.setField(0, 65.5);
  EXPECT_EQ(program_.action(0).fields[1], 65.5);
  addKinds({ActionKind::kSetSidebearings});
  program_.setCheck(1, true);
  program_.setField(0, 33);
  EXPECT_EQ(program_.summaries()[1], "Sidebearings L: 33, R: 33");
  // Rotate has no coupling.
  addKinds({ActionKind::kRotate});
  program_.setField(1, 12);
  EXPECT_EQ(program_.action(2).fields[2], 0);
}

TEST_F(ActionsProgramTest, ControlsTheKindDoesNotUseAreIgnored) {
  addKinds({ActionKind::kChangeWidth, ActionKind::kAutohint});
  program_.select(0);
  program_.setField(1, 30);
  program_.setCheck(0, true);
  EXPECT_EQ(program_.action(0), GlyphAction::make(ActionKind::kChangeWidth));
  program_.select(7);
  EXPECT_EQ(program_.selected(), -1);
  program_.setField(0, 30);
  EXPECT_EQ(program_.action(0), GlyphAction::make(ActionKind::kChangeWidth));
}

}  // namespace
}  // namespace sorvella
