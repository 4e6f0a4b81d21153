// Import of a TrueType font: the font is opened before anything is created; the command then
// asks for the folder and the font's name, the operation takes them as arguments.
#include <system_error>

#include "base/text_format.h"
#include "cidfont/autohint_settings.h"
#include "cidfont/document.h"
#include "cidfont/truetype_font_import.h"

namespace sorvella {

namespace fs = std::filesystem;

bool Document::importTrueType(const fs::path& file) {
  TTImporter importer(autohintParameters(env_.options));
  if (!importer.Open(file)) {
    tell(formatText(document_text::kTrueTypeUnreadable, file.string().c_str()));
    return false;
  }
  const std::string stem = file.stem().string();
  std::optional<ChosenFolder> folder =
      chooseFontFolder(document_text::kImportTitle,
                       formatText(document_text::kImportTrueTypeText, stem.c_str()), stem);
  if (!folder) return false;
  const std::string proposed = importer.Name();
  std::optional<std::string> typed = env_.inputs.askText(
      {truetype_font_import_text::kNameTitle, truetype_font_import_text::kNameText, proposed, {}});
  // The CMap the import replaces is offered for saving first, so that a cancel leaves all as
  // it was.
  if (!typed || !cmapSavePrompt()) {
    std::error_code ec;
    if (folder->created) fs::remove_all(folder->path, ec);
    return false;
  }
  importer.Rename(trueTypeFontName(*typed, proposed));
  return show(collect([&](CommandOutcome& outcome) {
    return importTrueTypeFontInto(importer, file, *folder, outcome.count);
  }));
}

CommandOutcome Document::importTrueTypeFont(const fs::path& file, const fs::path& folder,
                                            bool useExisting, const std::string& fontName) {
  return collect([&](CommandOutcome& outcome) {
    TTImporter importer(autohintParameters(env_.options));
    if (!importer.Open(file)) {
      tell(formatText(document_text::kTrueTypeUnreadable, file.string().c_str()));
      return false;
    }
    std::optional<ChosenFolder> chosen = makeFontFolder(folder, useExisting);
    if (!chosen) return false;
    const std::string proposed = importer.Name();
    if (!fontName.empty()) importer.Rename(trueTypeFontName(fontName, proposed));
    return importTrueTypeFontInto(importer, file, *chosen, outcome.count);
  });
}

bool Document::importTrueTypeFontInto(TTImporter& importer, const fs::path& file,
                                      const ChosenFolder& folder, int32_t& characters) {
  closeWindows();
  replaceFont(nullptr, {});
  changed();
  SubsetFontAdding how{true, env_.options.fitAscender, env_.options.fitDescender};
  how.prepare = [this](SubsetFont& font) { loadEncodingTable(font); };
  TrueTypeImportRun run;
  {
    ProgressBox progress(env_.busy, truetype_font_import_text::kProgressTitle, {});
    run = runTrueTypeImport(importer, folder.path, how, progress.callback());
  }
  if (!run.font) return importFailed(file, folder, run.written, run.problem);

  replaceFont(std::move(run.font), folder.path);
  if (!writeIndex(false)) {
    const std::string reason =
        formatText(document_text::kIndexFileNotWritten, indexFile_.string().c_str());
    replaceFont(nullptr, {});
    changed();
    return importFailed(file, folder, run.written, reason);
  }
  const std::string cmapProblem = saveImportedCMap(*run.cmap, importedCMapPath(folder.path, file));
  cmaps_.replace(std::move(run.cmap));
  if (!cmapProblem.empty()) tell(cmapProblem);
  changed();
  characters = font_->characterCount();
  if (run.status == TrueTypeImportStatus::kCancelled)
    tell(formatText(document_text::kImportCancelled, characters));
  return true;
}

}  // namespace sorvella
