#include "glyph/native_font_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string_view>

#include "base/text_trim.h"
#include "glyph/glyph_record.h"
#include "glyph/native_font_records.h"

namespace sorvella {

const char* nativeFontStatusText(NativeFontStatus status) {
  switch (status) {
    case NativeFontStatus::kOk:
      return "read";
    case NativeFontStatus::kCannotOpen:
      return "cannot be opened";
    case NativeFontStatus::kWrongHeader:
      return "not a native font file";
    case NativeFontStatus::kNoBeginRecords:
      return "the records that begin the font are missing";
    case NativeFontStatus::kTruncated:
      return "a record is cut short";
    case NativeFontStatus::kMasterCount:
      return "the font has more than one master";
    case NativeFontStatus::kTooManyMasterRecords:
      return "more master records than masters";
    case NativeFontStatus::kMissingAxisNames:
      return "an axis name record is missing";
    case NativeFontStatus::kEmptySlotWithData:
      return "an empty glyph slot holds data";
  }
  return "unknown status";
}

namespace {

namespace tag = native_tag;
using Bytes = std::span<const uint8_t>;

// A field takes the record's leading bytes; missing ones read as zero, extra ones are skipped.
template <std::size_t N>
std::array<uint8_t, N> field(Bytes data) {
  std::array<uint8_t, N> out{};
  std::copy_n(data.begin(), std::min(N, data.size()), out.begin());
  return out;
}

uint16_t u16(Bytes data) {
  auto b = field<2>(data);
  return static_cast<uint16_t>(b[0] | b[1] << 8);
}

uint32_t u32(Bytes data) {
  auto b = field<4>(data);
  return static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
         static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
}

double f64(Bytes data) {
  auto b = field<8>(data);
  ByteReader in(b);
  return std::bit_cast<double>(in.get64le());
}

std::string_view text(Bytes data) {
  return {reinterpret_cast<const char*>(data.data()), data.size()};
}

struct TextRecord {
  uint16_t tag;
  FontText text;
};

constexpr TextRecord kTextRecords[] = {
    {tag::kFontName, FontText::kFontName},
    {tag::kFullName, FontText::kFullName},
    {tag::kFamilyName, FontText::kFamilyName},
    {tag::kWeight, FontText::kWeight},
    {tag::kNotice, FontText::kNotice},
    {tag::kVersion, FontText::kVersion},
    {tag::kCopyright, FontText::kCopyright},
    {tag::kMenuName, FontText::kMenuName},
    {tag::kVendorName, FontText::kVendorName},
    {tag::kFurtherText1, FontText::kFurtherText1},
    {tag::kFurtherText2, FontText::kFurtherText2},
    {tag::kFurtherText3, FontText::kFurtherText3},
};

// One pass over the bytes into one font; the first failure sets the status and ends it.
class Pass {
 public:
  Pass(Bytes bytes, SubsetFont& font, NativeFontStatus& status, std::vector<int32_t>& damaged)
      : bytes_(bytes), font_(font), status_(status), damaged_(damaged), records_(bytes, 0) {}

  bool run() {
    if (!readHeader()) return false;
    if (!findBegin(tag::kBeginFile) || !findBegin(tag::kBeginFont)) return false;
    font_.reserveSlots(513);
    NativeRecord r;
    for (;;) {
      NativeRecordResult result = records_.next(r);
      if (result == NativeRecordResult::kEndOfData) break;
      if (result == NativeRecordResult::kTruncated) return fail(NativeFontStatus::kTruncated);
      if (!topLevel(r)) return false;
      if (r.tag == tag::kEndFile || r.tag == tag::kEndFont) break;
    }
    font_.trimSlots();
    return true;
  }

 private:
  bool fail(NativeFontStatus status) {
    status_ = status;
    return false;
  }

  bool readHeader() {
    if (!hasNativeFontSignature(bytes_) || bytes_.size() < 12)
      return fail(NativeFontStatus::kWrongHeader);
    uint32_t length = u32(bytes_.subspan(8));
    if (length > bytes_.size()) return fail(NativeFontStatus::kTruncated);
    records_ = NativeRecordReader(bytes_, length);
    return true;
  }

  bool findBegin(uint16_t wanted) {
    NativeRecord r;
    for (;;) {
      NativeRecordResult result = records_.next(r);
      if (result == NativeRecordResult::kEndOfData) return fail(NativeFontStatus::kNoBeginRecords);
      if (result == NativeRecordResult::kTruncated) return fail(NativeFontStatus::kTruncated);
      if (r.tag != wanted) continue;
      if (!r.data.empty()) return fail(NativeFontStatus::kNoBeginRecords);
      return true;
    }
  }

