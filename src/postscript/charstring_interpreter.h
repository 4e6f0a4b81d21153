// The Type 1 charstring interpreter: turns one decrypted charstring (with its subroutines)
// into a glyph with outline, advance, stem hints and hint replacement, for every master.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "glyph/glyph.h"

namespace sorvella {

enum class CharstringStatus : int {
  kOk = 0,
  kStackOverflow = 5,
  kTooFewOperands = 6,
  kUndefinedSubroutine = 7,
  kDivisionByZero = 8,
  kTooComplex = 9,  // subroutines nested too deep or endless work
  kBadBlend = 16,
};

// What a charstring tells about its glyph beyond the glyph itself: the side bearing from
// hsbw/sbw and, for seac, the accented-character data (codes of the standard encoding).
struct CharstringGlyphRecord {
  std::vector<int16_t> sideBearing;  // per master
  bool accented = false;
  uint16_t baseCode = 0;
  uint16_t accentCode = 0;
  std::vector<int16_t> accentX;             // adx per master
  std::vector<int16_t> accentY;             // ady per master
  std::vector<int16_t> accentSideBearing;  // asb per master
};

class CharstringInterpreter {
 public:
  static constexpr int kStackSize = 24;
  static constexpr int kMaxSubroutineDepth = 10;
  static constexpr int kMaxMasters = 16;

  // The decrypted data of subroutine `number` (lead-in bytes included), or nothing.
  using SubroutineLookup = std::function<std::optional<std::span<const uint8_t>>(int32_t number)>;

  CharstringInterpreter(int masterCount, int lenIV, SubroutineLookup subroutines);

  // Interprets one decrypted charstring. `allowSeac` is off for CID charstrings. Returns the
  // glyph, or nothing when the status is set; `record` receives side bearing and seac data.
  std::optional<Glyph> interpret(std::span<const uint8_t> charstring, bool allowSeac,
                                 CharstringGlyphRecord* record = nullptr);

  CharstringStatus status() const { return status_; }

 private:
  using Values = std::array<double, kMaxMasters>;

  void run(std::span<const uint8_t> data, int depth);
  bool push(double v);
  bool need(int n);
  const Values& arg(int i) const { return stack_[static_cast<std::size_t>(i)]; }
  void clearStack() { depth_ = 0; }
  void operate(int op, int depth);
  void escape(int op);
  void otherSubroutine();
  void addStem(bool horizontal, const Values& position, const Values& width);
  void moveBy(const Values& dx, const Values& dy);
  void lineBy(const Values& dx, const Values& dy);
  void curveBy(const Values& dx1, const Values& dy1, const Values& dx2, const Values& dy2,
               const Values& dx3, const Values& dy3);
  Point pointOf(int master) const;
  void appendNode(uint8_t type, const std::vector<Point>& points);
  void finishGlyph();

  int masters_;
  int lenIV_;
  SubroutineLookup subroutines_;
  CharstringStatus status_ = CharstringStatus::kOk;
  bool allowSeac_ = true;
  bool ended_ = false;
  long work_ = 0;

  std::array<Values, kStackSize> stack_{};
  int depth_ = 0;
  Values x_{}, y_{};    // current point per master
  Values sbx_{}, sby_{};
  bool inFlex_ = false;
  int flexCalls_ = 0;
  std::vector<std::array<Point, kMaxMasters>> flexPoints_;

  Glyph glyph_;
  std::vector<HintReplacementEntry> program_;
  int replacementPoints_ = 0;
  CharstringGlyphRecord record_;
};

}  // namespace sorvella
