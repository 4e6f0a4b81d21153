// The "Apply Actions" dialog offscreen: adding, editing with the couplings, the controls each
// kind shows, moving and deleting entries, the limit and the options hook.
#include "cidfont/ui/apply_actions_dialog.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace sorvella {
namespace {

class ApplyActionsDialogTest : public ::testing::Test {
 protected:
  void addKind(ActionKind kind) {
    dialog_.availableList()->setCurrentRow(static_cast<int>(kind));
    QTest::mouseClick(dialog_.button(actions_text::kAdd), Qt::LeftButton);
  }
  QStringList programLines() const {
    QStringList lines;
    for (int i = 0; i < dialog_.programList()->count(); ++i)
      lines << dialog_.programList()->item(i)->text();
    return lines;
  }
  void type(int field, const char* text) {
    dialog_.field(field)->clear();
    QTest::keyClicks(dialog_.field(field), text);
  }
  void click(const char* button) { QTest::mouseClick(dialog_.button(button), Qt::LeftButton); }

  int optionsOpened_ = 0;
  ApplyActionsDialog dialog_{[this] { ++optionsOpened_; }};
};

TEST_F(ApplyActionsDialogTest, ControlsFollowTheKindAndCouplingsCopyTypedValues) {
  addKind(ActionKind::kScale);
  ASSERT_EQ(programLines(), QStringList{"Scale by (100.00%, 100.00%)"});
  EXPECT_EQ(dialog_.fieldLabel(0)->text(), "Horizontal Scale:");
  EXPECT_EQ(dialog_.unitLabel(0)->text(), "%");
  EXPECT_FALSE(dialog_.field(2)->isEnabled());
  EXPECT_FALSE(dialog_.check(0)->isEnabled());
  QTest::mouseClick(dialog_.check(1), Qt::LeftButton);
  type(0, "50");
  EXPECT_EQ(dialog_.field(1)->text(), "50");
  EXPECT_EQ(programLines(), QStringList{"Scale by (50.00%, 50.00%)"});
  QTest::mouseClick(dialog_.targets()->button(3), Qt::LeftButton);
  EXPECT_EQ(dialog_.program().target(), ActionsTarget::kCidFont);
  // Weight leaves the first field unused and checks "Save dimensions".
  addKind(ActionKind::kChangeWeight);
  EXPECT_FALSE(dialog_.field(0)->isEnabled());
  EXPECT_EQ(dialog_.fieldLabel(1)->text(), "Horz. weight:");
  EXPECT_EQ(dialog_.unitLabel(1)->text(), "F.U.");
  type(2, "-3");
  QTest::mouseClick(dialog_.check(1), Qt::LeftButton);
  EXPECT_EQ(programLines()[1], "Weight H: 0, V: -3, D, R");
}

TEST_F(ApplyActionsDialogTest, MovingAndDeletingKeepTheListAndSelectionInStep) {
  addKind(ActionKind::kShift);
  type(0, "10");
  addKind(ActionKind::kChangeWidth);
  addKind(ActionKind::kAutohint);
  dialog_.programList()->setCurrentRow(0);
  EXPECT_EQ(dialog_.field(0)->text(), "10");  // the entry's parameters are loaded
  click(actions_text::kDown);
  EXPECT_EQ(programLines(), (QStringList{"Set width = 500", "Shift by (10, 0)", "Autohint"}));
  EXPECT_EQ(dialog_.programList()->currentRow(), 1);
  dialog_.programList()->setCurrentRow(2);
  click(actions_text::kDel);
  EXPECT_EQ(dialog_.programList()->currentRow(), 1);
  click(actions_text::kReset);
  EXPECT_FALSE(dialog_.field(0)->isEnabled());
  click(actions_text::kOptions);
  EXPECT_EQ(optionsOpened_, 1);
}

}  // namespace
}  // namespace sorvella
