// The TrueType paths of the document: a TrueType font imported into a new font folder (subset
// fonts, locks, index file and CMap file), and a TrueType font read as one base font.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cidfont/cid_font.h"
#include "cidfont/settings.h"
#include "cidfont/truetype_importer.h"
#include "cmap/code_map.h"
#include "glyph/subset_font.h"
#include "platform/progress_callback.h"

namespace sorvella {

namespace truetype_font_import_text {
inline constexpr const char* kNameTitle = "TrueType Font Name";
inline constexpr const char* kNameText =
    "Please correct the TrueType/Postscript Font Name below. This name will be used as the "
    "basic font name for all subset fonts in the newly created CID font.";
inline constexpr const char* kProgressTitle = "Importing TrueType Font";
}  // namespace truetype_font_import_text

enum class TrueTypeImportStatus {
  kImported,
  kUnreadable,      // not a TrueType font with glyphs
  kCancelled,       // the subset fonts stored so far stay in the folder
  kNotStored,       // a subset font could not be written into the folder
  kIndexNotWritten  // the CID font was made, but its index file could not be written
};

struct TrueTypeImportOutcome {
  TrueTypeImportStatus status = TrueTypeImportStatus::kUnreadable;
  // The new CID font, its subset fonts all locked, and the CMap of the font's character map;
  // both set for kImported and kIndexNotWritten.
  std::unique_ptr<CCidFont> font;
  std::unique_ptr<CCodeMap> cmap;
  // For the user, in order; a CMap that could not be saved is told here, and the import
  // still succeeds.
  std::vector<std::string> messages;
};

// Runs an opened and named importer into the existing `folder`: every finished subset font is
// written there, placed by its glyph names; then the fonts are locked, the tables rebuilt and
// the index file written, and the CMap saved as <folder>/<file's stem>.cmp, which becomes its
// file path.
TrueTypeImportOutcome importTrueTypeFont(TTImporter& importer, const std::filesystem::path& file,
                                         const std::filesystem::path& folder,
                                         const Options& options,
                                         const ProgressCallback& progress = {});
// The same from the file, under the name the font gives itself.
TrueTypeImportOutcome importTrueTypeFont(const std::filesystem::path& file,
                                         const std::filesystem::path& folder,
                                         const Options& options,
                                         const ProgressCallback& progress = {});

// The typed name with every byte of value 32 or below removed; the proposal when nothing is
// left.
std::string trueTypeFontName(const std::string& typed, const std::string& proposed);

// Add Base Font: the file into `font` as one subset font; kTooManyGlyphs, with `font` left as
// it was, when the file has more than 1000 glyphs and `checkLimit` is set.
AddTrueTypeResult readTrueTypeBaseFont(const std::filesystem::path& file, SubsetFont& font,
                                       bool checkLimit, const Options& options,
                                       const ProgressCallback& progress = {});

}  // namespace sorvella
