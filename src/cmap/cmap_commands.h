// The CMap commands of the "Characters" page (New, Open..., Save, Save As...) and the current
// CMap they replace, written against the platform's prompts and file dialogs.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "cmap/code_map.h"
#include "platform/file_dialogs.h"
#include "platform/prompts.h"

namespace sorvella {

inline constexpr const char* kCMapFileFilter = "CID Map files (*.cmp)|*.cmp||";
inline constexpr const char* kCMapFileExtension = "cmp";
inline constexpr const char* kSamplesFolder = "Samples";

inline constexpr const char* kRearrangedFontMessage =
    "The CMap file you tried to open is a CMap for a rearranged CID font. This file can't be "
    "opened by Sorvella.";
inline constexpr const char* kInvalidCMapMessage =
    "The file you tried to open is not a valid CMap file or a file open error occured. Check "
    "the file and try again.";
inline constexpr const char* kMissingBaseMessage =
    "This CMap is referenced on %s, but there is no .cmp file found for it. Find this file and "
    "copy it to the directory where your CMap file is. The opened file will not have indexes "
    "from the base CMap.";
inline constexpr const char* kNoOrderingMessage =
    "This CMap file can't be saved without Ordering information. Fill an Ordering field in the "
    "Header dialog box and save again";
inline constexpr const char* kDiskProblemMessage =
    "The CMap file was not saved due to a disk problem. Fix the problem and try to save again.";
inline constexpr const char* kBadNumberMessage =
    "The CMap file you tried to open holds a number that can't be read. Nothing after it "
    "could be read, so the file is not opened. Check the file and try again.";
inline constexpr const char* kUnwritableTextMessage =
    "This CMap file can't be saved because its %s would not read back as it is: names can't "
    "hold spaces or the characters ( ) < > [ ] { } / %%, and texts need balanced parentheses "
    "and no line ends. Correct it in the Header dialog box and save again";

// The message for a failed read, by its status.
const char* cmapReadFailureMessage(int32_t status);

struct CMapCommandEnvironment {
  Prompts& prompts;
  FileDialogs& fileDialogs;
  // The program's own file; its folder holds "Samples".
  std::filesystem::path programFile;
  // The folder the CMap file dialogs last used (empty: none yet, or no hook), and what
  // remembers the folder of the file chosen now.
  std::function<std::filesystem::path()> lastFolder;
  std::function<void(const std::filesystem::path&)> rememberFolder;
  // The main window's save question for the CMap about to be replaced; false refuses.
  // Empty: the CMap may always be replaced.
  std::function<bool()> mayReplace;
  // Called after every change of the current CMap, to redraw the chart and the legend.
  std::function<void()> changed;
};

class CMapCommands {
 public:
  explicit CMapCommands(CMapCommandEnvironment environment);

  CCodeMap* current() const { return current_.get(); }
  // Installs a CMap built elsewhere (TrueType import), or none.
  void replace(std::unique_ptr<CCodeMap> cmap);

  // Each returns whether it went through; a refusal, a cancel or a failure returns false.
  bool New();
  bool Open();
  bool Save();
  bool SaveAs();

  bool canSave() const { return current_ && !current_->filePath.empty(); }
  bool canSaveAs() const { return current_ != nullptr; }

 private:
  bool mayReplace() const;
  void changed() const;
  std::filesystem::path lastFolder() const;
  void rememberFolder(const std::filesystem::path& folder) const;
  bool saveTo(const std::filesystem::path& path);

  CMapCommandEnvironment env_;
  std::unique_ptr<CCodeMap> current_;
};

}  // namespace sorvella
