#include "postscript/font_program_status.h"

#include "base/text_format.h"
#include "postscript/ps_font_status.h"

namespace sorvella {

std::string fontProgramStatusText(PSFontStatus status, bool streamFailed) {
  namespace text = font_program_text;
  switch (status) {
    case PSFontStatus::kFine:
      return streamFailed ? text::kCutShort : text::kIncomplete;
    case PSFontStatus::kBooleanExpected:
      return text::kBooleanExpected;
    case PSFontStatus::kFinished:
      return text::kFinished;
    case PSFontStatus::kEncodingCodeTooLarge:
      return text::kEncodingCodeTooLarge;
    case PSFontStatus::kDesignMapNotPairs:
      return text::kDesignMapNotPairs;
    case PSFontStatus::kAxesUnknown:
      return text::kAxesUnknown;
    case PSFontStatus::kWrongMasterCount:
      return text::kWrongMasterCount;
    case PSFontStatus::kBracketExpected:
      return text::kBracketExpected;
    case PSFontStatus::kTooManyFontDicts:
      return text::kTooManyFontDicts;
    case PSFontStatus::kCidMapOutOfRange:
      return text::kCidMapOutOfRange;
    case PSFontStatus::kSubrMapOutOfRange:
      return text::kSubrMapOutOfRange;
    case PSFontStatus::kFontDictOutOfRange:
      return text::kFontDictOutOfRange;
    case PSFontStatus::kBadHexDigit:
      return text::kBadHexDigit;
    case PSFontStatus::kCancelled:
      return text::kCancelled;
    default:
      return formatText(text::kUnknown, statusNumber(status));
  }
}

}  // namespace sorvella