  bool topLevel(const NativeRecord& r) {
    switch (r.tag) {
      case tag::kInfoGroup:
        return group([](uint16_t t) { return t == tag::kInfoGroup + tag::kGroupEndOffset; },
                     [this](const NativeRecord& s) { return info(s); });
      case tag::kEncodingGroup:
        return group([](uint16_t t) { return t == tag::kEncodingGroup + tag::kGroupEndOffset; },
                     [this](const NativeRecord& s) { return encoding(s, font_.encoding()); });
      case tag::kSecondEncodingGroup: {
        // A second master's encoding has no place in a one-master font: read and dropped.
        // Its end is 518 as for the first master's group, or 524 by the rule of the others.
        SubsetFontEncoding dropped;
        return group(
            [](uint16_t t) {
              return t == tag::kEncodingGroup + tag::kGroupEndOffset ||
                     t == tag::kSecondEncodingGroup + tag::kGroupEndOffset;
            },
            [&](const NativeRecord& s) { return encoding(s, dropped); });
      }
      case tag::kAxisGroup:
        return group([](uint16_t t) { return t == tag::kAxisGroup + tag::kGroupEndOffset; },
                     [this](const NativeRecord& s) { return axis(s); });
      case tag::kHintReplacementGroup:
        return group(
            [](uint16_t t) { return t == tag::kHintReplacementGroup + tag::kGroupEndOffset; },
            [this](const NativeRecord& s) { return hintReplacement(s); });
      case tag::kGlyph: {
        auto glyph = std::make_unique<Glyph>();
        if (!readGlyphRecord(*glyph, r.data)) {
          damaged_.push_back(font_.slotCount());
          glyph.reset();
        }
        font_.appendSlot(std::move(glyph));
        return true;
      }
      case tag::kEmptySlot:
        if (!r.data.empty()) return fail(NativeFontStatus::kEmptySlotWithData);
        font_.appendSlot(nullptr);
        return true;
      case tag::kExpandedGlyph:
        // The expanded form is not read, but its slot is kept so later glyph numbers hold.
        font_.appendSlot(nullptr);
        return true;
      default:
        return true;  // 1239 and unknown records: skipped by their length
    }
  }

  template <typename IsEnd, typename Handle>
  bool group(IsEnd isEnd, Handle handle) {
    NativeRecord r;
    for (;;) {
      if (records_.next(r) != NativeRecordResult::kRecord)
        return fail(NativeFontStatus::kTruncated);
      if (isEnd(r.tag)) return true;
      if (!handle(r)) return false;
    }
  }

  bool info(const NativeRecord& r) {
    SubsetFontInfo& info = font_.info();
    for (const TextRecord& t : kTextRecords) {
      if (t.tag == r.tag) {
        info.setText(t.text, text(r.data));
        return true;
      }
    }
    ZoneCounts& zones = info.zoneCounts;
    switch (r.tag) {
      case tag::kMasterCount:
        if (u16(r.data) != 1) return fail(NativeFontStatus::kMasterCount);
        font_.setMasterCount(1);
        break;
      case tag::kWeightVector:
        if (r.data.size() / 8 != 1) return fail(NativeFontStatus::kMasterCount);
        font_.setMasterCount(1);
        font_.master(0).weight = f64(r.data);
        break;
      case tag::kUniqueId:
        info.uniqueId = static_cast<int32_t>(u32(r.data));
        break;
      case tag::kIsFixedPitch:
        info.isFixedPitch = u16(r.data);
        break;
      case tag::kItalicAngle:
        info.italicAngle = f64(r.data);
        break;
      case tag::kUnderlinePosition:
        info.underlinePosition = static_cast<int16_t>(u16(r.data));
        break;
      case tag::kUnderlineThickness:
        info.underlineThickness = static_cast<int16_t>(u16(r.data));
        break;
      case tag::kFurtherValue1:
        info.furtherValue1 = u16(r.data);
        break;
      case tag::kPanose: {
        auto b = field<20>(r.data);
        for (std::size_t k = 0; k < info.panose.size(); ++k)
          info.panose[k] = u16(std::span(b).subspan(2 * k));
        break;
      }
      case tag::kFurtherValue2:
        info.furtherValue2 = u32(r.data);
        break;
      case tag::kFurtherBlock:
        info.furtherBlock = field<80>(r.data);
        break;
      case tag::kFurtherValue3:
        info.furtherValue3 = u16(r.data);
        break;
      case tag::kCopyrightYear:
        info.copyrightYear = u16(r.data);
        break;
      case tag::kVersionMajor:
        info.versionMajor = u16(r.data);
        break;
      case tag::kVersionMinor:
        info.versionMinor = u16(r.data);
        break;
      case tag::kFurtherValue4:
        info.furtherValue4 = u16(r.data);
        break;
      case tag::kBlueValuesCount:
        zones.blueValues = u16(r.data);
        break;
      case tag::kOtherBluesCount:
        zones.otherBlues = u16(r.data);
        break;
      case tag::kFamilyBluesCount:
        zones.familyBlues = u16(r.data);
        break;
      case tag::kFamilyOtherBluesCount:
        zones.familyOtherBlues = u16(r.data);
        break;
      case tag::kStemSnapHCount:
        zones.stemSnapH = u16(r.data);
        break;
      case tag::kStemSnapVCount:
        zones.stemSnapV = u16(r.data);
        break;
      case tag::kExtraMetrics:
        font_.extraMetrics().emplace(r.data.begin(), r.data.end());
        break;
      default:
        if (r.tag >= tag::kRawBlock1 && r.tag < tag::kRawBlock1 + SubsetFont::kRawBlockCount)
          font_.rawBlocks()[r.tag - tag::kRawBlock1].assign(r.data.begin(), r.data.end());
        break;
    }
    return true;
  }

