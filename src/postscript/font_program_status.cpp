#include "postscript/font_program_status.h"

#include "base/text_format.h"
#include "postscript/cid_keyed_font_reader.h"
#include "postscript/ps_font_reader.h"

namespace sorvella {

std::string fontProgramStatusText(uint16_t status, bool streamFailed) {
  namespace text = font_program_text;
  switch (status) {
    case PSFontReader::kFine:
      return streamFailed ? text::kCutShort : text::kIncomplete;
    case PSFontReader::kBooleanExpected:
      return text::kBooleanExpected;
    case PSFontReader::kFinished:
      return text::kFinished;
    case PSFontReader::kEncodingCodeTooLarge:
      return text::kEncodingCodeTooLarge;
    case PSFontReader::kDesignMapNotPairs:
      return text::kDesignMapNotPairs;
    case PSFontReader::kAxesUnknown:
      return text::kAxesUnknown;
    case PSFontReader::kWrongMasterCount:
      return text::kWrongMasterCount;
    case PSFontReader::kBracketExpected:
      return text::kBracketExpected;
    case CidKeyedFontReader::kTooManyFontDicts:
      return text::kTooManyFontDicts;
    case CidKeyedFontReader::kCidMapOutOfRange:
      return text::kCidMapOutOfRange;
    case CidKeyedFontReader::kSubrMapOutOfRange:
      return text::kSubrMapOutOfRange;
    case CidKeyedFontReader::kFontDictOutOfRange:
      return text::kFontDictOutOfRange;
    case PSFontReader::kBadHexDigit:
      return text::kBadHexDigit;
    case PSFontReader::kCancelled:
      return text::kCancelled;
    default:
      return formatText(text::kUnknown, static_cast<unsigned>(status));
  }
}

}  // namespace sorvella
