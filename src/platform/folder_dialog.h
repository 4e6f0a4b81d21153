// The dialog that asks where a new CID font's folder goes: a directory, the folder's name and
// whether the directory becomes the default for new folders.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace sorvella {

struct FontFolderRequest {
  std::string title;
  std::string text;  // what the folder is for
  std::filesystem::path initialDirectory;
  std::string initialName;
  // The captions of the name field and of the check box.
  std::string namePrompt;
  std::string saveAsDefaultCaption;
  // What the dialog says about the directory typed so far (its free space); empty: nothing.
  std::function<std::string(const std::filesystem::path& directory)> directoryNote;
};

struct FontFolderChoice {
  std::filesystem::path directory;
  std::string name;
  bool saveAsDefault = false;
};

class FontFolderDialog {
 public:
  virtual ~FontFolderDialog() = default;
  // Nothing when the user cancelled.
  virtual std::optional<FontFolderChoice> choose(const FontFolderRequest& request) = 0;
};

}  // namespace sorvella
