#include "platform/qt/qt_font_folder_dialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"

namespace sorvella {

std::optional<FontFolderChoice> QtFontFolderDialog::choose(const FontFolderRequest& request) {
  namespace text = font_folder_dialog_text;
  QDialog dialog(parent_);
  dialog.setWindowTitle(toQString(request.title));

  auto* intro = new QLabel(toQString(request.text), &dialog);
  intro->setWordWrap(true);

  auto* directory = new QLineEdit(&dialog);
  directory->setObjectName(QStringLiteral("directory"));
  QString initial =
      request.initialDirectory.empty() ? QDir::homePath() : pathToQString(request.initialDirectory);
  directory->setText(initial);
  auto* directoryLabel = new QLabel(QString::fromLatin1(text::kDirectory), &dialog);
  directoryLabel->setBuddy(directory);
  auto* browse = new QPushButton(QString::fromLatin1(text::kBrowse), &dialog);
  browse->setObjectName(QStringLiteral("browse"));
  browse->setAutoDefault(false);
  auto* freeSpace = new QLabel(&dialog);
  freeSpace->setObjectName(QStringLiteral("freeSpace"));

  auto* name = new QLineEdit(toQString(request.initialName), &dialog);
  name->setObjectName(QStringLiteral("folderName"));
  auto* nameLabel = new QLabel(toQString(request.namePrompt), &dialog);
  nameLabel->setBuddy(name);
  auto* saveAsDefault = new QCheckBox(toQString(request.saveAsDefaultCaption), &dialog);
  saveAsDefault->setObjectName(QStringLiteral("saveAsDefault"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

  auto update = [=] {
    QString dir = directory->text().trimmed();
    if (request.directoryNote)
      freeSpace->setText(toQString(request.directoryNote(pathFromQString(dir))));
    buttons->button(QDialogButtonBox::Ok)
        ->setEnabled(!dir.isEmpty() && !name->text().trimmed().isEmpty());
  };
  QObject::connect(directory, &QLineEdit::textChanged, &dialog, update);
  QObject::connect(name, &QLineEdit::textChanged, &dialog, update);
  QObject::connect(browse, &QPushButton::clicked, &dialog, [&dialog, directory] {
    QString chosen = QFileDialog::getExistingDirectory(
        &dialog, QString::fromLatin1(text::kBrowseTitle), directory->text().trimmed());
    if (!chosen.isEmpty()) directory->setText(QDir::toNativeSeparators(chosen));
  });
  update();

  auto* directoryRow = new QHBoxLayout;
  directoryRow->addWidget(directory, 1);
  directoryRow->addWidget(browse);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(intro);
  layout->addSpacing(8);
  layout->addWidget(directoryLabel);
  layout->addLayout(directoryRow);
  layout->addWidget(freeSpace);
  layout->addSpacing(8);
  layout->addWidget(nameLabel);
  layout->addWidget(name);
  layout->addWidget(saveAsDefault);
  layout->addWidget(buttons);
  dialog.resize(460, dialog.sizeHint().height());
  name->setFocus();
  name->selectAll();

  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return FontFolderChoice{pathFromQString(directory->text().trimmed()),
                          fromQString(name->text().trimmed()), saveAsDefault->isChecked()};
}

}  // namespace sorvella
