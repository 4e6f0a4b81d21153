// Open and save file dialogs shown with QFileDialog. The request's filter becomes Qt's name filters
// and its default extension follows the filter chosen; Qt's dialogs have no read-only check box,
// so hideReadOnly needs nothing.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/file_dialogs.h"

namespace sorvella {

class QtFileDialogs : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}

  std::optional<std::filesystem::path> choose(const FileDialogRequest& request) override;
  std::vector<std::filesystem::path> chooseFiles(const FileDialogRequest& request) override;

 private:
  std::vector<std::filesystem::path> run(const FileDialogRequest& request, bool several);

  QPointer<QWidget> parent_;
};

}  // namespace sorvella
