// The Type 1 main loop and its key table: every key the font program defines, outside
// procedures, is looked up and read into the subset font.
#include <algorithm>
#include <limits>
#include <string>

#include "postscript/encoding_selection.h"
#include "postscript/keyword_table.h"
#include "postscript/ps_font_reader.h"
#include "postscript/type1_font_info.h"

namespace sorvella {
namespace {

int16_t toInt16(int32_t value) {
  return static_cast<int16_t>(std::clamp<int32_t>(value, std::numeric_limits<int16_t>::min(),
                                                  std::numeric_limits<int16_t>::max()));
}

}  // namespace

bool PSFontReader::readType1Font(SubsetFont* font, const EncodingRegistry& encodings,
                                 ProgressCallback progress) {
  ownFont_.reset();
  if (!font) {
    ownFont_ = std::make_unique<SubsetFont>();
    loadNewFontEncoding(*ownFont_, encodings);  // what a font without /Encoding keeps
    font = ownFont_.get();
  }
  font_ = font;
  encodings_ = &encodings;
  type1Facts_ = Type1FontFacts{};
  braceDepth_ = 0;
  insidePrivate_ = false;
  insideBlend_ = false;
  blendedKeys_.reset();
  glyphRecords_.clear();
  if (progress) setProgressCallback(std::move(progress));

  std::string token;
  while (status_ == kFine && nextToken(token)) {
    if (token == "{") {
      ++braceDepth_;
    } else if (token == "}") {
      if (braceDepth_ > 0) --braceDepth_;
    } else if (braceDepth_ == 0 && token[0] != '%') {
      if (token == "cleartomark") break;
      readType1Key(keywordNumber(token));
    }
  }

  const bool read = !failed_ && (status_ == kFine || status_ == kFinished);
  if (read) finishType1Font();
  if (!read) ownFont_.reset();
  glyphRecords_.clear();
  font_ = nullptr;
  encodings_ = nullptr;
  return read;
}

void PSFontReader::readType1Key(int keyword) {
  SubsetFontInfo& info = font_->info();
  std::string text;
  switch (keyword) {
    case kPSPrivate:
      insidePrivate_ = true;
      skipTo("begin");
      break;
    case kPSFontInfo:
      skipTo("begin");
      break;
    case kPSCharStrings:
      readType1CharStrings();
      break;
    case kPSFontMatrix: {
      std::array<double, 24> values{};
      PSArrayShape shape;
      readRealArray(values, shape);
      for (int m = 0; m < font_->masterCount(); ++m)
        std::copy_n(values.begin(), std::min<std::size_t>(shape.stored, 6),
                    font_->master(m).privateValues.fontMatrix.begin());
      skipTo("def");
      break;
    }
    case kPSEncoding:
      readType1Encoding();
      break;
    case kPSBlueValues:
      readType1ZoneList(
          keyword, [](PerMasterBlock& b) { return std::span<int32_t>(b.blueValues); },
          &ZoneCounts::blueValues);
      break;
    case kPSOtherBlues:
      readType1ZoneList(
          keyword, [](PerMasterBlock& b) { return std::span<int32_t>(b.otherBlues); },
          &ZoneCounts::otherBlues);
      break;
    case kPSFamilyBlues:
      readType1ZoneList(
          keyword, [](PerMasterBlock& b) { return std::span<int32_t>(b.familyBlues); },
          &ZoneCounts::familyBlues);
      break;
    case kPSFamilyOtherBlues:
      readType1ZoneList(
          keyword, [](PerMasterBlock& b) { return std::span<int32_t>(b.familyOtherBlues); },
          &ZoneCounts::familyOtherBlues);
      break;
    case kPSBlueScale:
      readType1BlueScale();
      break;
    case kPSBlueShift:
      readType1IntegerValue(keyword, &PerMasterBlock::blueShift);
      break;
    case kPSBlueFuzz:
      readType1IntegerValue(keyword, &PerMasterBlock::blueFuzz);
      break;
    case kPSStdHW:
      readType1StemWidth(keyword, &PerMasterBlock::stdHW);
      break;
    case kPSStdVW:
      readType1StemWidth(keyword, &PerMasterBlock::stdVW);
      break;
    case kPSStemSnapH:
      readType1ZoneList(
          keyword, [](PerMasterBlock& b) { return std::span<int32_t>(b.stemSnapH); },
          &ZoneCounts::stemSnapH);
      break;
    case kPSStemSnapV:
      readType1ZoneList(
          keyword, [](PerMasterBlock& b) { return std::span<int32_t>(b.stemSnapV); },
          &ZoneCounts::stemSnapV);
      break;
    case kPSForceBold:
      readType1ForceBold();
      break;
    case kPSLanguageGroup:
    case kPSRndStemUp:
    case kPSMinFeature:
    case kPSPassword:
    case kPSExpansionFactor:
    case kPSErode:
      skipDefinition();
      break;
    case kPSLenIV:
      setLenIV(toInt16(readInteger()));
      skipDefinition();
      break;
    case kPSUniqueID:
      info.uniqueId = readInteger();
      skipTo("def");
      break;
    case kPSOtherSubrs:
      skipArray();
      break;
    case kPSSubrs:
      readType1Subroutines();
      break;
    case kPSRD:
    case kPSDashBar:
      type1Facts_.readDataName = keyword == kPSRD ? "RD" : "-|";
      skipTo("def");
      break;
    case kPSND:
    case kPSBarDash:
      type1Facts_.definitionEndName = keyword == kPSND ? "ND" : "|-";
      setDefinitionEndWord(type1Facts_.definitionEndName);
      skipTo("def");
      break;
    case kPSNP:
    case kPSBar:
      type1Facts_.putName = keyword == kPSNP ? "NP" : "|";
      skipTo("def");
      break;
    case kPSFontBBox:
    case kPSPaintType:
      skipTo("def");
      break;
    case kPSVersion:
      readString(text);
      info.setText(FontText::kVersion, text);
      if (const auto version = parseVersion(text)) {
        info.versionMajor = version->major;
        info.versionMinor = version->minor;
      }
      skipTo("def");
      break;
    case kPSItalicAngle:
      info.italicAngle = readReal();
      skipTo("def");
      break;
    case kPSNotice: {
      readString(text);
      info.setText(FontText::kNotice, text);
      const NoticeFacts notice = parseNotice(text);
      if (notice.year)
        info.copyrightYear = static_cast<uint16_t>(
            std::min<uint32_t>(*notice.year, std::numeric_limits<uint16_t>::max()));
      info.setText(FontText::kVendorName, notice.vendor);
      skipTo("def");
      break;
    }
    case kPSFullName:
      readString(text);
      info.setText(FontText::kFullName, text);
      skipTo("def");
      break;
    case kPSFamilyName:
      readString(text);
      info.setText(FontText::kFamilyName, text);
      skipTo("def");
      break;
    case kPSWeight:
      readString(text);
      info.setText(FontText::kWeight, text);
      type1Facts_.weightClass = weightClass(text);
      skipTo("def");
      break;
    case kPSIsFixedPitch:
      info.isFixedPitch = readBoolean() ? 1 : 0;
      skipTo("def");
      break;
    case kPSUnderlinePosition:
      info.underlinePosition = toInt16(readInteger());
      skipTo("def");
      break;
    case kPSUnderlineThickness:
      info.underlineThickness = toInt16(readInteger());
      skipTo("def");
      break;
    case kPSFontName:
      if (nextToken(text) && text[0] == '/') info.setText(FontText::kFontName, text.substr(1));
      skipTo("def");
      break;
    case kPSEexec:
      enterType1Eexec();
      break;
    case kPSBlendDesignPositions:
      readDesignPositions();
      break;
    case kPSBlendDesignMap:
      readDesignMap();
      break;
    case kPSBlendAxisTypes:
      readAxisTypes();
      break;
    case kPSWeightVector:
      readWeightVector();
      break;
    case kPSBlend:
      if (insidePrivate_) {
        insideBlend_ = true;
        skipTo("begin");
      } else {
        // The font-level blend dictionary is not read.
        skipTo("begin");
        skipTo("end");
        skipTo("def");
      }
      break;
    case kPSForceBoldThreshold:
      type1Facts_.forceBoldThreshold = readReal();
      skipDefinition();
      break;
    case kPSEnd:
      // The Private Blend dictionary holds no dictionary of its own, so its end is the first.
      insideBlend_ = false;
      break;
    default:
      break;  // `def`, the CIDFont keys and unknown words
  }
}

}  // namespace sorvella
