// The "Templates" dialog (list, ordering filter, Load, legend, style of appearance) and the
// "Build Template" dialog with its estimate, existing-file question and progress.
#pragma once

#include <QDialog>
#include <vector>

#include "charts/template_build.h"
#include "charts/ui/chart_context.h"
#include "platform/prompts.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace sorvella {

namespace template_dialog_text {
inline constexpr const char* kTitle = "Templates";
inline constexpr const char* kCurrentOrdering =
    "Do you want to show templates for the current CID ordering?";
inline constexpr const char* kOnlyCompatible = "Show only &ordering-compatible templates";
inline constexpr const char* kAll = "Show &all templates";
inline constexpr const char* kLoad = "&Load";
inline constexpr const char* kStyle = "&Style of appearance:";
inline constexpr const char* kCouldNotLoad = "The template file %s could not be read.";
inline constexpr const char* kStyles[] = {"No template", "Template behind characters",
                                          "Template in empty CIDs only",
                                          "Template instead of characters"};
}  // namespace template_dialog_text

class TemplatesDialog : public QDialog {
  Q_OBJECT

 public:
  TemplatesDialog(ChartContext& context, std::vector<TemplateListEntry> templates,
                  bool onlyCompatible, QWidget* parent = nullptr);
  QListWidget* list() const { return list_; }
  QLabel* legend() const { return legend_; }
  QComboBox* style() const { return style_; }
  QRadioButton* onlyCompatible() const { return onlyCompatible_; }
  QRadioButton* showAll() const { return showAll_; }
  // Loads the selected template; false when it cannot be read.
  bool loadSelected();
  void accept() override;

 private:
  void fillList();
  void showLegend();

  ChartContext& context_;
  std::vector<TemplateListEntry> templates_;
  std::vector<int> shown_;  // list row -> template
  QListWidget* list_;
  QLabel* legend_;
  QComboBox* style_;
  QRadioButton* onlyCompatible_;
  QRadioButton* showAll_;
};

// "&Templates...": the list of both template folders, or the message that there are none.
void runTemplatesCommand(ChartContext& context, Prompts& prompts, QWidget* parent);

class BuildTemplateDialog : public QDialog {
  Q_OBJECT

 public:
  BuildTemplateDialog(const CCidFont& font, QWidget* parent = nullptr);
  TemplateBuildRequest request() const;
  std::string fileName() const;
  QLineEdit* ordering() const { return ordering_; }
  QComboBox* cellSize() const { return cellSize_; }
  QLabel* estimate() const { return estimate_; }

 private:
  void showEstimate();
  uint32_t cids_;
  QLineEdit* ordering_;
  QComboBox* supplement_;
  QLineEdit* fileName_;
  QComboBox* cellSize_;
  QLabel* estimate_;
};

// "&Build Template": the dialog, the existing-file question, the build with a progress
// dialog, and the written template becomes the loaded one. False when abandoned or failed.
bool runBuildTemplate(ChartContext& context, Prompts& prompts, int fitAscender, int fitDescender,
                      QWidget* parent);

}  // namespace sorvella
