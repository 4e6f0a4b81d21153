#include "cidfont/document.h"

#include <chrono>
#include <system_error>
#include <utility>

#include "base/text_format.h"
#include "cidfont/font_folder.h"
#include "cidfont/remembered_folders.h"
#include "cidfont/save_prompt.h"
#include "cidfont/subset_font_adding.h"

namespace sorvella {

namespace fs = std::filesystem;

Document::Document(DocumentEnvironment environment)
    : env_(std::move(environment)),
      cmaps_({env_.prompts, env_.fileDialogs, env_.programFile,
              [this] { return getFolder(env_.profile, kMapFolderKey); },
              [this](const fs::path& folder) { setFolder(env_.profile, kMapFolderKey, folder); },
              [this] { return cmapSavePrompt(); }, [this] { changed(); }}) {}

int64_t Document::now() const {
  if (env_.clock) return env_.clock();
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

void Document::changed() const {
  if (env_.changed) env_.changed();
}

CommandOutcome Document::collect(const std::function<bool(CommandOutcome&)>& operation) {
  CommandOutcome outcome;
  struct Restore {
    std::vector<std::string>*& target;
    std::vector<std::string>* outer;
    ~Restore() { target = outer; }
  } restore{collected_, std::exchange(collected_, &outcome.messages)};
  outcome.ok = operation(outcome);
  return outcome;
}

void Document::tell(const std::string& text) {
  if (collected_)
    collected_->push_back(text);
  else
    env_.prompts.tell(text);
}

bool Document::show(const CommandOutcome& outcome) {
  for (const std::string& message : outcome.messages) env_.prompts.tell(message);
  return outcome.ok;
}

void Document::closeWindows() const {
  if (env_.closeWindows) env_.closeWindows();
}

void Document::replaceFont(std::unique_ptr<CCidFont> font, fs::path folder, fs::path indexFile) {
  font_ = std::move(font);
  folder_ = font_ ? std::move(folder) : fs::path();
  indexFile_.clear();
  if (font_) indexFile_ = indexFile.empty() ? binaryIndexPath(folder_) : std::move(indexFile);
  unsavedFiles_.clear();
  unsavedFolder_.clear();
  filesToDelete_.clear();
  folderWriteFailed_ = false;
}

void Document::savedIndex() {
  std::error_code ec;
  for (const fs::path& file : filesToDelete_) fs::remove(file, ec);
  filesToDelete_.clear();
  unsavedFiles_.clear();
  unsavedFolder_.clear();
  folderWriteFailed_ = false;
}

void Document::discardUnsavedFiles() {
  std::error_code ec;
  for (const fs::path& file : unsavedFiles_) fs::remove(file, ec);
  // Only when nothing else has come into it since.
  if (!unsavedFolder_.empty()) fs::remove(unsavedFolder_, ec);
  unsavedFiles_.clear();
  unsavedFolder_.clear();
  filesToDelete_.clear();  // the index file still names them
  folderWriteFailed_ = false;
}

bool Document::savePrompt() {
  if (!font_ || !font_->modified()) return true;
  switch (askToSave(env_.prompts, save_prompt_text::kCidFontQuestion, now() - lastSaveTime_)) {
    case SaveAnswer::kSave:
      return Save();  // a failed save keeps the font, to try again
    case SaveAnswer::kDontSave:
      return true;
    case SaveAnswer::kCancel:
      break;
  }
  return false;
}

bool Document::cmapSavePrompt() {
  CCodeMap* cmap = cmaps_.current();
  if (!cmap || !cmap->modified) return true;
  switch (askToSave(env_.prompts, save_prompt_text::kCMapQuestion, now() - lastSaveTime_)) {
    case SaveAnswer::kSave:
      return cmaps_.Save();
    case SaveAnswer::kDontSave:
      return true;
    case SaveAnswer::kCancel:
      break;
  }
  return false;
}

bool Document::mayExit() {
  return savePrompt() && cmapSavePrompt();
}

std::optional<Document::ChosenFolder> Document::makeFontFolder(const fs::path& folder,
                                                               bool useExisting) {
  fs::path absolute = fs::absolute(folder).lexically_normal();
  if (!absolute.has_filename()) absolute = absolute.parent_path();
  FolderCreation creation = createFontFolder(absolute.parent_path(), absolute.filename().string());
  if (creation.outcome == FolderOutcome::kCreated) return ChosenFolder{creation.folder, true};
  if (creation.outcome == FolderOutcome::kExistingFolder && useExisting)
    return ChosenFolder{creation.folder, false};  // nothing in it is deleted
  tell(folderCreationMessage(creation));
  return std::nullopt;
}

std::optional<Document::ChosenFolder> Document::chooseFontFolder(const std::string& title,
                                                                 const std::string& text,
                                                                 const std::string& proposedName) {
  FontFolderRequest request{title,
                            text,
                            getFolder(env_.profile, kImportFolderKey),
                            proposedName,
                            font_folder_text::kFolderNamePrompt,
                            font_folder_text::kSaveAsDefault,
                            freeSpaceText};
  for (;;) {
    std::optional<FontFolderChoice> choice = env_.folderDialog.choose(request);
    if (!choice) return std::nullopt;
    if (choice->saveAsDefault) setFolder(env_.profile, kImportFolderKey, choice->directory);
    request.initialDirectory = choice->directory;
    request.initialName = choice->name;

    FolderCreation creation = createFontFolder(choice->directory, choice->name);
    std::string message = folderCreationMessage(creation);
    switch (creation.outcome) {
      case FolderOutcome::kCreated:
        return ChosenFolder{creation.folder, true};
      case FolderOutcome::kExistingFolder: {
        int answer = env_.prompts.ask(
            message, font_folder_text::kExistsTitle,
            {font_folder_text::kChooseNew, font_folder_text::kReplace, document_text::kCancel});
        if (answer == 1) return ChosenFolder{creation.folder, false};  // nothing is deleted
        if (answer != 0) return std::nullopt;
        break;
      }
      default: {
        int answer = env_.prompts.ask(message, font_folder_text::kWarningTitle,
                                      {kOkButton, document_text::kCancel});
        if (answer != 0) return std::nullopt;
        break;
      }
    }
  }
}

void Document::applyFontInfoPage() {
  if (!font_ || !env_.fontInfoPage) return;
  std::optional<FontInfoFields> fields = env_.fontInfoPage();
  if (!fields) return;
  CidFontInfo before = font_->info();
  applyFontInfoFields(*fields, font_->info());
  if (!(before == font_->info())) font_->setModified(true);
}

int32_t Document::addSubsetFont(SubsetFont& font) {
  if (!font_) return -1;
  SubsetFontAdding how{false, env_.options.fitAscender, env_.options.fitDescender};
  int32_t number = sorvella::addSubsetFont(*font_, folder_, font, how);
  if (number < 0) {
    folderWriteFailed_ = true;
    tell(addSubsetFontFailureText(font));
  } else {
    unsavedFiles_.push_back(SubsetFontFilePath(folder_, font_->subsetFont(number).fileStem()));
  }
  return number;
}

void Document::setLocked(int32_t font, bool locked) {
  if (!font_ || font < 0 || font >= font_->subsetFontCount()) return;
  font_->setLocked(font, locked);
  changed();
}

void Document::setAllLocked(bool locked) {
  if (!font_) return;
  for (int32_t f = 0; f < font_->subsetFontCount(); ++f) font_->setLocked(f, locked);
  changed();
}

SubsetFontCommandStates Document::commandStates(int32_t selectedFont) const {
  SubsetFontCommandStates states;
  if (!font_) return states;
  states.add = states.newFont = states.lockCheck = true;
  states.edit = states.exportFont = font_->subsetFontCount() > 0;
  states.remove = selectedFont >= 0 && selectedFont < font_->subsetFontCount() &&
                  !font_->subsetFont(selectedFont).locked;
  return states;
}

bool Document::notAvailable(const fs::path& file) {
  std::string kind = file.extension().string();
  if (kind.empty()) kind = file.filename().string();
  tell(formatText(document_text::kNotAvailable, kind.c_str()));
  return false;
}

}  // namespace sorvella
