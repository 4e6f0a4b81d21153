// The fixed-layout tables of a TrueType font: font header, horizontal and vertical headers,
// maximum profile and the OS/2 metrics, each with the fields the TrueType format defines.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "truetype/tt_table.h"

namespace sorvella {

struct TTHeadFields {
  uint32_t version = 0;
  uint32_t fontRevision = 0;
  uint32_t checkSumAdjustment = 0;
  uint32_t magicNumber = 0;
  uint16_t flags = 0;
  uint16_t unitsPerEm = 0;
  int64_t created = 0;
  int64_t modified = 0;
  int16_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  uint16_t macStyle = 0;
  uint16_t lowestRecPPEM = 0;
  int16_t fontDirectionHint = 0;
  int16_t indexToLocFormat = 0;
  int16_t glyphDataFormat = 0;
};

class headTABLE : public TTF_TABLE {
 public:
  static constexpr TTTableKind kKind = TTTableKind::kHead;
  static constexpr uint32_t kSize = 54;
  using TTF_TABLE::TTF_TABLE;
  const TTHeadFields& fields() const { return fields_; }

 protected:
  void readBody(std::span<const uint8_t> body) override;

 private:
  TTHeadFields fields_;
};

// The layout shared by `hhea` and `vhea`; the names are those of `hhea`.
struct TTMetricsHeaderFields {
  uint32_t version = 0;
  int16_t ascender = 0;
  int16_t descender = 0;
  int16_t lineGap = 0;
  uint16_t advanceWidthMax = 0;
  int16_t minLeftSideBearing = 0;
  int16_t minRightSideBearing = 0;
  int16_t xMaxExtent = 0;
  int16_t caretSlopeRise = 0;
  int16_t caretSlopeRun = 0;
  int16_t caretOffset = 0;
  int16_t metricDataFormat = 0;
  uint16_t numberOfMetrics = 0;  // numberOfHMetrics, numOfLongVerMetrics
};

class TTMetricsHeaderTable : public TTF_TABLE {
 public:
  static constexpr uint32_t kSize = 36;
  using TTF_TABLE::TTF_TABLE;
  const TTMetricsHeaderFields& fields() const { return fields_; }

 protected:
  void readBody(std::span<const uint8_t> body) override;

 private:
  TTMetricsHeaderFields fields_;
};

class hheaTABLE : public TTMetricsHeaderTable {
 public:
  static constexpr TTTableKind kKind = TTTableKind::kHhea;
  using TTMetricsHeaderTable::TTMetricsHeaderTable;
};

class vheaTABLE : public TTMetricsHeaderTable {
 public:
  static constexpr TTTableKind kKind = TTTableKind::kVhea;
  using TTMetricsHeaderTable::TTMetricsHeaderTable;
};

struct TTMaxpFields {
  uint32_t version = 0;
  uint16_t numGlyphs = 0;
  // Version 1.0 only.
  uint16_t maxPoints = 0, maxContours = 0, maxCompositePoints = 0, maxCompositeContours = 0,
           maxZones = 0, maxTwilightPoints = 0, maxStorage = 0, maxFunctionDefs = 0,
           maxInstructionDefs = 0, maxStackElements = 0, maxSizeOfInstructions = 0,
           maxComponentElements = 0, maxComponentDepth = 0;
};

class maxpTABLE : public TTF_TABLE {
 public:
  static constexpr TTTableKind kKind = TTTableKind::kMaxp;
  using TTF_TABLE::TTF_TABLE;
  const TTMaxpFields& fields() const { return fields_; }

 protected:
  void readBody(std::span<const uint8_t> body) override;

 private:
  TTMaxpFields fields_;
};

struct TTOS2Fields {
  uint16_t version = 0;
  int16_t xAvgCharWidth = 0;
  uint16_t usWeightClass = 0;
  uint16_t usWidthClass = 0;
  uint16_t fsType = 0;
  std::array<uint8_t, 10> panose{};
  std::array<char, 4> achVendID{};
  uint16_t fsSelection = 0;
  uint16_t usFirstCharIndex = 0;
  uint16_t usLastCharIndex = 0;
  // From the 78-byte form on.
  int16_t sTypoAscender = 0, sTypoDescender = 0, sTypoLineGap = 0;
  uint16_t usWinAscent = 0, usWinDescent = 0;
};

class OS2TABLE : public TTF_TABLE {
 public:
  static constexpr TTTableKind kKind = TTTableKind::kOS2;
  // The first form, up to usLastCharIndex; shorter tables are damaged.
  static constexpr uint32_t kMinimumSize = 68;
  using TTF_TABLE::TTF_TABLE;
  const TTOS2Fields& fields() const { return fields_; }
  // The four characters of achVendID.
  std::string vendor() const { return std::string(fields_.achVendID.data(), 4); }

 protected:
  void readBody(std::span<const uint8_t> body) override;

 private:
  TTOS2Fields fields_;
};

}  // namespace sorvella
