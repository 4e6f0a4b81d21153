// EPS exchange: files written for real glyphs are filled by Ghostscript as our own
// rasteriser fills the glyph, read back to the same nodes, and drawing programs' files read.
#include "postscript/eps_exchange.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <string>

#include "glyph/outline_pen.h"
#include "glyph/scanline_fill.h"
#include "support/bytes.h"
#include "support/peer_tool.h"
#include "support/temp_folder.h"
#include "support/type1_read.h"

namespace sorvella {
namespace {

constexpr const char* kGhostscript = "/usr/bin/gs";
constexpr int kCell = 1000;  // pixels, so that edge pixels are a small part of the area
constexpr double kScale = 1.25;
constexpr double kShift = 100.0;

Point pt(int x, int y) {
  return {static_cast<int16_t>(x), static_cast<int16_t>(y)};
}

// Feeds a glyph into a fill cell placed as the Ghostscript run places it.
class FillPen : public OutlinePen {
 public:
  explicit FillPen(ScanlineFill& fill) : fill_(fill) {}
  void moveTo(Point p) override { fill_.moveTo(x(p.x), y(p.y)); }
  void lineTo(Point p) override { fill_.lineTo(x(p.x), y(p.y)); }
  void curveTo(Point, Point c1, Point c2, Point e) override {
    fill_.cubicTo(x(c1.x), y(c1.y), x(c2.x), y(c2.y), x(e.x), y(e.y));
  }
  void closePath() override { fill_.closePath(); }

 private:
  static double x(double v) { return kShift + kScale * v; }
  static double y(double v) { return kCell - (kShift + kScale * v); }
  ScanlineFill& fill_;
};

std::vector<uint8_t> ownRaster(const Glyph& glyph) {
  ScanlineFill fill;
  fill.reset(kCell, kCell);
  FillPen pen(fill);
  glyph.enumerate(pen, 0);
  std::vector<uint8_t> rows(static_cast<std::size_t>(kCell / 8 * kCell));
  EXPECT_TRUE(fill.packRows(rows, kCell / 8));
  return rows;
}

// The page Ghostscript fills from the file: raw PBM rows after the header.
std::vector<uint8_t> ghostscriptRaster(const test::TempFolder& temp,
                                       const std::filesystem::path& eps) {
  const auto pbm = temp / "page.pbm";
  // Without fill adjustment Ghostscript inks by pixel centres, as our rasteriser does.
  const std::string setup = "0 0 .setfilladjust2 " + std::to_string(kShift) + " " +
                            std::to_string(kShift) + " translate " + std::to_string(kScale) +
                            " dup scale";
  test::PeerRun run = test::runPeer(
      kGhostscript, {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=pbmraw",
                     "-g" + std::to_string(kCell) + "x" + std::to_string(kCell), "-r72",
                     "-sOutputFile=" + pbm.string(), "-c", setup, "-f", eps.string()});
  EXPECT_EQ(run.status, 0) << run.out;
  const std::string bytes = test::readFile(pbm);
  // "P4", comment lines, width and height, one blank, then the rows.
  std::size_t at = bytes.find('\n');
  while (at != std::string::npos && at + 1 < bytes.size() && bytes[at + 1] == '#')
    at = bytes.find('\n', at + 1);
  const std::string size = std::to_string(kCell) + " " + std::to_string(kCell) + "\n";
  EXPECT_EQ(bytes.substr(0, 2), "P4");
  if (at == std::string::npos || bytes.compare(at + 1, size.size(), size) != 0) {
    ADD_FAILURE() << "not a " << size << " page";
    return {};
  }
  return test::bytesOf(std::string_view(bytes).substr(at + 1 + size.size()));
}

std::size_t inkOf(const std::vector<uint8_t>& rows) {
  std::size_t ink = 0;
  for (uint8_t b : rows) ink += static_cast<std::size_t>(std::popcount(b));
  return ink;
}

class EpsRealGlyphs : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(test::peerAvailable(kGhostscript)) << "Ghostscript (ghostscript) is missing";
    const std::string bytes = test::readFile("/usr/share/fonts/X11/Type1/NimbusRoman-Regular.pfb");
    ASSERT_FALSE(bytes.empty()) << "fonts-urw-base35 is missing";
    font_ = new test::Type1ReadResult(test::readType1Bytes(test::bytesOf(bytes)));
    ASSERT_TRUE(font_->succeeded);
  }
  static void TearDownTestSuite() { delete font_; }
  const Glyph& glyphNamed(const std::string& name) {
    const auto names = test::glyphNames(*font_->font);
    for (std::size_t i = 0; i < names.size(); ++i)
      if (names[i] == name) return *font_->font->glyph(static_cast<int32_t>(i));
    ADD_FAILURE() << name;
    return empty_;
  }
  static inline test::Type1ReadResult* font_ = nullptr;
  Glyph empty_;
  test::TempFolder temp_;
};

