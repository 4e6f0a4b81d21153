#include "charts/ui/template_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/text_format.h"

namespace sorvella {

namespace {
QString latin1(const std::string& text) {
  return QString::fromLatin1(text.c_str());
}
constexpr uint32_t kCellSizes[] = {16, 24, 32};
constexpr int kSupplements = 8;
}  // namespace

TemplatesDialog::TemplatesDialog(ChartContext& context, std::vector<TemplateListEntry> templates,
                                 bool onlyCompatible, QWidget* parent)
    : QDialog(parent), context_(context), templates_(std::move(templates)) {
  using namespace template_dialog_text;
  setWindowTitle(kTitle);
  auto* layout = new QVBoxLayout(this);
  onlyCompatible_ = new QRadioButton(kOnlyCompatible, this);
  showAll_ = new QRadioButton(kAll, this);
  (onlyCompatible ? onlyCompatible_ : showAll_)->setChecked(true);
  list_ = new QListWidget(this);
  auto* load = new QPushButton(kLoad, this);
  legend_ = new QLabel(this);
  legend_->setWordWrap(true);
  style_ = new QComboBox(this);
  for (const char* style : kStyles) style_->addItem(style);
  style_->setCurrentIndex(static_cast<int>(context_.templateStyle));
  auto* styleLabel = new QLabel(kStyle, this);
  styleLabel->setBuddy(style_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  for (QWidget* w : std::initializer_list<QWidget*>{onlyCompatible_, showAll_, list_, load, legend_,
                                                    styleLabel, style_, buttons})
    layout->addWidget(w);
  connect(onlyCompatible_, &QRadioButton::toggled, this, [this] { fillList(); });
  connect(load, &QPushButton::clicked, this, [this] { loadSelected(); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  fillList();
  showLegend();
}

void TemplatesDialog::fillList() {
  list_->clear();
  shown_.clear();
  const CCidFont* font = context_.font();
  const std::string fontOrdering = font ? font->info().ordering() : std::string();
  for (std::size_t i = 0; i < templates_.size(); ++i) {
    const TemplateListEntry& t = templates_[i];
    if (onlyCompatible_->isChecked() && !IsCompatible(t.header.ordering, fontOrdering)) continue;
    shown_.push_back(static_cast<int>(i));
    list_->addItem(latin1(formatText("%s  %s %u  %ux%u  %u", t.path.filename().string().c_str(),
                                     t.header.ordering.c_str(), t.header.supplement,
                                     t.header.cellSize, t.header.cellSize, t.header.count)));
  }
  if (list_->count() > 0) list_->setCurrentRow(0);
}

void TemplatesDialog::showLegend() {
  const CCidFont* font = context_.font();
  const auto& loaded = context_.loadedTemplate;
  const bool compatible =
      loaded && IsCompatible(loaded->ordering, font ? font->info().ordering() : std::string());
  legend_->setText(latin1(templateLegend(loaded ? &*loaded : nullptr, compatible)));
}

bool TemplatesDialog::loadSelected() {
  const int row = list_->currentRow();
  if (row < 0 || row >= static_cast<int>(shown_.size())) return false;
  const TemplateListEntry& entry = templates_[static_cast<std::size_t>(shown_[row])];
  ChartTemplate read;
  if (!ReadTemplate(entry.path, read)) {
    legend_->setText(latin1(
        formatText(template_dialog_text::kCouldNotLoad, entry.path.filename().string().c_str())));
    return false;
  }
  if (const CCidFont* font = context_.font()) read.rebuildLookup(font->rangeTop());
  context_.loadedTemplate = std::move(read);
  showLegend();
  return true;
}

void TemplatesDialog::accept() {
  context_.templateStyle = static_cast<TemplateStyle>(style_->currentIndex());
  if (context_.changed) context_.changed();
  QDialog::accept();
}

void runTemplatesCommand(ChartContext& context, Prompts& prompts, QWidget* parent) {
  std::vector<TemplateListEntry> templates = listTemplates(templateFolders());
  if (templates.empty()) {
    prompts.tell(template_text::kNoTemplates);
    return;
  }
  const int answer =
      prompts.ask(template_dialog_text::kCurrentOrdering, kProgramTitle, {"&Yes", "&No"});
  if (answer < 0) return;
  TemplatesDialog dialog(context, std::move(templates), answer == 0, parent);
  dialog.exec();
}

BuildTemplateDialog::BuildTemplateDialog(const CCidFont& font, QWidget* parent)
    : QDialog(parent), cids_(cidsWithCharacters(font)) {
  using namespace template_build_text;
  setWindowTitle(kDialogTitle);
  auto* form = new QFormLayout(this);
  ordering_ = new QLineEdit(latin1(font.info().ordering()), this);
  supplement_ = new QComboBox(this);
  for (int s = 0; s < kSupplements; ++s) supplement_->addItem(QString::number(s));
  supplement_->setCurrentIndex(std::clamp(font.info().supplement, 0, kSupplements - 1));
  fileName_ = new QLineEdit(this);
  fileName_->setMaxLength(8);
  cellSize_ = new QComboBox(this);
  for (uint32_t size : kCellSizes) cellSize_->addItem(QString("%1x%1").arg(size));
  cellSize_->setCurrentIndex(1);
  estimate_ = new QLabel(this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  form->addRow(kOrdering, ordering_);
  form->addRow(kSupplement, supplement_);
  form->addRow(kFileName, fileName_);
  form->addRow(kCellSize, cellSize_);
  form->addRow(estimate_);
  form->addRow(buttons);
  connect(cellSize_, &QComboBox::currentIndexChanged, this, [this] { showEstimate(); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  showEstimate();
}

TemplateBuildRequest BuildTemplateDialog::request() const {
  TemplateBuildRequest r;
  r.ordering = ordering_->text().toLatin1().toStdString();
  r.supplement = static_cast<uint32_t>(supplement_->currentIndex());
  r.cellSize = kCellSizes[std::clamp(cellSize_->currentIndex(), 0, 2)];
  return r;
}

std::string BuildTemplateDialog::fileName() const {
  return fileName_->text().toLatin1().toStdString();
}

void BuildTemplateDialog::showEstimate() {
  estimate_->setText(latin1(formatText(template_build_text::kEstimate,
                                       templateEstimateKilobytes(request().cellSize, cids_))));
}

bool runBuildTemplate(ChartContext& context, Prompts& prompts, int fitAscender, int fitDescender,
                      QWidget* parent) {
  const CCidFont* font = context.font();
  if (!font) return false;
  BuildTemplateDialog dialog(*font, parent);
  std::filesystem::path file;
  for (;;) {
    if (dialog.exec() != QDialog::Accepted || dialog.fileName().empty()) return false;
    file = userTemplateFolder() / (dialog.fileName() + template_text::kExtension);
    const ExistingTemplate existing = askAboutExistingTemplate(prompts, file);
    if (existing == ExistingTemplate::kCancel) return false;
    if (existing == ExistingTemplate::kWrite) break;
  }
  TemplateBuildRequest request = dialog.request();
  request.fitAscender = fitAscender;
  request.fitDescender = fitDescender;
  QProgressDialog progress(parent);
  progress.setWindowTitle(template_build_text::kProgressTitle);
  progress.setMinimumDuration(200);
  int queries = 0;
  TemplateBuildResult result = BuildTemplate(
      *font, context.document.folder(), request,
      [&](int kind, int64_t a, int64_t b) {
        if (kind == kProgressRange) progress.setRange(static_cast<int>(a), static_cast<int>(b));
        if (kind == kProgressPosition && a % 64 == 0) progress.setValue(static_cast<int>(a));
        // Events are pumped often enough to keep painting, not for every glyph.
        if (kind == kProgressCancelQuery && ++queries % 64 == 0) QApplication::processEvents();
        return progress.wasCanceled() ? 1 : 0;
      },
      [&](const std::string& text) { progress.setLabelText(latin1(text)); });
  progress.close();
  if (!result.chartTemplate) return false;
  if (!result.unreadableFonts.empty()) {
    std::string files;
    for (const std::string& f : result.unreadableFonts) files += (files.empty() ? "" : ", ") + f;
    prompts.tell(formatText(template_build_text::kUnreadableFonts, files.c_str()));
  }
  if (!WriteTemplate(*result.chartTemplate, file)) {
    prompts.tell(formatText(template_build_text::kNotWritten, file.string().c_str()));
    return false;
  }
  result.chartTemplate->filePath = file;
  result.chartTemplate->rebuildLookup(font->rangeTop());
  context.loadedTemplate = std::move(result.chartTemplate);
  if (context.changed) context.changed();
  return true;
}

}  // namespace sorvella
