// Import (text index files now, CIDFont files through their hook) and Export of the CID font.
#include <algorithm>
#include <cctype>

#include "base/path_helpers.h"
#include "base/text_format.h"
#include "cidfont/document.h"
#include "cidfont/font_folder.h"
#include "cidfont/remembered_folders.h"
#include "cidfont/subset_font_adding.h"
#include "cidfont/text_index_file.h"
#include "cmap/cmap_commands.h"

namespace sorvella {

namespace fs = std::filesystem;

bool Document::Import() {
  if (!savePrompt()) return false;
  FileDialogRequest request;
  request.mode = FileDialogRequest::Mode::kOpen;
  request.title = document_text::kImportTitle;
  request.filter = font_ ? document_text::kImportFilterWithIndex : document_text::kImportFilter;
  request.fileMustExist = true;
  request.initialFolder = getFolder(env_.profile, kImportFromFolderKey);
  if (request.initialFolder.empty())
    request.initialFolder = env_.programFile.parent_path() / kSamplesFolder;
  std::optional<fs::path> file = env_.fileDialogs.choose(request);
  if (!file) return false;

  std::string ext = lowerExtension(*file);
  if (ext == ".sci") {
    if (font_) return importTextIndex(*file);
    env_.prompts.tell(document_text::kIndexNeedsFont);
    return false;
  }
  if (ext != ".cid" && ext != ".ttf") return notAvailable(*file);
  setFolder(env_.profile, kImportFromFolderKey, file->parent_path());
  return ext == ".ttf" ? importTrueTypeFont(*file) : importCidFont(*file);
}

bool Document::importTextIndex(const fs::path& file) {
  closeWindows();
  TextIndexImportReport report;
  TextIndexStatus status = ImportTextIndex(*font_, file, &report);
  std::string path = file.string();
  switch (status) {
    case kTextIndexOk:
      if (!report.removedFonts.empty()) env_.prompts.tell(removedFontsText(report));
      changed();
      return true;
    case kTextIndexNoFontMatches:
      env_.prompts.tell(kIncompatibleIndexMessage);
      break;
    case kTextIndexNotAnIndex:
      env_.prompts.tell(formatText(kNotATextIndexMessage, path.c_str()));
      break;
    case kTextIndexCutShort:
      env_.prompts.tell(formatText(kTextIndexCutShortMessage, path.c_str()));
      break;
    case kTextIndexCidBeyondLimit:
      env_.prompts.tell(formatText(kTextIndexCidBeyondLimitMessage, path.c_str(),
                                   static_cast<long long>(report.cidBeyondLimit)));
      break;
    default:
      env_.prompts.tell(kInvalidCMapMessage);
      break;
  }
  return false;
}

bool Document::importCidFont(const fs::path& file) {
  if (!env_.hooks.importCidFont) return notAvailable(file);
  std::string name = file.stem().string();
  std::optional<fs::path> folder = chooseFontFolder(
      document_text::kImportTitle, formatText(document_text::kImportCidText, name.c_str()), name);
  if (!folder) return false;

  closeWindows();
  replaceFont(nullptr, {});
  changed();
  SubsetFontAdding how{true, env_.options.fitAscender, env_.options.fitDescender};
  std::unique_ptr<CCidFont> imported;
  {
    WaitCursor wait(env_.busy);
    ProgressBox progress(env_.busy, document_text::kImportCidProgressTitle,
                         document_text::kProcessingCidGlyphs);
    auto add = [&](CCidFont& cidFont, SubsetFont& font) {
      if (sorvella::addSubsetFont(cidFont, *folder, font, how) >= 0) return true;
      const std::string& fontName = font.info().fontName();
      env_.prompts.tell(formatText(kSubsetFontNotWrittenMessage,
                                   fontName.empty() ? kUntitledFontName : fontName.c_str()));
      return false;
    };
    imported = env_.hooks.importCidFont(file, add, progress.callback());
  }
  if (!imported) return false;

  replaceFont(std::move(imported), *folder);
  for (int32_t f = 0; f < font_->subsetFontCount(); ++f) font_->setLocked(f, true);
  font_->Refresh();
  font_->RebuildTables();
  // The page still shows the old font, so it is not applied to the imported one.
  bool saved = writeIndex();
  changed();
  return saved;
}

bool Document::Export() {
  if (!font_) return false;
  applyFontInfoPage();
  FileDialogRequest request;
  request.mode = FileDialogRequest::Mode::kSave;
  request.title = document_text::kExportTitle;
  request.filter = document_text::kExportFilter;
  request.defaultExtension = "cid";
  request.overwritePrompt = true;
  std::optional<fs::path> file = env_.fileDialogs.choose(request);
  if (!file) return false;

  if (lowerExtension(*file) == ".sci") {
    if (WriteTextIndex(*font_, *file)) return true;
    env_.prompts.tell(formatText(document_text::kTextIndexNotWritten, file->string().c_str()));
    return false;
  }
  if (!env_.hooks.exportCidFont) return notAvailable(*file);
  if (font_->rangeTop() > CCidFont::kMaxCid) {
    env_.prompts.tell(formatText(document_text::kCidRangeBeyondExport, font_->rangeTop()));
    return false;
  }
  ProgressBox progress(env_.busy, document_text::kExportCidProgressTitle,
                       document_text::kProcessingCidGlyphs);
  font_->Refresh();
  env_.hooks.exportCidFont(*file, *font_, folder_, progress.callback());
  return true;
}

}  // namespace sorvella
