// The dialog that asks where a new CID font's folder goes, shown as a Qt dialog: the text of
// the command, the directory (typed or chosen with Browse) with its free space, the folder's
// name and the check box that makes the directory the default for new folders.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/folder_dialog.h"

namespace sorvella {

namespace font_folder_dialog_text {
inline constexpr const char* kDirectory = "&Directory:";
inline constexpr const char* kBrowse = "&Browse...";
inline constexpr const char* kBrowseTitle = "Directory for the font folder";
}  // namespace font_folder_dialog_text

class QtFontFolderDialog : public FontFolderDialog {
 public:
  explicit QtFontFolderDialog(QWidget* parent = nullptr) : parent_(parent) {}

  std::optional<FontFolderChoice> choose(const FontFolderRequest& request) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace sorvella
