#include "postscript/private_dict_text.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "postscript/postscript_text.h"

namespace sorvella {

namespace {

template <std::size_t N>
std::string arrayText(const std::array<int32_t, N>& values, uint16_t count) {
  std::string out = "[";
  const std::size_t n = std::min<std::size_t>(count, N);
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0) out += ' ';
    out += std::to_string(values[i]);
  }
  return out + "]";
}

}  // namespace

std::string privateDictEntries(const PerMasterBlock& v, const ZoneCounts& counts, const char* eol) {
  std::string out;
  auto line = [&](const char* key, const std::string& value) {
    out += std::string("/") + key + " " + value + " def" + eol;
  };
  line("BlueValues", arrayText(v.blueValues, counts.blueValues));
  if (counts.otherBlues > 0) line("OtherBlues", arrayText(v.otherBlues, counts.otherBlues));
  if (counts.familyBlues > 0) line("FamilyBlues", arrayText(v.familyBlues, counts.familyBlues));
  if (counts.familyOtherBlues > 0)
    line("FamilyOtherBlues", arrayText(v.familyOtherBlues, counts.familyOtherBlues));
  line("BlueScale", psReal(v.blueScale));
  line("BlueShift", std::to_string(v.blueShift));
  line("BlueFuzz", std::to_string(v.blueFuzz));
  if (v.stdHW > 0) line("StdHW", "[" + std::to_string(v.stdHW) + "]");
  if (v.stdVW > 0) line("StdVW", "[" + std::to_string(v.stdVW) + "]");
  if (counts.stemSnapH > 0) line("StemSnapH", arrayText(v.stemSnapH, counts.stemSnapH));
  if (counts.stemSnapV > 0) line("StemSnapV", arrayText(v.stemSnapV, counts.stemSnapV));
  line("ForceBold", v.forceBold != 0 ? "true" : "false");
  return out;
}

std::string fontMatrixText(const PerMasterBlock& v) {
  std::array<double, 6> m = v.fontMatrix;
  const double determinant = m[0] * m[3] - m[1] * m[2];
  // A matrix that cannot be inverted would make the font unusable.
  if (!std::isfinite(determinant) || determinant == 0 || !std::isfinite(m[4]) ||
      !std::isfinite(m[5]))
    m = PerMasterBlock{}.fontMatrix;
  std::string out = "[";
  for (std::size_t i = 0; i < m.size(); ++i) {
    if (i > 0) out += ' ';
    out += psReal(m[i]);
  }
  return out + "]";
}

}  // namespace sorvella
