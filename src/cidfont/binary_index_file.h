// The binary index file (".sqf"): header lines, the font info block, then the character
// records as they are in memory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "cidfont/cid_font.h"

namespace sorvella {

inline constexpr const char* kBinaryIndexHeader =
    "%!Vantrel Sorvell Binary Index File\r\n%!Version 1.00\r\n";

// The file's bytes. Callers run Refresh first so that the records' CIDs are current.
std::string binaryIndexBytes(const CCidFont& font);
// Writes the file with the extension ".sqf" through a temporary file, so a failed write
// leaves the old file as it was. Clears the modified flag only on success.
bool WriteBinaryIndex(CCidFont& font, const std::filesystem::path& path);

struct BinaryIndexReadResult {
  std::unique_ptr<CCidFont> font;  // always present, possibly empty
  bool opened = false;             // the file could be read
  bool hadCharacterData = false;   // "BeginCharacterData" was found
  // Damage the reader found and mended; all 0 for a sound file.
  uint32_t missingRecords = 0;       // announced by the byte count but not in the file
  int32_t fontCountsOutOfRange = 0;  // BaseFont character counts outside 0..16384, limited
  int32_t unplacedBeyondLimit = 0;   // records at CIDs beyond CCidFont::kMaxCid, now unplaced
};

// Fills a new CID font from the bytes of an index file. The caller runs RebuildTables.
BinaryIndexReadResult ReadBinaryIndex(std::span<const uint8_t> bytes);
BinaryIndexReadResult ReadBinaryIndex(const std::filesystem::path& path);

}  // namespace sorvella
