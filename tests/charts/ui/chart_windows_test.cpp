// The chart windows offscreen: what they draw (marks, colours, hatch, template images), and
// keys, clicks and a drag from the Unplaced chart onto the Characters chart.
#include "charts/ui/chart_windows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "charts/chart_commands.h"
#include "charts/ui/cmap_satellite.h"
#include "cidfont/document_fixture.h"

namespace sorvella {
namespace {

// Font 1 (4 glyphs) at CIDs 0..3, CID 4 empty, font 2 (3 glyphs) unplaced.
class ChartWindowsTest : public test::DocumentTest {
 protected:
  void SetUp() override {
    makeNewFont();
    addFonts({4, 3});
    CCidFont& font = *document_->font();
    ASSERT_EQ(font.unplaced().size(), 7u);
    ASSERT_TRUE(font.PlaceUnplaced(0, 3, 0));
    font.ExpandRange(40);
    windows_ = std::make_unique<ChartWindows>(
        *document_, [this](int32_t f, int32_t g) { edited_.emplace_back(f, g); });
    windows_->context().chooseFromMenu = [this](std::span<const MenuItem> items, const QPoint&,
                                                bool) -> std::optional<ChartCommand> {
      menus_.push_back(items.empty() ? "" : items[0].text);
      return answer_;
    };
    windows_->charactersWindow().move(0, 0);
    windows_->unplacedWindow().move(900, 0);
    windows_->charactersWindow().show();
    windows_->unplacedWindow().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&windows_->charactersWindow()));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&windows_->unplacedWindow()));
  }
  QImage grab(ChartGridWidget& chart) {
    return chart.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  QRect cell(ChartGridWidget& chart, int32_t item) {
    const GridRect r = chart.grid().cellRect(item);
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  QRgb at(const QImage& image, QPoint p) { return image.pixel(p) & 0xFFFFFF; }
  // A pixel of the cell's paper: left of the thumbnail, below the number.
  QPoint paper(ChartGridWidget& chart, int32_t item) {
    return cell(chart, item).bottomLeft() + QPoint(1, -2);
  }
  QPoint centre(ChartGridWidget& chart, int32_t item) {
    const QRect c = cell(chart, item);
    return QPoint(c.center().x(), (c.top() + kCellLabelHeight + c.bottom()) / 2);
  }
  void sendMouse(QWidget* to, QEvent::Type type, QPoint global, Qt::MouseButtons buttons) {
    const QPointF local = to->mapFromGlobal(QPointF(global));
    QMouseEvent event(type, local, QPointF(global),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(to, &event);
  }

  std::unique_ptr<ChartWindows> windows_;
  std::vector<std::pair<int32_t, int32_t>> edited_;
  std::vector<std::string> menus_;
  std::optional<ChartCommand> answer_;
};

TEST_F(ChartWindowsTest, CellsShowMarksColoursHatchAndThumbnails) {
  CharactersChart& chart = windows_->characters();
  document_->setLocked(0, true);
  windows_->setHighlightedFont(0);
  chart.setSelection(1, 2);
  chart.setCurrent(2);
  windows_->refresh();
  const QImage image = grab(chart);
  EXPECT_EQ(at(image, paper(chart, 0)), 0xFFFFFFu);
  EXPECT_EQ(at(image, paper(chart, 1)), 0x000000u);   // selected
  EXPECT_EQ(at(image, paper(chart, 2)), 0x000080u);   // selected and current
  EXPECT_EQ(at(image, centre(chart, 0)), 0x000000u);  // the square's ink
  EXPECT_EQ(at(image, centre(chart, 1)), 0xFFFFFFu);  // white on black
  const QRect locked = cell(chart, 3);
  EXPECT_EQ(at(image, locked.topRight() + QPoint(-4, 4)), qRgb(192, 0, 0) & 0xFFFFFFu);
  EXPECT_EQ(at(image, locked.topLeft() + QPoint(3, 3)), qRgb(0, 160, 0) & 0xFFFFFFu);
  // The empty CID is hatched mid grey on light grey.
  std::set<QRgb> hatch;
  const QRect empty = cell(chart, 4).adjusted(4, kCellLabelHeight + 4, -4, -4);
  for (int y = empty.top(); y < empty.bottom(); ++y)
    for (int x = empty.left(); x < empty.right(); ++x) hatch.insert(at(image, QPoint(x, y)));
  EXPECT_EQ(hatch, (std::set<QRgb>{0x808080u, 0xC0C0C0u}));
  chart.setSelection(4, 4);
  chart.setCurrent(5);
  const QImage again = grab(chart);
  EXPECT_EQ(at(again, cell(chart, 5).topLeft() + QPoint(1, 1)), 0x008080u);  // current: teal
  EXPECT_EQ(at(again, centre(chart, 5)) == 0x008080u || at(again, centre(chart, 5)) == 0xC0C0C0u,
            true);
}

TEST_F(ChartWindowsTest, TemplateImagesShowBehindEmptyCids) {
  ChartTemplate t(24, 1);
  t.setCid(0, 4);  // zero image bits: all ink
  windows_->context().loadedTemplate = std::move(t);
  windows_->refresh();
  CharactersChart& chart = windows_->characters();
  EXPECT_EQ(at(grab(chart), centre(chart, 4)), qRgb(128, 160, 255) & 0xFFFFFFu);
  windows_->context().templateStyle = TemplateStyle::kHidden;
  chart.viewport()->update();
  EXPECT_NE(at(grab(chart), centre(chart, 4)), qRgb(128, 160, 255) & 0xFFFFFFu);
}

TEST_F(ChartWindowsTest, KeysAndClicksMoveTheSelection) {
  CharactersChart& chart = windows_->characters();
  QTest::mouseClick(chart.viewport(), Qt::LeftButton, {}, centre(chart, 5));
  EXPECT_EQ(chart.grid().current(), 5);
  QTest::keyClick(&chart, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(chart.grid().selection(), (ItemRange{5, 6}));
  QTest::keyClick(&chart, Qt::Key_Down);
  EXPECT_EQ(chart.grid().current(), 6 + chart.grid().columns());
  answer_ = ChartCommand::kCopy;
  QTest::keyClick(&chart, Qt::Key_Space);
  EXPECT_EQ(menus_, std::vector<std::string>{"Cancel"});
  EXPECT_EQ(document_->chartClipboard().kind, ChartClipboard::kCids);
  windows_->editFont(1);
  QTest::mouseDClick(windows_->fontChart().viewport(), Qt::LeftButton, {},
                     centre(windows_->fontChart(), 2));
  EXPECT_EQ(edited_, (std::vector<std::pair<int32_t, int32_t>>{{1, 2}}));
}

TEST_F(ChartWindowsTest, DraggingUnplacedCharactersOntoACidPlacesThem) {
  UnplacedChart& unplaced = windows_->unplaced();
  CharactersChart& chart = windows_->characters();
  QWidget* source = unplaced.viewport();
  const QPoint first = source->mapToGlobal(centre(unplaced, 0));
  const QPoint second = source->mapToGlobal(centre(unplaced, 1));
  sendMouse(source, QEvent::MouseButtonPress, first, Qt::LeftButton);
  sendMouse(source, QEvent::MouseMove, second, Qt::LeftButton);
  sendMouse(source, QEvent::MouseButtonRelease, second, Qt::NoButton);
  ASSERT_EQ(unplaced.grid().selection(), (ItemRange{0, 1}));
  // Press on the second of the two, so the drop starts one CID before the pointer.
  const QPoint target = chart.viewport()->mapToGlobal(centre(chart, 11));
  sendMouse(source, QEvent::MouseButtonPress, second, Qt::LeftButton);
  sendMouse(source, QEvent::MouseMove, target, Qt::LeftButton);
  EXPECT_EQ(chart.grid().dropTarget(), (ItemRange{10, 11}));
  // The outline inverts the hatch along the drop cells' borders.
  const QPoint border = cell(chart, 10).topLeft() + QPoint(8, 0);
  const QImage outlined = grab(chart);
  const QRgb under = at(outlined, border) ^ at(outlined, border + QPoint(1, 0));
  EXPECT_EQ(under, 0xFFFFFFu);
  answer_ = ChartCommand::kPlace;
  const int32_t character = document_->font()->unplacedAt(0);
  sendMouse(source, QEvent::MouseButtonRelease, target, Qt::NoButton);
  EXPECT_EQ(menus_, std::vector<std::string>{"&Place"});
  EXPECT_EQ(document_->font()->CharacterAt(10), character);
  EXPECT_EQ(document_->font()->record(document_->font()->CharacterAt(11)).glyph, 1);
  EXPECT_EQ(unplaced.grid().itemCount(), 1);
  EXPECT_EQ(chart.grid().selection(), (ItemRange{10, 11}));
  EXPECT_TRUE(chart.grid().dropTarget().empty());
}

TEST_F(ChartWindowsTest, FramesReopenWhereTheyWereSaved) {
  windows_->fontWindow().setGeometry(120, 140, 500, 300);
  windows_->savePlacements(profile_);
  EXPECT_EQ(profile_.getInt("General", "FontChartWidth", 0), 500);
  EXPECT_EQ(profile_.getInt("General", "CharsChartVisible", -1), 1);
  EXPECT_EQ(profile_.getInt("General", "FontChartVisible", -1), 0);
  ChartWindows reopened(*document_, nullptr);
  reopened.restorePlacements(profile_);
  EXPECT_EQ(reopened.fontWindow().geometry(), QRect(120, 140, 500, 300));
  EXPECT_TRUE(reopened.charactersWindow().isVisible());
  EXPECT_FALSE(reopened.cmapWindow().isVisible());
}

TEST_F(ChartWindowsTest, CMapPagePrintsItsHeaderToPdf) {
  auto cmap = std::make_unique<CCodeMap>();
  cmap->cmapName = "Test-H";
  cmap->registry = "Adobe";
  cmap->ordering = "Japan1";
  cmap->Set(0x21, 0x40, 633);
  CMapFrame& frame = windows_->cmapWindow();
  EXPECT_FALSE(frame.button(1016)->isEnabled());
  CCodeMap& map = *cmap;
  document_->cmaps().replace(std::move(cmap));
  frame.refresh();
  EXPECT_TRUE(frame.button(1016)->isEnabled());
  EXPECT_TRUE(frame.button(1015)->isEnabled());  // a CID font is open
  EXPECT_EQ(frame.windowTitle(), "Sorvella CMap - [Test-H]");
  frame.show();
  frame.satellite().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  QTest::mouseClick(&frame.satellite(), Qt::LeftButton, {},
                    CMapSatellite::pageRect(0x21).topLeft() + QPoint(1, 1));
  EXPECT_EQ(frame.chart().page(), 0x21);
  const QImage satellite = frame.satellite().grab().toImage();
  EXPECT_EQ(satellite.pixel(CMapSatellite::pageRect(0x21).topLeft() + QPoint(1, 1)) & 0xFFFFFF,
            0x000080u);
  // CIDs copied in the Characters chart paste into cells through the "MAP" menu.
  document_->chartClipboard() = copyFromCharacters({100, 103}, false);
  frame.chart().setCurrent(0x50);
  frame.chart().setSelection(0x50, 0x50);
  answer_ = ChartCommand::kPaste;
  QTest::keyClick(&frame.chart(), Qt::Key_Space);
  EXPECT_EQ(map.Lookup(0x21, 0x53), 103);
  EXPECT_EQ(frame.chart().grid().selection(), (ItemRange{0x50, 0x53}));
  EXPECT_TRUE(document_->chartClipboard().empty());
  frame.chart().setCurrent(0x41);
  EXPECT_EQ(frame.codeText(), "Code: 2141");
  EXPECT_EQ(frame.cidText(), "CID: None");
  const std::filesystem::path pdf = folder_ / "page.pdf";
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(pdf.string()));
  frame.chart().printPage(printer);
  QProcess text;
  text.start("pdftotext", {"-layout", QString::fromStdString(pdf.string()), "-"});
  ASSERT_TRUE(text.waitForFinished(20000)) << "pdftotext (poppler-utils) is needed";
  ASSERT_EQ(text.exitCode(), 0);
  const QString printed = QString::fromUtf8(text.readAllStandardOutput());
  for (const char* line : {"SORVELLA CMAP PRINTOUT", "Test-H", "Codes: 2100 - 21FF",
                           "Registry: Adobe; Ordering: Japan1; Based on:", "633"})
    EXPECT_TRUE(printed.contains(line)) << line << "\n" << printed.toStdString();
}

}  // namespace
}  // namespace sorvella
