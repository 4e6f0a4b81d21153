// The TrueType paths of the document: the glyphs of an opened TrueType font made into subset
// fonts in a font folder and a locked CID font with its CMap, the CMap saved beside the index
// file, and a TrueType font read as one base font.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cidfont/cid_font.h"
#include "cidfont/settings.h"
#include "cidfont/subset_font_adding.h"
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
  kCancelled,  // the fonts stored before the cancel make the CID font
  kNotStored   // a subset font could not be written into the folder
};

struct TrueTypeImportRun {
  TrueTypeImportStatus status = TrueTypeImportStatus::kNotStored;
  // The CID font, its subset fonts locked and its tables built, and the CMap of the font's
  // character map; none for kNotStored.
  std::unique_ptr<CCidFont> font;
  std::unique_ptr<CCodeMap> cmap;
  // The subset font files written, in order.
  std::vector<std::filesystem::path> written;
  // Why a subset font was not stored.
  std::string problem;
};

// Runs an opened and named importer: every finished subset font is written into `folder`,
// its characters placed by their glyph names.
TrueTypeImportRun runTrueTypeImport(TTImporter& importer, const std::filesystem::path& folder,
                                    const SubsetFontAdding& how,
                                    const ProgressCallback& progress = {});

// <folder>/<the TrueType file's stem>.cmp
std::filesystem::path importedCMapPath(const std::filesystem::path& folder,
                                       const std::filesystem::path& trueTypeFile);
// Saves the CMap as `file`, which becomes its path; the message for the user when it could
// not (the CMap then stays unsaved).
std::string saveImportedCMap(CCodeMap& cmap, const std::filesystem::path& file);

// The typed name with every byte of value 32 or below removed; the proposal when nothing is
// left.
std::string trueTypeFontName(const std::string& typed, const std::string& proposed);

// Add Base Font: the file into `font` as one subset font; kTooManyGlyphs, with `font` left as
// it was, when the file has more than 1000 glyphs and `checkLimit` is set.
AddTrueTypeResult readTrueTypeBaseFont(const std::filesystem::path& file, SubsetFont& font,
                                       bool checkLimit, const Options& options,
                                       const ProgressCallback& progress = {});

}  // namespace sorvella
