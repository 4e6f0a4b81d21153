#include "platform/qt/qt_file_dialogs.h"

#include <QDir>
#include <QFileDialog>

#include "platform/qt/file_filter.h"
#include "platform/qt/qt_text.h"

namespace sorvella {

namespace fs = std::filesystem;

std::optional<fs::path> QtFileDialogs::choose(const FileDialogRequest& request) {
  std::vector<fs::path> files = run(request, false);
  if (files.empty()) return std::nullopt;
  return files.front();
}

std::vector<fs::path> QtFileDialogs::chooseFiles(const FileDialogRequest& request) {
  return run(request, true);
}

std::vector<fs::path> QtFileDialogs::run(const FileDialogRequest& request, bool several) {
  QFileDialog dialog(parent_);
  bool save = request.mode == FileDialogRequest::Mode::kSave;
  if (!request.title.empty()) dialog.setWindowTitle(toQString(request.title));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  if (save)
    dialog.setFileMode(QFileDialog::AnyFile);
  else if (several)
    dialog.setFileMode(QFileDialog::ExistingFiles);
  else
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);

  QStringList filters = qtNameFilters(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  // As the system's dialogs do, a name typed without an extension gets the one of the chosen
  // filter, or the request's own when the filter names none.
  if (!request.defaultExtension.empty()) {
    QString fallback = toQString(request.defaultExtension);
    auto useFilter = [&dialog, fallback](const QString& filter) {
      QString suffix = nameFilterSuffix(filter);
      dialog.setDefaultSuffix(suffix.isEmpty() ? fallback : suffix);
    };
    dialog.setDefaultSuffix(fallback);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, useFilter);
  }

  std::error_code ec;
  if (!request.initialFolder.empty() && fs::is_directory(request.initialFolder, ec))
    dialog.setDirectory(pathToQString(request.initialFolder));
  if (!request.initialName.empty()) dialog.selectFile(toQString(request.initialName));

  if (dialog.exec() != QDialog::Accepted) return {};
  std::vector<fs::path> files;
  for (const QString& file : dialog.selectedFiles()) {
    files.push_back(pathFromQString(QDir::toNativeSeparators(file)));
    if (!several) break;
  }
  return files;
}

}  // namespace sorvella
