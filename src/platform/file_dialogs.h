// Open and save file dialogs: what the dialog offers, and the path the user chose, if any.
// The GUI shows them; ScriptedFileDialogs answers them in tests.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sorvella {

struct FileDialogRequest {
  enum class Mode { kOpen, kSave };

  Mode mode = Mode::kOpen;
  std::string title;             // empty: the platform's own ("Open", "Save As")
  std::string filter;            // "Name (*.ext)|*.ext||", pairs of caption and patterns
  std::string defaultExtension;  // without the dot; added to a name typed without one
  std::filesystem::path initialFolder;
  std::string initialName;
  bool fileMustExist = false;
  bool hideReadOnly = false;
  bool overwritePrompt = false;
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen file, or nothing when the dialog was cancelled.
  virtual std::optional<std::filesystem::path> choose(const FileDialogRequest& request) = 0;
  // An open dialog that lets the user pick several files, in the order chosen; empty when it
  // was cancelled. Platforms without multiple selection offer one file.
  virtual std::vector<std::filesystem::path> chooseFiles(const FileDialogRequest& request) {
    std::optional<std::filesystem::path> one = choose(request);
    if (!one) return {};
    return {*one};
  }
};

}  // namespace sorvella
