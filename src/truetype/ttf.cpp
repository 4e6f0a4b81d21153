#include "truetype/ttf.h"

#include "truetype/cmap_table.h"
#include "truetype/glyf_table.h"
#include "truetype/hdmx_table.h"
#include "truetype/kern_table.h"
#include "truetype/name_table.h"
#include "truetype/post_table.h"
#include "truetype/program_tables.h"
#include "truetype/tt_header_tables.h"
#include "truetype/tt_metrics_tables.h"

namespace sorvella {

namespace {

constexpr uint64_t kOffsetTableSize = 12;
constexpr uint64_t kDirectoryEntrySize = 16;

std::unique_ptr<TTF_TABLE> makeTable(TTF& font, std::optional<TTTableKind> kind, uint32_t tag,
                                     uint32_t checksum, uint32_t offset, uint32_t length) {
  auto make = [&]<typename T>() -> std::unique_ptr<TTF_TABLE> {
    return std::make_unique<T>(font, tag, checksum, offset, length);
  };
  if (!kind) return make.operator()<TTF_TABLE>();
  switch (*kind) {
    case TTTableKind::kOS2:
      return make.operator()<OS2TABLE>();
    case TTTableKind::kCmap:
      return make.operator()<cmapTABLE>();
    case TTTableKind::kCvt:
      return make.operator()<cvtTABLE>();
    case TTTableKind::kFpgm:
      return make.operator()<fpgmTABLE>();
    case TTTableKind::kGlyf:
      return make.operator()<glyfTABLE>();
    case TTTableKind::kHdmx:
      return make.operator()<hdmxTABLE>();
    case TTTableKind::kHead:
      return make.operator()<headTABLE>();
    case TTTableKind::kHhea:
      return make.operator()<hheaTABLE>();
    case TTTableKind::kHmtx:
      return make.operator()<hmtxTABLE>();
    case TTTableKind::kKern:
      return make.operator()<kernTABLE>();
    case TTTableKind::kLoca:
      return make.operator()<locaTABLE>();
    case TTTableKind::kMaxp:
      return make.operator()<maxpTABLE>();
    case TTTableKind::kName:
      return make.operator()<nameTABLE>();
    case TTTableKind::kPost:
      return make.operator()<postTABLE>();
    case TTTableKind::kPrep:
      return make.operator()<prepTABLE>();
    case TTTableKind::kVhea:
      return make.operator()<vheaTABLE>();
    case TTTableKind::kVmtx:
      return make.operator()<vmtxTABLE>();
    default:
      return make.operator()<TTKeptTable>();
  }
}

}  // namespace

TTF::TTF() = default;
TTF::~TTF() = default;

bool TTF::Open(const std::filesystem::path& path) {
  setName(path.filename().string());
  TTStream stream;
  if (!stream.open(path)) {
    clearError();
    fail(TTError::kNoFile);
    return false;
  }
  return Open(std::move(stream));
}

bool TTF::Open(std::vector<uint8_t> bytes) {
  return Open(TTStream(std::move(bytes)));
}

bool TTF::Open(TTStream stream) {
  stream_ = std::move(stream);
  tables_.clear();
  slots_ = {};
  clearError();
  if (!readDirectory()) {
    fail(TTError::kDamaged);
    return false;
  }
  setSource(TTSource::kImported);
  for (TTTableKind kind :
       {TTTableKind::kHead, TTTableKind::kMaxp, TTTableKind::kName, TTTableKind::kOS2})
    Table(kind);
  // Without a sound `head` (and `maxp` when there is one) no glyph can be found or scaled.
  TTF_TABLE* head = Table(TTTableKind::kHead);
  TTF_TABLE* maxp = Table(TTTableKind::kMaxp);
  if (!head || head->error() != TTError::kNone || (maxp && maxp->error() != TTError::kNone))
    fail(TTError::kDamaged);
  return error() == TTError::kNone;
}

bool TTF::readDirectory() {
  std::optional<std::span<const uint8_t>> offsetTable = stream_.view(0, kOffsetTableSize);
  if (!offsetTable) return false;
  ByteReader in(*offsetTable);
  sfntVersion_ = in.get32be();
  numTables_ = in.get16be();
  searchRange_ = in.get16be();
  entrySelector_ = in.get16be();
  rangeShift_ = in.get16be();
  std::optional<std::span<const uint8_t>> directory =
      stream_.view(kOffsetTableSize, kDirectoryEntrySize * numTables_);
  if (!directory) return false;
  ByteReader entries(*directory);
  for (uint16_t i = 0; i < numTables_; ++i) {
    uint32_t tag = entries.get32be();
    uint32_t checksum = entries.get32be();
    uint32_t offset = entries.get32be();
    uint32_t length = entries.get32be();
    std::optional<TTTableKind> kind = tableKindOf(tag);
    if (!kind && (tag >> 24) == ';') continue;
    if (kind && slots_[static_cast<std::size_t>(*kind)]) continue;  // the first of a tag holds
    if (kind) slots_[static_cast<std::size_t>(*kind)] = tables_.size();
    tables_.push_back(makeTable(*this, kind, tag, checksum, offset, length));
  }
  return true;
}

TTF_TABLE* TTF::Table(TTTableKind kind) {
  const std::optional<std::size_t>& slot = slots_[static_cast<std::size_t>(kind)];
  if (!slot) return nullptr;
  TTF_TABLE* t = tables_[*slot].get();
  t->load();
  return t;
}

uint32_t TTF::numGlyphs() {
  if (const maxpTABLE* maxp = Table<maxpTABLE>()) return maxp->fields().numGlyphs;
  // Without `maxp`, as many as `loca` has room for.
  const TTF_TABLE* loca = slots_[static_cast<std::size_t>(TTTableKind::kLoca)]
                              ? tables_[*slots_[static_cast<std::size_t>(TTTableKind::kLoca)]].get()
                              : nullptr;
  const headTABLE* head = Table<headTABLE>();
  if (!loca || !head) return 0;
  const uint32_t entries = loca->length() / (head->fields().indexToLocFormat == 0 ? 2 : 4);
  return entries > 0 ? std::min<uint32_t>(entries - 1, 65535) : 0;
}

uint16_t TTF::unitsPerEm() {
  const headTABLE* head = Table<headTABLE>();
  return head ? head->fields().unitsPerEm : 0;
}

TTcmapTable* TTF::FindSubtable(uint16_t platform, uint16_t encoding) {
  const cmapTABLE* cmap = Table<cmapTABLE>();
  return cmap ? cmap->FindSubtable(platform, encoding) : nullptr;
}

std::string TTF::NameExact(uint16_t platform, uint16_t encoding, uint16_t language,
                           uint16_t nameId) {
  const nameTABLE* name = Table<nameTABLE>();
  return name ? name->NameExact(platform, encoding, language, nameId) : std::string{};
}

std::string TTF::NameFirst(uint16_t nameId, uint16_t platform) {
  const nameTABLE* name = Table<nameTABLE>();
  return name ? name->NameFirst(nameId, platform) : std::string{};
}

uint32_t TTF::glyphCount() {
  glyfTABLE* glyf = Table<glyfTABLE>();
  return glyf ? glyf->count() : 0;
}

TTGLYPH* TTF::glyph(uint32_t index) {
  glyfTABLE* glyf = Table<glyfTABLE>();
  return glyf ? glyf->glyph(index) : nullptr;
}

bool TTF::LoadOutline(TTGLYPH& glyph) {
  glyfTABLE* glyf = Table<glyfTABLE>();
  return glyf && glyf->LoadOutline(glyph);
}

void TTF::ReleaseOutline(TTGLYPH& glyph) {
  if (glyfTABLE* glyf = Table<glyfTABLE>()) glyf->ReleaseOutline(glyph);
}

bool TTF::Flatten(TTGLYPH& glyph) {
  glyfTABLE* glyf = Table<glyfTABLE>();
  return glyf && glyf->Flatten(glyph);
}

}  // namespace sorvella
