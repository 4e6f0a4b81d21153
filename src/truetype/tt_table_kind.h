// The 24 table tags the TrueType library knows, with their kind numbers (positions in the
// list), descriptions and class type names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sorvella {

enum class TTTableKind : uint8_t {
  kEBDT,
  kEBLC,
  kEBSC,
  kLTSH,
  kOS2,
  kPCLT,
  kVDMX,
  kCmap,
  kCvt,
  kFpgm,
  kGasp,
  kGlyf,
  kHdmx,
  kHead,
  kHhea,
  kHmtx,
  kKern,
  kLoca,
  kMaxp,
  kName,
  kPost,
  kPrep,
  kVhea,
  kVmtx,
};

inline constexpr int kKnownTableKinds = 24;

struct TTTableKindInfo {
  const char* tag;  // four characters
  const char* description;
  const char* typeName;
};

const TTTableKindInfo& tableKindInfo(TTTableKind kind);
// The kind of a tag read as four bytes in file order (first byte highest); none when unknown.
std::optional<TTTableKind> tableKindOf(uint32_t tag);

// A tag's four bytes as text, and four characters as a tag.
std::string tagText(uint32_t tag);
constexpr uint32_t makeTag(const char (&text)[5]) {
  return static_cast<uint32_t>(static_cast<uint8_t>(text[0])) << 24 |
         static_cast<uint32_t>(static_cast<uint8_t>(text[1])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(text[2])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(text[3]));
}

}  // namespace sorvella
