// A sentence for every status of the font-program readers (Type 1 and CIDFont), for the
// messages of the commands that call them and for the batch tool.
#pragma once

#include <string>

#include "postscript/ps_font_status.h"

namespace sorvella {

namespace font_program_text {
inline constexpr const char* kCannotOpen = "The file can't be opened.";
inline constexpr const char* kCutShort = "The file is cut short or can't be read.";
inline constexpr const char* kIncomplete = "The file ends before the font program is complete.";
inline constexpr const char* kBooleanExpected = "A value that must be true or false is neither.";
inline constexpr const char* kFinished = "The font program was read completely.";
inline constexpr const char* kEncodingCodeTooLarge =
    "The encoding puts a glyph name at a code above 255.";
inline constexpr const char* kDesignMapNotPairs = "A design map does not consist of pairs.";
inline constexpr const char* kAxesUnknown = "A design map comes before the design positions.";
inline constexpr const char* kWrongMasterCount =
    "A value given per master does not have one element per master.";
inline constexpr const char* kBracketExpected = "An array lacks its bracket.";
inline constexpr const char* kTooManyFontDicts =
    "The file has more font dictionaries than its FDArray count, or more than 50.";
inline constexpr const char* kCidMapOutOfRange =
    "The CIDMap or one of its offsets lies beyond the data section.";
inline constexpr const char* kSubrMapOutOfRange =
    "A SubrMap or one of its offsets lies beyond the data section, or the import was "
    "cancelled while the subroutines were read.";
inline constexpr const char* kFontDictOutOfRange =
    "A CID has a glyph in a font dictionary that the file does not have.";
inline constexpr const char* kBadHexDigit = "A hexadecimal digit is expected but missing.";
inline constexpr const char* kCancelled = "The import was cancelled.";
inline constexpr const char* kUnknown = "The font program is damaged (status %u).";
}  // namespace font_program_text

// The sentence for a reader's status; `streamFailed` tells a file cut short from one read to
// its end.
std::string fontProgramStatusText(PSFontStatus status, bool streamFailed);

}  // namespace sorvella
