// The Multiple Master keys of a Type 1 font: the masters' design positions, the axis types
// and design maps, and the weight vector.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "postscript/type1_font_parser.h"

namespace sorvella {
namespace {

constexpr std::size_t kIntegerRoom = 72;
constexpr std::size_t kRealRoom = 24;

}  // namespace

void Type1FontParser::readDesignPositions() {
  std::array<int32_t, kIntegerRoom> values{};
  PSArrayShape shape;
  in_.readIntegerArray(values, shape);
  const int masters = std::min<int>(shape.counts[0], SubsetFont::kMaxMasters);
  const int axes = shape.counts[1];
  if (masters > 0 && axes > 0) {
    const int before = font_->masterCount();
    font_->setMasterCount(masters);
    // Values read before the masters were known hold for the new ones too.
    for (int m = before; m < masters; ++m)
      font_->master(m).privateValues = font_->master(0).privateValues;
    type1Facts_.axisCount = axes;
    type1Facts_.designPositions.assign(static_cast<std::size_t>(masters),
                                       std::vector<double>(static_cast<std::size_t>(axes)));
    for (int m = 0; m < masters; ++m)
      for (int a = 0; a < axes; ++a) {
        const auto at = static_cast<std::size_t>(m * axes + a);
        type1Facts_.designPositions[static_cast<std::size_t>(m)][static_cast<std::size_t>(a)] =
            at < shape.stored ? values[at] : 0;
      }
  }
  in_.skipTo("def");
}

void Type1FontParser::readDesignMap() {
  std::string token;
  if (!in_.nextToken(token) || token != "[") {
    in_.raiseStatus(PSFontStatus::kBracketExpected);
    return;
  }
  if (type1Facts_.axisCount == 0) {
    in_.raiseStatus(PSFontStatus::kAxesUnknown);
    return;
  }
  std::vector<std::vector<DesignMapPoint>> maps;
  for (int a = 0; a < type1Facts_.axisCount; ++a) {
    std::array<double, kRealRoom> values{};
    PSArrayShape shape;
    if (!in_.readRealArray(values, shape)) return;
    const std::size_t pairs = shape.counts[0];
    if (shape.counts[1] != 2 || shape.counts[2] != 0 || shape.values != 2 * pairs) {
      in_.raiseStatus(PSFontStatus::kDesignMapNotPairs);
      return;
    }
    std::vector<DesignMapPoint>& map = maps.emplace_back();
    for (std::size_t p = 0; p < pairs && 2 * p + 1 < shape.stored; ++p)
      map.push_back({values[2 * p], values[2 * p + 1]});
  }
  type1Facts_.designMaps = std::move(maps);
  in_.skipTo("def");
}

void Type1FontParser::readAxisTypes() {
  std::string token;
  if (!in_.nextToken(token) || token != "[") {
    in_.raiseStatus(PSFontStatus::kBracketExpected);
    return;
  }
  std::vector<std::string> names;
  while (in_.nextToken(token) && token != "]")
    if (token[0] == '/' && names.size() < DesignAxes::kMaxAxes) names.push_back(token.substr(1));
  font_->axes().setNames(names);
  type1Facts_.axisTypes = std::move(names);
  in_.skipTo("def");
}

void Type1FontParser::readWeightVector() {
  std::array<double, kRealRoom> values{};
  PSArrayShape shape;
  in_.readRealArray(values, shape);
  type1Facts_.weightVector.assign(values.begin(),
                                  values.begin() + static_cast<std::ptrdiff_t>(shape.stored));
  for (int m = 0; m < font_->masterCount() && static_cast<std::size_t>(m) < shape.stored; ++m)
    font_->master(m).weight = values[static_cast<std::size_t>(m)];
  in_.skipTo("def");
}

}  // namespace sorvella
