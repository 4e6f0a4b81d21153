#include "cmap/cmap_file_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

#include "base/text_trim.h"
#include "platform/atomic_file_write.h"
#include "postscript/resource_text_scanner.h"

namespace sorvella {
namespace {

constexpr std::string_view kEol = "\r\n";
constexpr char kHexDigits[] = "0123456789abcdef";

// One line of a begincidrange (first < last) or begincidchar (first == last) section.
struct Run {
  uint8_t high;
  uint8_t firstLow;
  uint8_t lastLow;
  uint16_t cid;
  bool isRange() const { return lastLow != firstLow; }
};

class Writer {
 public:
  explicit Writer(const CCodeMap& cmap) : cmap_(cmap) { out_.reserve(1 << 16); }

  std::string text() && {
    header();
    body();
    return std::move(out_);
  }

 private:
  void header() {
    const std::string name = literalName(cmap_.cmapName);
    const std::string base = literalName(cmap_.baseName);
    line("%!PS-Adobe-3.0 Resource-CMap");
    line("%%DocumentNeededResources: ProcSet (CIDInit)");
    if (cmap_.IsBased()) line("%%DocumentNeededResources: CMap (" + base + ")");
    line("%%IncludeResource: ProcSet (CIDInit)");
    if (cmap_.IsBased()) line("%%IncludeResource: CMap (" + base + ")");
    line("%%BeginResource: CMap (" + name + ")");
    line("%%Title: (" +
         commentText(name + ' ' + cmap_.registry + ' ' + cmap_.ordering + ' ' +
                     std::to_string(cmap_.supplement)) +
         ")");
    line("%%Version: " + realText(cmap_.cmapVersion));
    noticeLines();
    line("%%EndComments");
    line("");
    line("/CIDInit /ProcSet findresource begin");
    line("");
    line("12 dict begin");
    line("");
    line("begincmap");
    line("");
    if (cmap_.IsBased()) {
      line("/" + base + " usecmap");
      line("");
    }
    line("/CIDSystemInfo 3 dict dup begin");
    line("  /Registry " + stringText(cmap_.registry) + " def");
    line("  /Ordering " + stringText(cmap_.ordering) + " def");
    line("  /Supplement " + std::to_string(cmap_.supplement) + " def");
    line("end def");
    line("");
    // An empty name has no literal form; the reader then keeps its initial empty name.
    if (!cmap_.cmapName.empty()) line("/CMapName /" + name + " def");
    line("/CMapVersion " + realText(cmap_.cmapVersion) + " def");
    line("/CMapType 1 def");
    line("");
    if (cmap_.uidOffset != -1) line("/UIDOffset " + std::to_string(cmap_.uidOffset) + " def");
    if (cmap_.xuidCount > 0) {
      std::string xuid = "/XUID [";
      const int32_t count = std::min(cmap_.xuidCount, CCodeMap::kMaxXuid);
      for (int32_t i = 0; i < count; ++i) {
        if (i > 0) xuid += ' ';
        xuid += std::to_string(cmap_.xuid[static_cast<std::size_t>(i)]);
      }
      line(xuid + "] def");
    }
    if (cmap_.uidOffset != -1 || cmap_.xuidCount > 0) line("");
    line("/WMode " + std::to_string(cmap_.wMode) + " def");
    line("");
  }

  void body() {
    chooseCodeWidth();
    codespace();
    notdefs();
    mappings();
    line("endcmap");
    line(cmap_.cmapName.empty() ? "/Untitled currentdict /CMap defineresource pop"
                                : "CMapName currentdict /CMap defineresource pop");
    line("end");
    line("end");
    line("");
    line("%%EndResource");
    line("%%EOF");
  }

  // Row 0 alone is written as one-byte codes; any other row makes every code two bytes long.
  void chooseCodeWidth() {
    std::span<const uint16_t> codes = cmap_.codeTable();
    for (std::size_t i = 0; i < codes.size(); ++i)
      if (codes[i] != CCodeMap::kNoCid) usedRows_[i >> 8] = true;
    // A notdef range may run from a higher row to a lower one; both rows need two bytes.
    for (const NotdefEntry& e : cmap_.notdefs)
      for (int h = std::min(e.highFirst, e.highLast); h <= std::max(e.highFirst, e.highLast); ++h)
        usedRows_[static_cast<std::size_t>(h)] = true;
    oneByte_ = true;
    for (std::size_t h = 1; h < 256; ++h)
      if (usedRows_[h]) oneByte_ = false;
  }

