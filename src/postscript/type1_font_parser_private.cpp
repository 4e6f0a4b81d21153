// The hinting values of a Type 1 Private dictionary: one value for every master, or, inside
// the Private Blend dictionary of a Multiple Master font, one element per master.
#include <algorithm>
#include <array>

#include "postscript/ps_font_reader.h"

namespace sorvella {
namespace {

// Room the typed readers are given; the font's lists never need more.
constexpr std::size_t kIntegerRoom = 72;
constexpr std::size_t kRealRoom = 24;

}  // namespace

// A plain value reaches a master unless the Blend dictionary already gave it its own.
bool PSFontReader::writesMaster(int keyword) const {
  return insideBlend_ || !blendedKeys_.test(static_cast<std::size_t>(keyword));
}

void PSFontReader::readType1ZoneList(int keyword, std::span<int32_t> (*field)(PerMasterBlock&),
                                     uint16_t ZoneCounts::*count) {
  std::array<int32_t, kIntegerRoom> values{};
  PSArrayShape shape;
  readIntegerArray(values, shape);
  const int masters = font_->masterCount();
  if (insideBlend_) {
    const std::size_t inner = shape.counts[1];
    if (shape.counts[0] != masters || shape.values != inner * static_cast<std::size_t>(masters)) {
      raiseStatus(PSFontStatus::kWrongMasterCount);
      return;
    }
    for (int m = 0; m < masters; ++m) {
      std::span<int32_t> list = field(font_->master(m).privateValues);
      const std::size_t first = static_cast<std::size_t>(m) * inner;
      for (std::size_t i = 0; i < std::min(inner, list.size()); ++i)
        list[i] = first + i < shape.stored ? values[first + i] : 0;
    }
    font_->info().zoneCounts.*count =
        static_cast<uint16_t>(std::min(inner, field(font_->master(0).privateValues).size()));
    blendedKeys_.set(static_cast<std::size_t>(keyword));
  } else if (writesMaster(keyword)) {
    const std::size_t n = std::min(shape.stored, field(font_->master(0).privateValues).size());
    for (int m = 0; m < masters; ++m)
      std::copy_n(values.begin(), n, field(font_->master(m).privateValues).begin());
    font_->info().zoneCounts.*count = static_cast<uint16_t>(n);
  }
  skipDefinition();
}

void PSFontReader::readType1StemWidth(int keyword, int32_t PerMasterBlock::*field) {
  std::array<int32_t, kIntegerRoom> values{};
  PSArrayShape shape;
  readIntegerArray(values, shape);
  const int masters = font_->masterCount();
  if (insideBlend_) {
    // [[w0] [w1] ...]: the first value of each inner array.
    const std::size_t inner = std::max<std::size_t>(shape.counts[1], 1);
    if (shape.counts[0] != masters || shape.values != inner * static_cast<std::size_t>(masters)) {
      raiseStatus(PSFontStatus::kWrongMasterCount);
      return;
    }
    for (int m = 0; m < masters; ++m) {
      const std::size_t at = static_cast<std::size_t>(m) * inner;
      font_->master(m).privateValues.*field = at < shape.stored ? values[at] : 0;
    }
    blendedKeys_.set(static_cast<std::size_t>(keyword));
  } else if (writesMaster(keyword) && shape.stored > 0) {
    for (int m = 0; m < masters; ++m) font_->master(m).privateValues.*field = values[0];
  }
  skipDefinition();
}

void PSFontReader::readType1IntegerValue(int keyword, int32_t PerMasterBlock::*field) {
  const int masters = font_->masterCount();
  if (insideBlend_) {
    std::array<int32_t, kIntegerRoom> values{};
    PSArrayShape shape;
    readIntegerArray(values, shape);
    if (shape.counts[0] != masters || shape.values != static_cast<std::size_t>(masters)) {
      raiseStatus(PSFontStatus::kWrongMasterCount);
      return;
    }
    for (int m = 0; m < masters; ++m)
      font_->master(m).privateValues.*field = values[static_cast<std::size_t>(m)];
    blendedKeys_.set(static_cast<std::size_t>(keyword));
  } else {
    const int32_t value = readInteger();
    if (writesMaster(keyword))
      for (int m = 0; m < masters; ++m) font_->master(m).privateValues.*field = value;
  }
  skipDefinition();
}

void PSFontReader::readType1BlueScale() {
  const int masters = font_->masterCount();
  if (insideBlend_) {
    std::array<double, kRealRoom> values{};
    PSArrayShape shape;
    readRealArray(values, shape);
    if (shape.counts[0] != masters || shape.values != static_cast<std::size_t>(masters)) {
      raiseStatus(PSFontStatus::kWrongMasterCount);
      return;
    }
    for (int m = 0; m < masters; ++m)
      font_->master(m).privateValues.blueScale = values[static_cast<std::size_t>(m)];
    blendedKeys_.set(kPSBlueScale);
  } else {
    const double value = readReal();
    if (writesMaster(kPSBlueScale))
      for (int m = 0; m < masters; ++m) font_->master(m).privateValues.blueScale = value;
  }
  skipDefinition();
}

void PSFontReader::readType1ForceBold() {
  const int masters = font_->masterCount();
  if (insideBlend_) {
    skipTo("[");
    for (int m = 0; m < masters && !failed_; ++m)
      font_->master(m).privateValues.forceBold = readBoolean() ? 1 : 0;
    blendedKeys_.set(kPSForceBold);
  } else {
    const int32_t value = readBoolean() ? 1 : 0;
    if (writesMaster(kPSForceBold))
      for (int m = 0; m < masters; ++m) font_->master(m).privateValues.forceBold = value;
  }
  skipDefinition();
}

}  // namespace sorvella
