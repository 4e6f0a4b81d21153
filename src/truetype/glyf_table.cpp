#include "truetype/glyf_table.h"

#include "truetype/tt_header_tables.h"
#include "truetype/tt_metrics_tables.h"
#include "truetype/tt_stream.h"
#include "truetype/ttf.h"

namespace sorvella {

void locaTABLE::readBody(std::span<const uint8_t> body) {
  const headTABLE* head = owner().Table<headTABLE>();
  const int16_t format = head ? head->fields().indexToLocFormat : -1;
  if (format != 0 && format != 1) {
    fail(TTError::kDamaged);
    return;
  }
  const std::size_t entrySize = format == 0 ? 2 : 4;
  const uint32_t wanted = owner().numGlyphs() + 1;
  const std::size_t present = body.size() / entrySize;
  if (present < wanted) fail(TTError::kDamaged);
  offsets_.resize(std::min<std::size_t>(present, wanted));
  ByteReader in(body);
  for (uint32_t& offset : offsets_) offset = format == 0 ? 2u * in.get16be() : in.get32be();
}

TTGLYPH* glyfTABLE::glyph(uint32_t index) {
  return index < glyphs_.size() ? &glyphs_[index] : nullptr;
}

void glyfTABLE::readBody(std::span<const uint8_t> body) {
  body_ = body;
  const headTABLE* head = owner().Table<headTABLE>();
  unitsPerEm_ = head ? head->fields().unitsPerEm : 0;
  locaTABLE* loca = owner().Table<locaTABLE>();
  if (!loca || loca->offsets().empty()) {
    fail(TTError::kDamaged);
    return;
  }
  const hmtxTABLE* hmtx = owner().Table<hmtxTABLE>();
  const vmtxTABLE* vmtx = owner().Table<vmtxTABLE>();
  const std::vector<uint32_t>& offsets = loca->offsets();
  glyphs_.resize(offsets.size() - 1);
  for (uint32_t i = 0; i < glyphs_.size(); ++i) {
    TTGLYPH& g = glyphs_[i];
    g.index_ = i;
    g.setSource(TTSource::kInitiated);
    if (offsets[i + 1] < offsets[i] || offsets[i + 1] > body.size()) {
      g.fail(TTError::kSeekFailed);
    } else {
      g.dataOffset_ = offsets[i];
      g.dataLength_ = offsets[i + 1] - offsets[i];
    }
    if (hmtx) {
      g.advanceWidth_ = hmtx->advance(i);
      g.leftSideBearing_ = hmtx->bearing(i);
    }
    if (vmtx) {
      g.advanceHeight_ = vmtx->advance(i);
      g.topSideBearing_ = vmtx->bearing(i);
    }
  }
}

bool glyfTABLE::LoadOutline(TTGLYPH& g) {
  if (g.loaded_) return true;
  if (g.error() == TTError::kSeekFailed) return false;
  g.unitsPerEm_ = unitsPerEm_;
  if (g.dataLength_ > 0) {
    TTError error = decodeGlyph(body_.subspan(g.dataOffset_, g.dataLength_), g.header_, g.outline_);
    if (error != TTError::kNone) {
      g.fail(error);
      return false;
    }
    if (g.advanceWidth_ == 0)
      g.advanceWidth_ = static_cast<uint16_t>(g.header_.xMax - g.header_.xMin);
    if (g.advanceHeight_ == 0)
      g.advanceHeight_ = static_cast<uint16_t>(g.header_.yMax - g.header_.yMin);
  }
  g.kind_ = g.header_.numberOfContours > 0   ? TTGlyphKind::kSimple
            : g.header_.numberOfContours < 0 ? TTGlyphKind::kComposite
                                             : TTGlyphKind::kEmpty;
  g.loaded_ = true;
  g.setSource(TTSource::kImported);
  return true;
}

void glyfTABLE::ReleaseOutline(TTGLYPH& g) {
  g.outline_ = {};
  g.loaded_ = false;
  g.setSource(TTSource::kInitiated);
}

}  // namespace sorvella