  // Each run of used rows is one range over every second byte.
  void codespace() {
    std::vector<std::pair<int, int>> rows;
    if (oneByte_) {
      rows.push_back({0, 0});
    } else {
      for (int h = 0; h < 256; ++h) {
        if (!usedRows_[static_cast<std::size_t>(h)]) continue;
        if (!rows.empty() && rows.back().second == h - 1)
          rows.back().second = h;
        else
          rows.push_back({h, h});
      }
    }
    for (std::size_t start = 0; start < rows.size(); start += kCMapSectionLimit) {
      const std::size_t end = std::min(rows.size(), start + kCMapSectionLimit);
      line(std::to_string(end - start) + " begincodespacerange");
      for (std::size_t i = start; i < end; ++i) {
        out_ += "  ";
        code(static_cast<uint8_t>(rows[i].first), 0x00);
        out_ += ' ';
        code(static_cast<uint8_t>(rows[i].second), 0xFF);
        out_ += kEol;
      }
      line("endcodespacerange");
      line("");
    }
  }

  // Every entry as a range keeps the list as it is, including its order.
  void notdefs() {
    const std::vector<NotdefEntry>& list = cmap_.notdefs;
    for (std::size_t start = 0; start < list.size(); start += kCMapSectionLimit) {
      const std::size_t end = std::min(list.size(), start + kCMapSectionLimit);
      line(std::to_string(end - start) + " beginnotdefrange");
      for (std::size_t i = start; i < end; ++i) {
        code(list[i].highFirst, list[i].lowFirst);
        out_ += ' ';
        code(list[i].highLast, list[i].lowLast);
        out_ += ' ';
        // Signed, as the reader took it: an integer token is 32 bits with a sign.
        number(static_cast<int32_t>(list[i].cid));
        out_ += kEol;
      }
      line("endnotdefrange");
      line("");
    }
  }

  bool written(std::size_t index) const {
    const uint16_t cid = cmap_.codeTable()[index];
    if (cid == CCodeMap::kNoCid) return false;
    if (cmap_.IsBased() && cmap_.hasBaseTable())
      return cid !=
             cmap_.BaseLookup(static_cast<uint8_t>(index >> 8), static_cast<uint8_t>(index & 0xFF));
    return true;
  }

  void mappings() {
    std::vector<Run> runs;
    std::span<const uint16_t> codes = cmap_.codeTable();
    for (std::size_t h = 0; h < 256; ++h) {
      for (std::size_t l = 0; l < 256; ++l) {
        std::size_t i = h * 256 + l;
        if (!written(i)) continue;
        Run run{static_cast<uint8_t>(h), static_cast<uint8_t>(l), static_cast<uint8_t>(l),
                codes[i]};
        while (l + 1 < 256 && written(i + 1) && codes[i + 1] == codes[i] + 1) {
          ++l;
          ++i;
          run.lastLow = static_cast<uint8_t>(l);
        }
        runs.push_back(run);
      }
    }
    // Sections follow the code order, each holding runs of one kind.
    std::size_t start = 0;
    while (start < runs.size()) {
      const bool range = runs[start].isRange();
      std::size_t end = start + 1;
      while (end < runs.size() && end - start < kCMapSectionLimit && runs[end].isRange() == range)
        ++end;
      section(std::span(runs).subspan(start, end - start), range);
      start = end;
    }
  }

  void section(std::span<const Run> runs, bool range) {
    line(std::to_string(runs.size()) + (range ? " begincidrange" : " begincidchar"));
    for (const Run& r : runs) {
      code(r.high, r.firstLow);
      out_ += ' ';
      if (range) {
        code(r.high, r.lastLow);
        out_ += ' ';
      }
      number(r.cid);
      out_ += kEol;
    }
    line(range ? "endcidrange" : "endcidchar");
    line("");
  }

  void code(uint8_t high, uint8_t low) {
    out_ += '<';
    if (!oneByte_) {
      out_ += kHexDigits[high >> 4];
      out_ += kHexDigits[high & 15];
    }
    out_ += kHexDigits[low >> 4];
    out_ += kHexDigits[low & 15];
    out_ += '>';
  }

  void number(int64_t value) {
    std::array<char, 24> buffer;
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out_.append(buffer.data(), end);
  }

  void line(std::string_view text) {
    out_ += text;
    out_ += kEol;
  }

