#include "truetype/tt_header_tables.h"

#include "truetype/tt_stream.h"

namespace sorvella {

namespace {

int16_t s16(ByteReader& in) {
  return asSigned(in.get16be());
}

int64_t s64(ByteReader& in) {
  uint64_t high = in.get32be();
  uint64_t low = in.get32be();
  return static_cast<int64_t>(high << 32 | low);
}

}  // namespace

void headTABLE::readBody(std::span<const uint8_t> body) {
  if (body.size() < kSize) fail(TTError::kDamaged);
  ByteReader in(body);
  TTHeadFields& f = fields_;
  f.version = in.get32be();
  f.fontRevision = in.get32be();
  f.checkSumAdjustment = in.get32be();
  f.magicNumber = in.get32be();
  f.flags = in.get16be();
  f.unitsPerEm = in.get16be();
  f.created = s64(in);
  f.modified = s64(in);
  f.xMin = s16(in);
  f.yMin = s16(in);
  f.xMax = s16(in);
  f.yMax = s16(in);
  f.macStyle = in.get16be();
  f.lowestRecPPEM = in.get16be();
  f.fontDirectionHint = s16(in);
  f.indexToLocFormat = s16(in);
  f.glyphDataFormat = s16(in);
}

void TTMetricsHeaderTable::readBody(std::span<const uint8_t> body) {
  if (body.size() < kSize) fail(TTError::kDamaged);
  ByteReader in(body);
  TTMetricsHeaderFields& f = fields_;
  f.version = in.get32be();
  f.ascender = s16(in);
  f.descender = s16(in);
  f.lineGap = s16(in);
  f.advanceWidthMax = in.get16be();
  f.minLeftSideBearing = s16(in);
  f.minRightSideBearing = s16(in);
  f.xMaxExtent = s16(in);
  f.caretSlopeRise = s16(in);
  f.caretSlopeRun = s16(in);
  f.caretOffset = s16(in);
  in.skip(8);  // reserved
  f.metricDataFormat = s16(in);
  f.numberOfMetrics = in.get16be();
}

void maxpTABLE::readBody(std::span<const uint8_t> body) {
  ByteReader in(body);
  TTMaxpFields& f = fields_;
  f.version = in.get32be();
  f.numGlyphs = in.get16be();
  if (in.overran()) fail(TTError::kDamaged);
  if (f.version < 0x00010000) return;
  for (uint16_t* field : {&f.maxPoints, &f.maxContours, &f.maxCompositePoints,
                          &f.maxCompositeContours, &f.maxZones, &f.maxTwilightPoints, &f.maxStorage,
                          &f.maxFunctionDefs, &f.maxInstructionDefs, &f.maxStackElements,
                          &f.maxSizeOfInstructions, &f.maxComponentElements, &f.maxComponentDepth})
    *field = in.get16be();
  if (in.overran()) fail(TTError::kDamaged);
}

void OS2TABLE::readBody(std::span<const uint8_t> body) {
  if (body.size() < kMinimumSize) fail(TTError::kDamaged);
  ByteReader in(body);
  TTOS2Fields& f = fields_;
  f.version = in.get16be();
  f.xAvgCharWidth = s16(in);
  f.usWeightClass = in.get16be();
  f.usWidthClass = in.get16be();
  f.fsType = in.get16be();
  in.skip(2 * 11);  // subscript, superscript and strikeout sizes and offsets, family class
  in.getBytes(f.panose.data(), f.panose.size());
  in.skip(16);  // ulUnicodeRange1..4
  in.getBytes(reinterpret_cast<uint8_t*>(f.achVendID.data()), f.achVendID.size());
  f.fsSelection = in.get16be();
  f.usFirstCharIndex = in.get16be();
  f.usLastCharIndex = in.get16be();
  if (body.size() < 78) return;
  f.sTypoAscender = s16(in);
  f.sTypoDescender = s16(in);
  f.sTypoLineGap = s16(in);
  f.usWinAscent = in.get16be();
  f.usWinDescent = in.get16be();
}

}  // namespace sorvella
