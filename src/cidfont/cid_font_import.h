// The import of a CIDFont resource as a new CID font, the one sequence that Import, the batch
// tool's dump and the fuzz target run: the header becomes the CID font's information, and the
// data section, split into subset fonts, goes to the caller one subset font at a time.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "cidfont/cid_font.h"
#include "glyph/subset_font.h"
#include "platform/progress_callback.h"
#include "postscript/cid_keyed_font_reader.h"
#include "postscript/ps_font_status.h"

namespace sorvella {

// The add-subset-font operation as importers receive it: adds `font` to `cidFont` (the CID
// font they are building) and returns false when it could not.
using AddSubsetFontCallback = std::function<bool(CCidFont& cidFont, SubsetFont& font)>;

struct CidFontImport {
  // The new CID font; none unless the import succeeded.
  std::unique_ptr<CCidFont> font;
  // The reader's at the end: kFinished when all went well; kFine when the file could not be
  // read or the stream failed.
  PSFontStatus status = PSFontStatus::kFine;
  // `add` refused a subset font; the later ones were not offered to it.
  bool refused = false;
  // A sentence: why there is no font, or why the font holds only part of the file.
  std::string problem;
};

// Reads the header into a new CID font and splits the data section into subset fonts of at
// most 512 glyphs, of every font dictionary, handing each to `add` as it is finished. The
// import succeeds when the header was read, the split ended neither with a failed stream nor
// with a cancel, and `add` took every subset font. A CID whose font dictionary is beyond the
// count (kFontDictOutOfRange) ends the split early; the fonts handed over before are kept.
CidFontImport importCidFont(CidKeyedFontReader& reader, const AddSubsetFontCallback& add,
                            const ProgressCallback& progress = {});
// The same for a file; one that cannot be read fails with status kFine.
CidFontImport importCidFont(const std::filesystem::path& file, const AddSubsetFontCallback& add,
                            const ProgressCallback& progress = {});

}  // namespace sorvella
