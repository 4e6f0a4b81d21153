// Import of a TrueType font: the font is opened before anything is created, then the folder
// and the font's name are asked for, and the import makes the new CID font and CMap.
#include "base/text_format.h"
#include "cidfont/autohint_settings.h"
#include "cidfont/document.h"
#include "cidfont/truetype_font_import.h"

namespace sorvella {

namespace fs = std::filesystem;

bool Document::importTrueTypeFont(const fs::path& file) {
  TTImporter importer(autohintParameters(env_.options));
  if (!importer.Open(file)) {
    env_.prompts.tell(formatText(document_text::kTrueTypeUnreadable, file.string().c_str()));
    return false;
  }
  std::string stem = file.stem().string();
  std::optional<fs::path> folder =
      chooseFontFolder(document_text::kImportTitle,
                       formatText(document_text::kImportTrueTypeText, stem.c_str()), stem);
  if (!folder) return false;
  const std::string proposed = importer.Name();
  std::optional<std::string> typed = env_.inputs.askText(
      {truetype_font_import_text::kNameTitle, truetype_font_import_text::kNameText, proposed, {}});
  if (!typed) return false;
  importer.Rename(trueTypeFontName(*typed, proposed));

  closeWindows();
  replaceFont(nullptr, {});
  changed();
  TrueTypeImportOutcome outcome;
  {
    ProgressBox progress(env_.busy, truetype_font_import_text::kProgressTitle, {});
    outcome =
        sorvella::importTrueTypeFont(importer, file, *folder, env_.options, progress.callback());
  }
  for (const std::string& message : outcome.messages) env_.prompts.tell(message);
  if (!outcome.font) return false;

  // The new CMap is in its file already; the one it replaces may still need saving.
  if (cmapSavePrompt()) cmaps_.replace(std::move(outcome.cmap));
  replaceFont(std::move(outcome.font), *folder);
  lastSaveTime_ = now();
  changed();
  return outcome.status == TrueTypeImportStatus::kImported;
}

}  // namespace sorvella
