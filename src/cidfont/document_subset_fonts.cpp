// The "Subset Fonts" page's commands: Add, New..., Remove and Export....
#include <algorithm>
#include <cctype>
#include <system_error>

#include "base/path_helpers.h"
#include "base/text_format.h"
#include "cidfont/document.h"
#include "cidfont/font_folder.h"
#include "cidfont/new_subset_font.h"
#include "cidfont/remembered_folders.h"
#include "cidfont/subset_font_adding.h"
#include "glyph/native_font_file.h"

namespace sorvella {

namespace fs = std::filesystem;

bool Document::AddBaseFont() {
  if (!font_) return false;
  FileDialogRequest request;
  request.mode = FileDialogRequest::Mode::kOpen;
  request.title = document_text::kAddTitle;
  request.filter = document_text::kAddFilter;
  request.fileMustExist = true;
  request.initialFolder = getFolder(env_.profile, kAddBaseFontFolderKey);
  std::vector<fs::path> files = env_.fileDialogs.chooseFiles(request);
  if (files.empty()) return false;
  setFolder(env_.profile, kAddBaseFontFolderKey, files.front().parent_path());
  auto ask = [this](const fs::path&) {
    return env_.prompts.ask(document_text::kTrueTypeTooLarge, kProgramTitle,
                            {document_text::kProceed, document_text::kCancel}) == 0;
  };
  const CommandOutcome outcome = addBaseFonts(files, ask);
  show(outcome);
  return outcome.count > 0;
}

CommandOutcome Document::addBaseFonts(std::span<const fs::path> files,
                                      const LargeFontDecision& proceedWithLarge) {
  return collect([&](CommandOutcome& outcome) {
    if (!font_) return false;
    for (const fs::path& file : files) {
      std::unique_ptr<SubsetFont> font = readBaseFont(file, proceedWithLarge);
      if (font && addSubsetFont(*font) >= 0) ++outcome.count;
    }
    if (outcome.count > 0) {
      font_->Refresh();
      font_->RebuildTables();
      font_->setModified(true);
    }
    changed();
    return outcome.count == static_cast<int32_t>(files.size());
  });
}

std::unique_ptr<SubsetFont> Document::readBaseFont(const fs::path& file,
                                                   const LargeFontDecision& proceedWithLarge) {
  std::string ext = lowerExtension(file);
  std::unique_ptr<SubsetFont> font;
  if (ext == ".vtb") {
    ProgressBox progress(env_.busy, document_text::kAddingCharacters, document_text::kAddingNative);
    font = readNativeFontTelling(file);
  } else if (ext == ".pfb") {
    if (!env_.hooks.readType1Font) return notAvailable(file), nullptr;
    ProgressBox progress(env_.busy, document_text::kAddingCharacters, document_text::kAddingType1);
    font = env_.hooks.readType1Font(file, progress.callback());
  } else if (ext == ".ttf") {
    if (!env_.hooks.readTrueTypeFont) return notAvailable(file), nullptr;
    ProgressBox progress(env_.busy, document_text::kAddingCharacters,
                         document_text::kAddingTrueType);
    font = std::make_unique<SubsetFont>();
    int result = env_.hooks.readTrueTypeFont(file, *font, true, progress.callback());
    if (result == 2) {
      if (!proceedWithLarge) {
        tell(formatText(document_text::kTrueTypeTooLargeSkipped, file.string().c_str()));
        return nullptr;
      }
      if (!proceedWithLarge(file)) return nullptr;
      font = std::make_unique<SubsetFont>();
      result = env_.hooks.readTrueTypeFont(file, *font, false, progress.callback());
    }
    if (result != 0) font.reset();
  } else {
    return notAvailable(file), nullptr;
  }
  if (!font) tell(formatText(document_text::kFontUnreadable, file.string().c_str()));
  if (font) loadEncodingTable(*font);
  return font;
}

std::unique_ptr<SubsetFont> Document::readNativeFontTelling(const fs::path& file) {
  std::vector<int32_t> damaged;
  std::unique_ptr<SubsetFont> font = ReadNativeFont(file, nullptr, &damaged);
  if (font && !damaged.empty()) {
    std::string slots;
    for (int32_t slot : damaged) slots += (slots.empty() ? "" : ", ") + std::to_string(slot);
    tell(formatText(document_text::kDamagedGlyphs, file.string().c_str(), slots.c_str()));
  }
  return font;
}

void Document::loadEncodingTable(SubsetFont& font) const {
  if (env_.hooks.loadEncodingTable) env_.hooks.loadEncodingTable(font);
}

bool Document::NewSubsetFont() {
  if (!font_) return false;
  TextInputRequest request{
      new_subset_font_text::kTitle,
      new_subset_font_text::kLabel,
      kUntitledFontName,
      {new_subset_font_text::kNoSpacesHint, new_subset_font_text::kAlphanumericHint}};
  std::optional<std::string> typed = env_.inputs.askText(request);
  if (!typed) return false;

  std::optional<IndexRange> index;
  if (env_.indexFontKeysHeld && env_.indexFontKeysHeld()) {
    NumberFieldsRequest fields{new_subset_font_text::kIndexFontTitle,
                               new_subset_font_text::kIndexFontText,
                               {new_subset_font_text::kFirstIndex, new_subset_font_text::kLastIndex,
                                new_subset_font_text::kCount},
                               {0, 0, 0},
                               [](std::size_t changedField, std::vector<uint32_t>& values) {
                                 IndexFontFields f{values[0], values[1], values[2]};
                                 if (changedField == 0) f.setFirst(values[0]);
                                 if (changedField == 1) f.setLast(values[1]);
                                 if (changedField == 2) f.setCount(values[2]);
                                 values = {f.first, f.last, f.count};
                               }};
    std::optional<std::vector<uint32_t>> values = env_.inputs.askNumbers(fields);
    if (values && values->size() == 3) index = IndexRange{(*values)[0], (*values)[1]};
  }
  return show(newSubsetFont(*typed, index));
}

CommandOutcome Document::newSubsetFont(const std::string& name, std::optional<IndexRange> index) {
  return collect([&](CommandOutcome&) {
    if (!font_) return false;
    std::unique_ptr<SubsetFont> font = makeEmptySubsetFont(newSubsetFontName(name));
    loadEncodingTable(*font);
    if (index) {
      if (!env_.hooks.makeIndexGlyphs) {
        tell(document_text::kIndexFontNotAvailable);
      } else {
        // An index font that cannot be made is not added empty.
        const std::string problem = env_.hooks.makeIndexGlyphs(*font, index->first, index->last);
        if (!problem.empty()) {
          tell(problem);
          return false;
        }
      }
    }
    if (addSubsetFont(*font) < 0) return false;
    font_->Refresh();
    font_->RebuildTables();
    changed();
    return true;
  });
}

bool Document::Remove(int32_t font) {
  if (!commandStates(font).remove) return false;
  const SubsetFontEntry& entry = font_->subsetFont(font);
  std::string name = entry.name().empty() ? kUntitledFontName : entry.name();
  CheckBoxQuestion question{formatText(document_text::kRemoveQuestion, name.c_str()),
                            document_text::kRemoveTitle,
                            document_text::kDeleteFileCheck,
                            {document_text::kRemoveButton, document_text::kCancel}};
  CheckBoxAnswer answer = env_.inputs.askWithCheckBox(question);
  if (answer.button != 0) return false;
  return show(removeFont(font, answer.checked));
}

CommandOutcome Document::removeFont(int32_t font, bool deleteFile) {
  return collect([&](CommandOutcome&) {
    if (!font_ || font < 0 || font >= font_->subsetFontCount()) return false;
    const SubsetFontEntry& entry = font_->subsetFont(font);
    if (entry.locked) {
      tell(formatText(document_text::kLockedFont, font + 1));
      return false;
    }
    if (env_.closeFontWindows) env_.closeFontWindows(font);
    if (deleteFile) filesToDelete_.push_back(SubsetFontFilePath(folder_, entry.fileStem()));
    font_->Refresh();
    font_->RemoveFont(font);
    font_->RebuildTables();
    changed();
    return true;
  });
}

bool Document::ExportSubsetFont(int32_t font) {
  if (!font_ || font < 0 || font >= font_->subsetFontCount()) return false;
  FileDialogRequest request;
  request.mode = FileDialogRequest::Mode::kSave;
  request.title = document_text::kExportSubsetTitle;
  request.filter = document_text::kExportSubsetFilter;
  request.defaultExtension = "pfb";
  request.overwritePrompt = true;
  std::optional<fs::path> file = env_.fileDialogs.choose(request);
  if (!file) return false;
  return show(exportSubsetFontTo(font, *file));
}

CommandOutcome Document::exportSubsetFontTo(int32_t font, const fs::path& file) {
  return collect([&](CommandOutcome&) {
    return font_ && font >= 0 && font < font_->subsetFontCount() && writeSubsetFontAs(font, file);
  });
}

bool Document::writeSubsetFontAs(int32_t font, const fs::path& file) {
  bool type1 = lowerExtension(file) != ".vtb";
  if (type1 && !env_.hooks.exportType1Font) return notAvailable(file);
  fs::path source = SubsetFontFilePath(folder_, font_->subsetFont(font).fileStem());
  std::unique_ptr<SubsetFont> subsetFont = readNativeFontTelling(source);
  if (!subsetFont) {
    tell(formatText(document_text::kSubsetFontUnreadable, source.string().c_str()));
    return false;
  }
  loadEncodingTable(*subsetFont);
  Type1Export written;
  if (type1) {
    ProgressBox progress(env_.busy, document_text::kExportType1Progress, {});
    written = env_.hooks.exportType1Font(file, *subsetFont, progress.callback());
  } else {
    written.fontWritten = WriteNativeFont(file, *subsetFont, native_font_flag::kStored);
    written.metricsWritten = true;
  }
  if (!written.fontWritten) {
    tell(formatText(document_text::kFileNotWritten, file.string().c_str()));
    return false;
  }
  // The font is there; the metrics files are reported on their own.
  if (!written.metricsWritten)
    tell(formatText(document_text::kMetricsNotWritten, file.string().c_str()));
  return written.metricsWritten;
}

}  // namespace sorvella
