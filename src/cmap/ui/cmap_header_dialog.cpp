#include "cmap/ui/cmap_header_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"

namespace sorvella {

namespace {

QString text(const char* constant) {
  return QString::fromLatin1(constant);
}

QDialogButtonBox* okCancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace

std::optional<BaseCMapCandidate> chooseBaseCMap(QWidget* parent, const BaseCMapList& list) {
  QDialog dialog(parent);
  dialog.setWindowTitle(text(kBaseCMapFilesTitle));
  auto* names = new QListWidget(&dialog);
  names->setObjectName(QStringLiteral("BaseCMaps"));
  for (const BaseCMapCandidate& candidate : list.candidates)
    names->addItem(toQString(candidate.name));
  if (names->count() > 0) names->setCurrentRow(0);
  auto* folder = new QLabel(toQString(list.folderText), &dialog);
  folder->setObjectName(QStringLiteral("Folder"));
  auto* buttons = okCancel(&dialog);
  buttons->button(QDialogButtonBox::Ok)->setEnabled(list.okEnabled());
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(text(kAvailableCMapFilesLabel), &dialog));
  layout->addWidget(names);
  auto* hint = new QLabel(text(kAdditionalCMapFilesLabel), &dialog);
  hint->setWordWrap(true);
  layout->addWidget(hint);
  layout->addWidget(folder);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  int row = names->currentRow();
  if (row < 0 || row >= static_cast<int>(list.candidates.size())) return std::nullopt;
  return list.candidates[static_cast<std::size_t>(row)];
}

bool baseCMapFromList(QWidget* parent, CCodeMap& cmap, const std::filesystem::path& programFile) {
  std::optional<BaseCMapCandidate> choice =
      chooseBaseCMap(parent, listBaseCMaps(cmap, programFile));
  if (!choice) return false;
  baseCMapOn(cmap, *choice);
  return true;
}

CMapHeaderDialog::CMapHeaderDialog(CCodeMap& cmap, std::filesystem::path programFile,
                                   QWidget* parent)
    : QDialog(parent), cmap_(cmap), programFile_(std::move(programFile)) {
  using namespace cmap_dialog_text;
  setWindowTitle(text(kCMapHeaderTitle));
  auto field = [this](const char* name) {
    auto* f = new QLineEdit(this);
    f->setObjectName(QString::fromLatin1(name).chopped(1));
    return f;
  };
  name_ = field(kName);
  version_ = field(kVersion);
  supplement_ = field(kSupplement);
  uidOffset_ = field(kUidOffset);
  xuid_ = field(kXuid);
  registry_ = field(kRegistry);
  ordering_ = field(kOrdering);
  notice_ = field(kNotice);
  basedOn_ = field(kBasedOn);
  fromFile_ = field(kFromFile);
  basedOn_->setReadOnly(true);
  fromFile_->setReadOnly(true);
  horizontal_ = new QRadioButton(text(kHorizontal), this);
  vertical_ = new QRadioButton(text(kVertical), this);
  auto* modes = new QHBoxLayout;
  modes->addWidget(horizontal_);
  modes->addWidget(vertical_);
  auto* baseButton = new QPushButton(text(kBaseCMapOnCaption), this);
  debase_ = new QPushButton(text(kDebaseCaption), this);
  for (QPushButton* b : {baseButton, debase_}) b->setAutoDefault(false);
  connect(baseButton, &QPushButton::clicked, this, &CMapHeaderDialog::base);
  connect(debase_, &QPushButton::clicked, this, &CMapHeaderDialog::debase);
  auto* basing = new QHBoxLayout;
  basing->addWidget(baseButton);
  basing->addWidget(debase_);

  auto* form = new QFormLayout;
  form->addRow(text(kName), name_);
  form->addRow(text(kVersion), version_);
  form->addRow(text(kSupplement), supplement_);
  form->addRow(text(kUidOffset), uidOffset_);
  form->addRow(text(kXuid), xuid_);
  form->addRow(text(kRegistry), registry_);
  form->addRow(text(kOrdering), ordering_);
  form->addRow(text(kWritingMode), modes);
  form->addRow(text(kNotice), notice_);
  form->addRow(text(kBasedOn), basedOn_);
  form->addRow(text(kFromFile), fromFile_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(basing);
  layout->addWidget(okCancel(this));
  showFields(headerFields(cmap_));
}

void CMapHeaderDialog::showFields(const CMapHeaderFields& fields) {
  fields_ = fields;
  name_->setText(toQString(fields.name));
  version_->setText(QString::number(fields.version, 'g', 17));
  supplement_->setText(QString::number(fields.supplement));
  uidOffset_->setText(QString::number(fields.uidOffset));
  xuid_->setText(toQString(fields.xuid));
  registry_->setText(toQString(fields.registry));
  ordering_->setText(toQString(fields.ordering));
  (fields.vertical ? vertical_ : horizontal_)->setChecked(true);
  notice_->setText(toQString(fields.notice));
  basedOn_->setText(toQString(fields.basedOn));
  fromFile_->setText(toQString(fields.fromFile));
  debase_->setEnabled(fields.debaseEnabled());
}

void CMapHeaderDialog::base() {
  std::optional<BaseCMapCandidate> choice =
      chooseBaseCMap(this, listBaseCMaps(cmap_, programFile_));
  if (!choice) return;
  CMapHeaderFields fields = fields_;
  baseFromHeader(cmap_, *choice, fields);
  basedOn_->setText(toQString(fields.basedOn));
  fromFile_->setText(toQString(fields.fromFile));
  fields_.basedOn = fields.basedOn;
  fields_.fromFile = fields.fromFile;
  debase_->setEnabled(fields_.debaseEnabled());
}

void CMapHeaderDialog::debase() {
  debaseFromHeader(cmap_, fields_);
  basedOn_->clear();
  fromFile_->clear();
  debase_->setEnabled(fields_.debaseEnabled());
}

void CMapHeaderDialog::accept() {
  using namespace cmap_dialog_text;
  bool versionOk = false, supplementOk = false, uidOk = false;
  double version = version_->text().trimmed().toDouble(&versionOk);
  int supplement = supplement_->text().trimmed().toInt(&supplementOk);
  int uidOffset = uidOffset_->text().trimmed().toInt(&uidOk);
  if (!versionOk || !isAcceptedCMapVersion(version)) {
    QMessageBox::warning(this, windowTitle(), text(kVersionRefused));
    version_->setFocus();
    return;
  }
  if (!supplementOk || !uidOk) {
    QMessageBox::warning(this, windowTitle(), text(kIntegerRefused));
    (supplementOk ? uidOffset_ : supplement_)->setFocus();
    return;
  }
  CMapHeaderFields fields = fields_;
  fields.name = fromQString(name_->text());
  fields.version = version;
  fields.supplement = supplement;
  fields.uidOffset = uidOffset;
  fields.xuid = fromQString(xuid_->text());
  fields.registry = fromQString(registry_->text());
  fields.ordering = fromQString(ordering_->text());
  fields.vertical = vertical_->isChecked();
  fields.notice = fromQString(notice_->text());
  if (!storeHeaderFields(fields, cmap_)) {
    QMessageBox::warning(this, windowTitle(), text(kVersionRefused));
    return;
  }
  QDialog::accept();
}

}  // namespace sorvella
