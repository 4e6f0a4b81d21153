// One table of a TrueType font as its directory entry gives it (tag, checksum, offset,
// length); the body is read from the file the first time the table is asked for.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "truetype/tt_object.h"
#include "truetype/tt_table_kind.h"

namespace sorvella {

class TTF;

class TTF_TABLE : public TTStreamed {
 public:
  TTF_TABLE(TTF& owner, uint32_t tag, uint32_t checksum, uint32_t offset, uint32_t length);
  TTF_TABLE(const TTF_TABLE&) = delete;
  TTF_TABLE& operator=(const TTF_TABLE&) = delete;

  const char* typeName() const override;

  uint32_t tag() const { return tag_; }
  std::string tagText() const;
  uint32_t checksum() const { return checksum_; }
  uint32_t offset() const { return offset_; }
  uint32_t length() const { return length_; }
  // None for a table of a tag the library does not know (kept as a plain table).
  std::optional<TTTableKind> kind() const { return kind_; }

  // Reads the body on first use; true when the table was read without damage.
  bool load();
  bool loaded() const { return source() != TTSource::kInitiated; }

 protected:
  // Interprets the body; plain tables keep none. Reads must stay inside `body`.
  virtual void readBody(std::span<const uint8_t> body) { (void)body; }
  TTF& owner() const { return owner_; }

 private:
  TTF& owner_;
  uint32_t tag_;
  uint32_t checksum_;
  uint32_t offset_;
  uint32_t length_;
  std::optional<TTTableKind> kind_;
};

// A known table whose body nothing in the program reads (the bitmap, device metrics and
// grid-fitting tables): kept as its directory entry, under its kind's type name.
class TTKeptTable : public TTF_TABLE {
 public:
  using TTF_TABLE::TTF_TABLE;
};

}  // namespace sorvella
