// CCharPage: the "Characters" page. It shows the current CMap's legend and offers the CMap
// commands, which the main window runs.
#pragma once

#include <QWidget>
#include <optional>
#include <string_view>

class QPlainTextEdit;
class QPushButton;

namespace sorvella {

class CCodeMap;

namespace chars_page_text {
inline constexpr const char* kLegend = "Current CMap legend:";
inline constexpr const char* kNew = "New";
inline constexpr const char* kOpen = "Open...";
inline constexpr const char* kSave = "Save";
inline constexpr const char* kSaveAs = "Save As...";
inline constexpr const char* kHeader = "Header...";
inline constexpr const char* kShowCMap = "Show CMap";
}  // namespace chars_page_text

class CCharPage : public QWidget {
  Q_OBJECT

 public:
  explicit CCharPage(QWidget* parent = nullptr);

  // The legend of the CMap (or none) against the CID font's Ordering (none: no CID font),
  // and the commands enabled for it.
  void refresh(const CCodeMap* cmap, std::optional<std::string_view> fontOrdering, bool canSave);
  // Whether "Show CMap" has a window to open.
  void setShowCMapAvailable(bool available);

  QPlainTextEdit* legend() const { return legend_; }
  // The page's button with this caption, or null.
  QPushButton* button(const char* caption) const;

 signals:
  void newRequested();
  void openRequested();
  void saveRequested();
  void saveAsRequested();
  void baseRequested();
  void headerRequested();
  void showCMapRequested();

 private:
  QPushButton* addButton(const char* caption, void (CCharPage::*signal)());

  QPlainTextEdit* legend_;
  QPushButton *save_ = nullptr, *saveAs_ = nullptr, *base_ = nullptr, *header_ = nullptr,
              *show_ = nullptr;
  bool showAvailable_ = false;
};

}  // namespace sorvella
