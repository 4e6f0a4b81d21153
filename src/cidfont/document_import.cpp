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
#include "postscript/cid_font_writer.h"
#include "postscript/font_program_status.h"

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
    if (font_) return show(importTextIndex(*file));
    tell(document_text::kIndexNeedsFont);
    return false;
  }
  if (ext != ".cid" && ext != ".ttf") return notAvailable(*file);
  setFolder(env_.profile, kImportFromFolderKey, file->parent_path());
  if (ext == ".ttf") return importTrueType(*file);
  if (!env_.hooks.importCidFont) return notAvailable(*file);
  std::string name = file->stem().string();
  std::optional<ChosenFolder> folder = chooseFontFolder(
      document_text::kImportTitle, formatText(document_text::kImportCidText, name.c_str()), name);
  if (!folder) return false;
  return show(collect(
      [&](CommandOutcome& outcome) { return importCidFontInto(*file, *folder, outcome.count); }));
}

CommandOutcome Document::importCidFont(const fs::path& file, const fs::path& folder,
                                       bool useExisting) {
  return collect([&](CommandOutcome& outcome) {
    if (!env_.hooks.importCidFont) return notAvailable(file);
    std::optional<ChosenFolder> chosen = makeFontFolder(folder, useExisting);
    return chosen && importCidFontInto(file, *chosen, outcome.count);
  });
}

CommandOutcome Document::importTextIndex(const fs::path& file) {
  return collect([&](CommandOutcome&) {
    if (!font_) {
      tell(document_text::kIndexNeedsFont);
      return false;
    }
    closeWindows();
    TextIndexImportReport report;
    TextIndexStatus status = ImportTextIndex(*font_, file, &report);
    std::string path = file.string();
    switch (status) {
      case kTextIndexOk:
        if (!report.removedFonts.empty()) tell(removedFontsText(report));
        changed();
        return true;
      case kTextIndexNoFontMatches:
        tell(kIncompatibleIndexMessage);
        break;
      case kTextIndexNotAnIndex:
        tell(formatText(kNotATextIndexMessage, path.c_str()));
        break;
      case kTextIndexCutShort:
        tell(formatText(kTextIndexCutShortMessage, path.c_str()));
        break;
      case kTextIndexCidBeyondLimit:
        tell(formatText(kTextIndexCidBeyondLimitMessage, path.c_str(),
                        static_cast<long long>(report.cidBeyondLimit)));
        break;
      default:
        tell(kInvalidCMapMessage);
        break;
    }
    return false;
  });
}

bool Document::importCidFontInto(const fs::path& file, const ChosenFolder& folder,
                                 int32_t& characters) {
  closeWindows();
  replaceFont(nullptr, {});
  changed();
  SubsetFontAdding how{true, env_.options.fitAscender, env_.options.fitDescender};
  std::vector<fs::path> written;  // the subset font files of this import
  std::string notAdded;
  bool cancelled = false;
  CidFontImport imported;
  {
    WaitCursor wait(env_.busy);
    ProgressBox progress(env_.busy, document_text::kImportCidProgressTitle,
                         document_text::kProcessingCidGlyphs);
    // The importer keeps what it handed over before a cancel; only the answer tells.
    ProgressCallback watched = [&](int kind, int64_t a, int64_t b) {
      const int answer = progress.callback() ? progress.callback()(kind, a, b) : 0;
      if (answer != 0) cancelled = true;
      return answer;
    };
    auto add = [&](CCidFont& cidFont, SubsetFont& font) {
      const int32_t number = sorvella::addSubsetFont(cidFont, folder.path, font, how);
      if (number >= 0) {
        written.push_back(SubsetFontFilePath(folder.path, cidFont.subsetFont(number).fileStem()));
        return true;
      }
      notAdded = addSubsetFontFailureText(font);
      return false;
    };
    imported = env_.hooks.importCidFont(file, add, watched);
  }
  if (!imported.font) {
    std::string reason = !notAdded.empty() ? notAdded
                         : cancelled       ? font_program_text::kCancelled
                                           : imported.problem;
    return importFailed(file, folder, written, reason);
  }

  replaceFont(std::move(imported.font), folder.path);
  for (int32_t f = 0; f < font_->subsetFontCount(); ++f) font_->setLocked(f, true);
  font_->Refresh();
  font_->RebuildTables();
  // The page still shows the old font, so it is not applied to the imported one.
  if (!writeIndex(false)) {
    const std::string reason =
        formatText(document_text::kIndexFileNotWritten, indexFile_.string().c_str());
    replaceFont(nullptr, {});
    changed();
    return importFailed(file, folder, written, reason);
  }
  changed();
  characters = font_->characterCount();
  if (cancelled) {
    tell(formatText(document_text::kImportCancelled, characters));
  } else if (!imported.problem.empty()) {
    tell(formatText(document_text::kImportIncomplete, file.string().c_str(),
                    imported.problem.c_str(), characters));
  }
  return true;
}

// Takes away what the import created: a new folder with everything in it, or in a folder
// the user chose to replace the subset font files it wrote (their stems were free, so none
// of them replaced a file; the index file is written last).
bool Document::importFailed(const fs::path& file, const ChosenFolder& folder,
                            const std::vector<fs::path>& written, const std::string& reason) {
  std::error_code ec;
  if (folder.created) {
    fs::remove_all(folder.path, ec);
  } else {
    for (const fs::path& f : written) fs::remove(f, ec);
  }
  tell(formatText(document_text::kImportFailed, file.string().c_str(), reason.c_str()));
  return false;
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
  return show(exportTo(*file));
}

CommandOutcome Document::exportTo(const fs::path& file) {
  return collect([&](CommandOutcome&) {
    if (!font_) return false;

    if (lowerExtension(file) == ".sci") {
      if (WriteTextIndex(*font_, file)) return true;
      tell(formatText(document_text::kTextIndexNotWritten, file.string().c_str()));
      return false;
    }
    if (!env_.hooks.exportCidFont) return notAvailable(file);
    if (font_->rangeTop() > CCidFont::kMaxCid) {
      tell(formatText(document_text::kCidRangeBeyondExport, font_->rangeTop()));
      return false;
    }
    CidFontExport exported;
    bool cancelled = false;
    {
      ProgressBox progress(env_.busy, document_text::kExportCidProgressTitle,
                           document_text::kProcessingCidGlyphs);
      ProgressCallback watched = [&](int kind, int64_t a, int64_t b) {
        const int answer = progress.callback() ? progress.callback()(kind, a, b) : 0;
        if (answer != 0) cancelled = true;
        return answer;
      };
      font_->Refresh();
      exported = env_.hooks.exportCidFont(file, *font_, folder_, watched);
    }
    if (cancelled && !exported.written) return false;  // the user knows
    if (!exported.written) {
      tell(formatText(document_text::kFileNotWritten, file.string().c_str()));
      return false;
    }
    // Written, but without what could not be read: a warning, not a failure.
    std::string warning = cidExportWarning(exported.charactersLeftOut);
    if (!exported.unreadableFiles.empty()) {
      std::string files;
      for (const fs::path& f : exported.unreadableFiles)
        files += (files.empty() ? "" : ", ") + f.string();
      if (!warning.empty()) warning += ' ';
      warning += formatText(document_text::kUnreadableSubsetFonts, files.c_str());
    }
    if (!warning.empty()) tell(warning);
    return true;
  });
}

}  // namespace sorvella
