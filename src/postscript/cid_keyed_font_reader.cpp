#include "postscript/cid_keyed_font_reader.h"

#include <utility>

namespace sorvella {

bool CidKeyedFontReader::fontDictSelected(int fd) const {
  return fd >= 0 && fd < kMaxFontDicts && selected_[static_cast<std::size_t>(fd)];
}

void CidKeyedFontReader::selectFontDict(int fd, bool selected) {
  if (fd >= 0 && fd < kMaxFontDicts) selected_[static_cast<std::size_t>(fd)] = selected;
}

void CidKeyedFontReader::selectAllFontDicts() {
  selected_.fill(true);
}

const CidKeyedFontReader::FontDictValues& CidKeyedFontReader::fontDictValues(int fd) const {
  static const FontDictValues kDefaults;
  if (fd < 0 || fd >= kMaxFontDicts) return kDefaults;
  return fontDicts_[static_cast<std::size_t>(fd)];
}

const SubsetFont* CidKeyedFontReader::fontDictInfo(int fd) const {
  if (fd < 0 || static_cast<std::size_t>(fd) >= fontDictInfo_.size()) return nullptr;
  return fontDictInfo_[static_cast<std::size_t>(fd)].get();
}

const std::string& CidKeyedFontReader::fontDictName(int fd) const {
  static const std::string kNone;
  if (fd < 0 || static_cast<std::size_t>(fd) >= fontDictNames_.size()) return kNone;
  return fontDictNames_[static_cast<std::size_t>(fd)];
}

}  // namespace sorvella
