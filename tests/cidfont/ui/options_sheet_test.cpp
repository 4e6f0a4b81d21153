// The options sheet through its widgets: what it shows of the options, what OK takes back and
// saves, and the ratios it refuses.
#include "cidfont/ui/options_sheet.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "platform/ini_file_profile.h"
#include "support/modal_dialogs.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

using test::whenShown;

template <typename T>
T* control(QWidget* sheet, const char* name) {
  T* found = sheet->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

class OptionsSheetTest : public ::testing::Test {
 protected:
  test::TempFolder temp_;
  IniFileProfile profile_{temp_ / "sorvella.ini"};
  Options options_;
};

TEST_F(OptionsSheetTest, ShowsItsPagesAndTheOptionsOfTheRecord) {
  options_.paintStyle = kSnapToMarginsBit | 1;
  options_.overlapMode = 1;  // ATM fill mode, no orientation correction
  options_.autohintingVRatio = 2.5;
  COptionsSheet sheet(options_);
  EXPECT_EQ(sheet.windowTitle(), "Sorvella Options");
  ASSERT_EQ(sheet.pages()->count(), 2);
  EXPECT_EQ(sheet.pages()->tabText(0), "Glyph Edit");
  EXPECT_EQ(sheet.pages()->tabText(1), "Autohinting");
  EXPECT_FALSE(control<QCheckBox>(&sheet, "snapToGrid")->isChecked());
  EXPECT_TRUE(control<QCheckBox>(&sheet, "snapToMargins")->isChecked());
  EXPECT_FALSE(control<QCheckBox>(&sheet, "correctOrientation")->isChecked());
  EXPECT_TRUE(control<QRadioButton>(&sheet, "atmFillMode")->isChecked());
  EXPECT_EQ(control<QSpinBox>(&sheet, "ascender")->value(), 900);
  EXPECT_EQ(control<QLineEdit>(&sheet, "hRatio")->text(), "1.00");
  EXPECT_EQ(control<QLineEdit>(&sheet, "vRatio")->text(), "2.50");
}

TEST_F(OptionsSheetTest, OkTakesThePagesAndSavesThemForTheNextStart) {
  options_.paintStyle = 15 | 64;
  options_.overlapMode = 2 | 4;  // a bit the page does not show
  whenShown<COptionsSheet>([](COptionsSheet* sheet) {
    control<QSpinBox>(sheet, "gridX")->setValue(50);
    control<QSpinBox>(sheet, "gridY")->setValue(25);
    control<QCheckBox>(sheet, "snapToGrid")->setChecked(false);
    control<QCheckBox>(sheet, "snapToMargins")->setChecked(true);
    control<QRadioButton>(sheet, "atmFillMode")->setChecked(true);
    control<QSpinBox>(sheet, "minVLength")->setValue(33);
    control<QLineEdit>(sheet, "hRatio")->setText("1.25");
    control<QCheckBox>(sheet, "removeHints")->setChecked(true);
    test::clickOk(sheet);
  });
  ASSERT_TRUE(runOptionsSheet(nullptr, options_, profile_));
  EXPECT_EQ(options_.editGridX, 50);
  EXPECT_EQ(options_.editGridY, 25);
  // Only bits 3 and 5 of PaintStyle are the page's.
  EXPECT_EQ(options_.paintStyle, (15 | 64 | 32) & ~8);
  // OverlapMode is its two controls alone.
  EXPECT_EQ(options_.overlapMode, 3);
  EXPECT_EQ(options_.autohintingMinVLen, 33);
  EXPECT_EQ(options_.autohintingRemoveHints, 1);

  Options next;
  loadOptions(next, IniFileProfile(temp_ / "sorvella.ini"));
  EXPECT_EQ(next.editGridX, 50);
  EXPECT_EQ(next.editGridY, 25);
  EXPECT_DOUBLE_EQ(next.autohintingHRatio, 1.25);
  EXPECT_EQ(next.paintStyle, options_.paintStyle);
  EXPECT_EQ(profile_.getString("Options", "AutohintingHRatio"), "1.25");
}

TEST_F(OptionsSheetTest, CancelChangesAndSavesNothing) {
  whenShown<COptionsSheet>([](COptionsSheet* sheet) {
    control<QSpinBox>(sheet, "gridX")->setValue(7);
    sheet->reject();
  });
  EXPECT_FALSE(runOptionsSheet(nullptr, options_, profile_));
  EXPECT_EQ(options_.editGridX, 100);
  EXPECT_FALSE(profile_.lookup("Options", "EditGridX"));
}

TEST_F(OptionsSheetTest, ARatioOutsideZeroToThousandKeepsTheSheetOpen) {
  for (const char* refused : {"1000.01", "-0.5", "abc", ""}) {
    SCOPED_TRACE(refused);
    QString told;
    bool stayedOpen = false;
    whenShown<COptionsSheet>([&](COptionsSheet* sheet) {
      control<QLineEdit>(sheet, "vRatio")->setText(QString::fromLatin1(refused));
      whenShown<QMessageBox>([&, sheet](QMessageBox* box) {
        told = box->text();
        box->accept();
        QTimer::singleShot(0, sheet, [&, sheet] {
          stayedOpen = sheet->isVisible();
          control<QLineEdit>(sheet, "vRatio")->setText("1000");
          test::clickOk(sheet);
        });
      });
      test::clickOk(sheet);
    });
    ASSERT_TRUE(runOptionsSheet(nullptr, options_, profile_));
    EXPECT_EQ(told, "Please enter a number between 0 and 1000.");
    EXPECT_TRUE(stayedOpen);
    EXPECT_DOUBLE_EQ(options_.autohintingVRatio, 1000);
  }
}

}  // namespace
}  // namespace sorvella
