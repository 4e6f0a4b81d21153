#include "postscript/eps_exchange.h"

#include <array>
#include <cctype>
#include <string_view>
#include <vector>

#include "base/rounding.h"
#include "base/text_format.h"
#include "platform/atomic_file_write.h"
#include "postscript/resource_text_scanner.h"

namespace sorvella {

namespace {

constexpr const char* kProlog =
    "%%EndComments\n"
    "%%BeginProlog\n"
    "/Vantrel 24 dict def Vantrel begin\n"
    "/Version 0 def\n"
    "/bd {bind def} def\n"
    "/n {newpath} bd\n"
    "/c {curveto} bd\n"
    "/C {curveto} bd\n"
    "/L {lineto} bd\n"
    "/l {lineto} bd\n"
    "/m {moveto} bd\n"
    "/f {closepath} bd\n"
    "/*u { } bd\n"
    "/*U { fill} bd\n"
    "/A {pop} bd\n"
    "/O {pop} bd\n"
    "/D {pop} bd\n"
    "/g {setgray} bd\n"
    "end\n"
    "%%EndProlog\n"
    "%%BeginSetup\n"
    "Vantrel begin\n"
    "n\n"
    "%%EndSetup\n"
    "0 A  *u 0 O 0 g\n"
    "0 D\n";

constexpr const char* kTrailer = "*U\n%%PageTrailer\nshowpage\n%%Trailer\nend\n%%EOF\n";

bool isSmooth(uint16_t header) {
  return nodeConnectionOf(header) != node_flag::kSharp;
}

void appendPoint(std::string& out, Point p) {
  out += std::to_string(p.x);
  out += ' ';
  out += std::to_string(p.y);
  out += ' ';
}

// Comment texts compare without regard to ASCII case; the line's CR and trailing blanks
// are no part of the text.
std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == ' ' || text.back() == '\t'))
    text.remove_suffix(1);
  return text;
}

bool sameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

bool isComment(const ResourceTextScanner& scanner, int kind, std::string_view text) {
  return kind == ResourceTextScanner::kComment && sameText(trimmed(scanner.text()), text);
}

Node nodeOf(uint8_t type, int masters, std::initializer_list<Point> points) {
  Node n;
  n.header = type;
  for (Point p : points)
    for (int m = 0; m < masters; ++m) n.points.push_back(p);
  return n;
}

class EpsReader {
 public:
  EpsReader(ResourceTextScanner& scanner, int masters) : s_(scanner), masters_(masters) {}

  EpsImport run() {
    EpsImport result;
    if (masters_ < 1 || masters_ > Outline::kMaxMasters) return fail(EpsStatus::kMasterCount);
    int kind = s_.next();
    if (kind != ResourceTextScanner::kComment || s_.text().size() < 10 ||
        !sameText(s_.text().substr(0, 10), "!PS-Adobe-"))
      return fail(EpsStatus::kNotPostScript);
    for (;;) {
      kind = s_.next();
      if (kind == ResourceTextScanner::kEnd) return fail(EpsStatus::kNoEndOfProlog);
      if (isComment(s_, kind, "%EndProlog")) break;
    }
    glyph_ = std::make_unique<Glyph>(masters_);
    for (;;) {
      kind = s_.next();
      if (kind == ResourceTextScanner::kEnd) {
        if (!s_.atEndOfInput()) return fail(EpsStatus::kBadNumber);
        break;
      }
      if (kind == ResourceTextScanner::kInteger) {
        push(s_.integerValue());
      } else if (kind == ResourceTextScanner::kReal) {
        push(roundToInt32(s_.realValue()));
      } else if (isComment(s_, kind, "%BeginSetup")) {
        if (!skipSetup()) return fail(EpsStatus::kNoEndOfSetup);
      } else if (isComment(s_, kind, "%Trailer")) {
        break;
      } else if ((kind == ResourceTextScanner::kWord ||
                  kind == ResourceTextScanner::kLiteralName) &&
                 !s_.text().empty()) {
        if (!pathOperator(s_.text().front())) return fail(EpsStatus::kTooFewNumbers);
      }
    }
    result.glyph = std::move(glyph_);
    return result;
  }

 private:
  static constexpr std::size_t kStackSize = 100;

  EpsImport fail(EpsStatus status) {
    EpsImport result;
    result.status = status;
    return result;
  }

  void push(int32_t v) {
    if (stack_.size() < kStackSize) stack_.push_back(v);
  }

