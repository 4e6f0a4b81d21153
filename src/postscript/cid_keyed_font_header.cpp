#include <algorithm>
#include <array>
#include <string>

#include "postscript/cid_keyed_font_reader.h"
#include "postscript/keyword_table.h"
#include "postscript/private_dict_keys.h"

namespace sorvella {
namespace {

// Room the array readers are given; no key of the header holds more.
constexpr std::size_t kIntegerRoom = 72;
constexpr std::size_t kRealRoom = 24;
constexpr std::size_t kLeadInBytes = 4;

bool isHexDigit(int c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

std::optional<CidFontInfo> CidKeyedFontReader::parseHeader(SubsetFontCallback callback) {
  callback_ = std::move(callback);
  CidFontInfo font;
  pendingInfo_ = std::make_unique<SubsetFont>();
  PSFontReader& in = source_;
  // Hexadecimal text that runs into clear text without closefile stops at the first other byte.
  in.setClearTextAfterBadHexDigit(true);
  int braces = 0;
  std::string token;
  for (;;) {
    const bool read = in.nextToken(token);
    // The token that ran into the bad digit is dropped; its clear part is read again.
    if (in.status() == PSFontStatus::kBadHexDigit) {
      resumeClearTextAfterBadHexDigit();
      continue;
    }
    if (!read || in.status() != PSFontStatus::kFine) break;
    if (token == "{") {
      ++braces;
      continue;
    }
    if (token == "}") {
      if (braces > 0) --braces;
      continue;
    }
    if (braces > 0) continue;
    if (token == "%%EOF") break;
    if (token.starts_with("%%ATM")) continue;
    handleKey(PSFontReader::keywordNumber(token), font);
    if (in.status() == PSFontStatus::kBadHexDigit) resumeClearTextAfterBadHexDigit();
    if (in.status() != PSFontStatus::kFine || in.failed()) break;
  }
  pendingInfo_.reset();
  if (in.status() == PSFontStatus::kFinished) return font;
  fontDictInfo_.clear();
  fontDictNames_.clear();
  return std::nullopt;
}

// The encrypted text went on into clear text without closefile.
void CidKeyedFontReader::resumeClearTextAfterBadHexDigit() {
  PSFontReader& in = source_;
  in.setDecrypting(false);
  in.setHexInput(false);
  in.setStatus(PSFontStatus::kFine);
  in.seek(in.badHexResumePosition());
}

void CidKeyedFontReader::beginEncryptedSection() {
  PSFontReader& in = source_;
  in.setDecrypting(false);
  in.setHexInput(false);
  while (in.peekRawByte() >= 0 && in.peekRawByte() <= ' ') in.readByte();
  const std::size_t start = in.position();
  bool hex = true;
  for (std::size_t i = 0; i < kLeadInBytes; ++i) {
    const int c = in.peekRawByte();
    if (c < 0) return;  // the file ends here: the next read fails
    hex = hex && isHexDigit(c);
    in.readByte();
  }
  in.seek(start);
  in.resetEexecKey();
  in.setHexInput(hex);
  in.setDecrypting(true);
  std::string leadIn;
  for (std::size_t i = 0; i < kLeadInBytes; ++i) leadIn.push_back(static_cast<char>(in.readByte()));
  if (!equalsIgnoringAsciiCase(leadIn, "adbe")) return;
  // Only a mark: the rest of the line and what follows are clear text.
  in.setDecrypting(false);
  in.setHexInput(false);
  while (!in.failed()) {
    const uint8_t c = in.readByte();
    if (c == '\n' || c == '\r') break;
  }
}

std::size_t CidKeyedFontReader::readIntegers(std::span<int32_t> output) {
  std::array<int32_t, kIntegerRoom> values{};
  PSArrayShape shape;
  source_.readIntegerArray(values, shape);
  const std::size_t n = std::min(shape.stored, output.size());
  std::copy_n(values.begin(), n, output.begin());
  return n;
}

CidKeyedFontReader::FontDictValues* CidKeyedFontReader::currentFontDictValues() {
  if (!insideFdArray() || currentFd_ >= kMaxFontDicts) return nullptr;
  return &fontDicts_[static_cast<std::size_t>(currentFd_)];
}

void CidKeyedFontReader::endFontDict() {
  if (insideFdArray()) {
    fontDictNames_[static_cast<std::size_t>(currentFd_)] = pendingInfo_->info().fontName();
    fontDictInfo_[static_cast<std::size_t>(currentFd_)] = std::move(pendingInfo_);
  }
  pendingInfo_ = std::make_unique<SubsetFont>();
  ++currentFd_;
  // Fonts written by AFDKO put "end put" before this comment, so skipping to the next "put"
  // would swallow the next dictionary (or the data section); the loop ignores "put" anyway.
  if (currentFd_ > fdCount_) source_.raiseStatus(PSFontStatus::kTooManyFontDicts);
}

void CidKeyedFontReader::handleKey(int key, CidFontInfo& font) {
  PSFontReader& in = source_;
  SubsetFont& dict = *pendingInfo_;
  PerMasterBlock& priv = dict.master(0).privateValues;
  if (const PrivateDictKey* entry = findPrivateDictKey(key)) {
    PerMasterBlock* const masters[] = {&priv};
    readPrivateValue(in, *entry, masters, dict.info().zoneCounts);
    return;
  }
  std::string text;
  switch (key) {
    case kPSFontMatrix: {
      std::array<double, kRealRoom> values{};
      PSArrayShape shape;
      in.readRealArray(values, shape);
      std::copy_n(values.begin(), std::min(shape.stored, priv.fontMatrix.size()),
                  priv.fontMatrix.begin());
      break;
    }
    case kPSLenIV: {
      const int32_t lenIV = in.readInteger();
      // Beyond any charstring anyway; the clamp only keeps the value in its field.
      if (FontDictValues* values = currentFontDictValues())
        values->lenIV = static_cast<int16_t>(std::clamp<int32_t>(lenIV, INT16_MIN, INT16_MAX));
      break;
    }
    case kPSUniqueID:
      dict.info().uniqueId = in.readInteger();
      break;
    case kPSOtherSubrs:
      in.skipArray();
      break;
    case kPSVersion:
      if (in.readString(text)) dict.info().setText(FontText::kVersion, text);
      break;
    case kPSNotice:
      if (!in.readString(text)) break;
      if (insideFdArray()) {
        dict.info().setText(FontText::kCopyright, text);
      } else {
        font.setNotice(text);
      }
      break;
    case kPSFullName:
      if (!in.readString(text)) break;
      if (insideFdArray()) {
        dict.info().setText(FontText::kFullName, text);
      } else {
        font.setFullName(text);
      }
      break;
    case kPSFontName:
      if (in.nextToken(text) && text.starts_with('/'))
        dict.info().setText(FontText::kFontName, std::string_view(text).substr(1));
      break;
    case kPSLanguageGroup:
    case kPSRndStemUp:
    case kPSMinFeature:
    case kPSPassword:
    case kPSExpansionFactor:
    case kPSErode:
    case kPSFontBBox:
    case kPSItalicAngle:
    case kPSFamilyName:
    case kPSWeight:
    case kPSIsFixedPitch:
    case kPSUnderlinePosition:
    case kPSUnderlineThickness:
    case kPSPaintType:
    case kPSCIDFontType:
      in.skipTo("def");
      break;
    case kPSEexec:
      beginEncryptedSection();
      break;
    case kPSCIDCount:
      cidCount_ = in.readInteger();
      break;
    case kPSCIDFontName:
      if (in.nextToken(text) && text.starts_with('/'))
        font.setFontName(std::string_view(text).substr(1));
      break;
    case kPSCIDFontVersion:
      font.version = in.readInteger();
      break;
    case kPSCIDMapOffset:
      cidMapOffset_ = in.readInteger();
      break;
    case kPSCIDSystemInfo:
      in.skipTo("begin");
      break;
    case kPSRegistry:
      if (in.readString(text)) font.setRegistry(text);
      break;
    case kPSOrdering:
      if (in.readString(text)) font.setOrdering(text);
      break;
    case kPSSupplement:
      font.supplement = in.readInteger();
      break;
    case kPSFDArray:
      fdCount_ = in.readInteger();
      // The per-dictionary tables hold 50; a count outside them cannot be read.
      if (fdCount_ < 0 || fdCount_ > kMaxFontDicts) {
        in.raiseStatus(PSFontStatus::kTooManyFontDicts);
        break;
      }
      fontDictInfo_.clear();
      fontDictInfo_.resize(static_cast<std::size_t>(fdCount_));
      fontDictNames_.assign(static_cast<std::size_t>(fdCount_), {});
      in.skipTo("array");
      currentFd_ = 0;
      break;
    case kPSFDBytes:
      fdBytes_ = in.readInteger();
      break;
    case kPSGDBytes:
      gdBytes_ = in.readInteger();
      break;
    case kPSUIDBase:
      font.uidBase = in.readInteger();
      break;
    case kPSXUID: {
      std::array<int32_t, CidFontInfo::kMaxXuid> numbers{};
      const std::size_t n = readIntegers(numbers);
      font.setXuid(std::span<const int32_t>(numbers.data(), n));
      break;
    }
    case kPSStartData:
      in.raiseStatus(PSFontStatus::kFinished);
      glyphLimit_ = kNoGlyphLimit;
      selected_.fill(false);
      // The data section is read as it is, whatever the text before it was.
      in.setDecrypting(false);
      in.setHexInput(false);
      break;
    case kPSBinary:
      in.nextToken(text);  // the closing parenthesis
      dataLength_ = in.readInteger();
      break;
    case kPSADOEndFontDict:
      endFontDict();
      break;
    case kPSADOEndPrivateDict:
      in.skipTo("end");
      break;
    case kPSSubrMapOffset:
    case kPSSDBytes:
    case kPSSubrCount: {
      const int32_t value = in.readInteger();
      if (FontDictValues* values = currentFontDictValues()) {
        if (key == kPSSubrMapOffset) values->subrMapOffset = value;
        if (key == kPSSDBytes) values->sdBytes = value;
        if (key == kPSSubrCount) values->subrCount = value;
      }
      in.skipTo("def");
      break;
    }
    case kPSClosefile:
      in.setDecrypting(false);
      in.setHexInput(false);
      break;
    default:
      break;  // numbers, operators and keys the import does not use
  }
}

}  // namespace sorvella
