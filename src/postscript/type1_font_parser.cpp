// The Type 1 main loop and its key table: every key the font program defines, outside
// procedures, is looked up and read into the subset font.
#include "postscript/type1_font_parser.h"

#include <algorithm>
#include <limits>
#include <string>

#include "postscript/encoding_selection.h"
#include "postscript/keyword_table.h"
#include "postscript/type1_font_info.h"

namespace sorvella {
namespace {

int16_t toInt16(int32_t value) {
  return static_cast<int16_t>(std::clamp<int32_t>(value, std::numeric_limits<int16_t>::min(),
                                                  std::numeric_limits<int16_t>::max()));
}

}  // namespace

bool Type1FontParser::readType1Font(SubsetFont* font, const EncodingRegistry& encodings,
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
  if (progress) in_.setProgressCallback(std::move(progress));

  std::string token;
  while (in_.status() == PSFontStatus::kFine && in_.nextToken(token)) {
    if (token == "{") {
      ++braceDepth_;
    } else if (token == "}") {
      if (braceDepth_ > 0) --braceDepth_;
    } else if (braceDepth_ == 0 && token[0] != '%') {
      if (token == "cleartomark") break;
      readType1Key(PSFontReader::keywordNumber(token));
    }
  }

  const bool read = !in_.failed() && (in_.status() == PSFontStatus::kFine ||
                                      in_.status() == PSFontStatus::kFinished);
  if (read) finishType1Font();
  if (!read) ownFont_.reset();
  glyphRecords_.clear();
  font_ = nullptr;
  encodings_ = nullptr;
  return read;
}

void Type1FontParser::readType1Key(int keyword) {
  if (const PrivateDictKey* key = findPrivateDictKey(keyword)) {
    readType1PrivateValue(*key);
    return;
  }
  SubsetFontInfo& info = font_->info();
  std::string text;
  switch (keyword) {
    case kPSPrivate:
      insidePrivate_ = true;
      in_.skipTo("begin");
      break;
    case kPSFontInfo:
      in_.skipTo("begin");
      break;
    case kPSCharStrings:
      readType1CharStrings();
      break;
    case kPSFontMatrix: {
      std::array<double, 24> values{};
      PSArrayShape shape;
      in_.readRealArray(values, shape);
      for (int m = 0; m < font_->masterCount(); ++m)
        std::copy_n(values.begin(), std::min<std::size_t>(shape.stored, 6),
                    font_->master(m).privateValues.fontMatrix.begin());
      in_.skipTo("def");
      break;
    }
    case kPSEncoding:
      readType1Encoding();
      break;
    case kPSLanguageGroup:
    case kPSRndStemUp:
    case kPSMinFeature:
    case kPSPassword:
    case kPSExpansionFactor:
    case kPSErode:
      in_.skipDefinition();
      break;
    case kPSLenIV:
      in_.setLenIV(toInt16(in_.readInteger()));
      in_.skipDefinition();
      break;
    case kPSUniqueID:
      info.uniqueId = in_.readInteger();
      in_.skipTo("def");
      break;
    case kPSOtherSubrs:
      in_.skipArray();
      break;
    case kPSSubrs:
      readType1Subroutines();
      break;
    case kPSRD:
    case kPSDashBar:
      type1Facts_.readDataName = keyword == kPSRD ? "RD" : "-|";
      in_.skipTo("def");
      break;
    case kPSND:
    case kPSBarDash:
      type1Facts_.definitionEndName = keyword == kPSND ? "ND" : "|-";
      in_.setDefinitionEndWord(type1Facts_.definitionEndName);
      in_.skipTo("def");
      break;
    case kPSNP:
    case kPSBar:
      type1Facts_.putName = keyword == kPSNP ? "NP" : "|";
      in_.skipTo("def");
      break;
    case kPSFontBBox:
    case kPSPaintType:
      in_.skipTo("def");
      break;
    case kPSVersion:
      in_.readString(text);
      info.setText(FontText::kVersion, text);
      if (const auto version = parseVersion(text)) {
        info.versionMajor = version->major;
        info.versionMinor = version->minor;
      }
      in_.skipTo("def");
      break;
    case kPSItalicAngle:
      info.italicAngle = in_.readReal();
      in_.skipTo("def");
      break;
    case kPSNotice: {
      in_.readString(text);
      info.setText(FontText::kNotice, text);
      const NoticeFacts notice = parseNotice(text);
      if (notice.year)
        info.copyrightYear = static_cast<uint16_t>(
            std::min<uint32_t>(*notice.year, std::numeric_limits<uint16_t>::max()));
      info.setText(FontText::kVendorName, notice.vendor);
      in_.skipTo("def");
      break;
    }
    case kPSFullName:
      in_.readString(text);
      info.setText(FontText::kFullName, text);
      in_.skipTo("def");
      break;
    case kPSFamilyName:
      in_.readString(text);
      info.setText(FontText::kFamilyName, text);
      in_.skipTo("def");
      break;
    case kPSWeight:
      in_.readString(text);
      info.setText(FontText::kWeight, text);
      type1Facts_.weightClass = weightClass(text);
      in_.skipTo("def");
      break;
    case kPSIsFixedPitch:
      info.isFixedPitch = in_.readBoolean() ? 1 : 0;
      in_.skipTo("def");
      break;
    case kPSUnderlinePosition:
      info.underlinePosition = toInt16(in_.readInteger());
      in_.skipTo("def");
      break;
    case kPSUnderlineThickness:
      info.underlineThickness = toInt16(in_.readInteger());
      in_.skipTo("def");
      break;
    case kPSFontName:
      if (in_.nextToken(text) && text[0] == '/') info.setText(FontText::kFontName, text.substr(1));
      in_.skipTo("def");
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
        in_.skipTo("begin");
      } else {
        // The font-level blend dictionary is not read.
        in_.skipTo("begin");
        in_.skipTo("end");
        in_.skipTo("def");
      }
      break;
    case kPSForceBoldThreshold:
      type1Facts_.forceBoldThreshold = in_.readReal();
      in_.skipDefinition();
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
