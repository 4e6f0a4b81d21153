// The "CMap Header" dialog and the "Base CMap files" dialog it and the Characters page open:
// widgets over the header fields and the list of base CMaps.
#pragma once

#include <QDialog>
#include <filesystem>
#include <optional>

#include "cmap/base_cmap_list.h"
#include "cmap/cmap_header_fields.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace sorvella {

namespace cmap_dialog_text {
inline constexpr const char* kName = "Name:";
inline constexpr const char* kVersion = "Version:";
inline constexpr const char* kSupplement = "Supplement:";
inline constexpr const char* kUidOffset = "UID Offset:";
inline constexpr const char* kXuid = "XUID:";
inline constexpr const char* kRegistry = "Registry:";
inline constexpr const char* kOrdering = "Ordering:";
inline constexpr const char* kWritingMode = "Writing mode:";
inline constexpr const char* kHorizontal = "Horizontal";
inline constexpr const char* kVertical = "Vertical";
inline constexpr const char* kNotice = "Notice:";
inline constexpr const char* kBasedOn = "Based on:";
inline constexpr const char* kFromFile = "From file:";
// A field whose text is not a number keeps the dialog open.
inline constexpr const char* kVersionRefused = "Please enter a number between 0 and 1e40.";
inline constexpr const char* kIntegerRefused = "Please enter an integer.";
}  // namespace cmap_dialog_text

// "Base CMap files": the CMap chosen from the list, or none on Cancel.
std::optional<BaseCMapCandidate> chooseBaseCMap(QWidget* parent, const BaseCMapList& list);

class CMapHeaderDialog : public QDialog {
  Q_OBJECT

 public:
  // The two basing buttons act on `cmap` at once; OK stores the fields into it.
  CMapHeaderDialog(CCodeMap& cmap, std::filesystem::path programFile, QWidget* parent = nullptr);

  void accept() override;

 private:
  void showFields(const CMapHeaderFields& fields);
  void base();
  void debase();

  CCodeMap& cmap_;
  std::filesystem::path programFile_;
  CMapHeaderFields fields_;
  QLineEdit *name_, *version_, *supplement_, *uidOffset_, *xuid_, *registry_, *ordering_, *notice_,
      *basedOn_, *fromFile_;
  QRadioButton *horizontal_, *vertical_;
  QPushButton* debase_;
};

// "Base CMap on..." of the Characters page: the list of the CMap's folder, and basing on the
// choice. Returns whether the CMap was based.
bool baseCMapFromList(QWidget* parent, CCodeMap& cmap, const std::filesystem::path& programFile);

}  // namespace sorvella
