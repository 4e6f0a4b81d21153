// CCodeMap: the current CMap in memory, a table from one- and two-byte character codes to CIDs
// with its header, notdef list and basing, read from and written to CMap resource files.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sorvella {

// The status of the last read or save.
enum CMapStatus : int32_t {
  kCMapOk = 0,              // also: the file cannot be opened, or does not start with a comment
  kCMapWrongToken = 1,      // a token of the wrong kind where a value or count was required
  kCMapBadXuid = 2,         // XUID without "[", or without "]" before the end
  kCMapBadCharCode = 3,     // a code of begincidchar or beginnotdefchar
  kCMapBadRangeCode = 4,    // a code of begincidrange or beginnotdefrange, or a range across rows
  kCMapNotACMap = 5,        // the first comment does not name a CMap resource
  kCMapRearrangedFont = 6,  // a font resource with beginrearrangedfont
  kCMapNoOrdering = 7,      // Save refused: no Ordering
  kCMapWriteFailed = 8,     // Save could not write the file
  kCMapBadNumber = 9,       // a number that cannot be converted, before the end of the input
  kCMapUnwritable = 10,     // Save refused: a name or text would not read back the same
};

struct NotdefEntry {
  uint8_t lowFirst = 0;
  uint8_t lowLast = 0;
  uint8_t highFirst = 0;
  uint8_t highLast = 0;
  uint32_t cid = 0;
  friend bool operator==(const NotdefEntry&, const NotdefEntry&) = default;
};

class CCodeMap {
 public:
  static constexpr uint16_t kNoCid = 0xFFFF;
  static constexpr int32_t kMaxXuid = 20;
  static constexpr int32_t kCodeCount = 65536;

  // Called with each base file found and its CMapName; returns true to stop the search.
  using BaseFileVisitor =
      std::function<bool(const std::filesystem::path& file, const std::string& name)>;

  CCodeMap();

  std::string cmapName;
  std::string registry;
  std::string ordering;
  std::string notice;  // edited in the header dialog only; files do not carry it
  int32_t supplement = 0;
  double cmapVersion = 0.0;
  int32_t uidOffset = -1;
  std::array<int32_t, kMaxXuid> xuid{};
  int32_t xuidCount = 0;
  int32_t wMode = 0;  // 0 horizontal, anything else vertical
  std::string baseName;
  std::filesystem::path basePath;
  bool modified = false;
  std::filesystem::path filePath;
  int32_t status = kCMapOk;
  std::vector<NotdefEntry> notdefs;

  // Reads a CMap resource file into this object; sets filePath and status. A failed read
  // keeps whatever was read up to the failure.
  bool Read(const std::filesystem::path& path);
  // The same on bytes held in memory; filePath is left alone.
  bool ReadBytes(std::span<const uint8_t> bytes);

  // Writes a CMap resource that Read takes back to the same header and code table. Leaves
  // filePath alone; status 7 without an Ordering, 8 when the file cannot be written.
  bool Save(const std::filesystem::path& path);

  uint16_t Lookup(uint8_t high, uint8_t low) const { return codes_[index(high, low)]; }
  void Set(uint8_t high, uint8_t low, uint16_t cid) { codes_[index(high, low)] = cid; }
  // Entries lowFirst..lowLast of the row get firstCid onwards; CIDs that a table entry cannot
  // hold (below 0, above 65534) leave their entries as they were.
  void SetRange(uint8_t high, uint8_t lowFirst, uint8_t lowLast, int64_t firstCid);
  int32_t CountInRow(uint8_t high) const;
  bool IsBased() const { return !baseName.empty(); }

  // Offers the CMap files of the folder of `folderOfPath` that are not themselves based;
  // with onlyMatching, only those named baseName. True when the visitor stopped the search.
  bool FindBaseFiles(bool onlyMatching, const std::filesystem::path& folderOfPath,
                     const BaseFileVisitor& visit);
  bool LoadBase();
  void ApplyBase();
  void Debase();

  bool hasBaseTable() const { return !base_.empty(); }
  // The base CMap's CID for the code, or kNoCid when there is no base table.
  uint16_t BaseLookup(uint8_t high, uint8_t low) const {
    return base_.empty() ? kNoCid : base_[index(high, low)];
  }
  std::span<const uint16_t> codeTable() const { return codes_; }

 private:
  static std::size_t index(uint8_t high, uint8_t low) { return std::size_t{high} * 256 + low; }

  std::vector<uint16_t> codes_;
  std::vector<uint16_t> base_;  // empty: no base table
};

}  // namespace sorvella
