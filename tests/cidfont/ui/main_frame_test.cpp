#include "cidfont/ui/main_frame.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTabWidget>
#include <QTest>

namespace sorvella {
namespace {

TEST(MainFrame, ShowsTitleAndThePagesInOrder) {
  CMainFrame frame;
  EXPECT_EQ(frame.windowTitle(), "Sorvella");
  ASSERT_EQ(frame.pages()->count(), 3);
  EXPECT_EQ(frame.pages()->tabText(0), " Font Info ");
  EXPECT_EQ(frame.pages()->tabText(1), "Subset Fonts");
  EXPECT_EQ(frame.pages()->tabText(2), "Characters");
}

TEST(MainFrame, StartsAndQuitsCleanly) {
  QPointer<CMainFrame> frame = new CMainFrame;
  frame->setAttribute(Qt::WA_DeleteOnClose);
  frame->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
  EXPECT_TRUE(frame->isVisible());
  EXPECT_TRUE(frame->close());
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(frame.isNull());
}

}  // namespace
}  // namespace sorvella
