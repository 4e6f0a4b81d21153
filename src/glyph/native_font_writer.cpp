#include "glyph/native_font_writer.h"

#include <array>
#include <bit>
#include <span>

#include "glyph/extra_metrics.h"
#include "glyph/glyph_record.h"
#include "glyph/native_font_records.h"

namespace sorvella {

namespace {

namespace tag = native_tag;

class Writer {
 public:
  bool ok() const { return ok_; }
  std::vector<uint8_t> take() { return out_.take(); }
  ByteWriter& raw() { return out_; }

  void record(uint16_t t, std::span<const uint8_t> data) {
    ok_ = writeNativeRecord(out_, t, data) && ok_;
  }
  void text(uint16_t t, std::string_view data) { ok_ = writeNativeRecord(out_, t, data) && ok_; }
  void empty(uint16_t t) { record(t, {}); }
  void u16(uint16_t t, uint16_t v) {
    std::array<uint8_t, 2> b = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)};
    record(t, b);
  }
  void u32(uint16_t t, uint32_t v) {
    ByteWriter w;
    w.put32le(v);
    record(t, w.bytes());
  }
  void f64(uint16_t t, double v) {
    ByteWriter w;
    w.put64le(std::bit_cast<uint64_t>(v));
    record(t, w.bytes());
  }

 private:
  ByteWriter out_;
  bool ok_ = true;
};

void writeEncodingGroup(Writer& w, const SubsetFontEncoding& encoding) {
  w.empty(tag::kEncodingGroup);
  auto names = [&](uint16_t t, const SubsetFontEncoding::Names& list, bool glyphNames) {
    for (int code = 0; code < SubsetFontEncoding::kSize; ++code) {
      const std::string& name = list[static_cast<std::size_t>(code)];
      if (glyphNames ? !encoding.hasGlyphName(code) : name.empty()) continue;
      ByteWriter data;
      data.put16le(static_cast<uint16_t>(code));
      data.putBytes(name);
      w.record(t, data.bytes());
    }
  };
  names(tag::kCustomName, encoding.customNames, false);
  names(tag::kGlyphName, encoding.glyphNames, true);
  w.u16(tag::kEncodingNumber, static_cast<uint16_t>(encoding.number));
  w.empty(tag::kEncodingGroup + tag::kGroupEndOffset);
}

void writeInfoGroup(Writer& w, const SubsetFont& font, bool full) {
  const SubsetFontInfo& info = font.info();
  w.empty(tag::kInfoGroup);
  w.text(tag::kFontName, info.fontName());
  if (full) {
    w.u16(tag::kMasterCount, static_cast<uint16_t>(font.masterCount()));
    ByteWriter weights;
    for (int m = 0; m < font.masterCount(); ++m)
      weights.put64le(std::bit_cast<uint64_t>(font.master(m).weight));
    w.record(tag::kWeightVector, weights.bytes());
    w.u32(tag::kUniqueId, static_cast<uint32_t>(info.uniqueId));
    w.text(tag::kVersion, info.version());
    w.text(tag::kCopyright, info.text(FontText::kCopyright));
    w.text(tag::kFullName, info.fullName());
    w.text(tag::kFamilyName, info.familyName());
    w.text(tag::kMenuName, info.text(FontText::kMenuName));
    w.text(tag::kWeight, info.weight());
    w.text(tag::kNotice, info.notice());
    w.text(tag::kVendorName, info.text(FontText::kVendorName));
    w.u16(tag::kIsFixedPitch, info.isFixedPitch);
    w.f64(tag::kItalicAngle, info.italicAngle);
    w.u16(tag::kUnderlinePosition, static_cast<uint16_t>(info.underlinePosition));
    w.u16(tag::kUnderlineThickness, static_cast<uint16_t>(info.underlineThickness));
    w.u16(tag::kFurtherValue1, info.furtherValue1);
    ByteWriter panose;
    for (uint16_t digit : info.panose) panose.put16le(digit);
    w.record(tag::kPanose, panose.bytes());
    w.text(tag::kFurtherText1, info.text(FontText::kFurtherText1));
    w.text(tag::kFurtherText2, info.text(FontText::kFurtherText2));
    w.text(tag::kFurtherText3, info.text(FontText::kFurtherText3));
    w.u32(tag::kFurtherValue2, info.furtherValue2);
    w.record(tag::kFurtherBlock, info.furtherBlock);
    w.u16(tag::kFurtherValue3, info.furtherValue3);
    w.u16(tag::kCopyrightYear, info.copyrightYear);
    w.u16(tag::kVersionMajor, info.versionMajor);
    w.u16(tag::kVersionMinor, info.versionMinor);
    w.u16(tag::kFurtherValue4, info.furtherValue4);
  }
  const ZoneCounts& zones = info.zoneCounts;
  w.u16(tag::kBlueValuesCount, zones.blueValues);
  w.u16(tag::kOtherBluesCount, zones.otherBlues);
  w.u16(tag::kFamilyBluesCount, zones.familyBlues);
  w.u16(tag::kFamilyOtherBluesCount, zones.familyOtherBlues);
  w.u16(tag::kStemSnapHCount, zones.stemSnapH);
  w.u16(tag::kStemSnapVCount, zones.stemSnapV);
  for (std::size_t k = 0; k < SubsetFont::kRawBlockCount; ++k) {
    const std::vector<uint8_t>& block = font.rawBlocks()[k];
    if (!block.empty()) w.record(static_cast<uint16_t>(tag::kRawBlock1 + k), block);
  }
  if (font.extraMetrics()) {
    w.record(tag::kExtraMetrics, *font.extraMetrics());
  } else {
    w.record(tag::kExtraMetrics, defaultExtraMetricsBlock());
  }
  w.empty(tag::kInfoGroup + tag::kGroupEndOffset);
}

