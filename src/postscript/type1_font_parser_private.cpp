// The hinting values of a Type 1 Private dictionary: one value for every master, or, inside
// the Private Blend dictionary of a Multiple Master font, one element per master.
#include <algorithm>
#include <array>
#include <vector>

#include "postscript/type1_font_parser.h"

namespace sorvella {
namespace {

// Room the typed readers are given; the font's lists never need more.
constexpr std::size_t kIntegerRoom = 72;
constexpr std::size_t kRealRoom = 24;

}  // namespace

// A plain value reaches a master unless the Blend dictionary already gave it its own.
bool Type1FontParser::writesMaster(int keyword) const {
  return insideBlend_ || !blendedKeys_.test(static_cast<std::size_t>(keyword));
}

void Type1FontParser::readType1PrivateValue(const PrivateDictKey& key) {
  if (insideBlend_) {
    if (!readBlendedPrivateValue(key)) return;
  } else {
    std::vector<PerMasterBlock*> masters;
    if (writesMaster(key.keyword))
      for (int m = 0; m < font_->masterCount(); ++m)
        masters.push_back(&font_->master(m).privateValues);
    readPrivateValue(in_, key, masters, font_->info().zoneCounts);
  }
  in_.skipDefinition();
}

// False, with status kWrongMasterCount, when the value has not one element per master.
bool Type1FontParser::readBlendedPrivateValue(const PrivateDictKey& key) {
  const int masters = font_->masterCount();
  const auto perMaster = [masters](const PSArrayShape& shape, std::size_t inner) {
    return shape.counts[0] == masters && shape.values == inner * static_cast<std::size_t>(masters);
  };
  switch (key.kind) {
    case PrivateValueKind::kZoneList: {
      std::array<int32_t, kIntegerRoom> values{};
      PSArrayShape shape;
      in_.readIntegerArray(values, shape);
      const std::size_t inner = shape.counts[1];
      if (!perMaster(shape, inner)) break;
      for (int m = 0; m < masters; ++m) {
        std::span<int32_t> list = key.list(font_->master(m).privateValues);
        const std::size_t first = static_cast<std::size_t>(m) * inner;
        for (std::size_t i = 0; i < std::min(inner, list.size()); ++i)
          list[i] = first + i < shape.stored ? values[first + i] : 0;
      }
      font_->info().zoneCounts.*key.count =
          static_cast<uint16_t>(std::min(inner, key.list(font_->master(0).privateValues).size()));
      blendedKeys_.set(static_cast<std::size_t>(key.keyword));
      return true;
    }
    case PrivateValueKind::kStemWidth: {
      // [[w0] [w1] ...]: the first value of each inner array.
      std::array<int32_t, kIntegerRoom> values{};
      PSArrayShape shape;
      in_.readIntegerArray(values, shape);
      const std::size_t inner = std::max<std::size_t>(shape.counts[1], 1);
      if (!perMaster(shape, inner)) break;
      for (int m = 0; m < masters; ++m) {
        const std::size_t at = static_cast<std::size_t>(m) * inner;
        font_->master(m).privateValues.*key.integer = at < shape.stored ? values[at] : 0;
      }
      blendedKeys_.set(static_cast<std::size_t>(key.keyword));
      return true;
    }
    case PrivateValueKind::kInteger: {
      std::array<int32_t, kIntegerRoom> values{};
      PSArrayShape shape;
      in_.readIntegerArray(values, shape);
      if (!perMaster(shape, 1)) break;
      for (int m = 0; m < masters; ++m)
        font_->master(m).privateValues.*key.integer = values[static_cast<std::size_t>(m)];
      blendedKeys_.set(static_cast<std::size_t>(key.keyword));
      return true;
    }
    case PrivateValueKind::kReal: {
      std::array<double, kRealRoom> values{};
      PSArrayShape shape;
      in_.readRealArray(values, shape);
      if (!perMaster(shape, 1)) break;
      for (int m = 0; m < masters; ++m)
        font_->master(m).privateValues.*key.real = values[static_cast<std::size_t>(m)];
      blendedKeys_.set(static_cast<std::size_t>(key.keyword));
      return true;
    }
    case PrivateValueKind::kBoolean:
      in_.skipTo("[");
      for (int m = 0; m < masters && !in_.failed(); ++m)
        font_->master(m).privateValues.*key.integer = in_.readBoolean() ? 1 : 0;
      blendedKeys_.set(static_cast<std::size_t>(key.keyword));
      return true;
  }
  in_.raiseStatus(PSFontStatus::kWrongMasterCount);
  return false;
}

}  // namespace sorvella
