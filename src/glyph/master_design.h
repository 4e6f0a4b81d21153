// The masters and design axes of a subset font: per master its blend weight, name, design
// data and Private values; the axis names and the design data of multiple-master fonts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "glyph/per_master_block.h"

namespace sorvella {

class FontMaster {
 public:
  static constexpr std::size_t kMaxNameLength = 39;

  // Stored cut to 39 bytes and trimmed; empty means absent.
  const std::string& name() const { return name_; }
  void setName(std::string_view name);

  double weight = 1.0;  // blend weight
  PerMasterBlock privateValues;
  // Design data of the master whose layout is not known (record 1505); carried as it is.
  std::array<uint8_t, 36> designData{};

  friend bool operator==(const FontMaster&, const FontMaster&) = default;

 private:
  std::string name_;
};

// Design data whose layout is not known, carried from reader to writer as it is.
class DesignAxes {
 public:
  static constexpr std::size_t kMaxAxes = 0xFFFF;  // the count is stored in 16 bits

  // Texts stored trimmed, at most kMaxAxes of them.
  const std::vector<std::string>& names() const { return names_; }
  void setNames(std::span<const std::string> names);

  std::array<uint8_t, 16> header{};              // record 1515
  std::array<uint8_t, 640> table{};              // record 1516
  std::vector<std::array<uint8_t, 32>> entries;  // record 1247

  friend bool operator==(const DesignAxes&, const DesignAxes&) = default;

 private:
  std::vector<std::string> names_;
};

}  // namespace sorvella