  void noticeLines() {
    std::string_view notice = cmap_.notice;
    while (!notice.empty()) {
      const std::size_t cut = notice.find_first_of("\r\n");
      const std::string_view part = notice.substr(0, cut);
      if (!part.empty()) line("%%Copyright: " + commentText(part));
      if (cut == std::string_view::npos) break;
      notice.remove_prefix(cut + 1);
    }
  }

  // A comment runs to the line end, so control bytes are left out.
  static std::string commentText(std::string_view text) {
    std::string out;
    for (char c : text)
      if (static_cast<unsigned char>(c) >= 32) out += c;
    return out;
  }

  // A name ends at a separator or delimiter, which it therefore cannot hold: they become "_".
  // What the reader would cut off is left out, so that it cannot be read as further tokens.
  static std::string literalName(std::string_view text) {
    std::string out(text.substr(0, ResourceTextScanner::kMaxTokenLength));
    for (char& c : out) {
      if (static_cast<signed char>(c) < 33 ||
          std::string_view("()<>[]{}/%").find(c) != std::string_view::npos)
        c = '_';
    }
    return out;
  }

  // Balanced parentheses and other bytes stand as they are, which the reader keeps; an
  // unmatched parenthesis or a line end is written as an octal escape, so that it can neither
  // end the string early nor swallow what follows. The string stops where the reader's would.
  static std::string stringText(std::string_view text) {
    std::vector<bool> matched(text.size(), false);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '(') {
        open.push_back(i);
      } else if (text[i] == ')' && !open.empty()) {
        matched[open.back()] = matched[i] = true;
        open.pop_back();
      }
    }
    std::string out = "(";
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      const bool escaped = ((c == '(' || c == ')') && !matched[i]) || c == '\r' || c == '\n';
      if (out.size() - 1 + (escaped ? 4 : 1) > ResourceTextScanner::kMaxTokenLength) break;
      if (escaped) {
        const auto byte = static_cast<unsigned char>(c);
        out += '\\';
        out += static_cast<char>('0' + (byte >> 6));
        out += static_cast<char>('0' + ((byte >> 3) & 7));
        out += static_cast<char>('0' + (byte & 7));
      } else {
        out += c;
      }
    }
    out += ')';
    return out;
  }

  // The shortest text that reads back to the same value. The reader's reals take no "+", so
  // an exponent is written without one.
  static std::string realText(double value) {
    if (!std::isfinite(value)) return "0";
    std::array<char, 40> buffer;
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    std::string out(buffer.data(), end);
    std::erase(out, '+');
    return out;
  }

  const CCodeMap& cmap_;
  std::string out_;
  std::array<bool, 256> usedRows_{};
  bool oneByte_ = true;
};

}  // namespace

std::string CMapResourceText(const CCodeMap& cmap) {
  return Writer(cmap).text();
}

namespace {

// What a literal name can hold: no separators, no delimiters, no more than a token.
bool writableName(std::string_view name) {
  if (name.size() > ResourceTextScanner::kMaxTokenLength) return false;
  for (char c : name)
    if (static_cast<signed char>(c) < 33 ||
        std::string_view("()<>[]{}/%").find(c) != std::string_view::npos)
      return false;
  return true;
}

// What a string reads back as it stands: the reader interprets no escapes, turns line ends
// into two characters, keeps nested parentheses only when they are balanced, and trims.
bool writableString(std::string_view text) {
  if (text.size() > ResourceTextScanner::kMaxTokenLength) return false;
  if (trimOwnedText(text) != text) return false;
  int depth = 0;
  for (char c : text) {
    if (c == '\r' || c == '\n') return false;
    if (c == '(') ++depth;
    if (c == ')' && --depth < 0) return false;
  }
  return depth == 0;
}

}  // namespace

std::string_view unwritableHeaderField(const CCodeMap& cmap) {
  if (!writableName(cmap.cmapName)) return "CMapName";
  if (!writableString(cmap.registry)) return "Registry";
  if (!writableString(cmap.ordering)) return "Ordering";
  if (!writableName(cmap.baseName)) return "base CMap name";
  return {};
}

bool CCodeMap::Save(const std::filesystem::path& path) {
  if (ordering.empty()) {
    status = kCMapNoOrdering;
    return false;
  }
  if (!unwritableHeaderField(*this).empty()) {
    status = kCMapUnwritable;
    return false;
  }
  if (!writeFileAtomically(path, CMapResourceText(*this))) {
    status = kCMapWriteFailed;
    return false;
  }
  status = kCMapOk;
  return true;
}

}  // namespace sorvella
