// Switching the encoding of a subset font by number: tables come from the encoding registry,
// and the font's own table (number 0) is kept aside while another one is in use.
#pragma once

#include <cstdint>

#include "glyph/subset_font.h"
#include "postscript/encoding_registry.h"

namespace sorvella {

// Asking for the current number changes nothing. Leaving number 0 saves the own table once
// (a later departure keeps the first copy). A number other than 0 loads that table, or the
// table of number 1 when it is not registered, or placeholders when 1 is missing too; the
// font then carries the number asked for. Number 0 copies the saved own table back (with none
// saved, the table stays as it is).
void setSubsetFontEncoding(SubsetFont& font, int32_t number, const EncodingRegistry& registry);

// Gives a new font encoding number 1 with its table, as every new subset font starts.
void loadNewFontEncoding(SubsetFont& font, const EncodingRegistry& registry);

// A font that carries an encoding number other than 0 but no names at all (a new font, or
// one read from a file without its encoding group) gets the table of that number.
void loadMissingEncodingTable(SubsetFont& font, const EncodingRegistry& registry);

}  // namespace sorvella
