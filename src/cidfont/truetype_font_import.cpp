#include "cidfont/truetype_font_import.h"

#include "base/text_format.h"
#include "cidfont/autohint_settings.h"
#include "cidfont/binary_index_file.h"
#include "cidfont/document.h"
#include "cidfont/font_folder.h"
#include "cidfont/subset_font_adding.h"
#include "cmap/cmap_commands.h"

namespace sorvella {

namespace fs = std::filesystem;

namespace {

std::string cmapNotSavedText(const CCodeMap& cmap) {
  return cmap.status == kCMapNoOrdering ? kNoOrderingMessage : kDiskProblemMessage;
}

}  // namespace

TrueTypeImportOutcome importTrueTypeFont(TTImporter& importer, const fs::path& file,
                                         const fs::path& folder, const Options& options,
                                         const ProgressCallback& progress) {
  TrueTypeImportOutcome outcome;
  const SubsetFontAdding how{true, options.fitAscender, options.fitDescender};
  bool stored = true;
  auto store = [&](CCidFont& cidFont, SubsetFont& font) {
    if (addSubsetFont(cidFont, folder, font, how) >= 0) return true;
    outcome.messages.push_back(addSubsetFontFailureText(font));
    stored = false;
    return false;
  };
  if (!importer.Run(store, progress)) {
    outcome.status = stored ? TrueTypeImportStatus::kCancelled : TrueTypeImportStatus::kNotStored;
    return outcome;
  }

  std::unique_ptr<CCidFont> font = importer.takeCidFont();
  for (int32_t f = 0; f < font->subsetFontCount(); ++f) font->setLocked(f, true);
  font->Refresh();
  font->RebuildTables();
  const fs::path index = binaryIndexPath(folder);
  outcome.status = TrueTypeImportStatus::kImported;
  if (!WriteBinaryIndex(*font, index)) {
    outcome.status = TrueTypeImportStatus::kIndexNotWritten;
    outcome.messages.push_back(formatText(document_text::kIndexNotWritten, index.string().c_str()));
  }

  std::unique_ptr<CCodeMap> cmap = importer.takeCMap();
  const fs::path cmapFile = folder / (file.stem().string() + "." + kCMapFileExtension);
  if (cmap->Save(cmapFile)) {
    cmap->filePath = cmapFile;
    cmap->modified = false;
  } else {
    outcome.messages.push_back(cmapNotSavedText(*cmap));
  }
  outcome.font = std::move(font);
  outcome.cmap = std::move(cmap);
  return outcome;
}

TrueTypeImportOutcome importTrueTypeFont(const fs::path& file, const fs::path& folder,
                                         const Options& options, const ProgressCallback& progress) {
  TTImporter importer(autohintParameters(options));
  if (!importer.Open(file)) {
    TrueTypeImportOutcome outcome;
    outcome.messages.push_back(
        formatText(document_text::kTrueTypeUnreadable, file.string().c_str()));
    return outcome;
  }
  importer.Name();
  return importTrueTypeFont(importer, file, folder, options, progress);
}

std::string trueTypeFontName(const std::string& typed, const std::string& proposed) {
  std::string name;
  for (char c : typed)
    if (static_cast<signed char>(c) > 32) name += c;
  return name.empty() ? proposed : name;
}

AddTrueTypeResult readTrueTypeBaseFont(const fs::path& file, SubsetFont& font, bool checkLimit,
                                       const Options& options, const ProgressCallback& progress) {
  TTImporter importer(autohintParameters(options));
  if (!importer.Open(file)) return AddTrueTypeResult::kUnreadable;
  return importer.AddTrueTypeFont(font, progress, checkLimit);
}

}  // namespace sorvella
