// The facts that name a CID font as a whole: its names, character collection, version and
// unique identifiers, as the CID font keeps them and CIDFont resources read and write them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sorvella {

// The CIDFont resource the exporter writes, and every reader of it, stops here: the range
// operations refuse to reach beyond it, although a record's field could hold more.
inline constexpr int32_t kMaxCid = 65535;

class CidFontInfo {
 public:
  static constexpr int kMaxXuid = 20;

  // Texts are stored trimmed; empty means absent.
  const std::string& fontName() const { return fontName_; }
  const std::string& fullName() const { return fullName_; }
  const std::string& notice() const { return notice_; }
  const std::string& registry() const { return registry_; }
  const std::string& ordering() const { return ordering_; }
  void setFontName(std::string_view v);
  void setFullName(std::string_view v);
  void setNotice(std::string_view v);
  void setRegistry(std::string_view v);
  void setOrdering(std::string_view v);

  int32_t version = 1;
  int32_t supplement = 0;
  int32_t uidBase = 0;

  const std::vector<int32_t>& xuid() const { return xuid_; }
  // Keeps at most 20 numbers.
  void setXuid(std::span<const int32_t> numbers);

  friend bool operator==(const CidFontInfo&, const CidFontInfo&) = default;

 private:
  std::string fontName_, fullName_, notice_, registry_, ordering_;
  std::vector<int32_t> xuid_;
};

}  // namespace sorvella
