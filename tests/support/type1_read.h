// Reading Type 1 font bytes in tests: the reader's result, status and facts in one value, and
// the encoding files that come with the program.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "glyph/subset_font.h"
#include "platform/progress_callback.h"
#include "postscript/encoding_registry.h"
#include "postscript/ps_font_status.h"
#include "postscript/type1_font_facts.h"

namespace sorvella::test {

struct Type1ReadResult {
  bool succeeded = false;
  PSFontStatus status = PSFontStatus::kFine;
  std::unique_ptr<SubsetFont> font;
  Type1FontFacts facts;
};

// The registry of the source tree's data folder.
const EncodingRegistry& shippedEncodings();

Type1ReadResult readType1Bytes(const std::vector<uint8_t>& bytes, ProgressCallback progress = {});

// The box a glyph shows: its outline's, or for a composite the union of its components'
// boxes, each shifted by its offset; (0, 0, 0, 0) when it shows nothing, as tx writes it.
Box shownBox(const SubsetFont& font, const Glyph& glyph);

// Glyph names in slot order.
std::vector<std::string> glyphNames(const SubsetFont& font);

}  // namespace sorvella::test
