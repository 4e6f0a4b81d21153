#include "postscript/private_dict_keys.h"

#include <algorithm>
#include <array>

#include "postscript/ps_font_reader.h"
#include "postscript/ps_keyword_table.h"

namespace sorvella {
namespace {

// Room the array readers are given; no Private value holds more.
constexpr std::size_t kIntegerRoom = 72;

std::span<int32_t> blueValues(PerMasterBlock& b) {
  return b.blueValues;
}
std::span<int32_t> otherBlues(PerMasterBlock& b) {
  return b.otherBlues;
}
std::span<int32_t> familyBlues(PerMasterBlock& b) {
  return b.familyBlues;
}
std::span<int32_t> familyOtherBlues(PerMasterBlock& b) {
  return b.familyOtherBlues;
}
std::span<int32_t> stemSnapH(PerMasterBlock& b) {
  return b.stemSnapH;
}
std::span<int32_t> stemSnapV(PerMasterBlock& b) {
  return b.stemSnapV;
}

using Kind = PrivateValueKind;

constexpr PrivateDictKey kKeys[] = {
    {.keyword = kPSBlueValues,
     .kind = Kind::kZoneList,
     .list = blueValues,
     .count = &ZoneCounts::blueValues},
    {.keyword = kPSOtherBlues,
     .kind = Kind::kZoneList,
     .list = otherBlues,
     .count = &ZoneCounts::otherBlues},
    {.keyword = kPSFamilyBlues,
     .kind = Kind::kZoneList,
     .list = familyBlues,
     .count = &ZoneCounts::familyBlues},
    {.keyword = kPSFamilyOtherBlues,
     .kind = Kind::kZoneList,
     .list = familyOtherBlues,
     .count = &ZoneCounts::familyOtherBlues},
    {.keyword = kPSStemSnapH,
     .kind = Kind::kZoneList,
     .list = stemSnapH,
     .count = &ZoneCounts::stemSnapH},
    {.keyword = kPSStemSnapV,
     .kind = Kind::kZoneList,
     .list = stemSnapV,
     .count = &ZoneCounts::stemSnapV},
    {.keyword = kPSStdHW, .kind = Kind::kStemWidth, .integer = &PerMasterBlock::stdHW},
    {.keyword = kPSStdVW, .kind = Kind::kStemWidth, .integer = &PerMasterBlock::stdVW},
    {.keyword = kPSBlueShift, .kind = Kind::kInteger, .integer = &PerMasterBlock::blueShift},
    {.keyword = kPSBlueFuzz, .kind = Kind::kInteger, .integer = &PerMasterBlock::blueFuzz},
    {.keyword = kPSBlueScale, .kind = Kind::kReal, .real = &PerMasterBlock::blueScale},
    {.keyword = kPSForceBold, .kind = Kind::kBoolean, .integer = &PerMasterBlock::forceBold},
};

}  // namespace

const PrivateDictKey* findPrivateDictKey(int keyword) {
  const auto* found =
      std::find_if(std::begin(kKeys), std::end(kKeys),
                   [keyword](const PrivateDictKey& k) { return k.keyword == keyword; });
  return found == std::end(kKeys) ? nullptr : found;
}

void readPrivateValue(PSFontReader& in, const PrivateDictKey& key,
                      std::span<PerMasterBlock* const> masters, ZoneCounts& counts) {
  switch (key.kind) {
    case Kind::kZoneList:
    case Kind::kStemWidth: {
      std::array<int32_t, kIntegerRoom> values{};
      PSArrayShape shape;
      in.readIntegerArray(values, shape);
      if (masters.empty()) return;
      if (key.kind == Kind::kStemWidth) {
        if (shape.stored > 0)
          for (PerMasterBlock* m : masters) m->*key.integer = values[0];
        return;
      }
      const std::size_t n = std::min(shape.stored, key.list(*masters.front()).size());
      for (PerMasterBlock* m : masters) std::copy_n(values.begin(), n, key.list(*m).begin());
      counts.*key.count = static_cast<uint16_t>(n);
      return;
    }
    case Kind::kInteger: {
      const int32_t value = in.readInteger();
      for (PerMasterBlock* m : masters) m->*key.integer = value;
      return;
    }
    case Kind::kReal: {
      const double value = in.readReal();
      for (PerMasterBlock* m : masters) m->*key.real = value;
      return;
    }
    case Kind::kBoolean: {
      const int32_t value = in.readBoolean() ? 1 : 0;
      for (PerMasterBlock* m : masters) m->*key.integer = value;
      return;
    }
  }
}

}  // namespace sorvella