void writeAxisGroup(Writer& w, const SubsetFont& font) {
  const DesignAxes& axes = font.axes();
  w.empty(tag::kAxisGroup);
  w.u16(tag::kAxisCount, static_cast<uint16_t>(axes.names().size()));
  for (const std::string& name : axes.names()) w.text(tag::kAxisName, name);
  w.record(tag::kDesignHeader, axes.header);
  w.record(tag::kDesignTable, axes.table);
  for (int m = 0; m < font.masterCount(); ++m) {
    w.text(tag::kMasterName, font.master(m).name());
    w.record(tag::kMasterDesign, font.master(m).designData);
  }
  ByteWriter entries;
  for (const auto& entry : axes.entries) entries.putBytes(entry);
  w.record(tag::kDesignEntries, entries.bytes());
  for (int m = 0; m < font.masterCount(); ++m) {
    ByteWriter block;
    writePerMasterBlock(font.master(m).privateValues, block);
    w.record(tag::kPerMasterBlock, block.bytes());
  }
  w.empty(tag::kAxisGroup + tag::kGroupEndOffset);
}

// Each replacement entry: its value (4 bytes) and, per master, its kind (2 bytes), so that
// for one master the entry is kept whole.
void writeHintReplacementGroup(Writer& w, const SubsetFont& font) {
  w.empty(tag::kHintReplacementGroup);
  for (int32_t slot = 0; slot < font.slotCount(); ++slot) {
    const Glyph* glyph = font.glyph(slot);
    if (!glyph || !glyph->hints()) continue;
    for (const HintReplacementEntry& entry : glyph->hints()->replacement) {
      w.u32(tag::kHintReplacement, static_cast<uint32_t>(slot));
      w.raw().put32le(static_cast<uint32_t>(entry.value));
      for (int m = 0; m < font.masterCount(); ++m) w.raw().put16le(entry.kind);
    }
  }
  w.empty(tag::kHintReplacementGroup + tag::kGroupEndOffset);
}

}  // namespace

std::optional<std::vector<uint8_t>> nativeFontBytes(const SubsetFont& font, int flags) {
  Writer w;
  writeNativeFontHeader(w.raw());
  w.empty(tag::kBeginFile);
  w.empty(tag::kBeginFont);
  if (flags & native_font_flag::kEncoding) writeEncodingGroup(w, font.encoding());
  writeInfoGroup(w, font, (flags & native_font_flag::kFullInfo) != 0);
  writeAxisGroup(w, font);
  for (int32_t slot = 0; slot < font.slotCount(); ++slot) {
    if (const Glyph* glyph = font.glyph(slot)) {
      w.record(tag::kGlyph, glyphRecordBytes(*glyph));
    } else {
      w.empty(tag::kEmptySlot);
    }
  }
  if (flags & native_font_flag::kHintReplacement) writeHintReplacementGroup(w, font);
  w.empty(tag::kEndFont);
  w.empty(tag::kEndFile);
  if (!w.ok()) return std::nullopt;
  return w.take();
}

}  // namespace sorvella
