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
  std::optional<fs::path> folder =
      chooseFontFolder(document_text::kNewTitle, document_text::kNewText, {});
  if (!folder) return false;
  closeWindows();
  replaceFont(std::make_unique<CCidFont>(), *folder);
  font_->RebuildTables();
  lastSaveTime_ = now();
  changed();
  return true;
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
  closeWindows();
  replaceFont(nullptr, {});
  lastSaveTime_ = now();
  BinaryIndexReadResult read;
  {
    WaitCursor wait(env_.busy);
    read = ReadBinaryIndex(file);
  }
  if (!read.opened) {
    env_.prompts.tell(formatText(document_text::kIndexUnreadable, file.string().c_str()));
    changed();
    return false;
  }
  replaceFont(std::move(read.font), file.parent_path());
  font_->RebuildTables();
  font_->setModified(false);
  tellIndexDamage(read, file);
  if (!checkSubsetFontFiles()) {
    replaceFont(nullptr, {});
    changed();
    return false;
  }
  changed();
  return true;
}

void Document::tellIndexDamage(const BinaryIndexReadResult& read, const fs::path& file) {
  std::string path = file.string();
  if (read.missingRecords > 0)
    env_.prompts.tell(
        formatText(document_text::kIndexRecordsMissing, path.c_str(), read.missingRecords));
  if (read.fontCountsOutOfRange > 0)
    env_.prompts.tell(formatText(document_text::kIndexFontCountsOutOfRange, path.c_str(),
                                 read.fontCountsOutOfRange));
  if (read.unplacedBeyondLimit > 0)
    env_.prompts.tell(
        formatText(document_text::kIndexCidsBeyondLimit, path.c_str(), read.unplacedBeyondLimit));
}

bool Document::checkSubsetFontFiles() {
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
    int answer = env_.prompts.ask(text, font_folder_text::kWarningTitle,
                                  {document_text::kDeleteFonts, document_text::kIgnore,
                                   document_text::kRetry, document_text::kCancel});
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
  if (!WriteNativeFont(edited->path, *edited->font, native_font_flag::kFullInfo)) {
    env_.prompts.tell(formatText(document_text::kFileNotWritten, edited->path.string().c_str()));
    return false;
  }
  edited->modified = false;
  return true;
}

bool Document::Save() {
  if (!font_) return false;
  saveEditedFont();
  applyFontInfoPage();
  return writeIndex();
}

bool Document::writeIndex() {
  fs::path path = binaryIndexPath(folder_);
  if (!folderPathHasSeparator(folder_.string())) {
    int answer = env_.prompts.ask(font_folder_text::kBadFolderName, font_folder_text::kWarningTitle,
                                  {kOkButton, document_text::kCancel});
    if (answer != 0) return false;
    path = emergencyIndexPath(folder_);
  }
  lastSaveTime_ = now();
  bool written;
  {
    WaitCursor wait(env_.busy);
    font_->Refresh();
    written = WriteBinaryIndex(*font_, path);
  }
  if (!written) {
    env_.prompts.tell(formatText(document_text::kIndexNotWritten, path.string().c_str()));
    return false;
  }
  changed();
  return true;
}

}  // namespace sorvella
