#include "cmap/cmap_commands.h"

#include <utility>

#include "base/text_format.h"
#include "cmap/cmap_file_writer.h"

namespace sorvella {

namespace fs = std::filesystem;

const char* cmapReadFailureMessage(int32_t status) {
  if (status == kCMapRearrangedFont) return kRearrangedFontMessage;
  return status == kCMapBadNumber ? kBadNumberMessage : kInvalidCMapMessage;
}

CMapCommands::CMapCommands(CMapCommandEnvironment environment) : env_(std::move(environment)) {}

void CMapCommands::replace(std::unique_ptr<CCodeMap> cmap) {
  current_ = std::move(cmap);
  changed();
}

bool CMapCommands::mayReplace() const {
  return !env_.mayReplace || env_.mayReplace();
}

void CMapCommands::changed() const {
  if (env_.changed) env_.changed();
}

fs::path CMapCommands::lastFolder() const {
  return env_.lastFolder ? env_.lastFolder() : fs::path();
}

void CMapCommands::rememberFolder(const fs::path& folder) const {
  if (env_.rememberFolder) env_.rememberFolder(folder);
}

bool CMapCommands::New() {
  if (!mayReplace()) return false;
  replace(std::make_unique<CCodeMap>());
  return true;
}

bool CMapCommands::Open() {
  if (!mayReplace()) return false;
  FileDialogRequest request;
  request.mode = FileDialogRequest::Mode::kOpen;
  request.filter = kCMapFileFilter;
  request.defaultExtension = kCMapFileExtension;
  request.fileMustExist = true;
  request.hideReadOnly = true;
  request.initialFolder = lastFolder();
  if (request.initialFolder.empty())
    request.initialFolder = env_.programFile.parent_path() / kSamplesFolder;
  std::optional<fs::path> path = env_.fileDialogs.choose(request);
  if (!path) return false;
  rememberFolder(path->parent_path());

  current_ = std::make_unique<CCodeMap>();
  CCodeMap& cmap = *current_;
  if (!cmap.Read(*path)) {
    env_.prompts.tell(cmapReadFailureMessage(cmap.status));
    replace(nullptr);
    return false;
  }
  if (cmap.IsBased()) {
    const bool found =
        cmap.FindBaseFiles(true, *path, [&cmap](const fs::path& file, const std::string&) {
          cmap.basePath = file;
          return true;
        });
    if (found) {
      cmap.LoadBase();
      cmap.ApplyBase();
    } else {
      env_.prompts.tell(formatText(kMissingBaseMessage, cmap.baseName.c_str()));
    }
  }
  cmap.modified = false;
  changed();
  return true;
}

bool CMapCommands::Save() {
  if (!current_) return false;
  if (current_->filePath.empty()) return SaveAs();
  return saveTo(current_->filePath);
}

bool CMapCommands::SaveAs() {
  if (!current_) return false;
  FileDialogRequest request;
  request.mode = FileDialogRequest::Mode::kSave;
  request.filter = kCMapFileFilter;
  request.defaultExtension = kCMapFileExtension;
  request.hideReadOnly = true;
  request.overwritePrompt = true;
  request.initialFolder = lastFolder();
  if (!current_->filePath.empty())
    request.initialName = current_->filePath.filename().string();
  else if (!current_->cmapName.empty())
    request.initialName = current_->cmapName + "." + kCMapFileExtension;
  std::optional<fs::path> path = env_.fileDialogs.choose(request);
  if (!path) return false;
  rememberFolder(path->parent_path());
  // The CMap now lives in the new file: a later Save must not overwrite the one it came from.
  if (!saveTo(*path)) return false;
  current_->filePath = *path;
  return true;
}

// A failed save leaves Modified set, so that the work is still offered for saving.
bool CMapCommands::saveTo(const fs::path& path) {
  if (!current_->Save(path)) {
    if (current_->status == kCMapUnwritable) {
      const std::string field(unwritableHeaderField(*current_));
      env_.prompts.tell(formatText(kUnwritableTextMessage, field.c_str()));
    } else {
      env_.prompts.tell(current_->status == kCMapNoOrdering ? kNoOrderingMessage
                                                            : kDiskProblemMessage);
    }
    return false;
  }
  current_->modified = false;
  changed();
  return true;
}

}  // namespace sorvella