  bool encoding(const NativeRecord& r, SubsetFontEncoding& encoding) {
    if (r.tag == tag::kEncodingNumber) {
      encoding.number = u16(r.data);
      return true;
    }
    if (r.tag != tag::kGlyphName && r.tag != tag::kCustomName) return true;
    uint16_t code = u16(r.data);
    if (code >= SubsetFontEncoding::kSize) return true;
    auto& names = r.tag == tag::kGlyphName ? encoding.glyphNames : encoding.customNames;
    names[code] = trimOwnedText(text(r.data.subspan(std::min<std::size_t>(2, r.data.size()))));
    return true;
  }

  bool axis(const NativeRecord& r) {
    DesignAxes& axes = font_.axes();
    switch (r.tag) {
      case tag::kAxisCount: {
        std::vector<std::string> names;
        NativeRecord name;
        for (uint16_t k = u16(r.data); k > 0; --k) {
          NativeRecordResult result = records_.next(name);
          if (result != NativeRecordResult::kRecord) return fail(NativeFontStatus::kTruncated);
          if (name.tag != tag::kAxisName) return fail(NativeFontStatus::kMissingAxisNames);
          names.emplace_back(text(name.data));
        }
        axes.setNames(names);
        break;
      }
      case tag::kDesignHeader:
        axes.header = field<16>(r.data);
        break;
      case tag::kDesignTable:
        axes.table = field<640>(r.data);
        break;
      case tag::kMasterName:
        // Names beyond the masters have nowhere to go.
        if (masterNames_ < font_.masterCount()) font_.master(masterNames_++).setName(text(r.data));
        break;
      case tag::kMasterDesign:
        if (masterDesigns_ >= font_.masterCount())
          return fail(NativeFontStatus::kTooManyMasterRecords);
        font_.master(masterDesigns_++).designData = field<36>(r.data);
        break;
      case tag::kDesignEntries:
        axes.entries.resize(r.data.size() / 32);
        for (std::size_t k = 0; k < axes.entries.size(); ++k)
          axes.entries[k] = field<32>(r.data.subspan(32 * k));
        break;
      case tag::kPerMasterBlock:
        if (perMasterBlocks_ >= font_.masterCount())
          return fail(NativeFontStatus::kTooManyMasterRecords);
        font_.master(perMasterBlocks_++).privateValues = readPerMasterBlock(r.data);
        break;
      default:
        break;  // stray axis names and unknown records
    }
    return true;
  }

  // The program is already in each glyph's record; these copies are only stepped over.
  bool hintReplacement(const NativeRecord& r) {
    if (r.tag != tag::kHintReplacement) return true;
    std::size_t following = 4 + 2 * static_cast<std::size_t>(font_.masterCount());
    if (!records_.rawBytes(following)) return fail(NativeFontStatus::kTruncated);
    return true;
  }

  Bytes bytes_;
  SubsetFont& font_;
  NativeFontStatus& status_;
  std::vector<int32_t>& damaged_;
  NativeRecordReader records_;
  int masterNames_ = 0;
  int masterDesigns_ = 0;
  int perMasterBlocks_ = 0;
};

}  // namespace

std::unique_ptr<SubsetFont> NativeFontReader::read(std::span<const uint8_t> bytes) {
  status_ = NativeFontStatus::kOk;
  damagedGlyphs_.clear();
  auto font = std::make_unique<SubsetFont>();
  if (!Pass(bytes, *font, status_, damagedGlyphs_).run()) return nullptr;
  return font;
}

}  // namespace sorvella
