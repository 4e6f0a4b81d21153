// The encodings the program knows: every encoding file found at start-up, registered under
// the number in its first line, from which tables are then loaded by number.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "postscript/encoding_table.h"

namespace sorvella {

// The numbers the program itself asks for; the numbers of other files are free.
inline constexpr int32_t kStandardEncodingNumber = 1;   // "StandardEncoding", new fonts
inline constexpr int32_t kSeacEncodingNumber = 2;       // names of seac base and accent codes
inline constexpr int32_t kIsoLatin1EncodingNumber = 3;  // "ISOLatin1Encoding"
inline constexpr int32_t kSymbolEncodingNumber = 7;     // "SymbolEncoding"

struct EncodingEntry {
  std::string displayName;
  std::filesystem::path path;
  int32_t number = 0;
};

class EncodingRegistry {
 public:
  // Adds every regular file of the folder whose name ends in ".enc" (any letter case), in
  // the byte order of the file names; files with an invalid first line are skipped. Returns
  // how many were added; a missing or unreadable folder adds none.
  int scanFolder(const std::filesystem::path& folder);

  // True when the file's first line is valid and the entry was appended.
  bool addFile(const std::filesystem::path& file);

  // The first entry added with the number, or null.
  const EncodingEntry* find(int32_t number) const;

  // True when an entry with the number exists and its file was read into the table. Else
  // false, and the table is reset to placeholders when `fillDefault` is set and left as it
  // was otherwise; a registered file that can no longer be opened counts as no entry.
  bool loadEncoding(int32_t number, EncodingTable& table, bool fillDefault) const;

  const std::vector<EncodingEntry>& entries() const { return entries_; }

 private:
  std::vector<EncodingEntry> entries_;
};

}  // namespace sorvella
