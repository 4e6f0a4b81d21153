// New, Open (with the check of the subset font files) and Save.
#include <algorithm>
#include <system_error>

#include "base/text_format.h"
#include "cidfont/binary_index_file.h"
#include "cidfont/document.h"
#include "cidfont/font_folder.h"
#include "cidfont/remembered_folders.h"
#include "glyph/native_font_file.h"

namespace sorvella {

namespace fs = std::filesystem;

bool Document::New() {
  if (!savePrompt()) return false;
  std::optional<ChosenFolder> folder =
      chooseFontFolder(document_text::kNewTitle, document_text::kNewText, {});
  if (!folder) return false;
  startFont(*folder);
  return true;
}

CommandOutcome Document::newFont(const fs::path& folder, bool useExisting) {
  return collect([&](CommandOutcome&) {
    std::optional<ChosenFolder> chosen = makeFontFolder(folder, useExisting);
    if (!chosen) return false;
    startFont(*chosen);
    return true;
  });
}

void Document::startFont(const ChosenFolder& folder) {
  closeWindows();
  replaceFont(std::make_unique<CCidFont>(), folder.path);
  if (folder.created) unsavedFolder_ = folder.path;
  font_->RebuildTables();
  lastSaveTime_ = now();
  changed();
}

bool Document::Open() {
  if (!savePrompt()) return false;
  FileDialogRequest request;
  request.mode = FileDialogRequest::Mode::kOpen;
  request.filter = document_text::kOpenFilter;
  request.defaultExtension = document_text::kIndexExtension;
  request.fileMustExist = true;
  request.initialFolder = getFolder(env_.profile, kOpenFolderKey);
  std::optional<fs::path> file = env_.fileDialogs.choose(request);
  if (!file) return false;
  setFolder(env_.profile, kOpenFolderKey, file->parent_path());
  return openIndexFile(*file);
}

bool Document::openIndexFile(const fs::path& file) {
  return show(openFont(file, MissingFonts::kAsk));
}

CommandOutcome Document::openFont(const fs::path& file, MissingFonts missing) {
  return collect([&](CommandOutcome&) {
    closeWindows();
    replaceFont(nullptr, {});
    lastSaveTime_ = now();
    BinaryIndexReadResult read;
    {
      WaitCursor wait(env_.busy);
      read = ReadBinaryIndex(file);
    }
    if (!read.opened) {
      tell(formatText(document_text::kIndexUnreadable, file.string().c_str()));
      changed();
      return false;
    }
    // Save writes this file again, even when the folder has been renamed since.
    replaceFont(std::move(read.font), file.parent_path(), file);
    font_->RebuildTables();
    font_->setModified(false);
    tellIndexDamage(read, file);
    if (!checkSubsetFontFiles(missing)) {
      replaceFont(nullptr, {});
      changed();
      return false;
    }
    changed();
    return true;
  });
}

void Document::tellIndexDamage(const BinaryIndexReadResult& read, const fs::path& file) {
  std::string path = file.string();
  if (read.missingRecords > 0)
    tell(formatText(document_text::kIndexRecordsMissing, path.c_str(), read.missingRecords));
  if (read.fontCountsOutOfRange > 0)
    tell(formatText(document_text::kIndexFontCountsOutOfRange, path.c_str(),
                    read.fontCountsOutOfRange));
  if (read.unplacedBeyondLimit > 0)
    tell(formatText(document_text::kIndexCidsBeyondLimit, path.c_str(), read.unplacedBeyondLimit));
}

bool Document::checkSubsetFontFiles(MissingFonts choice) {
  for (;;) {
    std::vector<int32_t> missing;
    for (int32_t f = 0; f < font_->subsetFontCount(); ++f) {
      std::error_code ec;
      if (!fs::exists(SubsetFontFilePath(folder_, font_->subsetFont(f).fileStem()), ec))
        missing.push_back(f);
    }
    if (missing.empty()) return true;

    std::string text = std::string(document_text::kMissingFilesIntro) + "\n\n";
    for (int32_t f : missing)
      text += formatText(document_text::kMissingFileName, font_->subsetFont(f).fileStem().c_str()) +
              "\n";
    text += std::string("\n") + document_text::kMissingFilesQuestion;
    int answer = 3;
    if (choice == MissingFonts::kAsk) {
      answer = env_.prompts.ask(text, font_folder_text::kWarningTitle,
                                {document_text::kDeleteFonts, document_text::kIgnore,
                                 document_text::kRetry, document_text::kCancel});
    } else if (choice == MissingFonts::kFail) {
      tell(text);
    } else {
      answer = choice == MissingFonts::kDelete ? 0 : 1;
    }
    switch (answer) {
      case 0:
        font_->Refresh();
        // From the last, so that each removal leaves the numbers still to remove in place.
        std::reverse(missing.begin(), missing.end());
        for (int32_t f : missing) {
          font_->setLocked(f, false);
          font_->RemoveFont(f);
        }
        font_->RebuildTables();
        return true;
      case 1:
        return true;
      case 2:
        continue;
      default:
        return false;
    }
  }
}

bool Document::saveEditedFont() {
  EditedSubsetFont* edited = env_.editedFont ? env_.editedFont() : nullptr;
  if (!edited || !edited->font || !edited->modified) return true;
  const std::string& name = edited->font->info().fontName();
  int answer = env_.prompts.ask(formatText(document_text::kEditedFontQuestion, name.c_str()),
                                kProgramTitle, {document_text::kYes, document_text::kNo});
  if (answer != 0) return true;
  if (!WriteNativeFont(edited->path, *edited->font, native_font_flag::kStored)) {
    tell(formatText(document_text::kFileNotWritten, edited->path.string().c_str()));
    return false;
  }
  edited->modified = false;
  return true;
}

bool Document::Save() {
  if (!font_) return false;
  saveEditedFont();
  applyFontInfoPage();
  if (!folderPathHasSeparator(folder_.string())) {
    int answer = env_.prompts.ask(font_folder_text::kBadFolderName, font_folder_text::kWarningTitle,
                                  {kOkButton, document_text::kCancel});
    if (answer != 0) return false;
  }
  return show(saveFont());
}

CommandOutcome Document::saveFont() {
  return collect([&](CommandOutcome&) { return font_ && writeIndex(); });
}

bool Document::writeIndex(bool report) {
  // A folder path without a separator is written to the emergency file Save warns of.
  fs::path path =
      folderPathHasSeparator(folder_.string()) ? indexFile_ : emergencyIndexPath(folder_);
  lastSaveTime_ = now();
  std::error_code ec;
  const bool hadFile = fs::exists(path, ec);
  bool written;
  {
    WaitCursor wait(env_.busy);
    font_->Refresh();
    written = WriteBinaryIndex(*font_, path);
  }
  if (!written) {
    if (report)
      tell(formatText(
          hadFile ? document_text::kIndexNotWritten : document_text::kIndexFileNotWritten,
          path.string().c_str()));
    return false;
  }
  savedIndex();
  changed();
  return true;
}

}  // namespace sorvella
