// Chart templates: one-bit images of 16, 24 or 32 pixels, one per CID, that show what the
// characters of an ordering look like; their ".ctp" files and the lookup by CID.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace sorvella {

namespace template_text {
inline constexpr const char* kFileTag = "CIDTemplateFile";
inline constexpr const char* kHeader = "CIDTemplateFile %s %u %u %u\r\n";
inline constexpr const char* kUntitled = "Untitled";
inline constexpr const char* kExtension = ".ctp";
inline constexpr const char* kFolder = "Template";
inline constexpr const char* kNoTemplates =
    "There are no template files (*.ctp) in the Sorvella directory. Correct this and press the "
    "Templates button again.";
inline constexpr const char* kNoneLoaded = "There are no templates loaded.";
inline constexpr const char* kLegend =
    "The current template is %s from file %s. It contains %u images of %s size. This template "
    "is%s compatible with the current CID font.";
inline constexpr const char* kSize = "%ix%i";
inline constexpr const char* kNot = " not ";
}  // namespace template_text

struct TemplateHeader {
  std::string ordering;
  uint32_t supplement = 0;
  uint32_t cellSize = 0;
  uint32_t count = 0;
};

class ChartTemplate {
 public:
  // Bytes of a drawn image row: file rows of 24 pixels are 3 bytes, widened to 4.
  static uint32_t drawRowBytes(uint32_t cellSize) { return cellSize == 16 ? 2 : 4; }
  static uint32_t recordSize(uint32_t cellSize) { return cellSize / 8 * cellSize + 4; }
  static bool validCellSize(uint32_t cellSize) {
    return cellSize == 16 || cellSize == 24 || cellSize == 32;
  }

  ChartTemplate() = default;
  // `count` zero records (CID 0, all ink).
  ChartTemplate(uint32_t cellSize, uint32_t count);

  uint32_t cellSize() const { return cellSize_; }
  uint32_t recordSize() const { return recordSize(cellSize_); }
  uint32_t count() const { return count_; }
  bool empty() const { return count_ == 0; }

  std::string ordering;  // empty: absent
  uint32_t supplement = 0;
  std::filesystem::path filePath;

  uint32_t cidOf(uint32_t index) const;
  void setCid(uint32_t index, uint32_t cid);
  // The image as cellSize rows of drawRowBytes, top row first, a set bit being background.
  std::vector<uint8_t> image(uint32_t index) const;
  // Stores rows of drawRowBytes (extra bytes of widened rows are dropped).
  void setImage(uint32_t index, std::span<const uint8_t> rows);
  // The records as the file holds them.
  std::span<const uint8_t> recordBytes() const { return records_; }
  // Takes whole records in file form; a trailing part record is dropped.
  void setRecordBytes(std::span<const uint8_t> bytes);

  // The index of the CID's image, or -1: the lookup first, then a search of the records.
  int32_t ImageOf(int32_t cid) const;
  // Rebuilds the lookup for CIDs 0..rangeTop directly and the rest as sorted pairs.
  void rebuildLookup(int32_t rangeTop);

 private:
  uint8_t* record(uint32_t index) { return records_.data() + std::size_t{index} * recordSize(); }
  const uint8_t* record(uint32_t index) const {
    return records_.data() + std::size_t{index} * recordSize();
  }

  uint32_t cellSize_ = 0;
  uint32_t count_ = 0;
  std::vector<uint8_t> records_;
  std::vector<int32_t> direct_;
  std::vector<std::pair<int32_t, int32_t>> overflow_;  // (CID, index), by CID
};

// Readers: false (the template left empty) for a file that is missing, not a template, of a
// cell size other than 16, 24 or 32, or shorter than its header says.
bool ReadTemplate(const std::filesystem::path& path, ChartTemplate& out);
// The same on a file's bytes; the file path is left empty.
bool ReadTemplateBytes(std::span<const uint8_t> bytes, ChartTemplate& out);
std::optional<TemplateHeader> ReadTemplateHeader(const std::filesystem::path& path);
// Writes to `path` with the extension ".ctp", replacing the file only once all is written.
bool WriteTemplate(const ChartTemplate& chartTemplate, const std::filesystem::path& path);
// The file's bytes: the header line and the records.
std::string templateFileBytes(const ChartTemplate& chartTemplate);

// True when either ordering is empty, otherwise when they are equal ignoring ASCII case.
bool IsCompatible(const std::string& templateOrdering, const std::string& fontOrdering);

// "Estimated file size is %uk." of the build dialog, in kilobytes.
uint32_t templateEstimateKilobytes(uint32_t cellSize, uint32_t cidsWithCharacters);
// The legend of the Templates dialog; `loaded` null when no template is loaded.
std::string templateLegend(const ChartTemplate* loaded, bool compatible);

}  // namespace sorvella