  bool skipSetup() {
    for (;;) {
      const int kind = s_.next();
      if (kind == ResourceTextScanner::kEnd) return false;
      if (isComment(s_, kind, "%EndSetup")) return true;
    }
  }

  // The numbers from the top of the stack, first pushed first.
  bool take(std::size_t count, std::array<Point, 3>& points) {
    if (stack_.size() < count) return false;
    const std::size_t base = stack_.size() - count;
    for (std::size_t k = 0; k < count / 2; ++k)
      points[k] = {clampToInt16(stack_[base + 2 * k]), clampToInt16(stack_[base + 2 * k + 1])};
    stack_.resize(base);
    return true;
  }

  // False when the operator lacks its numbers.
  bool pathOperator(char letter) {
    std::array<Point, 3> p{};
    Node node;
    const bool smooth = std::islower(static_cast<unsigned char>(letter)) && letter != 'm';
    switch (letter) {
      case 'm':
        if (!take(2, p)) return false;
        node = nodeOf(node_type::kMove, masters_, {p[0]});
        break;
      case 'l':
      case 'L':
        if (!take(2, p)) return false;
        node = nodeOf(node_type::kLine, masters_, {p[0]});
        break;
      case 'c':
      case 'C':
        if (!take(6, p)) return false;
        node = nodeOf(node_type::kCurve, masters_, {p[2], p[0], p[1]});
        break;
      case 'v':
      case 'V':
        if (!take(4, p)) return false;
        node = nodeOf(node_type::kCurve, masters_, {p[1], current_, p[0]});
        break;
      case 'y':
      case 'Y':
        if (!take(4, p)) return false;
        node = nodeOf(node_type::kCurve, masters_, {p[1], p[0], p[1]});
        break;
      default:
        stack_.clear();
        return true;
    }
    if (smooth) node.header |= node_flag::kSmooth;
    current_ = node.points.front();
    glyph_->appendNode(node);
    return true;
  }

  ResourceTextScanner& s_;
  int masters_;
  std::vector<int32_t> stack_;
  Point current_;
  std::unique_ptr<Glyph> glyph_;
};

}  // namespace

std::string epsText(const Glyph& glyph, int master) {
  if (glyph.empty() || master < 0 || master >= glyph.masterCount()) return {};
  Box box;
  glyph.widenControlBox(master, box);
  std::string out =
      "%!PS-Adobe-3.0\n%%Creator: Vantrel\n%%Title:\n"
      "%%CreationDate: Fri Jun 23 18:43:07 1995\n";
  out += formatText("%%%%BoundingBox: %i %i %i %i\n", box.xMin, box.yMin, box.xMax, box.yMax);
  out += kProlog;
  int segments = 0;
  for (int i = 0; i < glyph.nodeCount(); ++i) {
    const uint16_t header = glyph.header(i);
    switch (nodeTypeOf(header)) {
      case node_type::kMove:
        if (segments > 0) out += "f\n1 D\n";
        appendPoint(out, glyph.point(i, 0, master));
        out += "m\n";
        segments = 0;
        break;
      case node_type::kLine:
        appendPoint(out, glyph.point(i, 0, master));
        out += isSmooth(header) ? "l\n" : "L\n";
        ++segments;
        break;
      case node_type::kCurve:
        appendPoint(out, glyph.point(i, 1, master));
        appendPoint(out, glyph.point(i, 2, master));
        appendPoint(out, glyph.point(i, 0, master));
        out += isSmooth(header) ? "c\n" : "C\n";
        ++segments;
        break;
      default:
        break;
    }
  }
  if (segments > 0) out += "f\n";
  out += kTrailer;
  return out;
}

bool ExportEps(const std::filesystem::path& path, const Glyph& glyph, int master) {
  const std::string text = epsText(glyph, master);
  if (text.empty()) return false;
  return writeFileAtomically(path, text);
}

EpsImport ImportEpsText(std::string_view text, int masterCount) {
  ResourceTextScanner scanner(text);
  return EpsReader(scanner, masterCount).run();
}

EpsImport ImportEps(const std::filesystem::path& path, int masterCount) {
  ResourceTextScanner scanner;
  if (!scanner.open(path)) {
    EpsImport result;
    result.status = EpsStatus::kUnreadable;
    return result;
  }
  return EpsReader(scanner, masterCount).run();
}

bool appendImportedNodes(Glyph& glyph, Glyph& imported) {
  if (glyph.masterCount() != imported.masterCount()) return false;
  imported.selectAll();
  glyph.deselectAll();
  return glyph.appendNodes(imported, 0, imported.nodeCount());
}

}  // namespace sorvella