TEST_F(EpsRealGlyphs, GhostscriptFillsTheExportedGlyphAsOurRasteriserDoes) {
  for (const char* name : {"B", "g", "at", "ampersand"}) {
    const Glyph& glyph = glyphNamed(name);
    const auto eps = temp_ / (std::string(name) + ".eps");
    ASSERT_TRUE(ExportEps(eps, glyph, 0)) << name;
    const std::vector<uint8_t> ours = ownRaster(glyph);
    const std::vector<uint8_t> theirs = ghostscriptRaster(temp_, eps);
    ASSERT_EQ(theirs.size(), ours.size()) << name;
    std::size_t differing = 0;
    for (std::size_t i = 0; i < ours.size(); ++i)
      differing +=
          static_cast<std::size_t>(std::popcount(static_cast<uint8_t>(ours[i] ^ theirs[i])));
    const std::size_t area = inkOf(ours);
    EXPECT_GT(area, 100000u) << name;
    EXPECT_LE(static_cast<double>(differing), 0.005 * static_cast<double>(area))
        << name << ": " << differing << " of " << area << " pixels differ";
  }
}

TEST_F(EpsRealGlyphs, ImportOfTheExportGivesBackTheNodes) {
  for (const char* name : {"B", "g", "at"}) {
    Glyph glyph = glyphNamed(name);
    glyph.setConnection(1, node_flag::kSmooth);
    const auto eps = temp_ / "round.eps";
    ASSERT_TRUE(ExportEps(eps, glyph, 0));
    EpsImport read = ImportEps(eps, 1);
    ASSERT_EQ(read.status, EpsStatus::kOk) << name;
    ASSERT_EQ(read.glyph->nodeCount(), glyph.nodeCount()) << name;
    for (int i = 0; i < glyph.nodeCount(); ++i) {
      Node expected = glyph.node(i);
      expected.header &= ~node_flag::kSelected;
      EXPECT_EQ(read.glyph->node(i), expected) << name << " node " << i;
    }
  }
}

TEST(EpsExport, ContoursAreSeparatedAndAnEmptyGlyphWritesNothing) {
  test::TempFolder temp;
  Glyph g;
  g.appendNode(Node::move(pt(0, 0)));
  g.appendNode(Node::line(pt(100, 0)));
  g.appendNode(Node::curve(pt(0, 100), pt(100, 50), pt(-20, 120)));
  g.appendNode(Node::move(pt(10, 10)));
  g.appendNode(Node::line(pt(20, 10)));
  g.setConnection(1, node_flag::kSmooth);
  const std::string text = epsText(g, 0);
  EXPECT_NE(text.find("%%BoundingBox: -20 0 100 120\n"), std::string::npos);
  EXPECT_NE(
      text.find("\n0 0 m\n100 0 l\n100 50 -20 120 0 100 C\nf\n1 D\n10 10 m\n20 10 L\nf\n*U\n"),
      std::string::npos)
      << text;
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_FALSE(ExportEps(temp / "empty.eps", Glyph(), 0));
  EXPECT_FALSE(std::filesystem::exists(temp / "empty.eps"));
  test::writeFile(temp / "file", "x");
  EXPECT_FALSE(ExportEps(temp / "file" / "below.eps", g, 0));
}

