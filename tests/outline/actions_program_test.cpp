// The actions program of the "Apply Actions" dialog: adding up to the limit, deleting with the
// selection rule, moving, resetting, and the couplings of the scale and sidebearing fields.
#include "outline/actions_program.h"

#include <gtest/gtest.h>

namespace sorvella {
namespace {

class ActionsProgramTest : public ::testing::Test {
 protected:
  std::vector<ActionKind> kinds() const {
    std::vector<ActionKind> list;
    for (const GlyphAction& a : program_.actions()) list.push_back(a.kind);
    return list;
  }
  ActionsProgram program_;
};

TEST_F(ActionsProgramTest, AddIsRefusedWhenFullAndKeepsTheProgram) {
  for (int i = 0; i < ActionsProgram::kMaxActions; ++i)
    ASSERT_TRUE(program_.add(static_cast<ActionKind>(i % kActionKindCount)));
  EXPECT_EQ(program_.selected(), ActionsProgram::kMaxActions - 1);
  program_.select(5);
  const std::vector<GlyphAction> before = program_.actions();
  EXPECT_FALSE(program_.add(ActionKind::kShift));
  EXPECT_EQ(program_.actions(), before);
  EXPECT_EQ(program_.selected(), 5);
}

TEST_F(ActionsProgramTest, DelUpAndDownFollowTheSelectionRules) {
  using enum ActionKind;
  for (ActionKind k : {kShift, kScale, kRotate, kSlant}) program_.add(k);
  program_.select(0);
  program_.moveUp();  // the first stays
  program_.moveDown();
  EXPECT_EQ(kinds(), (std::vector<ActionKind>{kScale, kShift, kRotate, kSlant}));
  EXPECT_EQ(program_.selected(), 1);
  program_.remove();
  EXPECT_EQ(program_.selected(), 1);  // the same index
  program_.select(2);
  program_.moveDown();  // the last stays
  program_.remove();
  EXPECT_EQ(program_.selected(), 1);  // the new last
  EXPECT_EQ(kinds(), (std::vector<ActionKind>{kScale, kRotate}));
  program_.reset();
  EXPECT_EQ(program_.count(), 0);
  EXPECT_EQ(program_.selected(), -1);
  program_.remove();
  EXPECT_EQ(program_.count(), 0);
}

TEST_F(ActionsProgramTest, CouplingsCopyTheChangedFieldAndUnusedFieldsAreIgnored) {
  program_.add(ActionKind::kScale);
  program_.setField(0, 70);
  EXPECT_EQ(program_.action(0).fields[1], 100);  // not coupled yet
  program_.setCheck(1, true);
  program_.setField(1, 40);
  EXPECT_EQ(program_.action(0).fields[0], 40);
  program_.add(ActionKind::kSetSidebearings);
  program_.setCheck(1, true);
  program_.setField(0, 33);
  program_.setField(2, 5);  // not a field of the kind
  EXPECT_EQ(program_.summaries()[1], "Sidebearings L: 33, R: 33");
  EXPECT_EQ(program_.action(1).fields[2], 0);
}

}  // namespace
}  // namespace sorvella
