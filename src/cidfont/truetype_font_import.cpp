#include "cidfont/truetype_font_import.h"

#include "cidfont/autohint_settings.h"
#include "cidfont/font_folder.h"
#include "cmap/cmap_commands.h"

namespace sorvella {

namespace fs = std::filesystem;

TrueTypeImportRun runTrueTypeImport(TTImporter& importer, const fs::path& folder,
                                    const SubsetFontAdding& how, const ProgressCallback& progress) {
  TrueTypeImportRun run;
  auto store = [&](CCidFont& cidFont, SubsetFont& font) {
    const int32_t number = addSubsetFont(cidFont, folder, font, how);
    if (number >= 0) {
      run.written.push_back(SubsetFontFilePath(folder, cidFont.subsetFont(number).fileStem()));
      return true;
    }
    run.problem = addSubsetFontFailureText(font);
    return false;
  };
  if (!importer.Run(store, progress) && importer.state() != TTImportState::kCancelled) return run;
  run.status = importer.state() == TTImportState::kCancelled ? TrueTypeImportStatus::kCancelled
                                                             : TrueTypeImportStatus::kImported;
  run.font = importer.takeCidFont();
  run.cmap = importer.takeCMap();
  for (int32_t f = 0; f < run.font->subsetFontCount(); ++f) run.font->setLocked(f, true);
  run.font->Refresh();
  run.font->RebuildTables();
  return run;
}

fs::path importedCMapPath(const fs::path& folder, const fs::path& trueTypeFile) {
  return folder / (trueTypeFile.stem().string() + "." + kCMapFileExtension);
}

std::string saveImportedCMap(CCodeMap& cmap, const fs::path& file) {
  if (!cmap.Save(file))
    return cmap.status == kCMapNoOrdering ? kNoOrderingMessage : kDiskProblemMessage;
  cmap.filePath = file;
  cmap.modified = false;
  return {};
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
