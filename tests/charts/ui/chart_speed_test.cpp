// The Characters chart of a font of 65,536 CIDs: opening and the first paint, a repaint of a
// full window of about 1,100 cells, and a page of scrolling while a drag is under way. The
// figures are printed; the bounds only catch work that grows with the font.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <chrono>
#include <cstdio>

#include "charts/ui/chart_windows.h"
#include "cidfont/document_fixture.h"

namespace sorvella {
namespace {

using Clock = std::chrono::steady_clock;
double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class ChartSpeed : public test::DocumentTest {};

TEST_F(ChartSpeed, FullCidRangeOpensPaintsAndScrollsQuickly) {
  makeNewFont();
  CCidFont& font = *document_->font();
  for (int f = 0; f < 4; ++f) {
    SubsetFontEntry entry;
    entry.setName("F" + std::to_string(f));
    entry.setFileStem("F" + std::to_string(f));
    entry.characterCount = CCidFont::kMaxGlyphsPerFont;
    std::vector<CharacterRecord> records;
    for (int g = 0; g < CCidFont::kMaxGlyphsPerFont; ++g) {
      records.push_back(CharacterRecord::make(f, g));
      records.back().cid = f * CCidFont::kMaxGlyphsPerFont + g;
      for (std::size_t b = 0; b < records.back().thumbnail.size(); ++b)
        records.back().thumbnail[b] = static_cast<uint8_t>(g * 31 + b * 7);
    }
    ASSERT_EQ(font.addSubsetFont(entry, records), f);
  }
  font.Rebuild();
  ASSERT_EQ(font.rangeTop(), 65535);

  const Clock::time_point open = Clock::now();
  ChartWindows windows(*document_, nullptr);
  QMainWindow& frame = windows.charactersWindow();
  frame.resize(38 * 32 + 40, 48 * 35);
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  CharactersChart& chart = windows.characters();
  chart.viewport()->grab();
  const double first = millisecondsSince(open);
  const int cells = chart.grid().visibleItems().length();

  double repaint = 1e9;
  for (int i = 0; i < 5; ++i) {
    const Clock::time_point start = Clock::now();
    chart.viewport()->repaint();
    repaint = std::min(repaint, millisecondsSince(start));
  }
  // A drag holds the mouse while the scroll box moves a page at a time.
  chart.setSelection(10, 12);
  const Clock::time_point scrolling = Clock::now();
  for (int page = 1; page <= 20; ++page) {
    chart.verticalScrollBar()->setValue(page * chart.grid().visibleRows());
    chart.viewport()->repaint();
  }
  const double perPage = millisecondsSince(scrolling) / 20;
  std::printf(
      "[ figures ] 65536 CIDs: open and first paint %.1f ms; repaint of %d cells %.2f ms; "
      "page scroll and repaint %.2f ms\n",
      first, cells, repaint, perPage);
  EXPECT_GE(cells, 1000);
  EXPECT_EQ(chart.grid().firstRow(), 20 * chart.grid().visibleRows());
  EXPECT_LT(first, 2000);
  EXPECT_LT(repaint, 100);
  EXPECT_LT(perPage, 100);
}

}  // namespace
}  // namespace sorvella