constexpr const char* kIllustratorFile =
    "%!PS-Adobe-2.0 EPSF-1.2\r\n%%Creator:Adobe Illustrator(TM) 1.2d4\r\n"
    "%%BoundingBox:0 0 300 300\r\n%%EndComments\r\n%%BeginProlog\r\n/m {moveto} def\r\n"
    "%%endprolog\r\n%%BeginSetup\r\nAdobe_Illustrator_1.1 begin 1 2 3 m\r\n%%EndSetup\r\n"
    "0 g 0 J 0 j 1 w 4 M []0 d\r\n"
    "10.5 10.6 m\r\n100 0 l\r\n150 50 200 200 V\r\n-10.5 300 0 250 y\r\n(text) 7 8 Tx\r\n"
    "1 2 3 4 5 6 cleartomark\r\nf\r\n%%Trailer\r\n1 2 m\r\n";

TEST(EpsImport, IllustratorDialectWithVAndYReads) {
  EpsImport read = ImportEpsText(kIllustratorFile, 1);
  ASSERT_EQ(read.status, EpsStatus::kOk);
  const Glyph& g = *read.glyph;
  ASSERT_EQ(g.nodeCount(), 5);  // nothing after the trailer
  EXPECT_EQ(g.node(0), Node::move(pt(10, 11)));
  Node line = Node::line(pt(100, 0));
  line.header |= node_flag::kSmooth;
  EXPECT_EQ(g.node(1), line);
  EXPECT_EQ(g.node(2), Node::curve(pt(200, 200), pt(100, 0), pt(150, 50)));  // V: c1 = current
  Node y = Node::curve(pt(0, 250), pt(-11, 300), pt(0, 250));                // y: c2 = end
  y.header |= node_flag::kSmooth;
  EXPECT_EQ(g.node(3), y);
  Node word = Node::curve(pt(5, 6), pt(1, 2), pt(3, 4));  // only the first letter counts
  word.header |= node_flag::kSmooth;
  EXPECT_EQ(g.node(4), word);
}

TEST(EpsImport, BadFilesGetAStatusAndNoGlyph) {
  const std::string head = "%!PS-Adobe-3.0\n%%EndProlog\n";
  const struct {
    std::string text;
    EpsStatus status;
  } cases[] = {
      {"%!PDF-1.4\n%%EndProlog\n", EpsStatus::kNotPostScript},
      {"0 0 m\n", EpsStatus::kNotPostScript},
      {"%!PS-Adobe-3.0\n0 0 m\n", EpsStatus::kNoEndOfProlog},
      {head + "%%BeginSetup\n0 0 m\n", EpsStatus::kNoEndOfSetup},
      {head + "0 0 m 5 L\n", EpsStatus::kTooFewNumbers},
      {head + "0 0 m 5 5 L 1 2 A 3 L\n", EpsStatus::kTooFewNumbers},
  };
  for (const auto& c : cases) {
    EpsImport read = ImportEpsText(c.text, 1);
    EXPECT_EQ(read.status, c.status) << c.text;
    EXPECT_EQ(read.glyph, nullptr);
  }
  EXPECT_EQ(ImportEps("/nonexistent/x.eps", 1).status, EpsStatus::kUnreadable);
  EXPECT_EQ(ImportEpsText(head, 0).status, EpsStatus::kMasterCount);
  EpsImport none = ImportEpsText(head + "1 2 3\n", 2);
  ASSERT_EQ(none.status, EpsStatus::kOk);
  EXPECT_TRUE(none.glyph->empty());
  EXPECT_EQ(none.glyph->masterCount(), 2);
}

TEST(EpsImport, AppendingSelectsTheImportedNodesOnly) {
  Glyph g;
  g.appendNode(Node::move(pt(0, 0)));
  g.appendNode(Node::line(pt(100, 0)));
  g.selectAll();
  EpsImport read =
      ImportEpsText("%!PS-Adobe-3.0\n%%EndProlog\n0 0 m 100 0 L 100 100 L\n%%Trailer\n", 1);
  ASSERT_TRUE(read.glyph);
  ASSERT_TRUE(appendImportedNodes(g, *read.glyph));
  ASSERT_EQ(g.nodeCount(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(g.isSelected(i), i >= 2) << i;
  EXPECT_EQ(nodeConnectionOf(g.header(4)), node_flag::kSharp);
  Glyph two(2);
  EXPECT_FALSE(appendImportedNodes(two, *read.glyph));
  EXPECT_TRUE(two.empty());
}

}  // namespace
}  // namespace sorvella
